#pragma once

#include <QByteArray>
#include <QVarLengthArray>
#include <algorithm>
#include <array>
#include <cstdint>
#include <utility>
#include <vector>

namespace lanthorn {

/// Finds every occurrence of a set of byte strings in one pass over a text, one table step per
/// byte (an Aho-Corasick automaton over classes of the bytes the strings use). Longer texts
/// are walked as two halves side by side, since each step waits for the one before it.
class MultiSearcher {
public:
    MultiSearcher() = default;
    /// Empty needles are never found.
    explicit MultiSearcher(const std::vector<QByteArray>& needles);

    /// Calls found(needle, start) for every occurrence inside data[from, to), in the order in
    /// which the occurrences end.
    template <typename Found> void search(const unsigned char* data, qsizetype from, qsizetype to, Found&& found) const
    {
        if (m_next.empty())
            return;
        const qsizetype length = to - from;
        if (length < 4 * m_longest + 32) {
            walk(data, from, to, found);
            return;
        }
        // The second half starts early enough to find the occurrences that end in it.
        const qsizetype middle = from + length / 2;
        const qsizetype secondFrom = middle - (m_longest - 1);
        QVarLengthArray<std::pair<int, qsizetype>, 32> later;
        const auto keepLater = [&](int needle, qsizetype start) { later.append({ needle, start }); };
        const std::uint32_t* next = m_next.data();
        const std::uint16_t* classOf = m_class.data();
        std::uint32_t at = 0;
        std::uint32_t atSecond = 0;
        qsizetype p = from;
        qsizetype q = secondFrom;
        for (; p < middle; ++p, ++q) {
            at = next[at + classOf[data[p]]];
            atSecond = next[atSecond + classOf[data[q]]];
            if ((m_reports[at] | m_reports[atSecond]) != 0) {
                report(at, p, found);
                if (q >= middle)
                    report(atSecond, q, keepLater);
            }
        }
        for (; q < to; ++q) {
            atSecond = next[atSecond + classOf[data[q]]];
            if (m_reports[atSecond] != 0 && q >= middle)
                report(atSecond, q, keepLater);
        }
        for (const auto& [needle, start] : later)
            found(needle, start);
    }

private:
    template <typename Found> void walk(const unsigned char* data, qsizetype from, qsizetype to, Found& found) const
    {
        const std::uint32_t* next = m_next.data();
        const std::uint16_t* classOf = m_class.data();
        std::uint32_t at = 0;
        for (qsizetype p = from; p < to; ++p) {
            at = next[at + classOf[data[p]]];
            if (m_reports[at] != 0)
                report(at, p, found);
        }
    }

    /// The needles that end at p, the automaton being at `at`.
    template <typename Found> void report(std::uint32_t at, qsizetype p, Found& found) const
    {
        const std::size_t state = at / m_classes;
        for (std::uint32_t i = m_outFirst[state]; i < m_outFirst[state + 1]; ++i) {
            const std::uint32_t needle = m_outputs[i];
            found(int(needle), p + 1 - m_lengths[needle]);
        }
    }

    std::array<std::uint16_t, 256> m_class {}; // 0: a byte no needle uses
    std::size_t m_classes = 1;
    qsizetype m_longest = 0;
    // By state * m_classes + class: the next state * m_classes.
    std::vector<std::uint32_t> m_next;
    // By state * m_classes: 1 when the state reports needles.
    std::vector<std::uint8_t> m_reports;
    std::vector<std::uint32_t>
        m_outFirst; // the needles ending in state s: m_outputs[m_outFirst[s] .. m_outFirst[s + 1])
    std::vector<std::uint32_t> m_outputs;
    std::vector<std::uint32_t> m_lengths; // by needle
};

} // namespace lanthorn
