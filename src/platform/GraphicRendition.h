#pragma once

#include "platform/EscapeParser.h"
#include "platform/TerminalStyle.h"

namespace lanthorn {

/// Applies the parameters of a select-graphic-rendition sequence (ESC "[" ... "m") to a style.
/// `plain` is what a reset returns to (its colours also serve 39 and 49). Understands 0, 1, 4,
/// 5, 7 and their ends 22, 24, 25, 27; 30-37, 39, 40-47, 49 and the bright 90-97 and 100-107;
/// 38/48 with 5;n (256 colours) or 2;r;g;b (24-bit), also in their ":" forms. Anything else is
/// skipped.
void ApplyGraphicRendition(const EscapeParser::Sequence& sequence, TerminalStyle& style, const TerminalStyle& plain);

} // namespace lanthorn
