#pragma once

#include "platform/TerminalColour.h"

#include <cstdint>

namespace lanthorn {

/// How a stretch of terminal text looks: its colours and attributes as the escape sequences
/// set them. Bold and reverse are applied when the colours are resolved for painting.
struct TerminalStyle {
    enum Attribute : std::uint8_t { Bold = 1, Blink = 2, Reverse = 4, Underline = 8 };

    TerminalColour fore = TerminalColour::palette(0);
    TerminalColour back = TerminalColour::palette(15);
    std::uint8_t attributes = 0;

    constexpr bool has(Attribute attribute) const { return (attributes & attribute) != 0; }
    constexpr void set(Attribute attribute, bool on)
    {
        attributes = on ? std::uint8_t(attributes | attribute) : std::uint8_t(attributes & ~attribute);
    }

    /// The colours to paint: bold shows the bright variant of the first eight palette colours
    /// (index + 8), then reverse swaps text and background.
    struct Colours {
        Rgb fore;
        Rgb back;
    };
    Colours colours() const
    {
        TerminalColour text = fore;
        if (has(Bold) && text.isPalette() && text.paletteIndex() < 8)
            text = TerminalColour::palette(text.paletteIndex() + 8);
        if (has(Reverse))
            return { back.rgb(), text.rgb() };
        return { text.rgb(), back.rgb() };
    }

    constexpr bool operator==(const TerminalStyle&) const = default;
};

} // namespace lanthorn
