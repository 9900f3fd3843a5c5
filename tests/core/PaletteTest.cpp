#include "core/Palette.h"

#include <gtest/gtest.h>

using namespace lanthorn;

TEST(Palette, ColourNamesAndValues)
{
    EXPECT_EQ(PaletteIndexOfName("Bright Yellow"), 14);
    EXPECT_EQ(PaletteColour(14)->colourValue(), 0x00FFFF); // red and green: 255, 255, 0
    EXPECT_EQ(PaletteIndexOfName("White"), 7);
    EXPECT_EQ(PaletteColour(7)->colourValue(), 12632256);
    EXPECT_EQ(PaletteIndexOfName("Grey"), std::nullopt);
    EXPECT_EQ(PaletteColour(16), std::nullopt);
    EXPECT_EQ(Rgb::fromColourValue(255), (Rgb { 255, 0, 0 }));
    EXPECT_EQ(kPalette[std::size_t(kAnsiToPalette[1])], (Rgb { 128, 0, 0 })) << "ANSI 1 is red";
}
