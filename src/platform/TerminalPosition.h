#pragma once

#include <QtGlobal>
#include <compare>

namespace lanthorn {

/// A place in a terminal's text: an absolute row number (rows keep their numbers while the
/// scroll-back is trimmed) and a column, the gap before that column's character.
struct TerminalPosition {
    qint64 row = 0;
    int column = 0;

    constexpr auto operator<=>(const TerminalPosition&) const = default;
};

} // namespace lanthorn
