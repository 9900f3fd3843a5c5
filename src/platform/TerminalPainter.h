#pragma once

#include "platform/TerminalPosition.h"

#include <QColor>
#include <QFont>
#include <QPointF>
#include <QRawFont>
#include <QRect>
#include <vector>

class QPainter;

namespace lanthorn {

class TerminalLine;
class TerminalModel;

/// Paints the rows of a terminal model in a character grid of one font: per run of a row one
/// background fill (where it differs from the display's) and one text draw. Text the font has
/// simple glyphs for is drawn as glyphs placed on the grid, without text layout; other text
/// (marks, wide characters, characters of other fonts) goes through the full text layout.
class TerminalPainter {
public:
    struct Frame {
        qint64 topRow = 0;
        QRect area; // what needs painting, in the display's coordinates
        bool blinkVisible = true;
        bool hasSelection = false;
        TerminalPosition selectionFrom;
        TerminalPosition selectionTo;
        QColor highlight;
        QColor highlightedText;
    };

    void setFont(const QFont& font);
    qreal cellWidth() const { return m_cellWidth; }
    int lineHeight() const { return m_lineHeight; }

    /// Paints the rows that meet the frame's area; returns whether any of them has blinking text.
    bool paint(QPainter& painter, const TerminalModel& model, const Frame& frame) const;

private:
    bool paintRow(
        QPainter& painter, const TerminalLine& line, int y, const QColor& background, bool blinkVisible) const;
    void paintSelection(QPainter& painter, const TerminalLine& line, int y, int from, int to, const Frame& frame) const;
    void drawText(QPainter& painter, const TerminalLine& line, int from, int to, int y) const;

    QFont m_font;
    QRawFont m_rawFont;
    // Glyphs and places of the run being drawn, kept between runs to spare allocations.
    mutable std::vector<quint32> m_glyphs;
    mutable std::vector<QPointF> m_positions;
    qreal m_cellWidth = 8;
    int m_lineHeight = 16;
    int m_ascent = 12;
    int m_underline = 1;
};

} // namespace lanthorn
