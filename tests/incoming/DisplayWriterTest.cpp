#include "incoming/DisplayWriter.h"

#include "QtPrinters.h"
#include "RecordingDisplay.h"
#include "incoming/HiliteSet.h"

#include <gtest/gtest.h>

using namespace lanthorn;
using lanthorn::testing::RecordingDisplay;

namespace {

// The world's colours are 7 on 1 in these cases, so that the colour settings are told apart.
constexpr DisplaySettings kPlain { false, 80, 2, 7, 1, false };
constexpr DisplaySettings kBold { false, 80, 2, 7, 1, true };
constexpr DisplaySettings kWrapped { true, 7, 2, 7, 1, false };

struct DisplayCase {
    DisplaySettings settings;
    const char* text;
    QList<QByteArray> events;
};

TEST(DisplayWriter, MushLinesGetLineEndBoldColoursAndTheWorldsColoursForResets)
{
    const DisplayCase cases[] = {
        { kPlain, "Hi", { "Hi\r\n" } },
        { kBold, "\x1b[31mRed\x1b[0m rest", { "\x1b[1m\x1b[31mRed", "<fore 7>", "<back 1>", " rest\r\n" } },
        { kPlain, "\x1b[31mRed\x1b[0m rest", { "\x1b[31mRed", "<fore 7>", "<back 1>", " rest\r\n" } },
        { kPlain, "a\x1b[0mb\x1b[0mc", { "a", "<fore 7>", "<back 1>", "b", "<fore 7>", "<back 1>", "c\r\n" } },
        { kBold, "\x1b[38;5;208mX \x1b[39mY", { "\x1b[1m\x1b[38;5;208mX \x1b[1m\x1b[39mY\r\n" } },
        // A reset with further parameters: the world's colours, then the rest as a sequence.
        { kPlain, "\x1b[0;1mX", { "<fore 7>", "<back 1>", "\x1b[1mX\r\n" } },
        { kBold, "\x1b[0;32mX", { "<fore 7>", "<back 1>", "\x1b[1m\x1b[32mX\r\n" } },
        { kPlain, "\x1b[00mX", { "<fore 7>", "<back 1>", "X\r\n" } },
        // Only colour resets are resets.
        { kPlain, "\x1b[0KX\x1b[01;32mY", { "\x1b[0KX\x1b[01;32mY\r\n" } },
        { kWrapped, "aaa bbb ccc ddd", { "aaa\r\n  bbb\r\n  ccc\r\n  ddd\r\n" } },
    };
    for (const DisplayCase& c : cases) {
        RecordingDisplay display;
        DisplayWriter().DisplayMushText(QByteArray(c.text), c.settings, HiliteSet(), display);
        EXPECT_EQ(display.events, c.events) << c.text;
    }
}

TEST(DisplayWriter, MudChunksTurnWhiteAndResetsIntoTheWorldsColoursWithBold)
{
    const DisplayCase cases[] = {
        { kPlain, "I carry 37m of rope", { "I carry 37m of rope" } },
        { kPlain, "I carry 37m of rope\x1b[32m", { "I carry 37m of rope\x1b[32m" } },
        { kPlain, "\x1b[0mHello\r\n", { "<fore 7>", "<back 1>", "\x1b[1mHello\r\n" } },
        { kPlain, "\x1b[37mWhite", { "<fore 7>", "<back 1>", "\x1b[1mWhite" } },
        { kPlain, "\x1b[1;37mBold white", { "\x1b[1;0mBold white" } },
        { kPlain, "\x1b[37;40mX", { "\x1b[37;40mX" } },
        { kPlain, "\x1b[0;32mGreen", { "<fore 7>", "<back 1>", "\x1b[1;32mGreen" } },
        { kBold, "a\x1b[31mb\tc", { "a\x1b[31mb\tc" } },
        { kPlain, "\x1b[0KX", { "\x1b[0KX" } },
        { kPlain, "x\x1b[0my\x1b[0mz",
            { "x", "<fore 7>", "<back 1>", "\x1b[1my", "<fore 7>", "<back 1>", "\x1b[1mz" } },
    };
    for (const DisplayCase& c : cases) {
        RecordingDisplay display;
        DisplayWriter().DisplayMudText(QByteArray(c.text), c.settings, HiliteSet(), display);
        EXPECT_EQ(display.events, c.events) << c.text;
    }
}

TEST(DisplayWriter, HilitesComeFirstAndTheirEndTurnsIntoTheWorldsColours)
{
    const HiliteSet hilites({ { "Bob", "1", false } });
    RecordingDisplay mush;
    DisplayWriter writer;
    writer.DisplayMushText("Bob waves", kBold, hilites, mush);
    EXPECT_EQ(mush.events, (QList<QByteArray> { "\x1b[1m\x1b[31mBob", "<fore 7>", "<back 1>", " waves\r\n" }));

    RecordingDisplay mud;
    writer.DisplayMudText("Bob waves\r\n", kBold, hilites, mud);
    EXPECT_EQ(mud.events, (QList<QByteArray> { "\x1b[31mBob", "<fore 7>", "<back 1>", "\x1b[1m waves\r\n" }));

    // The wrap sees the hilite's sequences as taking no room.
    RecordingDisplay wrapped;
    writer.DisplayMushText("Bob waves", { true, 5, 0, 7, 1, false }, hilites, wrapped);
    EXPECT_EQ(wrapped.events, (QList<QByteArray> { "\x1b[31mBob", "<fore 7>", "<back 1>", "\r\nwaves\r\n" }));
}

} // namespace
