#pragma once

#include <QString>
#include <optional>

namespace lanthorn {

class Program;

/// The settings section that holds the macros, one key per function key.
inline const QString kMacroSection = QStringLiteral("Keys");

/// Key codes of the function keys that hold macros: F2 (113) to F12 (123).
inline constexpr int kFirstMacroKeyCode = 113;
inline constexpr int kLastMacroKeyCode = 123;

/// The settings key of a function key's macro: "F2" … "F12" for the codes 113 … 123.
QString MacroKeyName(int keyCode);

/// The macro of a function key, read from section "Keys" of the settings file on every call
/// so an edit takes effect at once. No macro (std::nullopt) for a key outside F2-F12, a
/// missing key and the value of exactly one blank; any other value is sent as it is, the
/// empty one as an empty line, and never taken as a client command.
std::optional<QString> MacroText(Program& program, int keyCode);

/// The movement word of a number-pad key (codes 96-105 for 0-9, laid out as a compass seen
/// from above, 5 "down" and 0 "up"); empty for any other code.
QString NumberPadWord(int keyCode);

} // namespace lanthorn
