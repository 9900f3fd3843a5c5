#include "log/LogWriter.h"

#include "FileBytes.h"
#include "ProgramTest.h"
#include "QtPrinters.h"
#include "incoming/FilterMatchers.h"
#include "incoming/WordWrap.h"
#include "log/LogFiles.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

using namespace lanthorn;
using namespace lanthorn::testing;

namespace {

/// Two worlds (slot 0 and slot 1, each with its own site wrapping at 20 with indent 2) and a
/// folder for their logs.
class LogWriterTest : public ProgramTest {
protected:
    QTemporaryDir logs;
    FilterMatchers filters { program };
    LogWriter writer { program, filters };

    LogWriterTest()
    {
        for (const char* name : { "Home", "Away" }) {
            SiteRecord site;
            site.Name = QString::fromLatin1(name);
            site.WrapAt = 20;
            site.Indent = 2;
            site.WordWrap = true;
            program.state.Sites.append(site);
        }
        program.state.WorldStates.resize(2);
        for (int slot = 0; slot < 2; ++slot) {
            program.state.WorldStates[slot].InUse = true;
            program.state.WorldStates[slot].SiteIndex = slot;
        }
    }

    WorldState& world(int slot = 0) { return program.state.WorldStates[slot]; }
    QString path(const QString& name) const { return logs.filePath(name); }
    QByteArray read(const QString& name) const
    {
        return ReadFileBytes(name.startsWith(u'/') ? name : path(name), "<missing>");
    }
    static QByteArray header() { return LogHeader(QDate::currentDate()); }

    /// Begins slot 0's log in game.log.
    void begin(int slot = 0, const QString& name = QStringLiteral("game.log")) { writer.BeginLog(slot, path(name)); }
};

TEST_F(LogWriterTest, BeginningALogCreatesTheFileWithItsHeaderAndStartsAtPartZero)
{
    {
        QFile old(path("game.log"));
        ASSERT_TRUE(old.open(QIODevice::WriteOnly));
        old.write("yesterday's log\r\n");
    }
    world().LogPart = 4;
    world().LogSize = 40000;
    begin();
    EXPECT_EQ(read("game.log"), header());
    EXPECT_TRUE(world().Logging);
    EXPECT_EQ(world().LogFileName, path("game.log"));
    EXPECT_EQ(world().LogPart, 0);
    EXPECT_EQ(world().LogSize, 0);
}

TEST_F(LogWriterTest, AFileThatCannotBeCreatedLeavesLoggingOff)
{
    ASSERT_TRUE(QDir(logs.path()).mkdir("folder.log"));
    EXPECT_THROW(begin(0, "folder.log"), LanthornError);
    EXPECT_THROW(begin(0, "nowhere/game.log"), LanthornError);
    EXPECT_FALSE(world().Logging);
}

TEST_F(LogWriterTest, EveryUnitIsAppendedWithALineEnd)
{
    const struct {
        QByteArray unit;
        QByteArray written;
    } cases[] = {
        { "Bob waves.", "Bob waves.\r\n" },
        // A MUD chunk brings its own line end and gets one more: an empty line in the log.
        { "You see a door.\r\n", "You see a door.\r\n\r\n" },
        { "What is your name? ", "What is your name? \r\n" },
        { "", "\r\n" },
    };
    for (const auto& c : cases) {
        begin();
        writer.LogLine(c.unit, 0);
        EXPECT_EQ(read("game.log"), header() + c.written) << c.unit.constData();
    }
}

TEST_F(LogWriterTest, OmittedUnitsAreLeftOutOnlyWhileOmissionsAreOn)
{
    program.state.LogOmissions = { { "* has arrived." }, { "* pages: *" } };
    const struct {
        int omissionsOn;
        QByteArray expected;
    } cases[] = {
        { 1, "Bob waves.\r\nhas arrived.\r\n" },
        { 0, "Bob has arrived.\r\nBob waves.\r\nAnn pages: hi\r\nhas arrived.\r\n" },
    };
    for (const auto& c : cases) {
        program.state.Features.LogOmissionsEnabled = c.omissionsOn;
        begin();
        for (const char* unit : { "Bob has arrived.", "Bob waves.", "Ann pages: hi", "has arrived." })
            writer.LogLine(unit, 0);
        EXPECT_EQ(read("game.log"), header() + c.expected) << "omissions " << c.omissionsOn;
    }
}

TEST_F(LogWriterTest, AnInvalidOmissionIsReportedOnceAndTheOthersStillWork)
{
    program.state.Features.LogOmissionsEnabled = 1;
    program.state.LogOmissions = { { "[abc" }, { "* has arrived." } };
    begin();
    for (const char* unit : { "Bob has arrived.", "[abc", "Bob waves.", "Ann has arrived." })
        writer.LogLine(unit, 0);
    EXPECT_EQ(read("game.log"), header() + "[abc\r\nBob waves.\r\n");
    ASSERT_EQ(services.messages.size(), 1);
    EXPECT_TRUE(services.messages[0].text.startsWith(kOmissionErrorMessage + QStringLiteral("93")))
        << services.messages[0].text.toStdString();
}

TEST_F(LogWriterTest, AWordWrappedLogBreaksUnitsLikeTheDisplay)
{
    const QByteArray unit = "Bob says, \"The quick brown fox jumps over the lazy dog.\"";
    const struct {
        bool logWordWrap;
        QByteArray written;
    } cases[] = {
        { true, "Bob says, \"The\r\n  quick brown fox\r\n  jumps over the\r\n  lazy dog.\"\r\n" },
        { false, unit + "\r\n" },
    };
    for (const auto& c : cases) {
        world().LogWordWrap = c.logWordWrap;
        begin();
        writer.LogLine(unit, 0);
        EXPECT_EQ(read("game.log"), header() + c.written) << c.logWordWrap;
    }
    EXPECT_EQ(WordWrap(unit, 20, 2) + "\r\n", cases[0].written) << "the same break as the display's";
}

TEST_F(LogWriterTest, TheUnitThatCrossesTheSplitSizeIsTheLastInItsFile)
{
    program.state.Features.SplitLogs = 1;
    begin(0, "abcdefgh.log");
    const QByteArray unit(998, 'x'); // 1000 bytes with the line end
    const qsizetype start = header().size();
    // The number of units after which the file is just above the split size.
    const int crossing = int((kLogSplitSize - start) / 1000) + 1;
    for (int i = 0; i < crossing - 1; ++i)
        writer.LogLine(unit, 0);
    EXPECT_EQ(world().LogFileName, path("abcdefgh.log"));
    EXPECT_EQ(world().LogSize, start + (crossing - 1) * 1000);
    EXPECT_LE(world().LogSize, kLogSplitSize);

    writer.LogLine(unit, 0);
    EXPECT_EQ(read("abcdefgh.log").size(), start + crossing * 1000);
    EXPECT_GT(start + crossing * 1000, kLogSplitSize);
    EXPECT_EQ(world().LogFileName, path("abcdept0.log"));
    EXPECT_EQ(world().LogPart, 1);
    EXPECT_FALSE(QFile::exists(path("abcdept0.log"))) << "the next unit creates the part";

    writer.LogLine("next", 0);
    EXPECT_EQ(read("abcdept0.log"), "next\r\n") << "parts have no header";
    EXPECT_EQ(world().LogSize, 6);
    // One long unit takes a part past the size at once; the next unit starts the part after.
    writer.LogLine(QByteArray(40000, 'y'), 0);
    writer.LogLine("after", 0);
    EXPECT_EQ(read("abcdept1.log"), "after\r\n");
    EXPECT_EQ(world().LogPart, 2);
}

TEST_F(LogWriterTest, WithoutSplittingTheFileGrowsAndIsNotMeasured)
{
    begin();
    writer.LogLine(QByteArray(40000, 'x'), 0);
    writer.LogLine("after", 0);
    EXPECT_EQ(world().LogFileName, path("game.log"));
    EXPECT_EQ(world().LogSize, 0);
    EXPECT_TRUE(read("game.log").endsWith("x\r\nafter\r\n"));
}

TEST_F(LogWriterTest, TheBufferIsWrittenAsReceivedOrAsDisplayed)
{
    world().ReceiveBuffer = "\r\nfirst line\r\nsecond line";
    const QByteArray displayed = "first line\r\nsecond line\r\n";
    const struct {
        bool logWordWrap;
        QByteArray written;
    } cases[] = {
        { false, "\r\nfirst line\r\nsecond line\r\n" },
        { true, "first line\r\nsecond line\r\n\r\n" },
    };
    for (const auto& c : cases) {
        world().LogWordWrap = c.logWordWrap;
        begin();
        writer.WriteBufferToLog(0, displayed);
        EXPECT_EQ(read("game.log"), header() + c.written) << c.logWordWrap;
        EXPECT_EQ(world().LogSize, header().size() + c.written.size()) << "always measured";
    }
}

TEST_F(LogWriterTest, ALargeBufferMovesTheNextUnitToThePartFileWhenSplitting)
{
    world().ReceiveBuffer = QByteArray(32000, 'b');
    const struct {
        int splitLogs;
        const char* nextUnitIn;
    } cases[] = { { 1, "gpt0.log" }, { 0, "game.log" } };
    for (const auto& c : cases) {
        program.state.Features.SplitLogs = c.splitLogs;
        begin();
        writer.WriteBufferToLog(0, {});
        writer.LogLine("next", 0);
        EXPECT_TRUE(read(c.nextUnitIn).endsWith("next\r\n")) << c.nextUnitIn;
    }
}

TEST_F(LogWriterTest, AWriteFailureIsRaisedAndEndingTheLogResetsItsCounters)
{
    program.state.Features.SplitLogs = 1;
    begin();
    writer.LogLine("kept", 0);
    ASSERT_TRUE(QFile::remove(path("game.log")));
    ASSERT_TRUE(QDir(logs.path()).mkdir("game.log"));
    try {
        writer.LogLine("lost", 0);
        ADD_FAILURE() << "wrote into a folder";
    } catch (const LanthornError& error) {
        EXPECT_EQ(error.number(), 75);
    }
    EXPECT_THROW(writer.WriteBufferToLog(0, {}), LanthornError);
    writer.EndLog(0);
    EXPECT_FALSE(world().Logging);
    EXPECT_EQ(world().LogPart, 0);
    EXPECT_EQ(world().LogSize, 0);
}

TEST_F(LogWriterTest, UnitsKeptBackAreWrittenInOrderOrForgotten)
{
    program.state.Features.LogOmissionsEnabled = 1;
    program.state.LogOmissions = { { "* has arrived." } };
    const struct {
        bool write;
        QByteArray expected;
    } cases[] = {
        { true, "one\r\nthree\r\nfour\r\n" },
        { false, "four\r\n" },
    };
    for (const auto& c : cases) {
        begin();
        writer.holdUnits(0);
        for (const char* unit : { "one", "Bob has arrived.", "three" })
            writer.LogLine(unit, 0);
        EXPECT_EQ(read("game.log"), header()) << "nothing written while held";
        if (c.write)
            writer.writeHeldUnits(0);
        else
            writer.dropHeldUnits(0);
        writer.LogLine("four", 0);
        EXPECT_EQ(read("game.log"), header() + c.expected) << c.write;
    }
}

TEST_F(LogWriterTest, SeveralWorldsLogEachToItsOwnFileAndSplitOnTheirOwn)
{
    program.state.Features.SplitLogs = 1;
    world(1).LogWordWrap = true;
    begin(0, "home.log");
    begin(1, "away.log");
    writer.LogLine("home one", 0);
    writer.LogLine("away one is a line long enough to wrap", 1);
    writer.LogLine(QByteArray(31000, 'h'), 0);
    writer.LogLine("home two", 0);
    writer.LogLine("away two", 1);
    EXPECT_EQ(read("away.log"), header() + "away one is a line\r\n  long enough to\r\n  wrap\r\naway two\r\n");
    EXPECT_EQ(read("hpt0.log"), "home two\r\n");
    EXPECT_EQ(world(0).LogPart, 1);
    EXPECT_EQ(world(1).LogPart, 0);
    EXPECT_EQ(world(1).LogFileName, path("away.log"));

    writer.EndLog(0);
    EXPECT_TRUE(world(1).Logging);
    begin(0, "home.log");
    EXPECT_EQ(world(0).LogPart, 0) << "a new log counts its parts from 0 again";
    EXPECT_EQ(read("home.log"), header());
}

} // namespace
