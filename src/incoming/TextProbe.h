#pragma once

#include <QByteArrayView>
#include <array>
#include <cstdint>

namespace lanthorn {

/// Which bytes and byte pairs a text holds, taken once per text, so that a whole pattern list
/// can turn down most patterns without looking at the text again. Pairs are hashed: a pair
/// may be reported present when it is not, never the other way round.
class TextProbe {
public:
    explicit TextProbe(QByteArrayView text);

    QByteArrayView text() const { return m_text; }
    bool hasByte(unsigned char byte) const { return (m_bytes[byte >> 6] >> (byte & 63)) & 1U; }
    bool hasPair(std::uint16_t pairSlot) const { return (m_pairs[pairSlot >> 6] >> (pairSlot & 63)) & 1U; }

    /// The slot a byte pair is recorded in.
    static std::uint16_t pairSlot(unsigned char first, unsigned char second)
    {
        const std::uint32_t pair = (std::uint32_t(first) << 8) | second;
        return std::uint16_t((pair * 0x9E3779B1U) >> 20);
    }

private:
    QByteArrayView m_text;
    std::array<std::uint64_t, 4> m_bytes {};
    std::array<std::uint64_t, 64> m_pairs {};
};

} // namespace lanthorn
