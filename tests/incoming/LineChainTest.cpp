#include "LineChainFixture.h"
#include "incoming/AnsiText.h"

using namespace lanthorn;
using lanthorn::testing::FakeWorldWindow;
using lanthorn::testing::LineChainTest;
using lanthorn::testing::RecordedMessage;

namespace {

struct AssemblyCase {
    const char* received;
    const char* shown; // everything written, colour settings left out
    const char* plain;
    int beeps;
};

TEST_F(LineChainTest, MushLinesLoseCarriageReturnsBellsAndTabsAndEscapesInTheirPlainText)
{
    const AssemblyCase cases[] = {
        { "abc\r", "abc\r\n", "abc", 0 },
        { "a\rb\r", "ab\r\n", "ab", 0 },
        { "a\tb", "a    b\r\n", "a    b", 0 },
        { "\a\a\ax\a", "x\r\n", "x", 4 },
        { "\x1b[1;31mRed\x1b[0m text", "\x1b[1;31mRed text\r\n", "Red text", 0 },
        { "\x1bx", "\x1bx\r\n", "x", 0 },
        { "\x1b[2JHello more", "\x1b[2JHello more\r\n", "Hello more", 0 },
        { "", "\r\n", "", 0 },
    };
    for (const AssemblyCase& c : cases) {
        mush.Term.clear();
        buffer(0).clear();
        services.beeps = 0;
        receive(mush, c.received);
        EXPECT_EQ(mush.Term.written(), QByteArray(c.shown)) << c.received;
        EXPECT_EQ(buffer(0), "\r\n" + QByteArray(c.plain)) << c.received;
        EXPECT_EQ(services.beeps, c.beeps) << c.received;
    }
}

TEST_F(LineChainTest, MudChunksKeepLineEndsAndTreatTabsOnlyWithABell)
{
    const AssemblyCase cases[] = {
        { "a\tb\r\n", "a\tb\r\n", "a\tb\r\n", 0 },
        { "\aa\tb\r\n", "a    b\r\n", "a    b\r\n", 1 },
        { "x\r\ny\r\n", "x\r\ny\r\n", "x\r\ny\r\n", 0 },
        { "1234 me/note x", "1234 me/note x", "1234 me/note x", 0 },
        { "\x1b[32mgreen\r\n", "\x1b[32mgreen\r\n", "green\r\n", 0 },
    };
    for (const AssemblyCase& c : cases) {
        mud.Term.clear();
        buffer(1).clear();
        services.beeps = 0;
        receive(mud, c.received);
        EXPECT_EQ(mud.Term.written(), QByteArray(c.shown)) << c.received;
        EXPECT_EQ(buffer(1), QByteArray(c.plain)) << c.received;
        EXPECT_EQ(services.beeps, c.beeps) << c.received;
    }
    EXPECT_TRUE(frame.grabs.isEmpty());
}

TEST_F(LineChainTest, MushPiecesWithoutLineEndAreDroppedAndGrabAnswersGoToTheInputBox)
{
    program.state.WorldStates[0].Logging = true;
    chain.DataIn(mush, "no line end", false);
    receive(mush, "1234 me/note Some text.\r");
    EXPECT_EQ(frame.grabs, QList<QByteArray> { "1234 me/note Some text." });
    EXPECT_TRUE(mush.Term.events.isEmpty());
    EXPECT_TRUE(frame.logged.isEmpty());
    EXPECT_TRUE(buffer(0).isEmpty());

    chain.DataIn(mud, "no line end", false);
    EXPECT_EQ(mud.Term.written(), "no line end");
}

// Received text split at every byte over two units shows and buffers as the whole does: an
// escape sequence cut at the end of one unit is carried to the next, and shown once.
TEST_F(LineChainTest, SequencesCutBetweenUnitsAreCarriedAndShownOnce)
{
    program.state.Sites[0].BoldANSI = 1;
    const QByteArray inputs[] = {
        "Red \x1b[1;31mbold\x1b[0m plain\r\n",
        "\x1b[0;32mgreen\x1b[37mwhite\r\n",
        "a\x1b"
        "b\x1b[2Jc",
        "\x1b[38;5;208mX\x1b[m",
    };
    for (const QByteArray& input : inputs) {
        for (FakeWorldWindow* world : { &mush, &mud }) {
            const int slot = world->slot();
            const bool isMush = world == &mush;
            const QByteArray text = isMush ? QByteArray(input).replace("\r\n", "") : input;
            world->Term.clear();
            buffer(slot).clear();
            receive(*world, text);
            const QList<QByteArray> whole = joined(world->Term.events);
            const QByteArray wholePlain = buffer(slot);

            for (qsizetype cut = 0; cut <= text.size(); ++cut) {
                world->Term.clear();
                buffer(slot).clear();
                receive(*world, text.first(cut));
                if (isMush) {
                    // The first line's end is the only difference a MUSH world shows.
                    ASSERT_FALSE(world->Term.events.isEmpty());
                    ASSERT_TRUE(world->Term.events.last().endsWith("\r\n"));
                    world->Term.events.last().chop(2);
                }
                receive(*world, text.sliced(cut));
                ASSERT_EQ(joined(world->Term.events), whole) << text.constData() << " cut at " << cut;
                ASSERT_EQ(buffer(slot).replace("\r\n", ""), QByteArray(wholePlain).replace("\r\n", ""))
                    << text.constData() << " cut at " << cut;
            }
        }
    }
}

TEST_F(LineChainTest, EachWorldKeepsItsOwnEscapeFragment)
{
    receive(mud, "one \x1b[3");
    receive(otherMud, "two\r\n");
    receive(mud, "1mthree");
    EXPECT_EQ(mud.Term.written(), "one \x1b[31mthree");
    EXPECT_EQ(otherMud.Term.written(), "two\r\n");
    EXPECT_EQ(buffer(2), "two\r\n");

    receive(mud, "x\x1b[3");
    chain.ResetWorld(1);
    receive(mud, "1my");
    EXPECT_EQ(mud.Term.written(), "one \x1b[31mthreex1my") << "a reset slot forgets its fragment";
}

TEST_F(LineChainTest, AnOverlongUnfinishedSequenceIsDroppedNotCarried)
{
    receive(mud, "a\x1b[" + QByteArray(300, '1'));
    receive(mud, "mb");
    EXPECT_EQ(mud.Term.written(), "amb");
}

TEST_F(LineChainTest, AGaggedLineIsLoggedAndBufferedButNeitherTriggersNorShows)
{
    program.state.Features.GagsEnabled = 1;
    program.state.Features.TriggersEnabled = 1;
    program.state.WorldStates[0].Logging = true;
    program.state.GagList = { { "*has arrived.*" } };
    program.state.TriggerList = { { "*", "wave", 0 } };
    receive(mush, "\x1b[32mBob has arrived.\x1b[0m");
    EXPECT_EQ(frame.logged, (QList<std::pair<QByteArray, int>> { { "Bob has arrived.", 0 } }));
    EXPECT_EQ(buffer(0), "\r\nBob has arrived.");
    EXPECT_TRUE(mush.sent.isEmpty());
    EXPECT_TRUE(mush.Term.events.isEmpty());

    // The gag test sees the escapes: this pattern misses the coloured line.
    program.state.GagList = { { "* has arrived." } };
    receive(mush, "\x1b[32mBob has arrived.\x1b[0m");
    EXPECT_EQ(mush.sent, QList<QByteArray> { "wave\r\n" });
    EXPECT_EQ(mush.Term.written(), "\x1b[32mBob has arrived.\r\n");

    program.state.Features.GagsEnabled = 0;
    program.state.GagList = { { "*" } };
    receive(mush, "shown");
    EXPECT_TRUE(mush.Term.written().endsWith("shown\r\n"));
}

TEST_F(LineChainTest, MushTriggersSeeThePlainTextMudTriggersTheReceivedChunk)
{
    program.state.Features.TriggersEnabled = 1;
    program.state.TriggerList = { { "* has arrived.", "wave |", 1 } };
    receive(mush, "\x1b[32mBob has arrived.\x1b[0m");
    EXPECT_EQ(mush.sent, QList<QByteArray> { "wave Bob\r\n" });
    receive(mud, "\x1b[32mBob has arrived.\x1b[0m\r\n");
    EXPECT_TRUE(mud.sent.isEmpty());
    receive(mud, "Ann has arrived.");
    EXPECT_EQ(mud.sent, QList<QByteArray> { "wave Ann\r\n" });

    program.state.Features.TriggersEnabled = 0;
    receive(mush, "Bob has arrived.");
    EXPECT_EQ(mush.sent.size(), 1);
}

TEST_F(LineChainTest, AUnitForASlotOrSiteThatIsGoneRebuildsTheWorldList)
{
    FakeWorldWindow noSlot(7, 0);
    receive(noSlot, "x");
    FakeWorldWindow noSite(0, 9);
    receive(noSite, "x");
    EXPECT_EQ(frame.rebuilds, 2);

    // Another failure ends the unit quietly; the next one starts afresh.
    program.state.WorldStates[0].Logging = true;
    frame.logFailure = LanthornError(5, "Invalid procedure call");
    receive(mush, "lost");
    frame.logFailure.reset();
    receive(mush, "next");
    EXPECT_EQ(mush.Term.written(), "next\r\n");
    EXPECT_EQ(frame.rebuilds, 2);
}

TEST_F(LineChainTest, UnitsArrivingWhileAUnitIsProcessedWaitTheirTurn)
{
    frame.minimized = true;
    frame.notify = true;
    QByteArray shownWhileWaiting;
    bool arrived = false;
    services.whileShown = [&](const RecordedMessage&) {
        if (std::exchange(arrived, true))
            return;
        receive(mush, "second");
        receive(mud, "chunk");
        receive(mush, "third");
        shownWhileWaiting = mush.Term.written() + mud.Term.written();
    };
    receive(mush, "first");
    EXPECT_EQ(services.texts(), QStringList { "Activity in 1 Mush" });
    EXPECT_TRUE(shownWhileWaiting.isEmpty()) << "the chain is not entered again";
    EXPECT_EQ(mush.Term.written(), "first\r\nsecond\r\nthird\r\n");
    EXPECT_EQ(mud.Term.written(), "chunk");
    EXPECT_EQ(buffer(0), "\r\nfirst\r\nsecond\r\nthird");

    // A slot reset while units wait drops them.
    services.whileShown = [&](const RecordedMessage&) {
        receive(mud, "dropped");
        chain.ResetWorld(1);
    };
    program.state.NotifyPending = 0;
    receive(mush, "fourth");
    EXPECT_EQ(mud.Term.written(), "chunk");
}

} // namespace
