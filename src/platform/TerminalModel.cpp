#include "platform/TerminalModel.h"

#include "platform/GraphicRendition.h"

#include <algorithm>

namespace lanthorn {

namespace {

const QString kLineEnd = QStringLiteral("\r\n");

} // namespace

void TerminalModel::Disp(const QByteArray& text)
{
    m_parser.feed(text.constData(), text.size(), *this);
}

void TerminalModel::setForeColor(int paletteIndex)
{
    if (paletteIndex < 0 || paletteIndex > 15)
        return;
    m_plain.fore = TerminalColour::palette(paletteIndex);
    m_style.fore = m_plain.fore;
    m_style.attributes = 0;
}

void TerminalModel::setBackColor(int paletteIndex)
{
    if (paletteIndex < 0 || paletteIndex > 15)
        return;
    m_plain.back = TerminalColour::palette(paletteIndex);
    m_style.back = m_plain.back;
    m_style.attributes = 0;
}

void TerminalModel::setRows(int rows)
{
    m_rows = std::clamp(rows, 1, kMaxRows);
    trim();
}

void TerminalModel::setScrollbackRows(int rows)
{
    m_scrollbackRows = std::clamp(rows, 0, kMaxScrollbackRows);
    trim();
}

void TerminalModel::setScreenColumns(int columns)
{
    m_screenColumns = std::clamp(columns, 0, kMaxColumns);
    rewrap();
}

void TerminalModel::setViewColumns(int columns)
{
    m_viewColumns = std::clamp(columns, 0, kMaxColumns);
    rewrap();
}

int TerminalModel::wrapColumns() const
{
    int width = kMaxColumns;
    if (m_viewColumns > 0)
        width = std::min(width, m_viewColumns);
    if (m_screenColumns > 0)
        width = std::min(width, m_screenColumns);
    return width;
}

qint64 TerminalModel::screenTop() const
{
    return topFor(m_rows);
}

qint64 TerminalModel::topFor(int rows) const
{
    return std::max({ m_first, m_clearedRow, lastRow() - rows + 1 });
}

const TerminalLine& TerminalModel::line(qint64 row) const
{
    if (row >= lastRow())
        return m_cursor;
    return m_lines[std::size_t(std::max(row, m_first) - m_first)];
}

QString TerminalModel::ScreenText() const
{
    return rowsText(screenTop(), lastRow(), false);
}

QString TerminalModel::ScrollbackText() const
{
    return rowsText(m_first, screenTop() - 1, true);
}

void TerminalModel::setScreenText(const QString& text)
{
    clearScreen();
    if (!text.isEmpty())
        Disp(text.toUtf8());
}

void TerminalModel::clearScreen()
{
    flushDecoder();
    if (m_cursor.length() > 0)
        newRow(false);
    m_clearedRow = lastRow();
    trim();
}

QString TerminalModel::rowsText(qint64 from, qint64 to, bool endEveryRow) const
{
    from = std::max(from, m_first);
    to = std::min(to, lastRow());
    QString out;
    if (from > to)
        return out;
    qsizetype size = 0;
    for (qint64 row = from; row <= to; ++row)
        size += line(row).length() + 2;
    out.reserve(size);
    for (qint64 row = from; row <= to; ++row) {
        out.append(line(row).text());
        if (endEveryRow || row < to)
            out.append(kLineEnd);
    }
    return out;
}

QString TerminalModel::textBetween(TerminalPosition from, TerminalPosition to) const
{
    if (to < from)
        std::swap(from, to);
    if (to.row < m_first || from.row > lastRow())
        return {};
    if (from.row < m_first)
        from = { m_first, 0 };
    if (to.row > lastRow())
        to = { lastRow(), line(lastRow()).length() };
    QString out;
    for (qint64 row = from.row; row <= to.row; ++row) {
        const QString& text = line(row).text();
        const int start = row == from.row ? std::clamp(from.column, 0, int(text.size())) : 0;
        const int end = row == to.row ? std::clamp(to.column, start, int(text.size())) : int(text.size());
        out.append(QStringView(text).sliced(start, end - start));
        if (row < to.row)
            out.append(kLineEnd);
    }
    return out;
}

void TerminalModel::text(const char* bytes, qsizetype size)
{
    if (!m_decoder.hasPending() && std::all_of(bytes, bytes + size, [](char byte) { return byte >= 0; })) {
        write(QLatin1StringView(bytes, size));
        return;
    }
    m_decoded.resize(0);
    m_decoder.decode(bytes, size, m_decoded);
    write(m_decoded);
}

void TerminalModel::control(char byte)
{
    flushDecoder();
    switch (byte) {
    case '\n':
        newRow(false);
        break;
    case '\t': {
        // To the next multiple of eight columns; a full row stays as it is.
        static constexpr QStringView kBlanks = u"        ";
        const int column = m_cursor.length();
        if (column < m_wrapColumns)
            write(kBlanks.first(std::min(8 - column % 8, m_wrapColumns - column)));
        break;
    }
    default:
        // CR (servers end lines with CR LF), BEL (the program beeps itself) and the other
        // control characters show nothing.
        break;
    }
}

void TerminalModel::sequence(const EscapeParser::Sequence& sequence)
{
    flushDecoder();
    if (sequence.intermediate)
        return;
    if (sequence.final == 'm' && !sequence.privateMarker)
        ApplyGraphicRendition(sequence, m_style, m_plain);
    else if (sequence.final == 'J')
        clearScreen();
}

void TerminalModel::flushDecoder()
{
    if (!m_decoder.hasPending())
        return;
    m_decoded.resize(0);
    m_decoder.flush(m_decoded);
    write(m_decoded);
}

void TerminalModel::write(QStringView text)
{
    while (!text.isEmpty()) {
        int column = m_cursor.length();
        if (column >= m_wrapColumns) {
            newRow(true);
            column = 0;
        }
        qsizetype count = std::min<qsizetype>(text.size(), m_wrapColumns - column);
        if (count < text.size() && text[count - 1].isHighSurrogate()) {
            // A character outside the basic plane is never cut in two.
            if (count > 1) {
                --count;
            } else if (column > 0) {
                newRow(true);
                continue;
            } else {
                ++count;
            }
        }
        m_cursor.append(text.first(count), m_style);
        text = text.sliced(count);
    }
}

void TerminalModel::write(QLatin1StringView text)
{
    while (!text.isEmpty()) {
        if (m_cursor.length() >= m_wrapColumns)
            newRow(true);
        const qsizetype count = std::min<qsizetype>(text.size(), m_wrapColumns - m_cursor.length());
        m_cursor.append(text.first(count), m_style);
        text = text.sliced(count);
    }
}

void TerminalModel::newRow(bool continuation)
{
    m_lines.push_back(m_cursor.compacted());
    m_cursor.clear();
    m_cursor.setContinuation(continuation);
    trim();
}

void TerminalModel::trim()
{
    const qint64 keepFrom = screenTop() - m_scrollbackRows;
    while (m_first < keepFrom && !m_lines.empty()) {
        m_lines.pop_front();
        ++m_first;
    }
}

void TerminalModel::rewrap()
{
    const int width = wrapColumns();
    if (width == m_wrapColumns)
        return;
    m_wrapColumns = width;
    if (m_lines.empty() && m_cursor.length() <= width)
        return;

    // Join the wrapped rows back into the lines that were written, then cut those again.
    std::deque<TerminalLine> rows;
    qint64 clearedIndex = -1;
    TerminalLine joined;
    const auto cut = [&rows, &joined, width]() {
        const QString& text = joined.text();
        const int length = joined.length();
        int from = 0;
        do {
            int count = std::min(width, length - from);
            if (from + count < length && text[from + count - 1].isHighSurrogate())
                count += count > 1 ? -1 : 1;
            TerminalLine part = joined.section(from, count);
            part.setContinuation(from > 0);
            rows.push_back(std::move(part));
            from += count;
        } while (from < length);
    };
    for (qint64 row = m_first; row <= lastRow(); ++row) {
        const TerminalLine& current = line(row);
        if (row == m_first || !current.isContinuation()) {
            if (row != m_first)
                cut();
            if (row == m_clearedRow)
                clearedIndex = qint64(rows.size());
            joined = current;
        } else {
            joined.append(current);
        }
    }
    cut();

    m_cursor = std::move(rows.back());
    rows.pop_back();
    m_lines = std::move(rows);
    if (clearedIndex >= 0)
        m_clearedRow = m_first + clearedIndex;
    ++m_layoutGeneration;
    trim();
}

} // namespace lanthorn
