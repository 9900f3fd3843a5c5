// Logging a world's text from the running program: the questions, the file dialog, the file
// written while a fake world sends lines, and the reports when the file cannot be written.
#include "FileBytes.h"
#include "QtPrinters.h"
#include "WorldsTest.h"
#include "input/CommandActions.h"
#include "log/LogCommands.h"
#include "log/LogFiles.h"
#include "shell/WorldWindows.h"
#include "shell/frmTool.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QToolButton>

using namespace lanthorn;
using namespace lanthorn::testing;

namespace {

const QString kLogBack = QStringLiteral("Do you want to log back to beginning of the current buffer?");
const QString kOverwrite = QStringLiteral("This logfile exits, write over it?");
const QString kUseWrap = QStringLiteral("Use WordWrap formatting in log?");
constexpr int Yes = MessageAnswer::Yes;
constexpr int No = MessageAnswer::No;

class LoggingTest : public WorldsTest {
protected:
    QTemporaryDir logs;

    QString path(const QString& name) const { return logs.filePath(name); }
    QByteArray read(const QString& name) const { return ReadFileBytes(path(name), "<missing>"); }
    void write(const QString& name, const QByteArray& bytes) const { ASSERT_TRUE(WriteFileBytes(path(name), bytes)); }
    /// Puts a folder where the log file is, so that the next write fails.
    void replaceByFolder(const QString& name) const
    {
        QFile::remove(path(name));
        ASSERT_TRUE(QDir(logs.path()).mkdir(name));
    }
    static QByteArray header() { return LogHeader(QDate::currentDate()); }

    QLabel* announce() const { return shell->toolbar()->lblAnnounce; }
    WorldState& state(int slot) { return program.state.WorldStates[slot]; }

    /// Starts the current world's log with these answers to the questions and the dialog.
    void toggleLogging(const QList<int>& answers, const QList<std::optional<QString>>& files = {})
    {
        services.core.script.insert(services.core.script.end(), answers.begin(), answers.end());
        services.fileAnswers.insert(services.fileAnswers.end(), files.begin(), files.end());
        shell->actions().ToggleLogging();
        EXPECT_TRUE(services.core.script.empty()) << "questions left unasked";
        EXPECT_TRUE(services.fileAnswers.empty()) << "dialogs left unshown";
    }
    void forget()
    {
        services.core.messages.clear();
        services.dialogs.clear();
    }
    QStringList messagesStarting(const QString& start) const
    {
        QStringList found;
        for (const QString& text : services.core.texts()) {
            if (text.startsWith(start))
                found.append(text);
        }
        return found;
    }

    /// Connects the site «Home» on the server; the world is in slot 0.
    void connectHome(FakeWorldServer& server, QList<QPair<QString, QString>> more = {})
    {
        start({ { "Home", server.port(), " ", "x", kSiteTypeMush, std::move(more) } });
        ASSERT_TRUE(connectByName("home"));
        ASSERT_TRUE(server.waitForClients(1));
    }
    /// Sends a line and waits until the display shows it (or its last words, when it is wrapped).
    void send(FakeWorldServer& server, const QByteArray& line, int slot = 0, const QString& shownEnd = {})
    {
        server.sendLine(line);
        ASSERT_TRUE(waitForScreen(slot, shownEnd.isEmpty() ? QString::fromUtf8(line) : shownEnd));
    }
};

TEST_F(LoggingTest, ALoggedWorldsLinesGoToItsFileUntilLoggingStops)
{
    FakeWorldServer server;
    connectHome(server);
    send(server, "before");
    forget();

    ASSERT_TRUE(shell->mainFrame()->Log->isEnabled());
    services.core.answer({ Yes, Yes });
    services.fileAnswers = { path("game.log") };
    shell->mainFrame()->Log->trigger();
    EXPECT_EQ(services.core.texts(), QStringList({ "Log Home?", kLogBack }));
    for (const RecordedMessage& asked : services.core.messages)
        EXPECT_EQ(asked.defaultButton, Yes) << asked.text.toStdString();
    ASSERT_EQ(services.dialogs.size(), 1);
    EXPECT_EQ(services.dialogs[0].kind, "save");
    EXPECT_EQ(services.dialogs[0].title, "Open/Save");
    EXPECT_EQ(services.dialogs[0].filter, "Log (*.log)|*.log|Text (*.txt)|*.txt");
    EXPECT_EQ(services.dialogs[0].proposed, "*.log");
    EXPECT_EQ(announce()->text(), "Logging");

    send(server, "after one");
    send(server, "after two");
    // The receive buffer keeps every line behind a line end.
    const QByteArray logged = header() + "\r\nbefore\r\n" + "after one\r\nafter two\r\n";
    EXPECT_EQ(read("game.log"), logged);

    forget();
    services.core.answer({ Yes });
    QToolButton* button = shell->toolbar()->cmdLog;
    ASSERT_TRUE(button->isEnabled());
    button->click();
    ASSERT_EQ(services.core.messages.size(), 1);
    EXPECT_EQ(services.core.messages[0].text, "Stop logging Home?");
    EXPECT_EQ(services.core.messages[0].defaultButton, No);
    EXPECT_FALSE(state(0).Logging);
    EXPECT_TRUE(announce()->text().isEmpty());
    send(server, "after the stop");
    EXPECT_EQ(read("game.log"), logged);

    // The same file again: the player is asked before it is written over.
    forget();
    toggleLogging({ Yes, Yes, No }, { path("game.log") });
    EXPECT_EQ(services.core.texts(), QStringList({ "Log Home?", kOverwrite, kLogBack }));
    EXPECT_EQ(read("game.log"), header());
    EXPECT_EQ(state(0).LogPart, 0);
}

TEST_F(LoggingTest, StartingAsksOnlyWhatItMustAndComesBackToTheDialog)
{
    FakeWorldServer server;
    connectHome(server);
    const QString game = path("game.log");
    const struct {
        const char* name;
        bool siteWraps;
        std::optional<QByteArray> existing;
        QList<int> answers;
        QList<std::optional<QString>> files;
        QStringList asked;
        bool logging;
        bool logWordWrap;
        QByteArray fileAfter;
    } cases[] = {
        { "declined", false, std::nullopt, { No }, {}, { "Log Home?" }, false, false, "<missing>" },
        { "dialog cancelled", false, std::nullopt, { Yes }, { std::nullopt }, { "Log Home?", "Logging cancelled." },
            false, false, "<missing>" },
        { "no name", false, std::nullopt, { Yes }, { QString() }, { "Log Home?" }, false, false, "<missing>" },
        { "written over after a second look", true, "old log", { Yes, No, Yes, Yes, No }, { game, game },
            { "Log Home?", kOverwrite, kOverwrite, kUseWrap, kLogBack }, true, true, header() },
        { "kept after all", false, "old log", { Yes, No }, { game, std::nullopt },
            { "Log Home?", kOverwrite, "Logging cancelled." }, false, false, "old log" },
        { "an empty file is no log", false, "", { Yes, No }, { game }, { "Log Home?", kLogBack }, true, false,
            header() },
        { "wrap declined", true, std::nullopt, { Yes, No, No }, { game }, { "Log Home?", kUseWrap, kLogBack }, true,
            false, header() },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        forget();
        shell->logging().writer().EndLog(0);
        announce()->clear();
        QFile::remove(game);
        if (c.existing)
            write("game.log", *c.existing);
        program.state.Sites[0].WordWrap = c.siteWraps;
        // What an earlier log in this slot chose does not carry over to a site without wrap.
        state(0).LogWordWrap = true;

        toggleLogging(c.answers, c.files);
        EXPECT_EQ(services.core.texts(), c.asked);
        EXPECT_EQ(services.dialogs.size(), qsizetype(c.files.size()));
        for (const RecordedMessage& shown : services.core.messages) {
            if (shown.buttons == MessageButtons::YesNo) {
                EXPECT_EQ(shown.defaultButton, Yes) << shown.text.toStdString();
            } else {
                EXPECT_EQ(shown.icon, MessageIcon::Information);
            }
        }
        EXPECT_EQ(state(0).Logging, c.logging);
        if (c.logging) {
            EXPECT_EQ(state(0).LogWordWrap, c.logWordWrap);
        }
        EXPECT_EQ(announce()->text(), c.logging ? "Logging" : "");
        EXPECT_EQ(read("game.log"), c.fileAfter);
    }
}

TEST_F(LoggingTest, LinesArrivingWhileThePlayerDecidesAreLoggedOnceAndInOrder)
{
    FakeWorldServer server;
    connectHome(server);
    const struct {
        int logBack;
        QByteArray expected;
    } cases[] = {
        { Yes, "\r\nbefore 1\r\nduring 1\r\nafter 1\r\n" },
        { No, "during 2\r\nafter 2\r\n" },
    };
    int round = 0;
    for (const auto& c : cases) {
        const QByteArray n = QByteArray::number(++round);
        state(0).ReceiveBuffer.clear();
        send(server, "before " + n);
        services.core.whileShown = [&](const RecordedMessage& shown) {
            if (shown.text == kLogBack)
                send(server, "during " + n);
        };
        toggleLogging({ Yes, c.logBack }, { path("game.log") });
        services.core.whileShown = {};
        send(server, "after " + n);
        EXPECT_EQ(read("game.log"), header() + c.expected) << "log back " << c.logBack;
        shell->logging().writer().EndLog(0);
        QFile::remove(path("game.log"));
    }
}

TEST_F(LoggingTest, AWordWrappedLogStartsWithTheDisplayedTextAndWrapsEachLine)
{
    FakeWorldServer server;
    connectHome(server, { { "WordWrap", "True" }, { "WrapAt", "20" }, { "Indent", "2" } });
    send(server, "Ann says, \"Lines this long are wrapped on the screen.\"", 0, "  screen.\"");
    const TerminalDisplay* term = world(0)->Term;
    const QByteArray displayed = (term->ScrollbackText() + term->ScreenText()).toUtf8();
    ASSERT_TRUE(displayed.contains("  wrapped on the\r\n")) << displayed.constData();

    toggleLogging({ Yes, Yes, Yes }, { path("game.log") });
    EXPECT_TRUE(state(0).LogWordWrap);
    send(server, "Bob says, \"The quick brown fox jumps over the lazy dog.\"", 0, "  lazy dog.\"");
    EXPECT_EQ(read("game.log"),
        header() + displayed + "\r\n"
            + "Bob says, \"The\r\n  quick brown fox\r\n  jumps over the\r\n  lazy dog.\"\r\n");
}

TEST_F(LoggingTest, AFileThatCannotBeWrittenIsReportedOnceAndLoggingEnds)
{
    FakeWorldServer server;
    connectHome(server);
    toggleLogging({ Yes, No }, { path("game.log") });
    send(server, "one");
    replaceByFolder("game.log");
    forget();
    bool loggingWhileReported = true;
    services.core.whileShown = [&](const RecordedMessage&) {
        loggingWhileReported = state(0).Logging;
        // The line chain is busy with the failed unit: this line waits for it.
        server.sendLine("sent while the message is shown");
        runEventsFor(100);
    };
    server.sendLine("two");
    server.sendLine("three");
    ASSERT_TRUE(waitForScreen(0, "sent while the message is shown"));
    services.core.whileShown = {};

    ASSERT_EQ(services.core.messages.size(), 1) << services.core.texts().join(" / ").toStdString();
    const RecordedMessage& report = services.core.messages[0];
    EXPECT_EQ(report.text, "Error opening log file: 75 Path/File access error logging aborted.");
    EXPECT_EQ(report.title, "Lanthorn");
    EXPECT_EQ(report.icon, MessageIcon::None);
    EXPECT_EQ(report.buttons, MessageButtons::Ok);
    EXPECT_FALSE(loggingWhileReported);
    EXPECT_FALSE(state(0).Logging);
    EXPECT_EQ(state(0).LogPart, 0);
    EXPECT_TRUE(announce()->text().isEmpty());
}

TEST_F(LoggingTest, AFailedStartIsReportedOnceAndLeavesLoggingOff)
{
    FakeWorldServer server;
    connectHome(server);
    ASSERT_TRUE(QDir(logs.path()).mkdir("folder.log"));
    const struct {
        const char* name;
        QString file;
        QList<int> answers;
        bool failsWhenWritingTheBuffer;
        QString report;
    } cases[] = {
        { "a folder", path("folder.log"), { Yes }, false,
            "Error Opening Log File: 75 Path/File access error Logging Aborted." },
        { "a missing folder", path("nowhere/game.log"), { Yes }, false,
            "Error Opening Log File: 76 Path not found Logging Aborted." },
        { "the file goes while asking", path("gone.log"), { Yes, Yes }, true,
            "Error Opening Log File: 75 Path/File access error Logging Aborted." },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        forget();
        services.core.whileShown = [&](const RecordedMessage& shown) {
            if (shown.text == kLogBack && c.failsWhenWritingTheBuffer)
                replaceByFolder("gone.log");
            if (shown.text.startsWith("Error"))
                send(server, QByteArray("sent while the failure is shown: ") + c.name);
        };
        toggleLogging(c.answers, { c.file });
        services.core.whileShown = {};
        const QStringList reports = messagesStarting("Error");
        ASSERT_EQ(reports.size(), 1) << services.core.texts().join(" / ").toStdString();
        EXPECT_EQ(reports[0], c.report);
        EXPECT_EQ(services.core.messages.last().icon, MessageIcon::None);
        EXPECT_FALSE(state(0).Logging);
        EXPECT_TRUE(announce()->text().isEmpty());
    }
}

TEST_F(LoggingTest, SeveralWorldsLogAtOnceEachToItsOwnFile)
{
    FakeWorldServer alpha, beta;
    start({ { "Alpha", alpha.port(), " " }, { "Beta", beta.port(), " " } });
    ASSERT_TRUE(connectByName("alpha"));
    ASSERT_TRUE(connectByName("beta"));
    ASSERT_TRUE(alpha.waitForClients(1));
    ASSERT_TRUE(beta.waitForClients(1));
    ASSERT_EQ(program.state.CurrentWorld, 1);
    toggleLogging({ Yes, No }, { path("beta.log") });

    shell->worlds().showWorld(0);
    EXPECT_TRUE(announce()->text().isEmpty()) << "Alpha is not logged";
    forget();
    // Beta's file is taken: the dialog comes again.
    toggleLogging({ Yes, MessageAnswer::Ok, No }, { path("beta.log"), path("alpha.log") });
    EXPECT_EQ(services.core.texts(),
        QStringList(
            { "Log Alpha?", "Another world is being logged to this file. Please choose another one.", kLogBack }));
    EXPECT_EQ(services.core.messages[1].icon, MessageIcon::Warning);

    send(alpha, "a1", 0);
    send(beta, "b1", 1);
    EXPECT_EQ(read("alpha.log"), header() + "a1\r\n");
    EXPECT_EQ(read("beta.log"), header() + "b1\r\n");
    shell->worlds().showWorld(1);
    EXPECT_EQ(announce()->text(), "Logging.");
    shell->worlds().showWorld(0);
    EXPECT_EQ(announce()->text(), "Logging.");

    // Beta fails in the background: Alpha's log and its label are not touched.
    forget();
    replaceByFolder("beta.log");
    send(beta, "b2", 1);
    send(alpha, "a2", 0);
    EXPECT_EQ(messagesStarting("Error opening log file: ").size(), 1);
    EXPECT_FALSE(state(1).Logging);
    EXPECT_TRUE(state(0).Logging);
    EXPECT_EQ(announce()->text(), "Logging.");
    EXPECT_EQ(read("alpha.log"), header() + "a1\r\na2\r\n");
}

/// How many of the program's open file descriptors lead to the file.
int openHandlesOf(const QString& name)
{
    int count = 0;
    const QString target = QFileInfo(name).canonicalFilePath();
    for (const QFileInfo& fd : QDir(QStringLiteral("/proc/self/fd")).entryInfoList(QDir::System | QDir::Files))
        count += fd.symLinkTarget() == target ? 1 : 0;
    return count;
}

TEST_F(LoggingTest, AClosedWorldLetsGoOfItsLogFile)
{
    FakeWorldServer server;
    connectHome(server);
    toggleLogging({ Yes, No }, { path("game.log") });
    send(server, "one");
    EXPECT_EQ(openHandlesOf(path("game.log")), 1) << "held open while the world logs";

    shell->mainFrame()->mnuConfirm->setChecked(false);
    shell->actions().CloseWorld();
    ASSERT_FALSE(state(0).InUse);
    EXPECT_EQ(openHandlesOf(path("game.log")), 0);
    EXPECT_EQ(read("game.log"), header() + "one\r\n");
}

TEST_F(LoggingTest, OnlyWorldsInUseCanBeLogged)
{
    FakeWorldServer server;
    start({ { "Home", server.port(), " " } });
    forget();
    shell->actions().ToggleLogging();
    ASSERT_EQ(services.core.messages.size(), 1);
    EXPECT_EQ(services.core.messages[0].text, "You can only log connected worlds.");
    EXPECT_EQ(services.core.messages[0].icon, MessageIcon::Information);
    EXPECT_TRUE(services.dialogs.isEmpty());
    EXPECT_FALSE(state(0).Logging);
}

} // namespace
