#pragma once

#include <QString>
#include <cstdint>

namespace lanthorn {

/// Conventions for values in the settings files, shared by every reader and writer.

/// The numeric value of a text: leading blanks skipped, then an optional sign and a decimal
/// number with an optional fraction, or "&H" and hexadecimal digits (optionally ending in
/// "&"). Reading stops at the first character that does not fit; no number reads as 0.
double NumericValue(const QString& text);

/// The nearest whole number (halves to even) of a 16-bit setting; outside -32768..32767
/// raises the overflow error (6).
int ToInteger(double value);

/// As ToInteger for 32-bit settings (colour values, file sizes, ports).
std::int32_t ToLong(double value);

/// Shorthands for the common reads of a number setting.
inline int IntegerValue(const QString& text)
{
    return ToInteger(NumericValue(text));
}
inline std::int32_t LongValue(const QString& text)
{
    return ToLong(NumericValue(text));
}

/// Boolean text: "True"/"False" in any letter case, or a number (non-zero is true).
/// Any other text raises the type-mismatch error (13).
bool BooleanText(const QString& text);

/// Numeric boolean: the numeric value is not 0 (so "True" reads as false).
inline bool NumericBoolean(const QString& text)
{
    return NumericValue(text) != 0.0;
}

/// "True" or "False".
QString BoolText(bool value);

/// The shortest decimal text of a number: "0", "-1", "9585", "9.75".
QString NumberText(double value);

} // namespace lanthorn
