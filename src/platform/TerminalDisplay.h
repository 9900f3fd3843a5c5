#pragma once

#include "core/TextDisplay.h"
#include "platform/TerminalModel.h"
#include "platform/TerminalPainter.h"

#include <QAbstractScrollArea>
#include <QElapsedTimer>
#include <QTimer>

namespace lanthorn {

/// Written to a display, clears its screen (the text moves into the scroll-back).
inline const QByteArray kClearScreen = QByteArrayLiteral("\x1b[J");

/// The terminal display of a world window (`Term` and `Chat`): shows written text with its ANSI
/// colours, keeps the scroll-back, scrolls by line, page, wheel and scroll bar, and lets the
/// user select text with the mouse. It follows the newest text unless the user scrolled back.
///
/// Writes are collected and painted together: the display repaints once the text has been
/// quiet for a moment, and at least every few dozen milliseconds during a long burst.
class TerminalDisplay : public QAbstractScrollArea, public TextDisplay {
    Q_OBJECT

public:
    /// The requests of the vertical scroll message, in its order.
    enum class ScrollRequest { LineUp = 0, LineDown = 1, PageUp = 2, PageDown = 3 };

    explicit TerminalDisplay(QWidget* parent = nullptr);

    void Disp(const QByteArray& text) override;
    void setForeColor(int paletteIndex) override;
    void setBackColor(int paletteIndex) override;
    int ForeColor() const { return m_model.ForeColor(); }
    int BackColor() const { return m_model.BackColor(); }

    void setRows(int rows);
    int Rows() const { return m_model.Rows(); }
    void setScreenColumns(int columns);
    int ScreenColumns() const { return m_model.ScreenColumns(); }
    void setScrollbackRows(int rows);
    int ScrollbackRows() const { return m_model.ScrollbackRows(); }
    QString ScreenText() const { return m_model.ScreenText(); }
    void setScreenText(const QString& text);
    QString ScrollbackText() const { return m_model.ScrollbackText(); }

    void scroll(ScrollRequest request);
    void scrollLineUp() { scroll(ScrollRequest::LineUp); }
    void scrollLineDown() { scroll(ScrollRequest::LineDown); }
    void scrollPageUp() { scroll(ScrollRequest::PageUp); }
    void scrollPageDown() { scroll(ScrollRequest::PageDown); }
    void setScrollBarVisible(bool visible);
    bool isScrollBarVisible() const;

    /// The row shown at the top, and whether the display follows the newest text.
    qint64 topRow() const;
    bool isFollowing() const { return m_following; }
    /// Whole rows that fit the display.
    int visibleRows() const;
    int lineHeight() const { return m_painter.lineHeight(); }
    qreal cellWidth() const { return m_painter.cellWidth(); }

    /// The selected text as shown: rows joined by CR LF.
    QString selectedText() const;
    bool hasSelection() const;
    void clearSelection();

    const TerminalModel& model() const { return m_model; }

signals:
    /// A key went down: its Windows key code and the shift state (1 Shift, 2 Ctrl, 4 Alt).
    void keyDown(int keyCode, int shift);
    /// A character was typed; a handler that takes it empties the text.
    void keyPress(QString& text);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void scheduleRefresh();
    void refresh();
    void blinkTick();
    void scrollBarMoved(int value);
    void setTop(qint64 top);
    void updateScrollBar();
    void updateGeometryOfText();
    qint64 followTop() const;
    TerminalPosition positionAt(QPointF point) const;

    TerminalModel m_model;
    TerminalPainter m_painter;
    qint64 m_top = 0;
    bool m_following = true;
    bool m_syncingScrollBar = false;

    QTimer m_refresh;
    QElapsedTimer m_burst;
    qint64 m_lastWriteMs = 0; // since the start of the burst
    QTimer m_blink;
    bool m_blinkVisible = true;

    bool m_selecting = false;
    TerminalPosition m_anchor;
    TerminalPosition m_selectionEnd;
    quint64 m_selectionLayout = 0;
};

} // namespace lanthorn
