// The actions shared by menus, toolbar and input line, on several connected fake worlds.
#include "input/CommandActions.h"

#include "WorldsTest.h"
#include "input/FormIn.h"
#include "shell/Shell.h"
#include "shell/WorldWindows.h"
#include "shell/frmTool.h"

#include <QListWidget>
#include <QPlainTextEdit>
#include <QToolButton>

using namespace lanthorn;
using namespace lanthorn::testing;

namespace {

class CommandActionsTest : public WorldsTest {
protected:
    FakeWorldServer server; // every world of these tests connects here

    /// Starts with the named worlds connected, in slots 0, 1, ...
    void startWithWorlds(const QStringList& names)
    {
        QList<TestSite> sites;
        for (const QString& name : names)
            sites.append({ name, server.port(), QStringLiteral(" ") });
        start(sites);
        for (const QString& name : names)
            ASSERT_TRUE(connectByName(name.toLower())) << name.toStdString();
        ASSERT_TRUE(server.waitForClients(int(names.size())));
    }
    CommandActions& actions() { return shell->actions(); }
};

TEST_F(CommandActionsTest, ToggleGoesToTheNextWorldInUseInSlotOrder)
{
    startWithWorlds({ "A", "B", "C", "D" });
    program.state.CurrentWorld = 1;
    shell->mainFrame()->mnuConfirm->setChecked(false);
    actions().CloseWorld();
    ASSERT_EQ(worldsMenu(), (QStringList { "1. A", "3. C", "4. D" }));
    shell->worlds().showWorld(3);
    QList<int> visited;
    for (int i = 0; i < 3; ++i) {
        shell->mainFrame()->Toggle->trigger();
        visited.append(program.state.CurrentWorld);
    }
    EXPECT_EQ(visited, (QList<int> { 0, 2, 3 }));
}

TEST_F(CommandActionsTest, CloseAsksWhenConfirmationIsOnAndNoKeepsTheWorld)
{
    startWithWorlds({ "Alpha", "Beta" });
    ASSERT_TRUE(shell->mainFrame()->mnuConfirm->isChecked());
    services.core.answer({ MessageAnswer::No });
    actions().CloseWorld();
    ASSERT_EQ(services.core.messages.size(), 1);
    EXPECT_EQ(services.core.messages[0].text, "Are you sure you want to disconnect from Beta?");
    EXPECT_EQ(services.core.messages[0].defaultButton, MessageAnswer::No);
    EXPECT_TRUE(world(1)->IPPort1->Connected());

    services.core.answer({ MessageAnswer::Yes });
    actions().DisconnectWorld();
    EXPECT_FALSE(program.state.WorldStates[1].InUse);
    EXPECT_FALSE(world(1)->isVisible());
    EXPECT_TRUE(server.waitForClientGone(1));
    EXPECT_EQ(worldsMenu(), QStringList { "1. Alpha" });
    EXPECT_EQ(program.state.CurrentWorld, 0) << "the next world in use becomes current";

    shell->mainFrame()->mnuConfirm->setChecked(false);
    services.core.messages.clear();
    actions().CloseWorld();
    EXPECT_TRUE(services.core.messages.isEmpty()) << "no question without confirmation";
    EXPECT_TRUE(worldsMenu().isEmpty());
    EXPECT_TRUE(world(0)->isVisible()) << "with no world left, slot 0's window shows";
}

TEST_F(CommandActionsTest, AWorldTheServerClosedIsReleasedWithoutAskingButDisconnectOnlyDisablesTheItem)
{
    startWithWorlds({ "Alpha" });
    server.closeClient(0);
    ASSERT_TRUE(waitFor([&] { return !world(0)->IPPort1->Connected(); }));
    actions().DisconnectWorld();
    EXPECT_FALSE(shell->mainFrame()->mnuDisconnect->isEnabled());
    EXPECT_TRUE(program.state.WorldStates[0].InUse);
    actions().CloseWorld();
    EXPECT_TRUE(services.core.messages.isEmpty());
    EXPECT_FALSE(program.state.WorldStates[0].InUse);
}

TEST_F(CommandActionsTest, ClosingAMiddleWorldRenumbersTheMenuAndTheActivityList)
{
    startWithWorlds({ "A", "B", "C" });
    shell->worlds().showWorld(0);
    server.sendLine("to B", 1);
    server.sendLine("to C", 2);
    ASSERT_TRUE(waitForScreen(2, "to C"));
    QListWidget* activity = shell->toolbar()->lworlds;
    ASSERT_EQ(activity->count(), 2);
    EXPECT_EQ(activity->item(0)->text(), "2 B");
    EXPECT_EQ(program.state.WorldStates[2].ActivityIndex, 1);

    shell->mainFrame()->mnuConfirm->setChecked(false);
    shell->worlds().showWorld(1);
    EXPECT_EQ(activity->count(), 1) << "looking at B clears its entry";
    EXPECT_EQ(program.state.WorldStates[2].ActivityIndex, 0);
    server.sendLine("again", 1);
    shell->worlds().showWorld(0);
    server.sendLine("B talks", 1);
    ASSERT_TRUE(waitForScreen(1, "B talks"));
    ASSERT_EQ(activity->count(), 2);
    // Closing B (its entry goes with it) moves on to the next world, C, whose entry goes too.
    program.state.CurrentWorld = 1;
    actions().CloseWorld();
    EXPECT_EQ(worldsMenu(), (QStringList { "1. A", "3. C" }));
    EXPECT_EQ(program.state.WorldMenuCount, 2);
    EXPECT_EQ(program.state.CurrentWorld, 2);
    EXPECT_EQ(activity->count(), 0);
    EXPECT_EQ(program.state.WorldStates[1].ActivityIndex, -1);

    server.sendLine("to A", 0);
    ASSERT_TRUE(waitForScreen(0, "to A"));
    ASSERT_EQ(activity->count(), 1);
    EXPECT_EQ(activity->item(0)->text(), "1 A");
    Q_EMIT activity->itemDoubleClicked(activity->item(0));
    EXPECT_EQ(program.state.CurrentWorld, 0);
    EXPECT_EQ(activity->count(), 0);
}

TEST_F(CommandActionsTest, ChatPaneSwitches)
{
    startWithWorlds({ "Alpha" });
    const WorldState& world0 = program.state.WorldStates[0];
    actions().togglePuppets();
    EXPECT_TRUE(world0.SplitScreen);
    EXPECT_TRUE(world0.PuppetsToChat);
    actions().togglePuppets();
    EXPECT_TRUE(world0.SplitScreen) << "a second /puppet leaves the pane open";
    EXPECT_FALSE(world0.PuppetsToChat);
    actions().togglePages();
    EXPECT_TRUE(world0.PagesToChat);
    actions().toggleChatPane();
    EXPECT_FALSE(world0.SplitScreen);
    EXPECT_FALSE(world0.PagesToChat);
    EXPECT_FALSE(world(0)->Chat->isVisible());
    EXPECT_EQ(world(0)->Term->height(), world(0)->widget()->height());
}

TEST_F(CommandActionsTest, LookAndWhoNeedAConnection)
{
    start({ { "Alpha", server.port(), " " } });
    shell->toolbar()->cmdLook->click();
    shell->toolbar()->cmdWHO->click();
    EXPECT_EQ(services.core.texts(), (QStringList { "Nothing to look at.", "You must be connected to do that." }));
    ASSERT_TRUE(connectByName("alpha"));
    ASSERT_TRUE(server.waitForClients(1));
    shell->toolbar()->cmdLook->click();
    shell->toolbar()->cmdWHO->click();
    EXPECT_TRUE(server.waitForReceived("look\r\nWHO\r\n"));
}

TEST_F(CommandActionsTest, SwitchingGagsOnFromTheCommandLoadsTheList)
{
    start({ { "Alpha", server.port(), " " } });
    program.WriteIniString("Gags", "Lines", "1");
    program.WriteIniString("Gags", "Gag1", "* has arrived.");
    services.core.answer({ MessageAnswer::No });
    actions().OpenGagEditor();
    EXPECT_EQ(services.core.messages[0].text, "Gags are currently disabled, do you want to enable them now?");
    EXPECT_EQ(services.core.messages[0].defaultButton, MessageAnswer::Yes);
    EXPECT_EQ(program.state.Features.GagsEnabled, 0);
    services.core.answer({ MessageAnswer::Yes });
    actions().OpenGagEditor();
    EXPECT_EQ(program.state.Features.GagsEnabled, 1);
    ASSERT_EQ(program.state.GagList.size(), 1);
    shell->mainFrame()->Exit->trigger();
    EXPECT_EQ(ini("Settings", "LoadGags"), "1") << "the switch is saved at exit";
}

TEST_F(CommandActionsTest, CopyUndoesTheWordWrapAndRemoveCarriageReturnsJoinsLines)
{
    start({ { "Alpha", server.port(), " ", "x", kSiteTypeMush, { { "Indent", "3" }, { "WordWrap", "True" } } } });
    ASSERT_TRUE(connectByName("alpha"));
    QPlainTextEdit* box = shell->inputWindow()->txtOutBound;
    box->setFocus();
    box->setPlainText("one two\n   three\n  four");
    box->selectAll();
    shell->mainFrame()->mnuCopy->trigger();
    EXPECT_EQ(services.clipboard, "one two three\r\n  four");

    box->setPlainText("a\nb");
    box->selectAll();
    shell->mainFrame()->mnuLine->trigger();
    EXPECT_EQ(box->toPlainText(), "ab");

    services.clipboard = "pasted";
    box->setPlainText("xy");
    QTextCursor cursor = box->textCursor();
    cursor.setPosition(1);
    box->setTextCursor(cursor);
    shell->mainFrame()->mnuPaste->trigger();
    EXPECT_EQ(box->toPlainText(), "xpastedy");
}

} // namespace
