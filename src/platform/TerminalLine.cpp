#include "platform/TerminalLine.h"

#include <algorithm>

namespace lanthorn {

void TerminalLine::append(QStringView text, const TerminalStyle& style)
{
    if (text.isEmpty())
        return;
    if (m_runs.empty() || !(m_runs.back().style == style))
        m_runs.push_back({ length(), style });
    m_text.append(text);
}

void TerminalLine::append(QLatin1StringView text, const TerminalStyle& style)
{
    if (text.isEmpty())
        return;
    if (m_runs.empty() || !(m_runs.back().style == style))
        m_runs.push_back({ length(), style });
    m_text.append(text);
}

void TerminalLine::append(const TerminalLine& other)
{
    for (std::size_t i = 0; i < other.m_runs.size(); ++i) {
        const int from = other.m_runs[i].column;
        append(QStringView(other.m_text).sliced(from, other.runEnd(i) - from), other.m_runs[i].style);
    }
}

TerminalStyle TerminalLine::styleAt(int column) const
{
    if (m_runs.empty())
        return {};
    auto after = std::upper_bound(
        m_runs.begin(), m_runs.end(), column, [](int value, const TerminalRun& run) { return value < run.column; });
    return after == m_runs.begin() ? m_runs.front().style : std::prev(after)->style;
}

TerminalLine TerminalLine::section(int from, int count) const
{
    TerminalLine part;
    from = std::clamp(from, 0, length());
    const int to = std::clamp(from + std::max(count, 0), from, length());
    part.m_text.reserve(to - from);
    for (std::size_t i = 0; i < m_runs.size(); ++i) {
        const int start = std::max(m_runs[i].column, from);
        const int end = std::min(runEnd(i), to);
        if (start < end)
            part.append(QStringView(m_text).sliced(start, end - start), m_runs[i].style);
    }
    return part;
}

TerminalLine TerminalLine::compacted() const
{
    TerminalLine copy;
    copy.m_text = QString(m_text.constData(), m_text.size());
    copy.m_runs.assign(m_runs.begin(), m_runs.end());
    copy.m_continuation = m_continuation;
    return copy;
}

void TerminalLine::clear()
{
    m_text.resize(0);
    m_runs.clear();
    m_continuation = false;
}

} // namespace lanthorn
