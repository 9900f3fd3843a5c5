#pragma once

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
    const auto byte = [&](qsizetype i) { return static_cast<unsigned char>(data[i]); };
    const unsigned char b0 = byte(pos);
    if (b0 < 0x80)
        return { b0, 1 };
    const Utf8Char invalid { kInvalidByteBase + b0, 1 };

    int extra = 0;
    char32_t code = 0;
    unsigned char low = 0x80, high = 0xBF; // allowed range of the second byte
    if (b0 >= 0xC2 && b0 <= 0xDF) {
        extra = 1;
        code = b0 & 0x1F;
    } else if (b0 >= 0xE0 && b0 <= 0xEF) {
        extra = 2;
        code = b0 & 0x0F;
        if (b0 == 0xE0)
            low = 0xA0; // no overlong forms
        if (b0 == 0xED)
            high = 0x9F; // no surrogates
    } else if (b0 >= 0xF0 && b0 <= 0xF4) {
        extra = 3;
        code = b0 & 0x07;
        if (b0 == 0xF0)
            low = 0x90;
        if (b0 == 0xF4)
            high = 0x8F; // nothing above U+10FFFF
    } else {
        return invalid;
    }
    if (pos + extra >= n)
        return invalid;
    for (int k = 1; k <= extra; ++k) {
        const unsigned char b = byte(pos + k);
        const unsigned char lo = k == 1 ? low : 0x80;
        const unsigned char hi = k == 1 ? high : 0xBF;
        if (b < lo || b > hi)
            return invalid;
        code = (code << 6) | (b & 0x3F);
    }
    return { code, extra + 1 };
}

} // namespace lanthorn
