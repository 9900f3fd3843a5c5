#include "incoming/WordWrap.h"

#include "EscapeText.h"
#include "QtPrinters.h"

#include <QList>
#include <gtest/gtest.h>
#include <random>

using namespace lanthorn;
using lanthorn::testing::columnsOf;

namespace {

struct WrapCase {
    const char* text;
    int width;
    int indent;
    const char* expected;
};

TEST(WordWrap, BreaksAtTheLastBlankOrHardAtTheWidth)
{
    const WrapCase cases[] = {
        { "aaa bbb ccc ddd", 7, 2, "aaa\r\n  bbb\r\n  ccc\r\n  ddd" },
        { "abcdefgh", 3, 0, "abc\r\ndef\r\ngh" },
        { "\x1b[31mabc def", 5, 0, "\x1b[31mabc\r\ndef" },
        { " abcdef", 3, 0, " ab\r\ncde\r\nf" }, // the only blank is the first character
        { "short", 80, 2, "short" },
        { "exactly", 7, 2, "exactly" },
        { "aaa bbb", 4, 0, "aaa\r\nbbb" },
        { "one two three four", 10, 2, "one two\r\n  three\r\n  four" },
        // Escape sequences take no columns, whatever their length.
        { "\x1b[38;5;208mabcde fghij", 6, 0, "\x1b[38;5;208mabcde\r\nfghij" },
        { "\x1b[1;31mab\x1b[0m cd\x1b[0m", 3, 0, "\x1b[1;31mab\x1b[0m\r\ncd\x1b[0m" },
        { "abc\x1b[0m", 3, 0, "abc\x1b[0m" },
        { "abc\x1b[31mdef", 3, 0, "abc\r\n\x1b[31mdef" },
        { "ab\x1b"
          "cd",
            3, 0,
            "ab\x1b"
            "c\r\nd" },
        // A UTF-8 character is one column and is never cut.
        { "\xc3\xa9\xc3\xa9\xc3\xa9\xc3\xa9\xc3\xa9", 2, 0, "\xc3\xa9\xc3\xa9\r\n\xc3\xa9\xc3\xa9\r\n\xc3\xa9" },
        { "\xc3\xa9\xc3\xa9\xc3\xa9", 3, 0, "\xc3\xa9\xc3\xa9\xc3\xa9" },
        // Widths the indent does not leave room in, and widths below 1.
        { "aaa bbb", 2, 4, "aa\r\na\r\nbb\r\nb" },
        { "aaa bbb", 3, 3, "aaa\r\n bb\r\nb" },
        { "aaa bbb", 0, 0, "aaa bbb" },
        { "aaa bbb", -5, 2, "aaa bbb" },
    };
    for (const WrapCase& c : cases) {
        EXPECT_EQ(WordWrap(QByteArray(c.text), c.width, c.indent), QByteArray(c.expected))
            << c.text << " / " << c.width << " / " << c.indent;
    }
}

TEST(WordWrap, EveryLineFitsAndNothingButBreakBlanksIsLost)
{
    std::mt19937 random(5);
    const QList<QByteArray> pieces = { "a", "bb", "word", " ", " ", "  ", "\xc3\xa9", "\xe2\x82\xac", "\x1b[1m",
        "\x1b[0m", "\x1b[1;31m", "\x1b[38;5;208m", "\x1b[48;2;10;20;30m",
        "\x1b"
        "x",
        "longerwordhere" };
    const auto withoutBlanks = [](QByteArray text) {
        text.replace("\r\n", "");
        text.replace(" ", "");
        return text;
    };
    for (int round = 0; round < 20000; ++round) {
        QByteArray text;
        const int count = int(random() % 30);
        for (int i = 0; i < count; ++i)
            text += pieces[int(random() % unsigned(pieces.size()))];
        const int width = 1 + int(random() % 20);
        const int indent = int(random() % 6);
        const QByteArray wrapped = WordWrap(text, width, indent);
        const QList<QByteArray> lines = wrapped.split('\n');
        for (qsizetype i = 0; i < lines.size(); ++i) {
            QByteArray line = lines[i];
            if (line.endsWith('\r'))
                line.chop(1);
            ASSERT_LE(columnsOf(line), width) << text.constData() << " width " << width;
            if (i > 0 && width > indent) {
                ASSERT_TRUE(line.startsWith(QByteArray(indent, ' ')));
            }
        }
        ASSERT_EQ(withoutBlanks(wrapped), withoutBlanks(text)) << text.constData();
    }
}

} // namespace
