#include "core/GetWord.h"

#include <gtest/gtest.h>

using lanthorn::GetWord;

TEST(GetWord, CutsAtEverySingleBlank)
{
    struct Case {
        const char* text;
        int n;
        const char* word;
    } cases[] = {
        { "Bob has arrived.", 0, "3" },
        { "Bob has arrived.", 1, "Bob" },
        { "Bob has arrived.", 2, "has " },
        { "Bob has arrived.", 3, "arrived." },
        { "Bob has arrived.", 4, "Bob has arrived." },
        { "Bob has arrived.", 7, "Bob has arrived." },
        { "Bob has arrived.", -1, "Bob has arrived." },
        { "single", 0, "1" },
        { "single", 1, "single" },
        { "single", 2, "single" },
        { "a  b", 0, "3" },
        { "a  b", 2, " " },
        { "a  b", 3, "b" },
        { "trailing ", 2, "" },
        { " lead", 1, "" },
        { "", 0, "1" },
        { "", 1, "" },
        { "/grab a b", 2, "a " },
    };
    for (const Case& c : cases) {
        EXPECT_EQ(GetWord(QString(c.text), c.n), QString(c.word)) << c.text << " / " << c.n;
        EXPECT_EQ(GetWord(QByteArray(c.text), c.n), QByteArray(c.word)) << c.text << " / " << c.n;
    }
}
