#pragma once

#include <QtGlobal>

namespace lanthorn {

inline constexpr int kUtf8Incomplete = 0;
inline constexpr int kUtf8Invalid = -1;

/// The length of the well-formed UTF-8 sequence at the start of the bytes (available > 0),
/// with its code point; kUtf8Incomplete when the bytes end in the middle of a well-formed
/// beginning, kUtf8Invalid when they do not begin one. Overlong forms, surrogates and code
/// points above U+10FFFF are not well-formed.
inline int Utf8SequenceAt(const unsigned char* p, qsizetype available, char32_t& codePoint)
{
    const unsigned char lead = p[0];
    int length = 0;
    unsigned char low = 0x80;
    unsigned char high = 0xBF;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
        codePoint = lead & 0x1F;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        codePoint = lead & 0x0F;
        if (lead == 0xE0)
            low = 0xA0; // no overlong forms
        if (lead == 0xED)
            high = 0x9F; // no surrogates
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        codePoint = lead & 0x07;
        if (lead == 0xF0)
            low = 0x90;
        if (lead == 0xF4)
            high = 0x8F; // nothing above U+10FFFF
    } else {
        return kUtf8Invalid;
    }
    for (int i = 1; i < length; ++i) {
        if (i >= available)
            return kUtf8Incomplete;
        const unsigned char byte = p[i];
        if (byte < low || byte > high)
            return kUtf8Invalid;
        low = 0x80;
        high = 0xBF;
        codePoint = (codePoint << 6) | (byte & 0x3F);
    }
    return length;
}

} // namespace lanthorn
