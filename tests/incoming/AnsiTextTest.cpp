#include "incoming/AnsiText.h"

#include "QtPrinters.h"

#include <gtest/gtest.h>

using namespace lanthorn;

namespace {

TEST(DerivePlainText, RemovesEverySequenceAndMarksOneLeftUnfinished)
{
    struct Case {
        QByteArray text;
        QByteArray plain;
        qsizetype complete;
    } cases[] = {
        { "plain", "plain", 5 },
        { "\x1b[1;31mRed\x1b[0m text", "Red text", 19 },
        { "\x1b"
          "x",
            "x", 2 },
        { "\x1b[2JHello more", "Hello more", 14 },
        { "a\x1b[?25hb\x1b[38;5;208mc", "abc", 20 },
        { "abc\x1b", "abc", 3 },
        { "abc\x1b[", "abc", 3 },
        { "abc\x1b[3", "abc", 3 },
        { "abc\x1b[1;3", "abc", 3 },
        { "\x1b[31m\x1b", "", 5 },
        { "", "", 0 },
    };
    for (const Case& c : cases) {
        const PlainText result = DerivePlainText(c.text);
        EXPECT_EQ(result.plain, c.plain) << c.text.constData();
        EXPECT_EQ(result.complete, c.complete) << c.text.constData();
    }
}

} // namespace
