#pragma once

#include "core/Palette.h"

#include <cstdint>

namespace lanthorn {

/// The colour of terminal text: a palette index, looked up when painting so that the text
/// follows the palette, or a direct colour from a 256-colour or 24-bit sequence.
class TerminalColour {
public:
    constexpr TerminalColour() = default;

    /// Palette index 0-15 (the desktop numbering of the palette).
    static constexpr TerminalColour palette(int index) { return TerminalColour(std::uint32_t(index & 0x0F)); }
    static constexpr TerminalColour direct(Rgb colour)
    {
        return TerminalColour(kDirect | (std::uint32_t(colour.red) << 16) | (std::uint32_t(colour.green) << 8)
            | std::uint32_t(colour.blue));
    }
    /// Colour n (0-255) of the xterm 256-colour table: 0-15 are the sixteen ANSI colours, then a
    /// 6x6x6 cube and a grey ramp.
    static TerminalColour xterm(int n);

    constexpr bool isPalette() const { return (m_value & kDirect) == 0; }
    constexpr int paletteIndex() const { return int(m_value & 0x0F); }
    /// The colour to paint; palette colours through the palette.
    Rgb rgb() const
    {
        if (isPalette())
            return kPalette[std::size_t(paletteIndex())];
        return { std::uint8_t(m_value >> 16), std::uint8_t(m_value >> 8), std::uint8_t(m_value) };
    }

    constexpr bool operator==(const TerminalColour&) const = default;

private:
    static constexpr std::uint32_t kDirect = 0x01000000;
    constexpr explicit TerminalColour(std::uint32_t value)
        : m_value(value)
    {
    }
    std::uint32_t m_value = 0;
};

} // namespace lanthorn
