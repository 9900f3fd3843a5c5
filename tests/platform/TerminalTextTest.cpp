// The text a terminal keeps: decoding, wrapping at the display's width, the screen and the
// scroll-back.
#include "LiteralBytes.h"
#include "TerminalTestSupport.h"

#include <gtest/gtest.h>

using namespace lanthorn;
using lanthorn::testing::bytes;
using lanthorn::testing::ExpectSameAtEverySplit;

namespace {

QString allText(const TerminalModel& model)
{
    return model.ScrollbackText() + model.ScreenText();
}

TEST(TerminalText, DecodesUtf8AndFallsBackToLatin1)
{
    struct Case {
        QByteArray bytes;
        QString shown;
    };
    const Case cases[] = {
        { bytes("caf\xc3\xa9"), QStringLiteral("caf\u00e9") },
        { bytes("\xe2\x82\xac 5"), QStringLiteral("\u20ac 5") },
        { bytes("\xf0\x9f\x98\x80!"), QStringLiteral("\U0001F600!") },
        // Not UTF-8: every byte is Latin-1 (as a server on a Latin-1 link sends it).
        { bytes("caf\xe9 \xff\xff ?"), QStringLiteral("caf\u00e9 \u00ff\u00ff ?") },
        { bytes("\xc3"), QString() },
        { bytes("\xc3 x"), QStringLiteral("\u00c3 x") },
        { bytes("\xc0\xaf"), QStringLiteral("\u00c0\u00af") }, // overlong
        { bytes("\xed\xa0\xbf"), QStringLiteral("\u00ed\u00a0\u00bf") }, // a surrogate
        { bytes("\xf4\x90\x80\x80"), QStringLiteral("\u00f4") }, // above U+10FFFF; the rest are C1
        { bytes("\xe2\x82"
                "A"),
            QStringLiteral("\u00e2"
                           "A") },
        { bytes("\xa9\xa9"), QStringLiteral("\u00a9\u00a9") },
        // C1 control characters have no picture, from UTF-8 or from Latin-1.
        { bytes("a\xc2\x85"
                "b\x85\x9b"
                "c"),
            QStringLiteral("abc") },
        // Text interrupted by a control or a sequence: the cut-off bytes are Latin-1.
        { bytes("\xc3\x1b[31m\xa9"), QStringLiteral("\u00c3\u00a9") },
        { bytes("\xe2\x82\r\n\xac"), QStringLiteral("\u00e2\r\n\u00ac") },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.bytes.toHex().toStdString());
        TerminalModel model;
        model.Disp(c.bytes);
        EXPECT_EQ(model.ScreenText(), c.shown);
        ExpectSameAtEverySplit(c.bytes);
    }

    // A character cut between two writes waits for its last byte.
    TerminalModel model;
    model.Disp("caf\xe2\x82");
    EXPECT_EQ(model.ScreenText(), QStringLiteral("caf"));
    model.Disp("\xac!");
    EXPECT_EQ(model.ScreenText(), QStringLiteral("caf\u20ac!"));
}

TEST(TerminalText, WrapsAtTheDisplayOrTheProgramsWidth)
{
    struct Case {
        int viewColumns;
        int screenColumns;
        QByteArray bytes;
        QString shown;
    };
    const Case cases[] = {
        { 10, 0, "0123456789abcdefghij12", QStringLiteral("0123456789\r\nabcdefghij\r\n12") },
        // A row filled exactly ends with its line end, without an empty row between.
        { 10, 0, "0123456789\r\nx", QStringLiteral("0123456789\r\nx") },
        { 20, 5, "abcdefghij", QStringLiteral("abcde\r\nfghij") },
        { 5, 20, "abcdefghij", QStringLiteral("abcde\r\nfghij") },
        { 0, 4, "abcdefghij", QStringLiteral("abcd\r\nefgh\r\nij") },
        { 0, 0, "abcdefghij", QStringLiteral("abcdefghij") },
        // Colours do not count: escapes take no columns.
        { 4, 0, "ab\x1b[31m\x1b[1mcd\x1b[0mef", QStringLiteral("abcd\r\nef") },
        // Characters outside the basic plane are never cut in two.
        { 3, 0,
            "ab\xf0\x9f\x98\x80"
            "c",
            QStringLiteral("ab\r\n\U0001F600c") },
        { 1, 0,
            "\xf0\x9f\x98\x80"
            "c",
            QStringLiteral("\U0001F600\r\nc") },
        // A tab stops at the edge.
        { 10, 0, "abcdefg\tX", QStringLiteral("abcdefg X") },
        { 10, 0, "abcdefghi\tX", QStringLiteral("abcdefghi \r\nX") },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.bytes.toStdString());
        const auto setup = [&c](TerminalModel& model) {
            model.setViewColumns(c.viewColumns);
            model.setScreenColumns(c.screenColumns);
        };
        TerminalModel model;
        setup(model);
        model.Disp(c.bytes);
        EXPECT_EQ(model.ScreenText(), c.shown);
        ExpectSameAtEverySplit(c.bytes, setup);
    }
}

TEST(TerminalText, ANewWidthRewrapsTheKeptText)
{
    TerminalModel model;
    model.setRows(50);
    model.setViewColumns(4);
    model.Disp("abc\x1b[31mdefghij\r\nxy\r\n\r\nlast line");
    EXPECT_EQ(model.ScreenText(), QStringLiteral("abcd\r\nefgh\r\nij\r\nxy\r\n\r\nlast\r\n lin\r\ne"));
    const quint64 generation = model.layoutGeneration();

    model.setViewColumns(5);
    EXPECT_EQ(model.ScreenText(), QStringLiteral("abcde\r\nfghij\r\nxy\r\n\r\nlast \r\nline"));
    EXPECT_GT(model.layoutGeneration(), generation);
    const TerminalLine& first = model.line(model.firstRow());
    EXPECT_EQ(first.styleAt(2).colours().fore, kPalette[0]);
    EXPECT_EQ(first.styleAt(3).colours().fore, kPalette[4]) << "colours stay with their characters";

    // Text written after the change wraps at the new width and continues the last row.
    model.Disp("s and more");
    EXPECT_EQ(model.ScreenText(), QStringLiteral("abcde\r\nfghij\r\nxy\r\n\r\nlast \r\nlines\r\n and \r\nmore"));

    // The program's width limits the display's; removing it lets lines grow again.
    model.setViewColumns(80);
    model.setScreenColumns(6);
    EXPECT_EQ(model.ScreenText(), QStringLiteral("abcdef\r\nghij\r\nxy\r\n\r\nlast l\r\nines a\r\nnd mor\r\ne"));
    model.setScreenColumns(0);
    EXPECT_EQ(model.ScreenText(), QStringLiteral("abcdefghij\r\nxy\r\n\r\nlast lines and more"));
}

TEST(TerminalText, RewrappingKeepsTheScreenStartAndTheBounds)
{
    TerminalModel model;
    model.setRows(4);
    model.setScrollbackRows(3);
    model.setViewColumns(10);
    model.Disp("old line one\r\nold two\x1b[Jnew 0123456789");
    EXPECT_EQ(model.ScreenText(), QStringLiteral("new 012345\r\n6789"));
    model.setViewColumns(5);
    EXPECT_EQ(model.ScreenText(), QStringLiteral("new 0\r\n12345\r\n6789"));
    EXPECT_LE(model.lastRow() - model.firstRow() + 1, 7);
    EXPECT_EQ(model.ScrollbackText(), QStringLiteral("ne\r\nold t\r\nwo\r\n"));
}

TEST(TerminalText, ScreenAndScrollback)
{
    TerminalModel model;
    model.setRows(3);
    model.setScrollbackRows(2);
    for (int i = 1; i <= 10; ++i)
        model.Disp(QByteArray::number(i) + "\r\n");
    EXPECT_EQ(model.ScreenText(), QStringLiteral("9\r\n10\r\n"));
    EXPECT_EQ(model.ScrollbackText(), QStringLiteral("7\r\n8\r\n"));
    EXPECT_EQ(model.lastRow() - model.firstRow() + 1, 5);

    // A bigger scroll-back keeps more of what comes next; none of what went is back.
    model.setScrollbackRows(4);
    model.Disp("11\r\n12");
    EXPECT_EQ(model.ScreenText(), QStringLiteral("10\r\n11\r\n12"));
    EXPECT_EQ(model.ScrollbackText(), QStringLiteral("7\r\n8\r\n9\r\n"));

    // 0 and back empties the scroll-back and keeps the screen.
    model.setScrollbackRows(0);
    model.setScrollbackRows(100);
    EXPECT_EQ(model.ScrollbackText(), QString());
    EXPECT_EQ(model.ScreenText(), QStringLiteral("10\r\n11\r\n12"));

    // Fewer rows move the top of the screen into the scroll-back.
    model.setRows(1);
    EXPECT_EQ(model.ScreenText(), QStringLiteral("12"));
    EXPECT_EQ(model.ScrollbackText(), QStringLiteral("10\r\n11\r\n"));
}

TEST(TerminalText, ScrollbackFollowedByScreenIsEverythingShown)
{
    TerminalModel model;
    model.setRows(7);
    model.setScrollbackRows(1000);
    model.setViewColumns(12);
    QByteArray written;
    QString expected;
    for (int i = 0; i < 40; ++i) {
        const QByteArray line = "\x1b[3" + QByteArray::number(i % 8) + "mline " + QByteArray::number(i)
            + (i % 3 == 0 ? " with more words" : "") + "\x1b[0m\r\n";
        written += line;
        QString plain
            = QStringLiteral("line %1").arg(i) + (i % 3 == 0 ? QStringLiteral(" with more words") : QString());
        while (plain.size() > 12) {
            expected += plain.left(12) + QStringLiteral("\r\n");
            plain = plain.mid(12);
        }
        expected += plain + QStringLiteral("\r\n");
    }
    model.Disp(written);
    EXPECT_EQ(allText(model), expected);
    EXPECT_EQ(model.ScreenText().count(QStringLiteral("\r\n")), 6);
}

TEST(TerminalText, TextBetweenPositions)
{
    TerminalModel model;
    model.setRows(3);
    model.setScrollbackRows(2);
    model.Disp("alpha\r\nbravo\r\ncharlie\r\ndelta");
    const qint64 a = model.firstRow();
    struct Case {
        TerminalPosition from;
        TerminalPosition to;
        QString text;
    };
    const Case cases[] = {
        { { a, 1 }, { a, 4 }, QStringLiteral("lph") },
        { { a, 4 }, { a, 1 }, QStringLiteral("lph") },
        { { a, 3 }, { a + 2, 2 }, QStringLiteral("ha\r\nbravo\r\nch") },
        { { a + 1, 0 }, { a + 1, 99 }, QStringLiteral("bravo") },
        { { a + 3, 2 }, { a + 9, 0 }, QStringLiteral("lta") },
        { { a, 2 }, { a, 2 }, QString() },
        { { a - 5, 0 }, { a, 2 }, QStringLiteral("al") },
    };
    for (const Case& c : cases)
        EXPECT_EQ(model.textBetween(c.from, c.to), c.text);

    // Positions keep pointing at the same text while new rows arrive and old ones go.
    model.Disp("\r\necho\r\nfoxtrot");
    EXPECT_EQ(model.firstRow(), a + 1);
    EXPECT_EQ(model.textBetween({ a + 1, 1 }, { a + 2, 3 }), QStringLiteral("ravo\r\ncha"));
    EXPECT_EQ(model.textBetween({ a, 1 }, { a + 1, 3 }), QStringLiteral("bra"))
        << "the part no longer kept is left out";
    EXPECT_EQ(model.textBetween({ a - 9, 0 }, { a, 3 }), QString());
}

} // namespace
