#include "incoming/TextProbe.h"

namespace lanthorn {

TextProbe::TextProbe(QByteArrayView text)
    : m_text(text)
{
    const auto* data = reinterpret_cast<const unsigned char*>(text.data());
    const qsizetype n = text.size();
    if (n == 0) return;
    m_bytes[data[0] >> 6] |= std::uint64_t(1) << (data[0] & 63);
    for (qsizetype i = 1; i < n; ++i) {
        const unsigned char b = data[i];
        m_bytes[b >> 6] |= std::uint64_t(1) << (b & 63);
        const std::uint16_t slot = pairSlot(data[i - 1], b);
        m_pairs[slot >> 6] |= std::uint64_t(1) << (slot & 63);
    }
}

} // namespace lanthorn
