// Text from a fake world through the connection, the line chain and into the real displays.
#include "WorldsTest.h"
#include "input/CommandActions.h"
#include "platform/TerminalModel.h"
#include "shell/WorldWindows.h"
#include "shell/frmTool.h"

#include <QLabel>
#include <QListWidget>

using namespace lanthorn;
using namespace lanthorn::testing;

namespace {

class WorldTextEndToEndTest : public WorldsTest {
protected:
    /// The style of the first cell of the shown row that starts with the given text.
    TerminalStyle styleOfRowStarting(int slot, const QString& start, int column = 0)
    {
        const TerminalModel& model = world(slot)->Term->model();
        for (qint64 row = model.firstRow(); row < model.lastRow(); ++row) {
            if (model.line(row).text().startsWith(start))
                return model.line(row).styleAt(column);
        }
        ADD_FAILURE() << "no row starts with " << start.toStdString();
        return {};
    }
};

TEST_F(WorldTextEndToEndTest, AMushWorldsColouredLinesAreWrappedWithTheirIndentAndBright)
{
    FakeWorldServer server;
    start({ { "Home", server.port(), " ", "x", kSiteTypeMush,
        { { "WordWrap", "True" }, { "WrapAt", "20" }, { "Indent", "2" }, { "TFColor", "7" }, { "TBColor", "0" } } } });
    ASSERT_TRUE(connectByName("home"));
    ASSERT_TRUE(server.waitForClients(1));
    server.sendLine("\x1b[31mRed\x1b[0m words that go on well past the wrap column");
    server.sendLine("plain\ttab");
    ASSERT_TRUE(waitForScreen(0, "plain    tab"));

    const QStringList rows = screen(0).split("\r\n");
    // The break comes at the last blank within the width; the escape sequences take no room.
    const qsizetype first = rows.indexOf("Red words that go");
    ASSERT_GE(first, 0) << screen(0).toStdString();
    EXPECT_EQ(rows[first + 1], "  on well past the");
    EXPECT_EQ(rows[first + 2], "  wrap column");
    const TerminalStyle red = styleOfRowStarting(0, "Red words");
    EXPECT_EQ(red.colours().fore, kPalette[12]) << "bold colours: red shows bright";
    const TerminalStyle after = styleOfRowStarting(0, "Red words", 4);
    EXPECT_EQ(after.colours().fore, kPalette[7]) << "after the reset the world's own colour";
    EXPECT_EQ(after.colours().back, kPalette[0]);
}

TEST_F(WorldTextEndToEndTest, AMudWorldsChunksAreShownAsTheyCome)
{
    FakeWorldServer server;
    start({ { "Mud", server.port(), " ", "x", kSiteTypeMud } });
    ASSERT_TRUE(connectByName("mud"));
    ASSERT_TRUE(server.waitForClients(1));
    server.sendRaw("What is your name? ");
    ASSERT_TRUE(waitForScreen(0, "What is your name? "));
    server.sendRaw("\r\nI carry 37m of rope\r\n");
    ASSERT_TRUE(waitForScreen(0, "I carry 37m of rope"));
}

TEST_F(WorldTextEndToEndTest, GagsHideTriggersAnswerAndHilitesColour)
{
    FakeWorldServer server;
    setUpAsReturningPlayer();
    for (const auto& [section, key, value] : std::initializer_list<std::tuple<const char*, const char*, const char*>> {
             { "Settings", "LoadGags", "1" },
             { "Settings", "LoadTrigs", "1" },
             { "Gags", "Lines", "1" },
             { "Gags", "Gag1", "* has arrived." },
             { "Trigs", "Lines", "1" },
             { "Trigs", "Trig1", "* pages: *" },
             { "Trigs", "React1", "page | Back soon." },
             { "Trigs", "Stack1", "1" },
             { "Hili", "Lines", "1" },
             { "Hili", "Hili1", "Bob" },
             { "Hili", "CHili1", "3" },
         })
        program.WriteIniString(section, key, value);
    start({ { "Home", server.port(), " ", "x", kSiteTypeMush, { { "TFColor", "7" }, { "TBColor", "0" } } } });
    ASSERT_TRUE(connectByName("home"));
    ASSERT_TRUE(server.waitForClients(1));

    server.sendLine("Bob has arrived.");
    server.sendLine("Bob pages: are you there?");
    server.sendLine("Carol waves to Bob.");
    ASSERT_TRUE(waitForScreen(0, "Carol waves to Bob."));
    EXPECT_FALSE(screen(0).contains("has arrived")) << "gagged";
    EXPECT_TRUE(server.waitForReceived("page Bob Back soon.\r\n"));
    EXPECT_EQ(styleOfRowStarting(0, "Carol waves", 15).colours().fore, kPalette[14]) << "Bob in bright yellow";
    EXPECT_EQ(styleOfRowStarting(0, "Carol waves", 0).colours().fore, kPalette[7]);
}

TEST_F(WorldTextEndToEndTest, BackgroundWorldsGetTheSeparatorOnceAndAnActivityEntry)
{
    FakeWorldServer alpha, beta;
    start({ { "Alpha", alpha.port(), " " }, { "Beta", beta.port(), " " } });
    ASSERT_TRUE(connectByName("alpha"));
    ASSERT_TRUE(connectByName("beta"));
    ASSERT_TRUE(alpha.waitForClients(1));
    alpha.sendLine("first");
    alpha.sendLine("second");
    ASSERT_TRUE(waitForScreen(0, "second"));
    EXPECT_EQ(screen(0).count("---------New Activity---------"), 1);
    QListWidget* activity = shell->toolbar()->lworlds;
    ASSERT_EQ(activity->count(), 1);
    EXPECT_EQ(activity->item(0)->text(), "1 Alpha");

    Q_EMIT activity->itemDoubleClicked(activity->item(0));
    EXPECT_EQ(program.state.CurrentWorld, 0);
    EXPECT_EQ(activity->count(), 0) << "looking at the world clears its entry";
    shell->worlds().showWorld(1);
    alpha.sendLine("third");
    ASSERT_TRUE(waitForScreen(0, "third"));
    EXPECT_EQ(screen(0).count("---------New Activity---------"), 2) << "a new stretch of unseen text";
}

TEST_F(WorldTextEndToEndTest, TheChatPaneTakesChannelLinesAndPagesWhenAsked)
{
    FakeWorldServer server;
    start({ { "Home", server.port(), " " } });
    ASSERT_TRUE(connectByName("home"));
    ASSERT_TRUE(server.waitForClients(1));
    shell->actions().togglePages();
    EXPECT_TRUE(world(0)->Chat->isVisible());
    server.sendLine("<Public> Bob: hi");
    server.sendLine("Bob pages: hello");
    server.sendLine("You see a door.");
    ASSERT_TRUE(waitForScreen(0, "You see a door."));
    ASSERT_TRUE(waitFor([&] { return chatScreen(0).contains("Bob pages: hello"); }));
    EXPECT_TRUE(chatScreen(0).contains("<Public> Bob: hi"));
    EXPECT_FALSE(screen(0).contains("Bob pages"));
    EXPECT_LT(world(0)->Term->height(), world(0)->widget()->height()) << "the pane shares the window";
}

TEST_F(WorldTextEndToEndTest, BellsBeepAndPauseHoldsTextBackInOrder)
{
    FakeWorldServer server;
    start({ { "Home", server.port(), " " } });
    ASSERT_TRUE(connectByName("home"));
    ASSERT_TRUE(server.waitForClients(1));
    server.sendLine("ding\a\a");
    ASSERT_TRUE(waitForScreen(0, "ding"));
    EXPECT_EQ(services.core.beeps, 2);

    shell->actions().TogglePause();
    EXPECT_EQ(shell->toolbar()->lblPause->text(), "1 Home is Paused!");
    for (int i = 1; i <= 50; ++i)
        server.sendLine(QByteArray("held ") + QByteArray::number(i));
    runEventsFor(200);
    EXPECT_FALSE(screen(0).contains("held 1"));
    shell->actions().TogglePause();
    EXPECT_TRUE(shell->toolbar()->lblPause->text().isEmpty());
    ASSERT_TRUE(waitForScreen(0, "held 50"));
    const QString shown = screen(0) + world(0)->Term->ScrollbackText();
    EXPECT_LT(shown.indexOf("held 49\r\n"), shown.indexOf("held 50\r\n"));
}

} // namespace
