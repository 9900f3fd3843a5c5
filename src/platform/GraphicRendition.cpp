#include "platform/GraphicRendition.h"

#include <optional>

namespace lanthorn {

namespace {

std::optional<TerminalColour> directColour(int red, int green, int blue)
{
    if (red > 255 || green > 255 || blue > 255)
        return std::nullopt;
    return TerminalColour::direct({ std::uint8_t(red), std::uint8_t(green), std::uint8_t(blue) });
}

std::optional<TerminalColour> xtermColour(int n)
{
    if (n > 255)
        return std::nullopt;
    return TerminalColour::xterm(n);
}

/// Reads the extended colour that follows parameter i (a 38 or 48) and moves i to its last
/// parameter. "38;5;n" and "38;2;r;g;b", or with sub-parameters "38:5:n", "38:2:r:g:b" and
/// "38:2:space:r:g:b".
std::optional<TerminalColour> extendedColour(const EscapeParser::Sequence& s, int& i)
{
    const int first = i + 1;
    if (first >= s.count)
        return std::nullopt;
    if (s.isSub[std::size_t(first)]) {
        int last = first;
        while (last + 1 < s.count && s.isSub[std::size_t(last + 1)])
            ++last;
        i = last;
        const int given = last - first; // parameters after the mode
        switch (s.value(first)) {
        case 5:
            return given >= 1 ? xtermColour(s.value(first + 1)) : std::nullopt;
        case 2:
            if (given >= 4)
                return directColour(s.value(first + 2), s.value(first + 3), s.value(first + 4));
            if (given == 3)
                return directColour(s.value(first + 1), s.value(first + 2), s.value(first + 3));
            return std::nullopt;
        default:
            return std::nullopt;
        }
    }
    switch (s.value(first)) {
    case 5:
        i = first + 1;
        return first + 1 < s.count ? xtermColour(s.value(first + 1)) : std::nullopt;
    case 2:
        i = first + 3;
        return first + 3 < s.count ? directColour(s.value(first + 1), s.value(first + 2), s.value(first + 3))
                                   : std::nullopt;
    default:
        // An unknown colour mode: its length is unknown, so the rest of the sequence is skipped.
        i = s.count;
        return std::nullopt;
    }
}

} // namespace

void ApplyGraphicRendition(const EscapeParser::Sequence& s, TerminalStyle& style, const TerminalStyle& plain)
{
    if (s.count == 0) {
        style = plain;
        return;
    }
    for (int i = 0; i < s.count; ++i) {
        const int p = s.value(i);
        if (i + 1 < s.count && s.isSub[std::size_t(i + 1)] && p != 38 && p != 48) {
            // Sub-parameters of anything but a colour (curly underlines and the like): skipped.
            while (i + 1 < s.count && s.isSub[std::size_t(i + 1)])
                ++i;
            continue;
        }
        switch (p) {
        case 0:
            style = plain;
            break;
        case 1:
            style.set(TerminalStyle::Bold, true);
            break;
        case 4:
            style.set(TerminalStyle::Underline, true);
            break;
        case 5:
        case 6:
            style.set(TerminalStyle::Blink, true);
            break;
        case 7:
            style.set(TerminalStyle::Reverse, true);
            break;
        case 22:
            style.set(TerminalStyle::Bold, false);
            break;
        case 24:
            style.set(TerminalStyle::Underline, false);
            break;
        case 25:
            style.set(TerminalStyle::Blink, false);
            break;
        case 27:
            style.set(TerminalStyle::Reverse, false);
            break;
        case 38:
            if (auto colour = extendedColour(s, i))
                style.fore = *colour;
            break;
        case 39:
            style.fore = plain.fore;
            break;
        case 48:
            if (auto colour = extendedColour(s, i))
                style.back = *colour;
            break;
        case 49:
            style.back = plain.back;
            break;
        default:
            if (p >= 30 && p <= 37)
                style.fore = TerminalColour::xterm(p - 30);
            else if (p >= 40 && p <= 47)
                style.back = TerminalColour::xterm(p - 40);
            else if (p >= 90 && p <= 97)
                style.fore = TerminalColour::xterm(p - 90 + 8);
            else if (p >= 100 && p <= 107)
                style.back = TerminalColour::xterm(p - 100 + 8);
            break;
        }
    }
}

} // namespace lanthorn
