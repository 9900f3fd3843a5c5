#include "core/SettingsValues.h"

#include "ErrorNumberOf.h"
#include "core/LanthornError.h"

#include <gtest/gtest.h>

using namespace lanthorn;
using lanthorn::testing::ErrorNumberOf;

TEST(SettingsValues, NumericValue)
{
    struct Case {
        const char* text;
        double value;
    } cases[] = {
        { "150", 150 },
        { "  -12", -12 },
        { "+7", 7 },
        { "9.75", 9.75 },
        { "12abc", 12 },
        { "abc", 0 },
        { "", 0 },
        { " ", 0 },
        { "&HFFFFFF", 16777215 },
        { "&H0&", 0 },
        { "&hff&", 255 },
        { "&H", 0 },
        { "True", 0 },
        { "1.5.3", 1.5 },
    };
    for (const Case& c : cases)
        EXPECT_DOUBLE_EQ(NumericValue(c.text), c.value) << c.text;
}

TEST(SettingsValues, IntegersRoundHalvesToEvenAndOverflowOutside16Bits)
{
    EXPECT_EQ(IntegerValue("2.5"), 2);
    EXPECT_EQ(IntegerValue("3.5"), 4);
    EXPECT_EQ(IntegerValue("-2.5"), -2);
    EXPECT_EQ(IntegerValue("32767"), 32767);
    EXPECT_EQ(IntegerValue("-32768"), -32768);
    for (const char* text : { "32768", "-32769", "99999999" })
        EXPECT_EQ(ErrorNumberOf([&] { IntegerValue(text); }), ErrorNumber::Overflow) << text;
    EXPECT_EQ(LongValue("&HFFFFFF"), 16777215);
}

TEST(SettingsValues, BooleanRules)
{
    EXPECT_TRUE(BooleanText("True"));
    EXPECT_TRUE(BooleanText("TRUE"));
    EXPECT_FALSE(BooleanText("false"));
    EXPECT_TRUE(BooleanText("-1"));
    EXPECT_FALSE(BooleanText("0"));
    EXPECT_EQ(ErrorNumberOf([] { BooleanText("yes"); }), ErrorNumber::TypeMismatch);
    EXPECT_FALSE(NumericBoolean("True")) << "numeric rule: words read as false";
    EXPECT_TRUE(NumericBoolean("1"));
    EXPECT_EQ(BoolText(true), "True");
}

TEST(SettingsValues, NumberText)
{
    EXPECT_EQ(NumberText(9585), "9585");
    EXPECT_EQ(NumberText(-1), "-1");
    EXPECT_EQ(NumberText(9.75), "9.75");
    EXPECT_EQ(NumberText(0), "0");
}
