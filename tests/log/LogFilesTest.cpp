#include "log/LogFiles.h"

#include "FileBytes.h"
#include "QtPrinters.h"
#include "core/LanthornError.h"

#include <QDir>
#include <QFile>
#include <QLocale>
#include <QScopeGuard>
#include <QSet>
#include <QTemporaryDir>
#include <functional>
#include <gtest/gtest.h>

using namespace lanthorn;
using namespace lanthorn::testing;

namespace {

TEST(NextLogPartName, ReplacesThreeCharactersBeforeTheExtensionWithThePartNumber)
{
    const struct {
        const char* name;
        int part;
        const char* expected;
    } cases[] = {
        { "c:\\logs\\abcdefgh.log", 0, "c:\\logs\\abcdept0.log" },
        { "c:\\logs\\abcdept0.log", 1, "c:\\logs\\abcdept1.log" },
        // From the tenth split file on the suffix grows and each name keeps one more character.
        { "c:\\logs\\abcdept9.log", 10, "c:\\logs\\abcdept10.log" },
        { "c:\\logs\\abcdept10.log", 11, "c:\\logs\\abcdeppt11.log" },
        { "/home/me/game.log", 0, "/home/me/gpt0.log" },
        { "/home/me/abc.log", 0, "/home/me/pt0.log" },
        { "mylogfile", 0, "mypt0file" }, // no extension: the last four characters stay all the same
        // Short file names keep their whole base name; the folder is never cut.
        { "/tmp/ab.log", 0, "/tmp/abpt0.log" },
        { "/tmp/abpt0.log", 1, "/tmp/abpt1.log" },
        { "/tmp/a.lg", 3, "/tmp/pt3a.lg" },
        { "/tmp/.log", 0, "/tmp/pt0.log" },
        { "x.log", 0, "xpt0.log" },
        // No room for the rule: the log goes on in the same file.
        { "/tmp/abc", 0, "/tmp/abc" },
        { "/tmp/a", 4, "/tmp/a" },
        { "", 0, "" },
    };
    for (const auto& c : cases)
        EXPECT_EQ(NextLogPartName(QString::fromLatin1(c.name), c.part), QString::fromLatin1(c.expected)) << c.name;
}

TEST(NextLogPartName, SuccessivePartsStayInTheFolderAndNeverRepeatAName)
{
    const struct {
        const char* name;
        QStringList expectedStart;
    } cases[] = {
        { "/logs/abcdefgh.log",
            { "/logs/abcdept0.log", "/logs/abcdept1.log", "/logs/abcdept2.log", "/logs/abcdept3.log",
                "/logs/abcdept4.log", "/logs/abcdept5.log", "/logs/abcdept6.log", "/logs/abcdept7.log",
                "/logs/abcdept8.log", "/logs/abcdept9.log", "/logs/abcdept10.log", "/logs/abcdeppt11.log",
                "/logs/abcdepppt12.log" } },
        { "/logs/ab.log", { "/logs/abpt0.log", "/logs/abpt1.log" } },
        { "/logs/b.log", { "/logs/bpt0.log", "/logs/bpt1.log" } },
        { "/logs/.log", { "/logs/pt0.log", "/logs/pt1.log" } },
    };
    for (const auto& c : cases) {
        QString name = QString::fromLatin1(c.name);
        QSet<QString> seen { name };
        for (int part = 0; part < 30; ++part) {
            name = NextLogPartName(name, part);
            if (part < c.expectedStart.size()) {
                EXPECT_EQ(name, c.expectedStart[part]) << c.name << " part " << part;
            }
            EXPECT_TRUE(name.startsWith(QStringLiteral("/logs/"))) << name.toStdString();
            EXPECT_FALSE(seen.contains(name)) << name.toStdString();
            seen.insert(name);
        }
    }
}

TEST(LogHeader, IsTheShortDateFollowedByAnEmptyLine)
{
    const QLocale before;
    const auto restore = qScopeGuard([&] { QLocale::setDefault(before); });
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    EXPECT_EQ(LogHeader(QDate(2024, 3, 7)), QByteArray("3/7/24\r\n\r\n"));
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    EXPECT_EQ(LogHeader(QDate(2024, 3, 7)), QByteArray("07.03.24\r\n\r\n"));
}

class LogFileTest : public ::testing::Test {
protected:
    QTemporaryDir dir;

    QString path(const QString& name) const { return dir.filePath(name); }
    void write(const QString& name, const QByteArray& bytes) { ASSERT_TRUE(WriteFileBytes(path(name), bytes)); }
    QByteArray read(const QString& name) const { return ReadFileBytes(path(name), "<missing>"); }
};

TEST_F(LogFileTest, OnlyAFileWithSomethingInItExists)
{
    write("full.log", "x");
    write("empty.log", {});
    ASSERT_TRUE(QDir(dir.path()).mkdir("folder.log"));
    const struct {
        QString name;
        bool exists;
    } cases[] = {
        { path("full.log"), true },
        { path("empty.log"), false },
        { path("missing.log"), false },
        { path("folder.log"), false },
        { path("nowhere/full.log"), false },
        { QString(), false },
    };
    for (const auto& c : cases)
        EXPECT_EQ(LogFileExists(c.name), c.exists) << c.name.toStdString();
}

TEST_F(LogFileTest, CreatingEmptiesAnExistingFileAndAppendingAddsAtTheEnd)
{
    write("game.log", "an old log that is much longer");
    CreateLogFile(path("game.log"), "new\r\n");
    EXPECT_EQ(read("game.log"), "new\r\n");
    LogFileAppender appender;
    EXPECT_EQ(appender.append(path("game.log"), "more\r\n"), 11);
    EXPECT_EQ(read("game.log"), "new\r\nmore\r\n") << "on disk at once, nothing held back";
    EXPECT_EQ(appender.append(path("fresh.log"), "first\r\n"), 7) << "another name, another file";
    EXPECT_EQ(appender.append(path("fresh.log"), "second\r\n"), 15);
    EXPECT_EQ(read("fresh.log"), "first\r\nsecond\r\n");
    EXPECT_EQ(read("game.log"), "new\r\nmore\r\n");
}

TEST_F(LogFileTest, AFileDeletedMovedOrReplacedWhileOpenIsWrittenUnderItsName)
{
    LogFileAppender appender;
    appender.append(path("game.log"), "one\r\n");
    ASSERT_TRUE(QFile::remove(path("game.log")));
    EXPECT_EQ(appender.append(path("game.log"), "two\r\n"), 5);
    EXPECT_EQ(read("game.log"), "two\r\n");
    ASSERT_TRUE(QFile::rename(path("game.log"), path("kept.log")));
    appender.append(path("game.log"), "three\r\n");
    EXPECT_EQ(read("game.log"), "three\r\n");
    EXPECT_EQ(read("kept.log"), "two\r\n");
    ASSERT_TRUE(QFile::remove(path("game.log")));
    write("game.log", "replaced\r\n");
    appender.append(path("game.log"), "four\r\n");
    EXPECT_EQ(read("game.log"), "replaced\r\nfour\r\n");
}

TEST_F(LogFileTest, FilesThatCannotBeWrittenRaiseNumberedErrors)
{
    ASSERT_TRUE(QDir(dir.path()).mkdir("folder.log"));
    const struct {
        QString name;
        int number;
        const char* description;
    } cases[] = {
        { path("folder.log"), 75, "Path/File access error" },
        { path("nowhere/game.log"), 76, "Path not found" },
        { QString(), 52, "Bad file name or number" },
    };
    using Write = std::function<void(const QString&)>;
    const Write writes[] = {
        [](const QString& name) { CreateLogFile(name, "x"); },
        [](const QString& name) { LogFileAppender().append(name, "x"); },
    };
    for (const auto& c : cases) {
        for (const Write& attempt : writes) {
            try {
                attempt(c.name);
                ADD_FAILURE() << "wrote " << c.name.toStdString();
            } catch (const LanthornError& error) {
                EXPECT_EQ(error.number(), c.number) << c.name.toStdString();
                EXPECT_EQ(error.description(), QString::fromLatin1(c.description));
            }
        }
    }
    EXPECT_FALSE(QFile::exists(path("nowhere")));
}

} // namespace
