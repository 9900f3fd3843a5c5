#include "incoming/MultiSearcher.h"

#include <algorithm>
#include <deque>

namespace lanthorn {

MultiSearcher::MultiSearcher(const std::vector<QByteArray>& needles)
{
    bool any = false;
    for (const QByteArray& needle : needles) {
        m_lengths.push_back(std::uint32_t(needle.size()));
        m_longest = std::max(m_longest, needle.size());
        for (const char c : needle) {
            std::uint16_t& cls = m_class[static_cast<unsigned char>(c)];
            if (cls == 0)
                cls = std::uint16_t(m_classes++);
        }
        any = any || !needle.isEmpty();
    }
    if (!any)
        return;

    // The trie of the needles; -1 where it has no edge yet.
    constexpr std::int64_t kNone = -1;
    std::vector<std::int64_t> edges(m_classes, kNone);
    std::vector<std::vector<std::uint32_t>> ending(1);
    for (std::size_t n = 0; n < needles.size(); ++n) {
        if (needles[n].isEmpty())
            continue;
        std::size_t state = 0;
        for (const char c : needles[n]) {
            const std::size_t slot = state * m_classes + m_class[static_cast<unsigned char>(c)];
            if (edges[slot] == kNone) {
                edges[slot] = std::int64_t(ending.size());
                ending.emplace_back();
                edges.resize(edges.size() + m_classes, kNone);
            }
            state = std::size_t(edges[slot]);
        }
        ending[state].push_back(std::uint32_t(n));
    }

    // Breadth first: each state falls back to the longest proper suffix that is a state too,
    // takes the missing steps from there and reports what that suffix reports.
    const std::size_t states = ending.size();
    std::vector<std::size_t> fallback(states, 0);
    std::vector<std::vector<std::uint32_t>> reports(states);
    std::deque<std::size_t> queue;
    for (std::size_t c = 0; c < m_classes; ++c) {
        if (edges[c] == kNone) {
            edges[c] = 0;
        } else {
            queue.push_back(std::size_t(edges[c]));
        }
    }
    reports[0] = ending[0];
    while (!queue.empty()) {
        const std::size_t state = queue.front();
        queue.pop_front();
        reports[state] = ending[state];
        const std::vector<std::uint32_t>& inherited = reports[fallback[state]];
        reports[state].insert(reports[state].end(), inherited.begin(), inherited.end());
        for (std::size_t c = 0; c < m_classes; ++c) {
            std::int64_t& edge = edges[state * m_classes + c];
            const std::int64_t fallbackStep = edges[fallback[state] * m_classes + c];
            if (edge == kNone) {
                edge = fallbackStep;
            } else {
                fallback[std::size_t(edge)] = std::size_t(fallbackStep);
                queue.push_back(std::size_t(edge));
            }
        }
    }

    m_next.reserve(edges.size());
    for (const std::int64_t edge : edges)
        m_next.push_back(std::uint32_t(std::size_t(edge) * m_classes));
    m_reports.assign(edges.size(), 0);
    for (std::size_t state = 0; state < states; ++state)
        m_reports[state * m_classes] = reports[state].empty() ? 0 : 1;
    m_outFirst.reserve(states + 1);
    for (const std::vector<std::uint32_t>& report : reports) {
        m_outFirst.push_back(std::uint32_t(m_outputs.size()));
        m_outputs.insert(m_outputs.end(), report.begin(), report.end());
    }
    m_outFirst.push_back(std::uint32_t(m_outputs.size()));
}

} // namespace lanthorn
