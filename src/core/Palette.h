#pragma once

#include <QString>
#include <array>
#include <cstdint>
#include <optional>

namespace lanthorn {

/// A colour as red, green and blue bytes, free of any GUI type.
struct Rgb {
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;

    bool operator==(const Rgb&) const = default;

    /// The settings' colour value: 0x00BBGGRR (red in the low byte).
    std::int32_t colourValue() const { return red | (green << 8) | (blue << 16); }
    static Rgb fromColourValue(std::int32_t value)
    {
        return { std::uint8_t(value & 0xFF), std::uint8_t((value >> 8) & 0xFF), std::uint8_t((value >> 16) & 0xFF) };
    }
};

/// The 16-colour palette that displays and colour indexes use. The numbering is the
/// desktop's: 1 is blue and 4 is red (not the ANSI order); index + 8 is the bright variant.
inline constexpr std::array<Rgb, 16> kPalette { {
    { 0, 0, 0 }, // 0 black
    { 0, 0, 128 }, // 1 blue
    { 0, 128, 0 }, // 2 green
    { 0, 128, 128 }, // 3 cyan
    { 128, 0, 0 }, // 4 red
    { 128, 0, 128 }, // 5 magenta
    { 128, 128, 0 }, // 6 yellow
    { 192, 192, 192 }, // 7 white (light grey)
    { 128, 128, 128 }, // 8 grey
    { 0, 0, 255 }, // 9 bright blue
    { 0, 255, 0 }, // 10 bright green
    { 0, 255, 255 }, // 11 bright cyan
    { 255, 0, 0 }, // 12 bright red
    { 255, 0, 255 }, // 13 bright magenta
    { 255, 255, 0 }, // 14 bright yellow
    { 255, 255, 255 }, // 15 bright white
} };

/// The palette index of ANSI colour n (0 black, 1 red, 2 green, 3 yellow, 4 blue, 5 magenta,
/// 6 cyan, 7 white).
inline constexpr std::array<int, 8> kAnsiToPalette { 0, 4, 2, 6, 1, 5, 3, 7 };

/// A colour name offered by the colour lists, with its palette index.
struct ColourName {
    const char* name;
    int index;
};

/// The names every colour list offers, in this order (grey, index 8, is not offered).
inline constexpr std::array<ColourName, 15> kColourNames { {
    { "Black", 0 },
    { "Blue", 1 },
    { "Bright Blue", 9 },
    { "Cyan", 3 },
    { "Bright Cyan", 11 },
    { "Green", 2 },
    { "Bright Green", 10 },
    { "Magenta", 5 },
    { "Bright Magenta", 13 },
    { "Red", 4 },
    { "Bright Red", 12 },
    { "White", 7 },
    { "Bright White", 15 },
    { "Yellow", 6 },
    { "Bright Yellow", 14 },
} };

/// The palette index of a colour name of the lists, if it is one.
inline std::optional<int> PaletteIndexOfName(const QString& name)
{
    for (const ColourName& entry : kColourNames) {
        if (name == QLatin1String(entry.name))
            return entry.index;
    }
    return std::nullopt;
}

/// The palette colour of an index; indexes outside 0-15 give nothing.
inline std::optional<Rgb> PaletteColour(int index)
{
    if (index < 0 || index >= int(kPalette.size()))
        return std::nullopt;
    return kPalette[std::size_t(index)];
}

} // namespace lanthorn
