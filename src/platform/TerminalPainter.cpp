#include "platform/TerminalPainter.h"

#include "platform/TerminalModel.h"

#include <QFontMetricsF>
#include <QGlyphRun>
#include <QPainter>
#include <algorithm>
#include <cmath>

namespace lanthorn {

namespace {

QColor qColour(Rgb colour)
{
    return QColor(colour.red, colour.green, colour.blue);
}

/// Whether every character takes one cell on its own: no combining marks, no wide or
/// surrogate characters.
bool isSimpleText(QStringView text)
{
    for (QChar c : text) {
        if (c.unicode() < 0x300)
            continue;
        if (c.unicode() >= 0x1100 || c.isMark())
            return false;
    }
    return true;
}

} // namespace

void TerminalPainter::setFont(const QFont& font)
{
    m_font = font;
    m_rawFont = QRawFont::fromFont(font);
    // Cells are as wide as the font's characters really are (fractional), so that the runs of
    // a long row stay on the grid.
    const QFontMetricsF metrics(font);
    m_cellWidth = std::max<qreal>(1, metrics.horizontalAdvance(QLatin1Char('W')));
    m_lineHeight = std::max(1, int(std::ceil(metrics.lineSpacing())));
    m_ascent = int(std::ceil(metrics.ascent()));
    m_underline = std::max(1, int(std::lround(metrics.underlinePos())));
}

bool TerminalPainter::paint(QPainter& painter, const TerminalModel& model, const Frame& frame) const
{
    const QColor background = qColour(TerminalColour::palette(model.BackColor()).rgb());
    painter.fillRect(frame.area, background);
    painter.setFont(m_font);

    const int firstVisible = std::max(0, frame.area.top() / m_lineHeight);
    const int lastVisible = frame.area.bottom() / m_lineHeight;
    bool blinking = false;
    for (int i = firstVisible; i <= lastVisible; ++i) {
        const qint64 row = frame.topRow + i;
        if (row < model.firstRow())
            continue;
        if (row > model.lastRow())
            break;
        const TerminalLine& line = model.line(row);
        const int y = i * m_lineHeight;
        blinking |= paintRow(painter, line, y, background, frame.blinkVisible);
        if (frame.hasSelection && row >= frame.selectionFrom.row && row <= frame.selectionTo.row) {
            const int from = row == frame.selectionFrom.row ? frame.selectionFrom.column : 0;
            const int to = row == frame.selectionTo.row ? frame.selectionTo.column : line.length();
            paintSelection(
                painter, line, y, std::clamp(from, 0, line.length()), std::clamp(to, 0, line.length()), frame);
        }
    }
    return blinking;
}

bool TerminalPainter::paintRow(
    QPainter& painter, const TerminalLine& line, int y, const QColor& background, bool blinkVisible) const
{
    bool blinking = false;
    const auto& runs = line.runs();
    for (std::size_t i = 0; i < runs.size(); ++i) {
        const int from = runs[i].column;
        const int to = line.runEnd(i);
        const TerminalStyle& style = runs[i].style;
        const TerminalStyle::Colours colours = style.colours();
        const QColor back = qColour(colours.back);
        const qreal left = from * m_cellWidth;
        const qreal width = (to - from) * m_cellWidth;
        if (back != background)
            painter.fillRect(QRectF(left, y, width, m_lineHeight), back);
        if (style.has(TerminalStyle::Blink)) {
            blinking = true;
            if (!blinkVisible)
                continue;
        }
        const QColor fore = qColour(colours.fore);
        painter.setPen(fore);
        drawText(painter, line, from, to, y);
        if (style.has(TerminalStyle::Underline))
            painter.fillRect(QRectF(left, y + m_ascent + m_underline, width, 1), fore);
    }
    return blinking;
}

void TerminalPainter::paintSelection(
    QPainter& painter, const TerminalLine& line, int y, int from, int to, const Frame& frame) const
{
    if (from >= to)
        return;
    painter.fillRect(QRectF(from * m_cellWidth, y, (to - from) * m_cellWidth, m_lineHeight), frame.highlight);
    painter.setPen(frame.highlightedText);
    drawText(painter, line, from, to, y);
}

void TerminalPainter::drawText(QPainter& painter, const TerminalLine& line, int from, int to, int y) const
{
    const QStringView text = QStringView(line.text()).sliced(from, to - from);
    const int count = int(text.size());
    if (m_rawFont.isValid() && isSimpleText(text)) {
        m_glyphs.resize(std::size_t(count));
        int glyphCount = count;
        if (m_rawFont.glyphIndexesForChars(text.data(), count, m_glyphs.data(), &glyphCount) && glyphCount == count
            && std::find(m_glyphs.begin(), m_glyphs.end(), 0u) == m_glyphs.end()) {
            // Blanks draw nothing: they are left out.
            m_positions.resize(std::size_t(count));
            int drawn = 0;
            for (int i = 0; i < count; ++i) {
                if (text[i] == u' ')
                    continue;
                m_glyphs[std::size_t(drawn)] = m_glyphs[std::size_t(i)];
                m_positions[std::size_t(drawn)] = QPointF((from + i) * m_cellWidth, 0);
                ++drawn;
            }
            if (drawn == 0)
                return;
            QGlyphRun run;
            run.setRawFont(m_rawFont);
            run.setRawData(m_glyphs.data(), m_positions.data(), drawn);
            painter.drawGlyphRun(QPointF(0, y + m_ascent), run);
            return;
        }
    }
    // The row's own characters, without a copy.
    painter.drawText(QPointF(from * m_cellWidth, y + m_ascent), QString::fromRawData(text.data(), count));
}

} // namespace lanthorn
