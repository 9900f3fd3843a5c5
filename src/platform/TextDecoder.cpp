#include "platform/TextDecoder.h"

#include <QLatin1StringView>
#include <algorithm>

namespace lanthorn {

namespace {

constexpr int kIncomplete = 0;
constexpr int kInvalid = -1;

/// The length of the valid UTF-8 sequence at the start of the bytes (with its code point),
/// kIncomplete when the bytes end in the middle of a valid beginning, or kInvalid.
int sequenceAt(const unsigned char* p, qsizetype available, char32_t& codePoint)
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
        return kInvalid;
    }
    for (int i = 1; i < length; ++i) {
        if (i >= available)
            return kIncomplete;
        const unsigned char byte = p[i];
        if (byte < low || byte > high)
            return kInvalid;
        low = 0x80;
        high = 0xBF;
        codePoint = (codePoint << 6) | (byte & 0x3F);
    }
    return length;
}

void appendCodePoint(char32_t codePoint, QString& out)
{
    if (codePoint >= 0x80 && codePoint < 0xA0)
        return;
    if (codePoint > 0xFFFF) {
        out.append(QChar::highSurrogate(codePoint));
        out.append(QChar::lowSurrogate(codePoint));
    } else {
        out.append(QChar(char16_t(codePoint)));
    }
}

void appendLatin1(unsigned char byte, QString& out)
{
    appendCodePoint(byte, out);
}

} // namespace

void TextDecoder::decode(const char* bytes, qsizetype size, QString& out)
{
    const auto* p = reinterpret_cast<const unsigned char*>(bytes);
    const auto* const end = p + size;
    char32_t codePoint = 0;

    if (m_pendingCount > 0 && p < end) {
        // Complete the kept beginning with the first new bytes.
        std::array<unsigned char, 4> joined = m_pending;
        const int added = int(std::min<qsizetype>(4 - m_pendingCount, end - p));
        std::copy_n(p, added, joined.begin() + m_pendingCount);
        const int length = sequenceAt(joined.data(), m_pendingCount + added, codePoint);
        if (length == kIncomplete) {
            m_pending = joined;
            m_pendingCount += added;
            return;
        }
        if (length > 0) {
            appendCodePoint(codePoint, out);
            p += length - m_pendingCount;
        } else {
            // The kept bytes are a lead byte and continuation bytes: each alone is Latin-1.
            for (int i = 0; i < m_pendingCount; ++i)
                appendLatin1(m_pending[std::size_t(i)], out);
        }
        m_pendingCount = 0;
    }

    while (p < end) {
        const auto* run = p;
        while (p < end && *p < 0x80)
            ++p;
        if (p > run)
            out.append(QLatin1StringView(reinterpret_cast<const char*>(run), p - run));
        if (p == end)
            break;
        const int length = sequenceAt(p, end - p, codePoint);
        if (length > 0) {
            appendCodePoint(codePoint, out);
            p += length;
        } else if (length == kIncomplete) {
            m_pendingCount = int(end - p);
            std::copy(p, end, m_pending.begin());
            break;
        } else {
            appendLatin1(*p++, out);
        }
    }
}

void TextDecoder::flush(QString& out)
{
    for (int i = 0; i < m_pendingCount; ++i)
        appendLatin1(m_pending[std::size_t(i)], out);
    m_pendingCount = 0;
}

} // namespace lanthorn
