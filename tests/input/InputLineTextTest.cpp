#include "input/InputLineText.h"

#include <gtest/gtest.h>

using namespace lanthorn;

namespace {

struct TextCase {
    const char* name;
    QString input;
    QString expected;
};

void PrintTo(const TextCase& c, std::ostream* os)
{
    *os << c.name;
}

std::string NameOf(const ::testing::TestParamInfo<TextCase>& info)
{
    return info.param.name;
}

class PrefixLinesCases : public ::testing::TestWithParam<TextCase> { };

TEST_P(PrefixLinesCases, EveryLineStartsWithThePrefix)
{
    EXPECT_EQ(PrefixLines(GetParam().input, QStringLiteral("say ")), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Say, PrefixLinesCases,
    ::testing::Values(TextCase { "OneLine", "hello", "say hello" },
        TextCase { "TwoLines", "hello\nthere", "say hello\nsay there" },
        TextCase { "TrailingBreak", "hello\n", "say hello\nsay " }, TextCase { "EmptyBox", "", "say " },
        TextCase { "OnlyABreak", "\n", "say \nsay " },
        TextCase { "CarriageReturnsStayWithTheirLineFeeds", "one\r\ntwo\r\n", "say one\r\nsay two\r\nsay " },
        TextCase { "ALoneCarriageReturnIsNoLineBreak", "one\rtwo", "say one\rtwo" },
        TextCase { "EmptyLinesInTheMiddle", "a\n\nb", "say a\nsay \nsay b" }),
    NameOf);

TEST(PrefixLinesTest, TakesAnyPrefix)
{
    EXPECT_EQ(PrefixLines(QStringLiteral("waves\nsmiles"), QStringLiteral("@emit ")),
        QStringLiteral("@emit waves\n@emit smiles"));
}

class GrabResultCases : public ::testing::TestWithParam<TextCase> { };

TEST_P(GrabResultCases, BuildsTheCommandOrSaysWhatIsWrong)
{
    EXPECT_EQ(GrabResult(GetParam().input), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Answers, GrabResultCases,
    ::testing::Values(TextCase { "Example", "1234 me/note Some text.", "&note me=Some text." },
        TextCase { "EmptyValue", "1234 me/note", "&note me=" },
        TextCase { "EmptyValueAfterABlank", "1234 me/note ", "&note me=" },
        TextCase { "ValueKeepsItsBlanks", "1234 #12/desc  two  blanks ", "&desc #12= two  blanks " },
        TextCase { "AttributeLosesItsBlanks", "1234 me/ note x", "& me=note x" },
        TextCase { "OnlyTheFirstSlashSplits", "1234 obj/attr/sub v", "&attr/sub obj=v" },
        TextCase { "NoObject", "1234 /attr v", "&attr =v" },
        TextCase { "LongerFirstWordValueStartsAfterTheSecondWord", "12345 me/x val", "&x me=val" }),
    NameOf);

INSTANTIATE_TEST_SUITE_P(Failures, GrabResultCases,
    ::testing::Values(
        TextCase { "NoSlashInTheSecondWord", "12345 word", "Invalid syntax: word Is it <object>/<attribute>?" },
        TextCase {
            "SecondWordKeepsItsTrailingBlank", "12345 word more", "Invalid syntax: word  Is it <object>/<attribute>?" },
        TextCase { "ShorterThanTheWordItNeeds", "1234", "Invalid syntax: 1234 Is it <object>/<attribute>?" },
        TextCase { "NoBlankAtAll", "1234me/x", "Invalid syntax: 1234me/x Is it <object>/<attribute>?" },
        TextCase { "EmptySecondWord", "1234  me/x v", "Invalid syntax:   Is it <object>/<attribute>?" }),
    NameOf);

} // namespace
