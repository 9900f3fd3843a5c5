#include "input/SendHistory.h"

#include "core/ProgramState.h"

#include <gtest/gtest.h>
#include <vector>

using namespace lanthorn;

namespace {

// One key of the walk: a line stored (Enter or Ctrl+B), Ctrl+P or Ctrl+N, with what the box
// then shows and where the cursor is afterwards; or the cursor put somewhere by hand.
struct Step {
    enum Op { Add, Back, Forward, SetCursor } op;
    QString text; // Add: the line stored; Back/Forward: the entry the box shows
    int cursorAfter;
};

struct Walk {
    const char* name;
    std::vector<Step> steps;
};

void PrintTo(const Walk& walk, std::ostream* os)
{
    *os << walk.name;
}

class SendHistoryWalk : public ::testing::TestWithParam<Walk> { };

TEST_P(SendHistoryWalk, ShowsEntriesAndMovesTheCursor)
{
    ProgramState state;
    SendHistory history(state);
    int index = 0;
    for (const Step& step : GetParam().steps) {
        SCOPED_TRACE(::testing::Message() << "step " << index++);
        switch (step.op) {
        case Step::Add:
            history.AddToHistory(step.text);
            break;
        case Step::Back:
            EXPECT_EQ(history.HistoryBack(), step.text);
            break;
        case Step::Forward:
            EXPECT_EQ(history.HistoryForward(), step.text);
            break;
        case Step::SetCursor:
            state.HistoryCursor = step.cursorAfter;
            break;
        }
        EXPECT_EQ(state.HistoryCursor, step.cursorAfter);
    }
}

const Step::Op Add = Step::Add;
const Step::Op Back = Step::Back;
const Step::Op Forward = Step::Forward;
const Step::Op SetCursor = Step::SetCursor;

std::vector<Step> backsOverEmptySlots(int from, int to)
{
    std::vector<Step> steps;
    for (int slot = from; slot >= to; --slot)
        steps.push_back({ Back, "", slot == 1 ? kHistorySlots : slot - 1 });
    return steps;
}

std::vector<Step> concat(std::vector<Step> a, const std::vector<Step>& b)
{
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

INSTANTIATE_TEST_SUITE_P(Cases, SendHistoryWalk,
    ::testing::Values(Walk { "FreshProgramBackShowsAnEmptyLine", { { Back, "", 39 } } },
        Walk { "FreshProgramForwardShowsTheNewestSlotThenWraps", { { Forward, "", 1 }, { Forward, "", 2 } } },
        Walk { "BackThenForwardShowsTheSameEntryAgain",
            { { Add, "A", 40 }, { Add, "B", 40 }, { Add, "C", 40 }, { Back, "C", 39 }, { Back, "B", 38 },
                { Forward, "B", 39 }, { Forward, "C", 40 }, { Forward, "C", 1 }, { Forward, "", 2 } } },
        Walk { "BackPastTheOldestSlotContinuesAtTheNewest",
            concat(
                concat({ { Add, "A", 40 }, { Back, "A", 39 } }, backsOverEmptySlots(39, 1)), { { Back, "A", 39 } }) },
        Walk { "ForwardPastTheNewestSlotContinuesAtTheOldest",
            { { Add, "old", 40 }, { Back, "old", 39 }, { Forward, "old", 40 }, { Forward, "old", 1 },
                { Forward, "", 2 } } },
        Walk { "StoringALineResetsTheCursor",
            { { Add, "A", 40 }, { Back, "A", 39 }, { Back, "", 38 }, { Add, "B", 40 }, { Back, "B", 39 },
                { Back, "A", 38 } } },
        Walk { "EmptyDuplicateAndMultiLineEntriesAreKeptAsTheyAre",
            { { Add, "", 40 }, { Add, "x", 40 }, { Add, "x", 40 }, { Add, "two\nlines", 40 },
                { Back, "two\nlines", 39 }, { Back, "x", 38 }, { Back, "x", 37 }, { Back, "", 36 } } },
        Walk { "BackFromACursorBelowTheSlotsStartsAtTheNewest",
            { { Add, "A", 40 }, { Add, "B", 40 }, { SetCursor, "", 0 }, { Back, "B", 39 } } },
        Walk { "ForwardFromACursorAboveTheSlotsStartsAtTheNewest",
            { { Add, "A", 40 }, { SetCursor, "", 99 }, { Forward, "A", 1 } } }),
    [](const ::testing::TestParamInfo<Walk>& info) { return std::string(info.param.name); });

TEST(SendHistoryTest, TheFortyFirstLinePushesOutTheFirst)
{
    ProgramState state;
    SendHistory history(state);
    for (int i = 1; i <= kHistorySlots + 1; ++i)
        history.AddToHistory(QStringLiteral("line %1").arg(i));
    for (int slot = 1; slot <= kHistorySlots; ++slot)
        EXPECT_EQ(history.entry(slot), QStringLiteral("line %1").arg(slot + 1)) << "slot " << slot;
    EXPECT_EQ(history.entry(0), QString()) << "slot 0 is never used";
    EXPECT_EQ(history.entry(kHistorySlots + 1), QString());
    EXPECT_EQ(state.SendHistory[0], QString());
}

} // namespace
