#include "FileBytes.h"
#include "ProgramTest.h"
#include "core/IniFile.h"

#include <QFile>
#include <QFileInfo>
#include <csignal>
#include <sys/resource.h>

using namespace lanthorn;
using namespace lanthorn::testing;

namespace {

class SettingsFilesTest : public ProgramTest {
protected:
    QString path() const { return program.settings.pathOf(kSettingsFile); }

    void writeRaw(const QByteArray& content, const QString& file = kSettingsFile)
    {
        ASSERT_TRUE(WriteFileBytes(program.settings.pathOf(file), content));
    }
    QByteArray readRaw() const { return ReadFileBytes(path()); }
};

TEST_F(SettingsFilesTest, MissingFileSectionOrKeyYieldsTheDefault)
{
    EXPECT_EQ(ini("Setup", "Font", "Courier"), "Courier");
    setIni("Setup", "Font", "Arial");
    EXPECT_TRUE(QFileInfo::exists(path())) << "the first write creates the file";
    EXPECT_EQ(ini("Setup", "FontSize", "10"), "10");
    EXPECT_EQ(ini("Other", "Font", " "), " ");
}

TEST_F(SettingsFilesTest, NamesIgnoreLetterCaseAndTheFileNameToo)
{
    program.WriteIniString("Bob's World", "UserId", "Bob");
    EXPECT_EQ(ini("bob's world", "UserID"), "Bob");
    EXPECT_EQ(program.ReadIniString("BOB'S WORLD", "userid", "", "LANTHORN.INI"), "Bob");
    program.WriteIniString("bob's world", "USERID", "Robert");
    EXPECT_EQ(ini("Bob's World", "UserId"), "Robert");
    EXPECT_EQ(readRaw().toLower().count("userid="), 1) << "the key was replaced, not added twice";
}

TEST_F(SettingsFilesTest, ValuesRoundTripExactly)
{
    struct Case {
        const char* name;
        QString value;
    } cases[] = {
        { "empty", "" },
        { "single blank", " " },
        { "surrounding blanks", "  padded  " },
        { "windows path", R"(c:\logs\game.log)" },
        { "percent codes", "say hi%rthere%t[ansi(r,x)]" },
        { "equals and brackets", "a=b [c] ;d" },
        { "non-ascii", QString::fromUtf8("caf\xc3\xa9 \xe2\x82\xac") },
        { "long", QString(5000, u'x') + "end" },
        { "line breaks", "line1\r\nline2\nline3\r" },
        { "backslash before n", R"(a\nb\\c)" },
        { "mixed", "x\\\r\n\\r" },
    };
    for (const Case& c : cases) {
        setIni("Values", c.name, c.value);
        EXPECT_EQ(ini("Values", c.name), c.value) << c.name;
    }
    // A fresh reader (a new run of the program) sees the same.
    SettingsFiles again(settingsDir.path());
    for (const Case& c : cases)
        EXPECT_EQ(again.ReadIniString("Values", c.name, "<missing>"), c.value) << c.name;
}

TEST_F(SettingsFilesTest, AValueWithLineBreaksCannotInjectLinesKeysOrSections)
{
    setIni("Setup", "Font", "Courier");
    setIni("Mail", "Out", "x\r\n[Setup]\r\nFont=Evil");
    EXPECT_EQ(ini("Setup", "Font"), "Courier");
    EXPECT_EQ(ini("Mail", "Out"), "x\r\n[Setup]\r\nFont=Evil");
    for (const QByteArray& line : readRaw().split('\n'))
        EXPECT_FALSE(line.startsWith("Font=Evil") || line == "[Setup]\r") << line.constData();
}

TEST_F(SettingsFilesTest, ValuesWithoutLineBreaksAreStoredByteForByte)
{
    setIni("Sites", "Site0", R"(C:\worlds\a%rb)");
    EXPECT_TRUE(readRaw().contains(R"(Site0=C:\worlds\a%rb)"));
}

TEST_F(SettingsFilesTest, NamesTheFileFormCannotHoldAreRefused)
{
    for (const QString& bad : { QString("a[b"), QString("a]"), QString("k=v"), QString("x\ny"), QString("x\r"),
             QString(""), QString(" lead") }) {
        program.settings.clearLastError();
        program.WriteIniString(bad, "Key", "v");
        program.WriteIniString("Section", bad, "v");
        EXPECT_EQ(program.settings.lastError(), ErrorNumber::SettingsWriteFailed) << bad.toStdString();
    }
    EXPECT_FALSE(readRaw().contains("v"));
}

TEST_F(SettingsFilesTest, NullKeyRemovesTheSectionAndNullValueTheKey)
{
    setIni("Gags", "Lines", "2");
    setIni("Gags", "Gag1", "a");
    setIni("Keep", "K", "v");
    program.WriteIniString("Gags", "Gag1", std::nullopt);
    EXPECT_EQ(ini("Gags", "Gag1"), "<missing>");
    EXPECT_EQ(ini("Gags", "Lines"), "2");
    program.WriteIniString("GAGS", std::nullopt, std::nullopt);
    EXPECT_EQ(ini("Gags", "Lines"), "<missing>");
    EXPECT_EQ(ini("Keep", "K"), "v");
}

TEST_F(SettingsFilesTest, ReadsFilesWrittenByOthers)
{
    writeRaw("; comment line\r\n[Setup]\r\nFont=Times\r\n  FontSize = 12\r\nno equals sign here\r\n\r\n"
             "[Setup]\r\nFont=Second\r\nTFColor=3\r\n[Sites]\r\nTotal=1\r\n");
    EXPECT_EQ(ini("Setup", "Font"), "Times") << "the first occurrence wins";
    EXPECT_EQ(ini("Setup", "FontSize"), " 12") << "values are kept as written";
    EXPECT_EQ(ini("Setup", "TFColor"), "3") << "a repeated section still contributes its own keys";
    EXPECT_EQ(ini("Sites", "Total"), "1");

    setIni("Setup", "Font", "Arial");
    const QByteArray raw = readRaw();
    EXPECT_TRUE(raw.contains("; comment line\r\n")) << "lines the program does not understand stay";
    EXPECT_TRUE(raw.contains("Font=Arial\r\n")) << "new lines follow the file's line ends";
    EXPECT_TRUE(raw.contains("Font=Second"));
}

TEST_F(SettingsFilesTest, SurvivesDamagedFiles)
{
    QByteArray garbage;
    for (int i = 0; i < 70000; ++i)
        garbage += char((i * 7919) % 256);
    const QByteArray cases[] = {
        "",
        garbage,
        "[Unclosed\r\nkey=value\r\n=novalue\r\n[]\r\n[Setup\r\nFont=X",
        QByteArray(10 * 1024 * 1024, 'a'),
    };
    for (const QByteArray& content : cases) {
        writeRaw(content);
        SettingsFiles fresh(settingsDir.path());
        EXPECT_EQ(fresh.ReadIniString("Settings", "Version", " "), " ");
        fresh.WriteIniString("Settings", QString("Version"), QString("v"));
        EXPECT_EQ(fresh.ReadIniString("Settings", "Version", " "), "v");
    }
}

TEST_F(SettingsFilesTest, FilesAreOwnerOnly)
{
    setIni("Setup", "Font", "Arial");
    program.WriteIniString("Mail", "Letters", "1", kMailboxFile);
    for (const QString& file : { kSettingsFile, kMailboxFile }) {
        const auto permissions = QFileInfo(program.settings.pathOf(file)).permissions();
        EXPECT_TRUE(permissions.testFlag(QFileDevice::ReadOwner));
        EXPECT_FALSE(permissions.testFlag(QFileDevice::ReadGroup) || permissions.testFlag(QFileDevice::ReadOther));
    }
}

TEST_F(SettingsFilesTest, MailboxIsASeparateFileInTheSameDirectory)
{
    program.WriteIniString("Mail", "Letters", "3", kMailboxFile);
    EXPECT_EQ(ini("Mail", "Letters"), "<missing>");
    EXPECT_EQ(program.ReadIniString("Mail", "Letters", "0", kMailboxFile), "3");
    EXPECT_EQ(QFileInfo(program.settings.pathOf(kMailboxFile)).absolutePath(), QFileInfo(path()).absolutePath());
}

TEST_F(SettingsFilesTest, AFailedWriteChangesNothingAndIsRecorded)
{
    setIni("Setup", "Font", "Arial");
    const QByteArray before = readRaw();

    // A file-size limit makes every write of the whole file fail, as a full disk would, for
    // any user (directory permissions would not stop root).
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit saved {};
    getrlimit(RLIMIT_FSIZE, &saved);
    rlimit tiny = saved;
    tiny.rlim_cur = 8;
    setrlimit(RLIMIT_FSIZE, &tiny);
    setIni("Setup", "Font", "Times New Roman");
    setrlimit(RLIMIT_FSIZE, &saved);

    EXPECT_EQ(program.settings.lastError(), ErrorNumber::SettingsWriteFailed);
    EXPECT_EQ(readRaw(), before);
    EXPECT_EQ(ini("Setup", "Font"), "Arial");
}

TEST_F(SettingsFilesTest, SeesChangesMadeOnDiskByOthers)
{
    setIni("Keys", "F2", "wave");
    EXPECT_EQ(ini("Keys", "F2"), "wave");
    writeRaw("[Keys]\nF2=smile and nod\n");
    EXPECT_EQ(ini("Keys", "F2"), "smile and nod");
}

TEST_F(SettingsFilesTest, AFileThatEmptiesOnDiskIsReadAgainFromNothing)
{
    setIni("A", "One", "1");
    setIni("B", "Two", "2");
    writeRaw("");
    EXPECT_EQ(ini("B", "Two"), "<missing>");
    setIni("B", "Two", "again");
    EXPECT_EQ(ini("B", "Two"), "again");
    EXPECT_EQ(ini("A", "One"), "<missing>");
}

} // namespace
