#include "LineChainFixture.h"
#include "incoming/ChatRouting.h"
#include "incoming/MarkNewActivity.h"

using namespace lanthorn;
using lanthorn::testing::LineChainTest;

namespace {

struct RouteCase {
    bool split;
    bool puppets;
    bool pages;
    const char* plain;
    DisplayTarget target;
};

TEST(ChatRouting, ChannelsPagesAndPuppetsGoToTheChatPane)
{
    constexpr auto Term = DisplayTarget::Term;
    constexpr auto Chat = DisplayTarget::Chat;
    const RouteCase cases[] = {
        { false, true, true, "<Public> Bob: hi", Term },
        { true, false, false, "<Public> Bob: hi", Chat },
        { true, false, false, "<Public> Bob says <hi> there", Term },
        { true, false, false, "[OOC] Ann: x", Chat },
        { true, false, false, "[OOC without end", Term },
        { true, false, false, "Bob pages: hello", Term },
        { true, false, true, "Bob pages: hello", Chat },
        { true, false, true, "the pages of a book", Chat },
        { true, false, true, "From afar, Bob waves.", Chat },
        { true, false, true, "Long distance to Bob: hi", Chat },
        { true, false, true, "Bob page> hi", Term },
        { true, false, false, "Puppet> looks around", Term },
        { true, true, false, "Puppet> looks around", Chat },
        { true, false, false, "Bob => hi", Chat },
        { true, false, false, "a>b", Term },
    };
    for (const RouteCase& c : cases) {
        WorldState world;
        world.SplitScreen = c.split;
        world.PuppetsToChat = c.puppets;
        world.PagesToChat = c.pages;
        EXPECT_EQ(RouteMushLine(c.plain, world), c.target) << c.plain;
    }
}

TEST_F(LineChainTest, RoutingLooksAtThePlainText)
{
    program.state.WorldStates[0].SplitScreen = true;
    receive(mush, "\x1b[1m<Public>\x1b[0m Bob: hi");
    receive(mush, "Bob says hi");
    EXPECT_EQ(mush.Chat.written(), "\x1b[1m<Public> Bob: hi\r\n");
    EXPECT_EQ(mush.Term.written(), "Bob says hi\r\n");
}

TEST_F(LineChainTest, TheFirstTextOfABackgroundWorldWritesTheSeparatorAndListsTheWorld)
{
    program.state.Features.ActivitySeparator = 1;
    receive(mud, "one\r\n");
    receive(mud, "two\r\n");
    EXPECT_EQ(
        mud.Term.events, (QList<QByteArray> { kNewActivitySeparator, "<fore 7>", "<back 1>", "one\r\n", "two\r\n" }));
    EXPECT_EQ(frame.activity, QStringList { "2 Mud" });
    EXPECT_TRUE(program.state.WorldStates[1].ActivityListed);
    EXPECT_EQ(program.state.WorldStates[1].ActivityIndex, 0);

    receive(mush, "current world");
    EXPECT_FALSE(program.state.WorldStates[0].ActivityListed);

    // Without the separator the world is still listed; the separator always goes to Term.
    program.state.Features.ActivitySeparator = 0;
    receive(otherMud, "x");
    EXPECT_EQ(otherMud.Term.events, QList<QByteArray> { "x" });
    EXPECT_EQ(frame.activity, (QStringList { "2 Mud", "3 Other" }));
    EXPECT_EQ(program.state.WorldStates[2].ActivityIndex, 1);

    program.state.Features.ActivitySeparator = 1;
    program.state.CurrentWorld = 1;
    program.state.WorldStates[0].SplitScreen = true;
    receive(mush, "<Public> hi");
    EXPECT_EQ(
        mush.Term.events, (QList<QByteArray> { "current world\r\n", kNewActivitySeparator, "<fore 7>", "<back 1>" }));
    EXPECT_EQ(mush.Chat.written(), "<Public> hi\r\n");
}

TEST_F(LineChainTest, AMinimizedFrameAnnouncesActivityOnceUntilItIsRestored)
{
    struct NoticeCase {
        bool minimized;
        bool notify;
        int pending;
        bool shown;
    };
    const NoticeCase cases[] = {
        { true, true, 0, true },
        { true, true, 1, false },
        { false, true, 0, false },
        { true, false, 0, false },
    };
    for (const NoticeCase& c : cases) {
        services.messages.clear();
        frame.caption = "Lanthorn";
        frame.minimized = c.minimized;
        frame.notify = c.notify;
        program.state.NotifyPending = c.pending;
        receive(mud, "x");
        if (c.shown) {
            ASSERT_EQ(services.messages.size(), 1);
            EXPECT_EQ(services.messages[0].text, "Activity in 2 Mud");
            EXPECT_EQ(services.messages[0].icon, MessageIcon::Information);
            EXPECT_EQ(frame.caption, "ACTIVITY:2 Mud");
            EXPECT_EQ(program.state.NotifyPending, 1);
            receive(mush, "y");
            EXPECT_EQ(services.messages.size(), 1) << "shown once";
        } else {
            EXPECT_TRUE(services.messages.isEmpty());
            EXPECT_EQ(frame.caption, "Lanthorn");
        }
    }
}

TEST_F(LineChainTest, AnArmedWhoCaptureTakesCurrentLinesAndIsCancelledByBackgroundOnes)
{
    program.state.Features.WhoWindowEnabled = 1;
    mush.whoMarker = true;
    receive(mush, "\x1b[1mPlayer Name\x1b[0m  On For");
    EXPECT_EQ(frame.whoCaptured, (QList<std::pair<QByteArray, int>> { { "\x1b[1mPlayer Name\x1b[0m  On For", 0 } }));
    EXPECT_TRUE(mush.whoMarker);

    program.state.CurrentWorld = 1;
    receive(mush, "Bob  1m");
    EXPECT_EQ(frame.whoCancelled, QList<int> { 0 });
    EXPECT_FALSE(mush.whoMarker);
    EXPECT_TRUE(mush.Term.written().endsWith("Bob  1m\r\n")) << "the line goes on";

    program.state.Features.WhoWindowEnabled = 0;
    mush.whoMarker = true;
    program.state.CurrentWorld = 0;
    receive(mush, "Ann  2m");
    EXPECT_EQ(frame.whoCaptured.size(), 1);
}

} // namespace
