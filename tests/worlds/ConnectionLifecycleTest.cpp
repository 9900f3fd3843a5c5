#include "worlds/ConnectionLifecycle.h"

#include "EventLoop.h"
#include "FakeWorldServer.h"
#include "WorldsTest.h"
#include "platform/TcpConnection.h"
#include "platform/TerminalDisplay.h"
#include "shell/MDILanthorn.h"
#include "shell/WorldWindows.h"
#include "worlds/frmAdd.h"
#include "worlds/frmOpen.h"

#include <QElapsedTimer>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

using namespace lanthorn;
using namespace lanthorn::testing;
using namespace std::chrono_literals;

namespace {

using Site = TestSite;

class ConnectionLifecycleTest : public WorldsTest { };

TEST_F(ConnectionLifecycleTest, LoginIsSentForEachWorldType)
{
    FakeWorldServer mush, mud, quiet;
    start({ { "Mush", mush.port() }, { "Mud", mud.port(), "Bob", "bob pw", kSiteTypeMud },
        { "Quiet", quiet.port(), "   ", "x" } });

    ASSERT_TRUE(connectByName("mush"));
    ASSERT_TRUE(mush.waitForReceived("connect Alice alicepw\r\n"));
    EXPECT_EQ(mush.received(), "connect Alice alicepw\r\n") << "one line, sent once";

    ASSERT_TRUE(connectByName("mud"));
    ASSERT_TRUE(mud.waitForReceived("bob pw\r\n"));
    EXPECT_EQ(mud.received(), "Bob\r\nbob pw\r\n") << "user and password as two lines, as stored";

    ASSERT_TRUE(connectByName("quiet"));
    ASSERT_TRUE(quiet.waitForClients(1));
    runEventsFor(100);
    EXPECT_TRUE(quiet.received().isEmpty()) << "a blank user sends nothing";
}

TEST_F(ConnectionLifecycleTest, TheFirstWorldTakesSlotZeroAndIsListedAndCurrent)
{
    FakeWorldServer server;
    start({ { "Home", server.port() } });
    frmOpen* slotZero = world(0);
    ASSERT_TRUE(connectByName("home"));

    EXPECT_EQ(world(0), slotZero) << "the window that was already shown is used";
    EXPECT_TRUE(slotZero->isVisible());
    EXPECT_EQ(slotZero->caption(), "1 Home");
    EXPECT_EQ(shell->mainFrame()->windowTitle(), "1 Home");
    EXPECT_EQ(worldsMenu(), QStringList { "1. Home" });
    EXPECT_EQ(program.state.CurrentWorld, 0);
    EXPECT_TRUE(program.state.WorldStates[0].InUse);
    EXPECT_EQ(program.state.WorldMenuCount, 1);
    EXPECT_TRUE(shell->mainFrame()->mnuDisconnect->isEnabled());
    EXPECT_TRUE(slotZero->IPPort1->Connected());
}

TEST_F(ConnectionLifecycleTest, TwoWorldsAtOnceEachInItsOwnSlotAndWindow)
{
    FakeWorldServer a, b;
    start({ { "Alpha", a.port() }, { "Beta", b.port() } });
    ASSERT_TRUE(connectByName("alpha"));
    ASSERT_TRUE(connectByName("beta"));
    EXPECT_EQ(worldsMenu(), (QStringList { "1. Alpha", "2. Beta" }));
    EXPECT_NE(world(0), world(1));
    EXPECT_EQ(world(1)->caption(), "2 Beta");
    EXPECT_EQ(program.state.CurrentWorld, 1);
    EXPECT_EQ(program.state.LastWorldIndex, 1);

    shell->mainFrame()->mnuArray[0]->trigger();
    EXPECT_EQ(program.state.CurrentWorld, 0) << "the Worlds menu switches worlds";
    EXPECT_EQ(shell->mainFrame()->windowTitle(), "1 Alpha");
    shell->worlds().ToggleWorld();
    EXPECT_EQ(program.state.CurrentWorld, 1);
}

TEST_F(ConnectionLifecycleTest, FailuresReleaseTheSlotWithTheirMessage)
{
    FakeWorldServer hangs(FakeWorldServer::Mode::NeverAnswers);
    struct Case {
        const char* name;
        Site site;
        const char* message;
    } cases[] = {
        { "refused", { "Refused", FakeWorldServer::refusedPort() }, "Connection refused." },
        { "no answer", { "Silent", hangs.port() }, "Sorry, unable to establish a connection." },
        { "port out of range", { "Wide", 0 },
            "Unable to establish a connection, check Host Name and Port Number Parameters." },
    };
    QList<Site> sites;
    for (const Case& c : cases)
        sites.append(c.site);
    start(sites);
    program.WriteIniString("Wide", "Port", "70000");
    shell->ConnectWindow()->LoadSiteBook();

    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        services.core.messages.clear();
        QElapsedTimer clock;
        clock.start();
        EXPECT_FALSE(connectByName(c.site.name.toLower()));
        if (QString(c.name) == "refused") {
            EXPECT_LT(clock.elapsed(), 300) << "a refusal is reported at once, not after the wait";
        }
        ASSERT_EQ(services.core.messages.size(), 1);
        EXPECT_EQ(services.core.messages[0].text, c.message);
        EXPECT_FALSE(program.state.WorldStates[0].InUse);
        EXPECT_TRUE(worldsMenu().isEmpty());
        EXPECT_FALSE(world(0)->IPPort1->Connected());
        EXPECT_EQ(program.state.CurrentWorld, 0);
    }
}

TEST_F(ConnectionLifecycleTest, AServerCloseShowsTheNoticeAndKeepsTheWorldListed)
{
    FakeWorldServer server;
    start({ { "Home", server.port() } });
    ASSERT_TRUE(connectByName("home"));
    ASSERT_TRUE(server.waitForClients(1));
    server.closeClient();
    ASSERT_TRUE(waitFor([&] { return world(0)->caption().endsWith("[Disconnected]"); }));
    EXPECT_EQ(world(0)->caption(), "1 Home[Disconnected]");
    waitFor([&] { return screen(0).contains("Disconnected from this world."); }, 1000);
    EXPECT_TRUE(screen(0).contains("Disconnected from this world."));
    EXPECT_TRUE(program.state.WorldStates[0].InUse) << "the slot stays in use until the player closes it";
    EXPECT_EQ(worldsMenu(), QStringList { "1. Home" });
    EXPECT_FALSE(world(0)->IPPort1->Connected());
}

TEST_F(ConnectionLifecycleTest, AReleasedSlotAndItsWindowAreReused)
{
    FakeWorldServer a, b;
    start({ { "Alpha", a.port() }, { "Beta", b.port() } });
    ASSERT_TRUE(connectByName("alpha"));
    ASSERT_TRUE(connectByName("beta"));
    frmOpen* first = world(0);

    program.state.WorldStates[0].InUse = false;
    shell->worlds().RebuildWorldList();
    EXPECT_FALSE(first->isVisible());
    EXPECT_EQ(first->caption(), "Lanthorn");
    EXPECT_EQ(worldsMenu(), QStringList { "2. Beta" });
    EXPECT_EQ(program.state.CurrentWorld, 1);

    ASSERT_TRUE(connectByName("alpha"));
    EXPECT_EQ(world(0), first);
    EXPECT_EQ(program.state.WorldStates.size(), 2) << "no new slot was needed";
    EXPECT_EQ(worldsMenu(), (QStringList { "2. Beta", "1. Alpha" }));
    EXPECT_TRUE(first->isVisible());
}

TEST_F(ConnectionLifecycleTest, ConnectByNameIgnoresLetterCaseAndTheLastOfTwoNamesWins)
{
    FakeWorldServer first, second;
    start({ { "Twin", first.port() }, { "Twin", second.port() } });
    services.core.messages.clear();
    shell->lifecycle().ConnectByName("nowhere");
    ASSERT_EQ(services.core.messages.size(), 1);
    EXPECT_EQ(services.core.messages[0].text, "Couldn't find nowhere in your defined list.");

    ASSERT_TRUE(connectByName("twin"));
    EXPECT_TRUE(second.waitForClients(1));
    EXPECT_EQ(first.clientCount(), 0);
}

TEST_F(ConnectionLifecycleTest, TheConnectButtonConnectsAndPutsTheWindowBack)
{
    FakeWorldServer server;
    start({ { "Home", server.port() } });
    frmAdd* add = shell->ConnectWindow();
    shell->OpenConnectWindow();
    add->findChild<QLineEdit*>("txtName")->setText("Home");
    bool finished = false;
    QObject::connect(&shell->lifecycle(), &ConnectionLifecycle::attemptFinished, [&] { finished = true; });
    add->findChild<QPushButton*>("cmdConnect")->click();
    EXPECT_FALSE(add->isVisible());
    ASSERT_TRUE(waitFor([&] { return finished; }));
    EXPECT_TRUE(server.waitForReceived("connect Alice alicepw\r\n"));
    EXPECT_TRUE(add->findChild<QPushButton*>("cmdConnect")->isEnabled());
    EXPECT_FALSE(add->isExpanded());
    EXPECT_EQ(worldsMenu(), QStringList { "1. Home" });
}

TEST_F(ConnectionLifecycleTest, ADeletedSiteKeepsPlayingWithItsOwnSettings)
{
    FakeWorldServer a, b;
    start({ { "Alpha", a.port() }, { "Beta", b.port() } });
    ASSERT_TRUE(connectByName("beta"));
    // Deleting Alpha moves Beta to index 0 of the book; the open world must follow it.
    frmAdd* add = shell->ConnectWindow();
    add->findChild<QLineEdit*>("txtName")->setText("Alpha");
    services.core.answer({ MessageAnswer::Yes });
    add->DeleteSite();
    const int site = program.state.WorldStates[0].SiteIndex;
    ASSERT_GE(site, 0);
    EXPECT_EQ(program.state.Sites[site].Name, "Beta");

    add->findChild<QLineEdit*>("txtName")->setText("Beta");
    services.core.answer({ MessageAnswer::Yes });
    add->DeleteSite();
    EXPECT_EQ(program.state.Sites[program.state.WorldStates[0].SiteIndex].Name, "Beta")
        << "a deleted site still being played keeps its record";
    EXPECT_EQ(add->findChild<QListWidget*>("cmbWorlds")->count(), 0);
}

TEST_F(ConnectionLifecycleTest, ASiteBookChangedWhileConnectingLogsInWithTheSiteBeingConnected)
{
    FakeWorldServer a, b;
    start({ { "Alpha", a.port() }, { "Beta", b.port(), "Bob", "bobpw" } });
    shell->lifecycle().ConnectByName("beta");
    // Before the world answers, deleting Alpha moves Beta to index 0 of the book.
    frmAdd* add = shell->ConnectWindow();
    add->findChild<QLineEdit*>("txtName")->setText("Alpha");
    services.core.answer({ MessageAnswer::Yes });
    add->DeleteSite();

    ASSERT_TRUE(b.waitForClients(1));
    ASSERT_TRUE(b.waitForReceived("connect Bob bobpw\r\n"));
    EXPECT_EQ(worldsMenu(), QStringList { "1. Beta" });
    EXPECT_EQ(world(0)->siteIndex(), program.state.WorldStates[0].SiteIndex);
}

TEST_F(ConnectionLifecycleTest, ATwentySecondWorldIsRefusedPlainly)
{
    FakeWorldServer server;
    QList<Site> sites;
    for (int i = 1; i <= 22; ++i)
        sites.append({ QStringLiteral("World%1").arg(i), server.port(), QStringLiteral(" ") });
    start(sites);
    for (int i = 1; i <= 21; ++i)
        ASSERT_TRUE(connectByName(QStringLiteral("world%1").arg(i))) << i;
    services.core.messages.clear();
    EXPECT_FALSE(connectByName("world22"));
    ASSERT_EQ(services.core.messages.size(), 1);
    EXPECT_TRUE(services.core.messages[0].text.startsWith("Lanthorn can have at most 21 worlds open at once."));
    EXPECT_EQ(server.clientCount(), 21) << "the refused world was never connected";
    EXPECT_FALSE(program.state.WorldStates[21].InUse);
    EXPECT_EQ(worldsMenu().size(), 21);
    EXPECT_EQ(worldsMenu().last(), "21. World21");
}

} // namespace
