#include "shell/UnwrapText.h"

#include <gtest/gtest.h>

using namespace lanthorn;

namespace {

struct UnwrapCase {
    const char* name;
    QString selected;
    int indent;
    QString expected;
};

void PrintTo(const UnwrapCase& c, std::ostream* os)
{
    *os << c.name;
}

class UnwrapCopiedTextCases : public ::testing::TestWithParam<UnwrapCase> { };

TEST_P(UnwrapCopiedTextCases, JoinsTheWrapBreaksOnly)
{
    const UnwrapCase& c = GetParam();
    EXPECT_EQ(UnwrapCopiedText(c.selected, c.indent), c.expected);
}

INSTANTIATE_TEST_SUITE_P(Cases, UnwrapCopiedTextCases,
    ::testing::Values(UnwrapCase { "BreakWithTheIndentJoins", "two words\r\n   third", 3, "two words third" },
        UnwrapCase { "BreakWithFewerBlanksStays", "two words\r\n  third", 3, "two words\r\n  third" },
        UnwrapCase { "BreakWithoutBlanksStays", "one\r\ntwo", 3, "one\r\ntwo" },
        UnwrapCase { "EndsAreTrimmed", "   two words  ", 3, "two words" },
        UnwrapCase { "BlanksOnBothSidesOfABreakGo", "a   \r\n      b", 3, "a b" },
        UnwrapCase { "AWrappedLineComesBackWhole", "aaa\r\n  bbb\r\n  ccc\r\n  ddd", 2, "aaa bbb ccc ddd" },
        UnwrapCase { "TheWorldsOwnLinesStaySeparate", "line one\r\nline two\r\n  wrapped\r\n  on", 2,
            "line one\r\nline two wrapped on" },
        UnwrapCase { "BreaksSeparatedOnlyByBlanksBothJoin", "a  \r\n  \r\n  b", 2, "a b" },
        UnwrapCase { "ASelectionStartingAtABreak", "\r\n  a", 2, "a" },
        UnwrapCase { "ALineFeedAloneIsNoWrapBreak", "a\n  b", 2, "a\n  b" },
        UnwrapCase { "TabsAreNoBlanks", "\ta\r\n  b\t", 2, "\ta b\t" },
        UnwrapCase { "NoIndentKeepsEveryLine", " a\r\nb\r\n  c ", 0, "a\r\nb\r\n  c" },
        UnwrapCase { "ANegativeIndentIsNoIndent", "a\r\nb", -2, "a\r\nb" },
        UnwrapCase { "NothingSelected", "", 2, "" }),
    [](const ::testing::TestParamInfo<UnwrapCase>& info) { return std::string(info.param.name); });

TEST(RemoveLineBreaksTest, RemovesEveryCarriageReturnAndLineFeed)
{
    const std::pair<const char*, const char*> table[] = {
        { "a\r\nb", "ab" },
        { "a\rb\nc", "abc" },
        { "a\n\rb\r\n\r\nc", "abc" },
        { "\r\n", "" },
        { "no breaks  here ", "no breaks  here " },
        { "", "" },
    };
    for (const auto& [text, expected] : table)
        EXPECT_EQ(RemoveLineBreaks(QString::fromLatin1(text)), QString::fromLatin1(expected)) << text;
}

} // namespace
