// Colours and attributes of the terminal text: the select-graphic-rendition sequences, the
// colours the program sets, and what a reset returns to.
#include "TerminalTestSupport.h"

#include <gtest/gtest.h>

using namespace lanthorn;
using lanthorn::testing::ExpectSameAtEverySplit;

namespace {

constexpr Rgb kGrey { 192, 192, 192 }; // palette 7, the world's text colour in these tests
constexpr Rgb kNavy { 0, 0, 128 }; // palette 1, the world's background in these tests
constexpr Rgb kBlack { 0, 0, 0 };
constexpr Rgb kWhite { 255, 255, 255 };
constexpr Rgb kRed { 128, 0, 0 };
constexpr Rgb kBrightRed { 255, 0, 0 };

constexpr std::uint8_t kBold = TerminalStyle::Bold;
constexpr std::uint8_t kBlink = TerminalStyle::Blink;
constexpr std::uint8_t kReverse = TerminalStyle::Reverse;
constexpr std::uint8_t kUnderline = TerminalStyle::Underline;

void worldColours(TerminalModel& model)
{
    model.setForeColor(7);
    model.setBackColor(1);
}

struct Probe {
    Rgb fore;
    Rgb back;
    std::uint8_t attributes;
};

/// The painted colours and the attributes of the last character written.
Probe lastCharacter(const TerminalModel& model)
{
    const TerminalLine& line = model.line(model.lastRow());
    const TerminalStyle style = line.styleAt(line.length() - 1);
    return { style.colours().fore, style.colours().back, style.attributes };
}

struct ColourCase {
    const char* bytes;
    Rgb fore;
    Rgb back;
    std::uint8_t attributes;
};

// Each case writes text ending in "X" after the world's colours (grey on navy) were set.
const ColourCase kColourCases[] = {
    { "X", kGrey, kNavy, 0 },
    // The eight ANSI text colours in the palette's own numbering.
    { "\x1b[30mX", kBlack, kNavy, 0 },
    { "\x1b[31mX", kRed, kNavy, 0 },
    { "\x1b[32mX", { 0, 128, 0 }, kNavy, 0 },
    { "\x1b[33mX", { 128, 128, 0 }, kNavy, 0 },
    { "\x1b[34mX", { 0, 0, 128 }, kNavy, 0 },
    { "\x1b[35mX", { 128, 0, 128 }, kNavy, 0 },
    { "\x1b[36mX", { 0, 128, 128 }, kNavy, 0 },
    { "\x1b[37mX", kGrey, kNavy, 0 },
    // Backgrounds.
    { "\x1b[40mX", kGrey, kBlack, 0 },
    { "\x1b[41mX", kGrey, kRed, 0 },
    { "\x1b[44mX", kGrey, { 0, 0, 128 }, 0 },
    { "\x1b[47mX", kGrey, kGrey, 0 },
    // Bold shows the bright variant, also of the world's own colour; joined or separate.
    { "\x1b[1;31mX", kBrightRed, kNavy, kBold },
    { "\x1b[1m\x1b[34mX", { 0, 0, 255 }, kNavy, kBold },
    { "\x1b[31m\x1b[1mX", kBrightRed, kNavy, kBold },
    { "\x1b[1mX", kWhite, kNavy, kBold },
    { "\x1b[1;41mX", kWhite, kRed, kBold },
    { "\x1b[1;31;22mX", kRed, kNavy, 0 },
    // Reverse swaps the painted colours (after bold brightened the text colour).
    { "\x1b[7mX", kNavy, kGrey, kReverse },
    { "\x1b[1;7;31mX", kNavy, kBrightRed, kBold | kReverse },
    { "\x1b[7;27mX", kGrey, kNavy, 0 },
    // Underline and blink, and their ends.
    { "\x1b[4mX", kGrey, kNavy, kUnderline },
    { "\x1b[5mX", kGrey, kNavy, kBlink },
    { "\x1b[4;5;24mX", kGrey, kNavy, kBlink },
    { "\x1b[4;5;25mX", kGrey, kNavy, kUnderline },
    // Defaults and resets return to the colours the program set, not to black on white.
    { "\x1b[31;44m\x1b[39mX", kGrey, { 0, 0, 128 }, 0 },
    { "\x1b[31;41m\x1b[49mX", kRed, kNavy, 0 },
    { "\x1b[1;4;5;7;31;42m\x1b[0mX", kGrey, kNavy, 0 },
    { "\x1b[1;31;42m\x1b[mX", kGrey, kNavy, 0 },
    { "\x1b[1;31;42m\x1b[;mX", kGrey, kNavy, 0 },
    { "\x1b[1;31m\x1b[0;32mX", { 0, 128, 0 }, kNavy, 0 },
    { "\x1b[1;0mX", kGrey, kNavy, 0 },
    // Bright colours of the 90 and 100 ranges.
    { "\x1b[91mX", kBrightRed, kNavy, 0 },
    { "\x1b[104mX", kGrey, { 0, 0, 255 }, 0 },
    // 256 colours: the sixteen, the cube and the grey ramp.
    { "\x1b[38;5;1mX", kRed, kNavy, 0 },
    { "\x1b[38;5;9mX", kBrightRed, kNavy, 0 },
    { "\x1b[38;5;4mX", { 0, 0, 128 }, kNavy, 0 },
    { "\x1b[38;5;208mX", { 255, 135, 0 }, kNavy, 0 },
    { "\x1b[48;5;21mX", kGrey, { 0, 0, 255 }, 0 },
    { "\x1b[38;5;232mX", { 8, 8, 8 }, kNavy, 0 },
    { "\x1b[38;5;255mX", { 238, 238, 238 }, kNavy, 0 },
    { "\x1b[38:5:208mX", { 255, 135, 0 }, kNavy, 0 },
    // 24-bit colours, with ";" and in the ":" forms with and without a colour space.
    { "\x1b[38;2;10;20;30mX", { 10, 20, 30 }, kNavy, 0 },
    { "\x1b[48;2;1;2;3mX", kGrey, { 1, 2, 3 }, 0 },
    { "\x1b[38:2::10:20:30mX", { 10, 20, 30 }, kNavy, 0 },
    { "\x1b[38:2:10:20:30mX", { 10, 20, 30 }, kNavy, 0 },
    { "\x1b[38;2;10;20;30;1mX", { 10, 20, 30 }, kNavy, kBold },
    { "\x1b[38;2;10;20;30;41mX", { 10, 20, 30 }, kRed, 0 },
    // Bold leaves direct colours as they are.
    { "\x1b[1;38;2;10;20;30mX", { 10, 20, 30 }, kNavy, kBold },
    // Colours out of range or cut short change nothing; what follows them still counts.
    { "\x1b[38;5;300mX", kGrey, kNavy, 0 },
    { "\x1b[38;2;300;0;0mX", kGrey, kNavy, 0 },
    { "\x1b[38;5mX", kGrey, kNavy, 0 },
    { "\x1b[38;2;1;2mX", kGrey, kNavy, 0 },
    { "\x1b[38;7;1mX", kGrey, kNavy, 0 },
    { "\x1b[4:3;31mX", kRed, kNavy, 0 },
    // Unknown parameters are skipped.
    { "\x1b[2;3;8;9;21;53;31mX", kRed, kNavy, 0 },
    { "\x1b[99999999999;31mX", kRed, kNavy, 0 },
    // Not graphic rendition: private markers and intermediates.
    { "\x1b[?31mX", kGrey, kNavy, 0 },
    { "\x1b[31 mX", kGrey, kNavy, 0 },
};

TEST(TerminalColours, SequencesGiveTheirColoursAndAttributes)
{
    for (const ColourCase& c : kColourCases) {
        SCOPED_TRACE(QByteArray(c.bytes).toStdString());
        TerminalModel model;
        worldColours(model);
        model.Disp(c.bytes);
        EXPECT_EQ(model.ScreenText(), QStringLiteral("X"));
        const Probe probe = lastCharacter(model);
        EXPECT_EQ(probe.fore, c.fore);
        EXPECT_EQ(probe.back, c.back);
        EXPECT_EQ(probe.attributes, c.attributes);
        ExpectSameAtEverySplit(c.bytes, worldColours);
    }
}

TEST(TerminalColours, AllSixteenForegroundsAndBackgroundsReachThePalette)
{
    // ANSI colour n is palette index kAnsiToPalette[n]; bold adds 8.
    const int kExpectedIndex[8] = { 0, 4, 2, 6, 1, 5, 3, 7 };
    for (int n = 0; n < 8; ++n) {
        for (bool bold : { false, true }) {
            TerminalModel model;
            model.Disp(QStringLiteral("%1\x1b[3%2;4%2mX").arg(bold ? "\x1b[1m" : "").arg(n).toLatin1());
            const Probe probe = lastCharacter(model);
            EXPECT_EQ(probe.fore, kPalette[std::size_t(kExpectedIndex[n] + (bold ? 8 : 0))]) << n << bold;
            EXPECT_EQ(probe.back, kPalette[std::size_t(kExpectedIndex[n])]) << "bold never brightens the background";
        }
    }
}

TEST(TerminalColours, ColoursSetByTheProgram)
{
    TerminalModel model;
    EXPECT_EQ(model.ForeColor(), 0);
    EXPECT_EQ(model.BackColor(), 15);
    model.Disp("a");
    EXPECT_EQ(lastCharacter(model).fore, kBlack);
    EXPECT_EQ(lastCharacter(model).back, kWhite);

    // Bold, blink, reverse and underline end when a colour is set; the colour applies to
    // the text written next, and text already written keeps its colours.
    model.Disp("\x1b[1;4;5;7;31;44mb");
    model.setForeColor(2);
    model.Disp("c");
    EXPECT_EQ(lastCharacter(model).fore, (Rgb { 0, 128, 0 }));
    EXPECT_EQ(lastCharacter(model).back, (Rgb { 0, 0, 128 })) << "setting the text colour keeps the background";
    EXPECT_EQ(lastCharacter(model).attributes, 0);
    model.Disp("\x1b[1;7m");
    model.setBackColor(14);
    model.Disp("d");
    EXPECT_EQ(lastCharacter(model).fore, (Rgb { 0, 128, 0 }));
    EXPECT_EQ(lastCharacter(model).back, (Rgb { 255, 255, 0 }));
    EXPECT_EQ(lastCharacter(model).attributes, 0);
    const TerminalLine& line = model.line(model.lastRow());
    EXPECT_EQ(line.styleAt(0).colours().fore, kBlack);
    EXPECT_EQ(line.styleAt(1).back, TerminalColour::palette(1));

    // Indexes outside the palette are ignored.
    for (int bad : { -1, 16, 255 }) {
        model.setForeColor(bad);
        model.setBackColor(bad);
    }
    EXPECT_EQ(model.ForeColor(), 2);
    EXPECT_EQ(model.BackColor(), 14);

    // The colours set are what the resets go back to.
    model.Disp("\x1b[31;45m\x1b[0me");
    EXPECT_EQ(lastCharacter(model).fore, (Rgb { 0, 128, 0 }));
    EXPECT_EQ(lastCharacter(model).back, (Rgb { 255, 255, 0 }));
}

TEST(TerminalColours, ColoursCarryOnOverLineEndsAndWraps)
{
    TerminalModel model;
    model.setViewColumns(3);
    model.Disp("\x1b[31mab\r\ncdef");
    ASSERT_EQ(model.ScreenText(), QStringLiteral("ab\r\ncde\r\nf"));
    for (qint64 row = model.firstRow(); row <= model.lastRow(); ++row)
        EXPECT_EQ(model.line(row).styleAt(0).colours().fore, kRed) << row;
}

TEST(TerminalColours, OneRunPerChangeOfStyle)
{
    TerminalModel model;
    model.Disp("ab\x1b[31mcd\x1b[31mef\x1b[1m\x1b[22m\x1b[0m\x1b[32mgh\x1b[0m");
    const TerminalLine& line = model.line(model.lastRow());
    ASSERT_EQ(line.text(), QStringLiteral("abcdefgh"));
    ASSERT_EQ(line.runs().size(), 3u) << "plain, red for cdef, green; sequences without text add no run";
    EXPECT_EQ(line.runs()[1].column, 2);
    EXPECT_EQ(line.runs()[2].column, 6);
}

// Lines as a MUSH server sends them with colour (raw bytes captured from a server).
TEST(TerminalColours, ServerLines)
{
    struct Word {
        const char* text;
        Rgb fore;
        Rgb back;
        std::uint8_t attributes;
    };
    const QByteArray line
        = "\x1b[31m\x1b[44mRedOnBlue\x1b[0m\x1b[4mUnder\x1b[0m \x1b[5mBlink\x1b[0m \x1b[7mInverse\x1b[0m "
          "\x1b[1m\x1b[31mBold\x1b[32mInner\x1b[0mOuter \x1b[31mRed\x1b[0m plain\r\n"
          "\x1b[38;5;208mOrange\x1b[0m \x1b[48;5;21mBlueBG\x1b[0m plain\r\n";
    const Word words[] = {
        { "RedOnBlue", kRed, { 0, 0, 128 }, 0 },
        { "Under", kGrey, kNavy, kUnderline },
        { "Blink", kGrey, kNavy, kBlink },
        { "Inverse", kNavy, kGrey, kReverse },
        { "Bold", kBrightRed, kNavy, kBold },
        { "Inner", { 0, 255, 0 }, kNavy, kBold },
        { "Outer", kGrey, kNavy, 0 },
        { "Red", kRed, kNavy, 0 },
        { "plain", kGrey, kNavy, 0 },
        { "Orange", { 255, 135, 0 }, kNavy, 0 },
        { "BlueBG", kGrey, { 0, 0, 255 }, 0 },
    };
    TerminalModel model;
    worldColours(model);
    model.Disp(line);
    EXPECT_EQ(model.ScreenText(),
        QStringLiteral("RedOnBlueUnder Blink Inverse BoldInnerOuter Red plain\r\nOrange BlueBG plain\r\n"));
    const QString first = model.line(model.firstRow()).text();
    for (const Word& word : words) {
        SCOPED_TRACE(word.text);
        qint64 row = model.firstRow();
        qsizetype column = first.indexOf(QLatin1String(word.text));
        if (column < 0) {
            row = model.firstRow() + 1;
            column = model.line(row).text().indexOf(QLatin1String(word.text));
        }
        ASSERT_GE(column, 0);
        const TerminalStyle style = model.line(row).styleAt(int(column));
        EXPECT_EQ(style.colours().fore, word.fore);
        EXPECT_EQ(style.colours().back, word.back);
        EXPECT_EQ(style.attributes, word.attributes);
    }
    ExpectSameAtEverySplit(line, worldColours);
}

} // namespace
