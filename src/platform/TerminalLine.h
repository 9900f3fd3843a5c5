#pragma once

#include "platform/TerminalStyle.h"

#include <QLatin1StringView>
#include <QString>
#include <QStringView>
#include <vector>

namespace lanthorn {

/// A stretch of a line in one style: from its column up to the next run (or the line's end).
struct TerminalRun {
    int column = 0;
    TerminalStyle style;
};

/// One row of the terminal: its text and one run per change of style. A row that continues
/// the row above it (the text was wrapped at the display's width) says so, so that a change
/// of width can join and re-wrap the text.
class TerminalLine {
public:
    const QString& text() const { return m_text; }
    const std::vector<TerminalRun>& runs() const { return m_runs; }
    int length() const { return int(m_text.size()); }
    bool isContinuation() const { return m_continuation; }
    void setContinuation(bool continuation) { m_continuation = continuation; }

    /// Adds text in a style at the end of the row.
    void append(QStringView text, const TerminalStyle& style);
    void append(QLatin1StringView text, const TerminalStyle& style);
    /// Adds another row's text and runs at the end of this one.
    void append(const TerminalLine& other);
    /// The style of the text at a column (the last run's beyond the end; plain when empty).
    TerminalStyle styleAt(int column) const;
    /// The end column (exclusive) of run i.
    int runEnd(std::size_t i) const { return i + 1 < m_runs.size() ? m_runs[i + 1].column : length(); }
    /// The columns [from, from + count) as a row of their own.
    TerminalLine section(int from, int count) const;
    /// A copy holding exactly its contents, without the spare capacity of a row being written.
    TerminalLine compacted() const;
    /// Empties the row but keeps its memory for the next row to be written.
    void clear();

private:
    QString m_text;
    std::vector<TerminalRun> m_runs;
    bool m_continuation = false;
};

} // namespace lanthorn
