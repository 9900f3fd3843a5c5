#include "input/SendHistory.h"

#include "core/ProgramState.h"

#include <algorithm>

namespace lanthorn {

SendHistory::SendHistory(ProgramState& state)
    : m_state(state)
{
}

void SendHistory::AddToHistory(const QString& text)
{
    auto& entries = m_state.SendHistory;
    std::move(entries.begin() + 2, entries.end(), entries.begin() + 1);
    entries[kHistorySlots] = text;
    ResetCursor();
}

QString SendHistory::HistoryBack()
{
    const int c = cursor();
    m_state.HistoryCursor = c == 1 ? kHistorySlots : c - 1;
    return m_state.SendHistory[c];
}

QString SendHistory::HistoryForward()
{
    const int c = cursor();
    if (c == kHistorySlots) {
        m_state.HistoryCursor = 1;
        return m_state.SendHistory[kHistorySlots];
    }
    m_state.HistoryCursor = c + 1;
    return m_state.SendHistory[c + 1];
}

QString SendHistory::entry(int slot) const
{
    return slot >= 1 && slot <= kHistorySlots ? m_state.SendHistory[slot] : QString();
}

void SendHistory::ResetCursor()
{
    m_state.HistoryCursor = kHistorySlots;
}

int SendHistory::cursor() const
{
    const int c = m_state.HistoryCursor;
    return c >= 1 && c <= kHistorySlots ? c : kHistorySlots;
}

} // namespace lanthorn
