// The input box driven by key presses, against a fake world.
#include "input/InputLine.h"

#include "WorldsTest.h"
#include "input/CommandActions.h"
#include "input/FormIn.h"
#include "shell/Shell.h"

#include <QPlainTextEdit>
#include <QTest>

using namespace lanthorn;
using namespace lanthorn::testing;

namespace {

class InputLineTest : public WorldsTest {
protected:
    FakeWorldServer server;

    void startConnected(const QList<QPair<QString, QString>>& settings = {})
    {
        start({ { "Home", server.port(), " " } }, settings);
        ASSERT_TRUE(connectByName("home"));
        ASSERT_TRUE(server.waitForClients(1));
    }

    QPlainTextEdit* box() { return shell->inputWindow()->txtOutBound; }
    void type(const QString& text) { QTest::keyClicks(box(), text); }
    void press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QTest::keyClick(box(), key, modifiers);
    }
    void enter(const QString& line)
    {
        box()->clear();
        type(line);
        press(Qt::Key_Return);
    }
    /// Everything the world received, after waiting for the last thing expected.
    QByteArray receivedAfter(const QByteArray& last)
    {
        EXPECT_TRUE(server.waitForReceived(last));
        return server.received();
    }
};

TEST_F(InputLineTest, EnterSendsTheLineWithCrLfKeepsItInTheHistoryAndEchoesNothing)
{
    startConnected();
    server.clearReceived();
    enter("say hi there");
    EXPECT_EQ(receivedAfter("\r\n"), "say hi there\r\n");
    EXPECT_TRUE(box()->toPlainText().isEmpty());
    EXPECT_EQ(program.state.SendHistory[40], "say hi there");
    EXPECT_EQ(program.state.HistoryCursor, 40);
    runEventsFor(50);
    EXPECT_FALSE(screen(0).contains("say hi there")) << "nothing sent is echoed";

    server.clearReceived();
    press(Qt::Key_Return);
    EXPECT_EQ(receivedAfter("\r\n"), "\r\n") << "an empty box sends CR LF alone";
    EXPECT_EQ(program.state.SendHistory[40], "");
}

TEST_F(InputLineTest, CommandsAreFoundInAnyLetterCaseAndNeverSentOrRemembered)
{
    startConnected();
    server.clearReceived();
    const struct {
        const char* line;
        const char* boxAfter;
    } cases[] = {
        { "/Nonsense here", "/Huh?" },
        { "/", "/Huh?" },
        { "/grab", "" },
        { "/CLS", "" },
    };
    for (const auto& c : cases) {
        enter(c.line);
        EXPECT_EQ(box()->toPlainText(), c.boxAfter) << c.line;
    }
    services.core.answer({ MessageAnswer::No });
    enter("/QUIT now");
    ASSERT_FALSE(services.core.messages.isEmpty());
    EXPECT_EQ(services.core.messages.last().text, "Are you sure you want to quit Lanthorn?");
    EXPECT_EQ(programEnds, 0);
    runEventsFor(50);
    EXPECT_TRUE(server.received().isEmpty());
    EXPECT_TRUE(program.state.SendHistory[40].isEmpty()) << "commands never enter the history";
}

TEST_F(InputLineTest, ALineForAWorldThatIsNotConnectedStaysInTheBox)
{
    start({ { "Home", server.port(), " " } });
    enter("hello?");
    ASSERT_EQ(services.core.messages.size(), 1);
    EXPECT_EQ(services.core.messages[0].text, "Failure to send: Not Connected!");
    EXPECT_EQ(services.core.messages[0].icon, MessageIcon::Warning);
    EXPECT_EQ(box()->toPlainText(), "hello?");
    EXPECT_TRUE(program.state.SendHistory[40].isEmpty());
}

TEST_F(InputLineTest, HistoryKeysWalkTheRingAndCtrlBSetsALineAside)
{
    startConnected();
    for (const char* line : { "A", "B", "C" })
        enter(line);
    receivedAfter("C\r\n");
    const struct {
        Qt::Key key;
        const char* shows;
    } walk[] = { { Qt::Key_P, "C" }, { Qt::Key_P, "B" }, { Qt::Key_N, "B" }, { Qt::Key_N, "C" }, { Qt::Key_N, "C" },
        { Qt::Key_N, "" } };
    for (const auto& step : walk) {
        press(step.key, Qt::ControlModifier);
        EXPECT_EQ(box()->toPlainText(), step.shows);
        EXPECT_EQ(box()->textCursor().position(), box()->toPlainText().size()) << "the caret ends after the entry";
    }
    server.clearReceived();
    box()->setPlainText("half typed");
    press(Qt::Key_B, Qt::ControlModifier);
    EXPECT_TRUE(box()->toPlainText().isEmpty());
    EXPECT_EQ(program.state.SendHistory[40], "half typed");
    press(Qt::Key_P, Qt::ControlModifier);
    EXPECT_EQ(box()->toPlainText(), "half typed");
    press(Qt::Key_U, Qt::ControlModifier);
    EXPECT_TRUE(box()->toPlainText().isEmpty());
    runEventsFor(50);
    EXPECT_TRUE(server.received().isEmpty());
}

TEST_F(InputLineTest, CtrlSAndCtrlTPrefixEveryLine)
{
    startConnected();
    const struct {
        const char* text;
        Qt::Key key;
        const char* result;
    } cases[] = {
        { "hello", Qt::Key_S, "say hello" },
        { "one\ntwo", Qt::Key_S, "say one\nsay two" },
        { "one\n", Qt::Key_T, "@emit one\n@emit " },
        { "", Qt::Key_S, "say " },
    };
    for (const auto& c : cases) {
        box()->setPlainText(c.text);
        press(c.key, Qt::ControlModifier);
        EXPECT_EQ(box()->toPlainText(), c.result) << c.text;
    }
}

TEST_F(InputLineTest, FunctionKeysSendTheirMacroAsStoredAtThatMoment)
{
    startConnected();
    server.clearReceived();
    press(Qt::Key_F5);
    runEventsFor(50);
    EXPECT_TRUE(server.received().isEmpty()) << "no macro stored";
    program.WriteIniString("Keys", "F5", "/t");
    press(Qt::Key_F5);
    EXPECT_EQ(receivedAfter("\r\n"), "/t\r\n") << "a macro is never a client command";
    server.clearReceived();
    program.WriteIniString("Keys", "F5", "");
    press(Qt::Key_F5);
    EXPECT_EQ(receivedAfter("\r\n"), "\r\n") << "an emptied macro sends an empty line";
    EXPECT_TRUE(box()->toPlainText().isEmpty());
    EXPECT_EQ(program.state.SendHistory[40], "") << "macros are not remembered";
}

TEST_F(InputLineTest, TheNumberPadMovesWhenTheMapIsOnAndTypesOtherwise)
{
    startConnected({ { "NumberMap", "1" } });
    server.clearReceived();
    box()->setPlainText("half");
    press(Qt::Key_8, Qt::KeypadModifier);
    EXPECT_EQ(receivedAfter("north\r\n"), "north\r\n");
    EXPECT_TRUE(box()->toPlainText().isEmpty()) << "the half-typed text goes";
    press(Qt::Key_8);
    EXPECT_EQ(box()->toPlainText(), "8") << "the digit row still types";

    program.state.Features.NumberPadMap = 0;
    box()->clear();
    press(Qt::Key_8, Qt::KeypadModifier);
    EXPECT_EQ(box()->toPlainText(), "8");
}

TEST_F(InputLineTest, GrabAsksTheWorldAndItsAnswerFillsTheBoxWithoutBeingShown)
{
    startConnected();
    server.clearReceived();
    enter("/grab me/note");
    EXPECT_EQ(receivedAfter("\r\n"), "@pemit me=1234 me/note [get(me/note)]\r\n");
    server.sendLine("1234 me/note Some text.");
    server.sendLine("after");
    ASSERT_TRUE(waitForScreen(0, "after"));
    EXPECT_EQ(box()->toPlainText(), "&note me=Some text.");
    EXPECT_FALSE(screen(0).contains("1234"));
}

TEST_F(InputLineTest, TypingIntoADisplayGoesToTheEndOfTheInputBox)
{
    startConnected();
    box()->setPlainText("look ");
    world(0)->Term->setFocus();
    QTest::keyClicks(world(0)->Term, "at me");
    EXPECT_EQ(box()->toPlainText(), "look at me");
    EXPECT_TRUE(box()->hasFocus() || !QApplication::focusWidget());
}

TEST_F(InputLineTest, PageKeysScrollTheMainDisplayAndWithShiftTheChatPane)
{
    startConnected();
    for (int i = 0; i < 200; ++i)
        server.sendLine(QByteArray("line ") + QByteArray::number(i));
    ASSERT_TRUE(waitForScreen(0, "line 199"));
    shell->actions().ShowChatPane();
    TerminalDisplay* term = world(0)->Term;
    ASSERT_TRUE(term->isFollowing());
    press(Qt::Key_PageUp, Qt::ShiftModifier);
    EXPECT_TRUE(term->isFollowing()) << "Shift pages the chat pane";
    press(Qt::Key_PageUp);
    EXPECT_FALSE(term->isFollowing());
    const qint64 top = term->topRow();
    press(Qt::Key_Down);
    EXPECT_EQ(term->topRow(), top + 1);
    box()->setPlainText(QString(76, u'x'));
    press(Qt::Key_Down);
    EXPECT_EQ(term->topRow(), top + 1) << "a long input line keeps the arrows for itself";
}

TEST_F(InputLineTest, F1OpensHelpAndPausePauses)
{
    startConnected();
    press(Qt::Key_F1);
    ASSERT_EQ(services.helpRequests.size(), 1);
    EXPECT_EQ(services.helpRequests[0].first, HelpCommand::Contents);
    press(Qt::Key_Pause);
    EXPECT_TRUE(program.state.WorldStates[0].Paused);
    press(Qt::Key_Pause);
    EXPECT_FALSE(program.state.WorldStates[0].Paused);
}

} // namespace

namespace {

TEST_F(InputLineTest, ThePagesCommandOpensTheChatPaneForPages)
{
    startConnected();
    enter("/pages");
    EXPECT_TRUE(program.state.WorldStates[0].SplitScreen);
    EXPECT_TRUE(program.state.WorldStates[0].PagesToChat);
    EXPECT_TRUE(world(0)->Chat->isVisible());
    server.sendLine("Bob pages: Look at the chat pane.");
    ASSERT_TRUE(waitFor([&] { return chatScreen(0).contains("Look at the chat pane."); }));
    EXPECT_FALSE(screen(0).contains("Look at the chat pane."));
}

} // namespace
