#pragma once

#include "core/Utf8Sequence.h"

#include <QtGlobal>

namespace lanthorn {

/// One character of received text decoded from UTF-8. A byte that does not start a
/// well-formed sequence is a character of its own, with a code above every Unicode code
/// point (0x110000 + the byte), so it never equals a real character.
struct Utf8Char {
    char32_t code;
    qsizetype length;
};

inline constexpr char32_t kInvalidByteBase = 0x110000;

/// The character at pos (pos < n).
inline Utf8Char DecodeUtf8(const char* data, qsizetype n, qsizetype pos)
{
    const unsigned char b0 = static_cast<unsigned char>(data[pos]);
    if (b0 < 0x80)
        return { b0, 1 };
    char32_t code = 0;
    const int length = Utf8SequenceAt(reinterpret_cast<const unsigned char*>(data) + pos, n - pos, code);
    if (length <= 0)
        return { kInvalidByteBase + b0, 1 };
    return { code, length };
}

} // namespace lanthorn
