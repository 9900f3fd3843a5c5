#include "incoming/Triggers.h"

#include "FakeWorldWindow.h"
#include "ProgramTest.h"
#include "QtPrinters.h"
#include "incoming/FilterMatchers.h"

using namespace lanthorn;
using lanthorn::testing::FakeWorldWindow;
using lanthorn::testing::ProgramTest;

namespace {

struct ReactionCase {
    const char* reaction;
    int stackWord;
    const char* text;
    const char* sent;
};

TEST(TriggerReaction, PutsTheStackWordIntoEveryPlaceholder)
{
    const ReactionCase cases[] = {
        { "wave |", 1, "Bob has arrived.", "wave Bob" },
        { "wave |", 2, "Bob has arrived.", "wave has " },
        { "wave |", 7, "Bob has arrived.", "wave Bob has arrived." },
        { "say |, hi |", 1, "Ann has arrived.", "say Ann, hi Ann" },
        { "a|b", 0, "Ann has arrived.", "a|b" },
        { "x|y", 1, "a|b c", "xa|by" }, // a "|" the word brings is no placeholder
        { "bench-done |", 2, "BENCH-END token", "bench-done token" },
        // The world cannot add a line of its own: control characters leave the word.
        { "say |", 2, "x evil\r\nquit", "say evilquit" },
        { "say |", 1, "\x1b[32mBob\x1b[0m has arrived.\r\n", "say [32mBob[0m" },
    };
    for (const ReactionCase& c : cases) {
        const TriggerEntry trigger { "*", c.reaction, c.stackWord };
        EXPECT_EQ(TriggerReaction(trigger, QByteArray(c.text)), QByteArray(c.sent)) << c.reaction << " / " << c.text;
    }
}

class RunTriggersTest : public ProgramTest {
protected:
    FilterMatchers filters { program };
    FakeWorldWindow world;

    void run(const QByteArray& text) { RunTriggers(program, filters, text, world); }
};

TEST_F(RunTriggersTest, OnlyTheFirstMatchingTriggerSends)
{
    program.state.TriggerList
        = { { "* pages: *", "page first", 0 }, { "* has arrived.", "wave |", 1 }, { "Bob *", "second", 0 } };
    run("Bob has arrived.");
    run("Nobody home");
    run("Bob pages: hi");
    EXPECT_EQ(world.sent, (QList<QByteArray> { "wave Bob\r\n", "page first\r\n" }));
    EXPECT_TRUE(services.messages.isEmpty());
}

TEST_F(RunTriggersTest, AFailedSendIsReportedWithTheTriggerMessage)
{
    program.state.TriggerList = { { "*", "hello", 0 } };
    world.sendFailure = LanthornError(ErrorNumber::NotConnected, "Not connected");
    run("x");
    ASSERT_EQ(services.messages.size(), 1);
    EXPECT_EQ(services.messages[0].text,
        "An error occured when performing a trigger: You may have incorrect syntax.25058Not connected");
    EXPECT_EQ(services.messages[0].icon, MessageIcon::Warning);
}

// Invalid patterns are reported once per change of their list, and left out meanwhile.
TEST_F(RunTriggersTest, InvalidPatternsAreReportedOncePerListChange)
{
    struct ListCase {
        const char* name;
        std::function<void(const QByteArray&)> setList;
        std::function<bool(const QByteArray&)> test;
        QString message;
    };
    const ListCase lists[] = {
        { "gags",
            [&](const QByteArray& p) {
                program.state.GagList = { { "[abc" }, { p } };
            },
            [&](const QByteArray& t) { return filters.IsGagged(t); }, kGagErrorMessage },
        { "omissions",
            [&](const QByteArray& p) {
                program.state.LogOmissions = { { "[abc" }, { p } };
            },
            [&](const QByteArray& t) { return filters.IsOmitted(t); }, kOmissionErrorMessage },
        { "triggers",
            [&](const QByteArray& p) {
                program.state.TriggerList = { { "[abc", "no", 0 }, { p, "yes", 0 } };
            },
            [&](const QByteArray& t) { return filters.FindTrigger(t).has_value(); }, kTriggerErrorMessage },
    };
    for (const ListCase& list : lists) {
        services.messages.clear();
        list.setList("*x*");
        EXPECT_TRUE(list.test("a x")) << list.name << ": the valid entry still works";
        EXPECT_FALSE(list.test("abc")) << list.name;
        EXPECT_FALSE(list.test("[abc")) << list.name;
        ASSERT_EQ(services.messages.size(), 1) << list.name;
        EXPECT_EQ(services.messages[0].text, list.message + "93Invalid pattern string") << list.name;

        list.setList("*x*"); // loaded again with the same contents
        list.test("x");
        EXPECT_EQ(services.messages.size(), 1) << list.name;

        list.setList("*y*");
        EXPECT_TRUE(list.test("y")) << list.name;
        EXPECT_EQ(services.messages.size(), 2) << list.name << ": a changed list is checked again";
    }
}

} // namespace
