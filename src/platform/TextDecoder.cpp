#include "platform/TextDecoder.h"

#include "core/Utf8Sequence.h"

#include <QLatin1StringView>
#include <algorithm>

namespace lanthorn {

namespace {

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
        const int length = Utf8SequenceAt(joined.data(), m_pendingCount + added, codePoint);
        if (length == kUtf8Incomplete) {
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
        const int length = Utf8SequenceAt(p, end - p, codePoint);
        if (length > 0) {
            appendCodePoint(codePoint, out);
            p += length;
        } else if (length == kUtf8Incomplete) {
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
