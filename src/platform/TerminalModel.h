#pragma once

#include "core/TextDisplay.h"
#include "platform/EscapeParser.h"
#include "platform/TerminalLine.h"
#include "platform/TerminalPosition.h"
#include "platform/TextDecoder.h"

#include <QString>
#include <deque>

namespace lanthorn {

/// The text of a terminal display without the window: written text with its colours, wrapped
/// at the display's width, the screen of `Rows` rows and the scroll-back above it.
///
/// Rows have absolute numbers from firstRow() to lastRow(); the last row is the one being
/// written. At most ScrollbackRows() + Rows() rows are kept: whatever arrives, memory stays
/// bounded by the settings.
class TerminalModel final : public TextDisplay, private EscapeParser::Receiver {
public:
    /// The widest row kept; longer text wraps here even without a display width.
    static constexpr int kMaxColumns = 4096;
    static constexpr int kMaxRows = 10000;
    static constexpr int kMaxScrollbackRows = 1000000;

    void Disp(const QByteArray& text) override;
    void setForeColor(int paletteIndex) override;
    void setBackColor(int paletteIndex) override;
    int ForeColor() const { return m_plain.fore.paletteIndex(); }
    int BackColor() const { return m_plain.back.paletteIndex(); }

    void setRows(int rows);
    int Rows() const { return m_rows; }
    /// The column count the program wants (0: none); text wraps there when the display is wider.
    void setScreenColumns(int columns);
    int ScreenColumns() const { return m_screenColumns; }
    /// Rows kept above the screen; 0 discards them.
    void setScrollbackRows(int rows);
    int ScrollbackRows() const { return m_scrollbackRows; }
    /// The width of the display in character cells (0: no display). Changing the width that
    /// text wraps at re-wraps the kept text and renumbers the rows after the first.
    void setViewColumns(int columns);
    int viewColumns() const { return m_viewColumns; }
    /// The width text wraps at: the display's, or ScreenColumns when set and smaller.
    int wrapColumns() const;

    /// The rows of the screen, with CR LF between them.
    QString ScreenText() const;
    /// Clears the screen, then writes the text.
    void setScreenText(const QString& text);
    /// The rows above the screen, each ended by CR LF.
    QString ScrollbackText() const;
    /// Empties the screen: its rows go to the scroll-back and writing starts on a fresh row.
    void clearScreen();

    qint64 firstRow() const { return m_first; }
    qint64 lastRow() const { return m_first + qint64(m_lines.size()); }
    /// The first row of the screen.
    qint64 screenTop() const;
    /// The first row a view of this many rows shows when it follows the newest text.
    qint64 topFor(int rows) const;
    /// The first row written since the screen was last cleared.
    qint64 clearedRow() const { return m_clearedRow; }
    /// Row `row`, from firstRow() to lastRow().
    const TerminalLine& line(qint64 row) const;
    /// Counts the re-wraps; positions taken before one no longer point at the same text.
    quint64 layoutGeneration() const { return m_layoutGeneration; }

    /// The text between two positions as shown: rows joined by CR LF. Rows no longer kept are
    /// left out.
    QString textBetween(TerminalPosition from, TerminalPosition to) const;

private:
    void text(const char* bytes, qsizetype size) override;
    void control(char byte) override;
    void sequence(const EscapeParser::Sequence& sequence) override;

    void write(QStringView text);
    /// Plain ASCII, written without decoding.
    void write(QLatin1StringView text);
    void flushDecoder();
    void newRow(bool continuation);
    void trim();
    void rewrap();
    QString rowsText(qint64 from, qint64 to, bool endEveryRow) const;

    EscapeParser m_parser;
    TextDecoder m_decoder;
    QString m_decoded;
    TerminalStyle m_plain;
    TerminalStyle m_style;

    std::deque<TerminalLine> m_lines; // the finished rows
    TerminalLine m_cursor; // the row being written
    qint64 m_first = 0;
    qint64 m_clearedRow = 0;
    quint64 m_layoutGeneration = 0;

    int m_rows = 24;
    int m_screenColumns = 0;
    int m_scrollbackRows = 150;
    int m_viewColumns = 0;
    int m_wrapColumns = kMaxColumns;
};

} // namespace lanthorn
