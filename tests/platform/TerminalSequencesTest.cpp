// What the terminal makes of control characters and escape sequences other than colours, of
// sequences cut between writes, and of hostile input.
#include "LiteralBytes.h"
#include "TerminalTestSupport.h"

#include <gtest/gtest.h>

using namespace lanthorn;
using lanthorn::testing::bytes;
using lanthorn::testing::DumpTerminal;
using lanthorn::testing::ExpectSameAtEverySplit;

namespace {

struct ShownCase {
    QByteArray input;
    const char* shown; // ScreenText afterwards, UTF-8
};

TEST(TerminalSequences, OtherSequencesAndControlsShowNothing)
{
    const ShownCase cases[] = {
        { bytes("a\x1b[2Kb"), "ab" },
        { bytes("a\x1b[10;20Hb"), "ab" },
        { bytes("a\x1b[?25lb"), "ab" },
        { bytes("a\x1b[>0cb"), "ab" },
        { bytes("a\x1b[1 qb"), "ab" },
        { bytes("a\x1b[5Ab"), "ab" },
        { bytes("a\x1b]0;window title\x07"
                "b"),
            "ab" },
        { bytes("a\x1b]8;;http://x\x1b\\b"), "ab" },
        { bytes("a\x1bPq#0;2;0;0;0\x1b\\b"), "ab" },
        { bytes("a\x1b_app\x1b\\b"), "ab" },
        { bytes("a\x1b(Bb"), "ab" },
        { bytes("a\x1b#8b"), "ab" },
        { bytes("a\x1b"
                "7b"),
            "ab" },
        { bytes("a\x1b=b"), "ab" },
        { bytes("a\x1b\x1b\x1b[31mb"), "ab" },
        { bytes("a\x07\x08\x0b\x0c\x0e\x7f\x1c\x00"
                "b"),
            "ab" },
        // A lone CR shows nothing; CR LF and LF both end the line.
        { bytes("a\rb\r\nc\nd"), "ab\r\nc\r\nd" },
        { bytes("a\n\r\nb"), "a\r\n\r\nb" },
        // An ESC or CAN in the middle of a sequence ends it.
        { bytes("a\x1b[31\x1b[0mb"), "ab" },
        { bytes("a\x1b[31\x18"
                "b"),
            "ab" },
        { bytes("a\x1b]title\x1b[0mb"), "ab" },
        // Control characters act inside a sequence.
        { bytes("a\x1b[3\n1mb"), "a\r\nb" },
        // A stray string opener does not swallow the lines after it.
        { bytes("a\x1b]never ended\r\nb"), "a\r\nb" },
        // A byte that cannot belong to a sequence ends it and is text again.
        { bytes("a\x1b[3\xc3\xa9"
                "b"),
            "a\xc3\xa9"
            "b" },
        { bytes("a\x1b\xc3\xa9"
                "b"),
            "a\xc3\xa9"
            "b" },
        // Tabs go to the next multiple of eight columns.
        { bytes("a\tb"), "a       b" },
        { bytes("12345678\tb"), "12345678        b" },
    };
    for (const ShownCase& c : cases) {
        SCOPED_TRACE(c.input.toStdString());
        TerminalModel model;
        model.Disp(c.input);
        EXPECT_EQ(model.ScreenText(), QString::fromUtf8(c.shown));
        ExpectSameAtEverySplit(c.input);
    }
}

TEST(TerminalSequences, ClearScreen)
{
    const QByteArray clears[] = { "\x1b[J", "\x1b[0J", "\x1b[2J", "\x1b[3J", "\x1b[?2J" };
    for (const QByteArray& clear : clears) {
        SCOPED_TRACE(clear.toStdString());
        TerminalModel model;
        model.setRows(3);
        model.Disp("one\r\ntwo\r\nthree" + clear + "four\r\nfive");
        EXPECT_EQ(model.ScreenText(), QStringLiteral("four\r\nfive"));
        EXPECT_EQ(model.ScrollbackText(), QStringLiteral("one\r\ntwo\r\nthree\r\n"))
            << "what was on the screen can still be scrolled back to";
        ExpectSameAtEverySplit("one\r\ntwo\r\nthree" + clear + "four\r\nfive", [](TerminalModel& m) { m.setRows(3); });
    }

    // Cleared after a line end: no empty row is left behind; the screen fills from its top.
    TerminalModel model;
    model.setRows(3);
    model.Disp("one\r\n\x1b[J");
    EXPECT_EQ(model.ScreenText(), QString());
    EXPECT_EQ(model.ScrollbackText(), QStringLiteral("one\r\n"));
    model.Disp("a\r\nb\r\nc\r\nd");
    EXPECT_EQ(model.ScreenText(), QStringLiteral("b\r\nc\r\nd"));
    EXPECT_EQ(model.ScrollbackText(), QStringLiteral("one\r\na\r\n"));

    // setScreenText("") clears the same way; other text is written on the cleared screen.
    model.setScreenText(QString());
    EXPECT_EQ(model.ScreenText(), QString());
    model.setScreenText(QStringLiteral("fresh \u00e9"));
    EXPECT_EQ(model.ScreenText(), QStringLiteral("fresh \u00e9"));
    EXPECT_EQ(model.ScrollbackText(), QStringLiteral("one\r\na\r\nb\r\nc\r\nd\r\n"));
}

TEST(TerminalSequences, ClearingKeepsTheColours)
{
    TerminalModel model;
    model.Disp("\x1b[31mred\x1b[Jstill red");
    EXPECT_EQ(model.line(model.lastRow()).styleAt(0).colours().fore, (Rgb { 128, 0, 0 }));
}

// Hostile or broken input: nothing crashes, nothing is shown that was not text, and the kept
// rows stay within the settings however much arrives.
TEST(TerminalSequences, HostileInputStaysBounded)
{
    constexpr int kRows = 5;
    constexpr int kScrollback = 10;
    struct Flood {
        const char* name;
        QByteArray input;
        QString shownAtEnd;
    };
    const Flood floods[] = {
        { "a sequence with 100,000 digits", "\x1b[" + QByteArray(100000, '9') + "mX", "X" },
        { "100,000 parameters", "\x1b[" + QByteArray(100000, ';') + "31mX", "X" },
        { "100,000 digits never ended", "\x1b[" + QByteArray(100000, '1'), "" },
        { "100,000 ESC bytes", QByteArray(100000, '\x1b') + "[0mok", "ok" },
        { "a string of a megabyte", "\x1b]" + QByteArray(1 << 20, 'x') + "\x07ok", "ok" },
        { "10 MB without a line end", QByteArray(10 << 20, 'x'), {} },
        { "a million line ends", QByteArray(1000000, '\n') + "end", "end" },
        { "a megabyte of tabs", QByteArray(1 << 20, '\t'), {} },
        { "a megabyte of cut UTF-8", QByteArray(1 << 20, '\xe2'), {} },
    };
    for (const Flood& flood : floods) {
        SCOPED_TRACE(flood.name);
        TerminalModel model;
        model.setRows(kRows);
        model.setScrollbackRows(kScrollback);
        model.setViewColumns(80);
        // In pieces as the network would deliver them, and once whole.
        for (qsizetype at = 0; at < flood.input.size(); at += 4096)
            model.Disp(flood.input.mid(at, 4096));
        model.Disp(flood.input);
        EXPECT_LE(model.lastRow() - model.firstRow() + 1, kRows + kScrollback);
        for (qint64 row = model.firstRow(); row <= model.lastRow(); ++row) {
            ASSERT_LE(model.line(row).length(), 80);
            ASSERT_LE(model.line(row).runs().size(), 80u);
        }
        if (!flood.shownAtEnd.isNull()) {
            EXPECT_TRUE(model.ScreenText().endsWith(flood.shownAtEnd));
        }
    }

    // Without a display width a line still wraps at the widest row kept.
    TerminalModel model;
    model.setScrollbackRows(kScrollback);
    model.Disp(QByteArray(10 << 20, 'x'));
    EXPECT_LE(model.lastRow() - model.firstRow() + 1, model.Rows() + kScrollback);
    EXPECT_EQ(model.line(model.firstRow()).length(), TerminalModel::kMaxColumns);
}

TEST(TerminalSequences, SettingsAreClamped)
{
    TerminalModel model;
    model.setRows(0);
    EXPECT_EQ(model.Rows(), 1);
    model.setRows(1 << 30);
    EXPECT_EQ(model.Rows(), TerminalModel::kMaxRows);
    model.setScrollbackRows(-5);
    EXPECT_EQ(model.ScrollbackRows(), 0);
    model.setScrollbackRows(1 << 30);
    EXPECT_EQ(model.ScrollbackRows(), TerminalModel::kMaxScrollbackRows);
    model.setScreenColumns(-3);
    EXPECT_EQ(model.ScreenColumns(), 0);
    model.setScreenColumns(1 << 30);
    EXPECT_EQ(model.wrapColumns(), TerminalModel::kMaxColumns);
}

TEST(TerminalSequences, CutSequencesAcrossManyWrites)
{
    // Every piece of a coloured line written alone gives what the line written whole gives.
    const QByteArray line = "\x1b[1;38;2;1;2;3mA\x1b]2;t\x1b\\B\x1b[0;48;5;200mC\xe2\x82\xac\x1b[J\x1b[4mD\r\n";
    TerminalModel whole;
    whole.Disp(line + line);
    TerminalModel pieces;
    for (int repeat = 0; repeat < 2; ++repeat) {
        for (char byte : line)
            pieces.Disp(QByteArray(1, byte));
    }
    EXPECT_EQ(DumpTerminal(pieces), DumpTerminal(whole));
    EXPECT_EQ(whole.ScrollbackText() + whole.ScreenText(), QStringLiteral("ABC\u20ac\r\nD\r\nABC\u20ac\r\nD\r\n"));
}

} // namespace
