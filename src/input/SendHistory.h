#pragma once

#include <QString>

namespace lanthorn {

struct ProgramState;

/// The program's send history: the last 40 lines typed (slot 40 the newest, slot 1 the
/// oldest), kept in ProgramState::SendHistory, and the cursor that Ctrl+P and Ctrl+N walk
/// with (ProgramState::HistoryCursor, the slot the next Ctrl+P shows). A light view over the
/// state: make one wherever it is needed.
class SendHistory {
public:
    explicit SendHistory(ProgramState& state);

    /// Shifts every entry one slot older (the oldest falls out), stores the text as the
    /// newest, exactly as given (empty and multi-line text included), and resets the cursor.
    void AddToHistory(const QString& text);

    /// Ctrl+P: the entry at the cursor; then the cursor moves one slot older, from slot 1
    /// round to slot 40.
    QString HistoryBack();

    /// Ctrl+N: the cursor moves one slot newer and the entry there is shown; at slot 40 the
    /// newest entry is shown once more and the cursor goes round to slot 1. So the first
    /// Ctrl+N after some Ctrl+P shows what the last Ctrl+P showed.
    QString HistoryForward();

    /// The entry of a slot 1-40 (empty text for an empty slot or a slot outside the range).
    QString entry(int slot) const;

    /// Puts the cursor back at the newest slot (done whenever the input or a world window
    /// loads).
    void ResetCursor();

private:
    /// The cursor, taken as 40 when something has left it outside 1-40.
    int cursor() const;

    ProgramState& m_state;
};

} // namespace lanthorn
