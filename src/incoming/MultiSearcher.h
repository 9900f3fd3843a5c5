#pragma once

#include <QByteArray>
#include <array>
#include <cstdint>
#include <vector>

namespace lanthorn {

/// Finds every occurrence of a set of byte strings in one pass over a text, one table step per
/// byte (an Aho-Corasick automaton over classes of the bytes the strings use).
class MultiSearcher {
public:
    MultiSearcher() = default;
    /// Empty needles are never found.
    explicit MultiSearcher(const std::vector<QByteArray>& needles);

    bool isEmpty() const { return m_next.empty(); }

    /// Calls found(needle, start) for every occurrence inside data[from, to), in the order in
    /// which the occurrences end.
    template <typename Found> void search(const unsigned char* data, qsizetype from, qsizetype to, Found&& found) const
    {
        if (m_next.empty()) return;
        const std::uint16_t* classOf = m_class.data();
        const std::uint32_t* next = m_next.data();
        std::uint32_t at = 0; // the state's first step in m_next
        for (qsizetype p = from; p < to; ++p) {
            const std::uint32_t step = next[at + classOf[data[p]]];
            at = step >> 1;
            if (step & 1U) {
                const std::uint32_t state = at / std::uint32_t(m_classes);
                for (std::uint32_t i = m_outFirst[state]; i < m_outFirst[state + 1]; ++i) {
                    const std::uint32_t needle = m_outputs[i];
                    found(int(needle), p + 1 - m_lengths[needle]);
                }
            }
        }
    }

private:
    std::array<std::uint16_t, 256> m_class {}; // 0: a byte no needle uses
    std::size_t m_classes = 1;
    // By state * m_classes + class: the next state * m_classes, shifted left by one, with the
    // low bit set when the next state reports needles.
    std::vector<std::uint32_t> m_next;
    std::vector<std::uint32_t>
        m_outFirst; // the needles ending in state s: m_outputs[m_outFirst[s] .. m_outFirst[s + 1])
    std::vector<std::uint32_t> m_outputs;
    std::vector<std::uint32_t> m_lengths; // by needle
};

} // namespace lanthorn
