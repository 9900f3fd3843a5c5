#include "platform/TerminalDisplay.h"

#include "platform/KeyCodes.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <algorithm>
#include <cmath>

namespace lanthorn {

namespace {

// A burst of writes is painted once it has been quiet this long...
constexpr int kQuietMs = 10;
// ...or, while it goes on, after this long.
constexpr int kLongestWaitMs = 40;
constexpr int kBlinkMs = 500;

} // namespace

TerminalDisplay::TerminalDisplay(QWidget* parent)
    : QAbstractScrollArea(parent)
{
    setFocusPolicy(Qt::StrongFocus);
    setFrameShape(QFrame::NoFrame);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    viewport()->setAttribute(Qt::WA_OpaquePaintEvent);
    viewport()->setCursor(Qt::IBeamCursor);
    QFont fixed(QStringLiteral("Courier"));
    fixed.setStyleHint(QFont::TypeWriter);
    setFont(fixed);
    m_painter.setFont(font());

    m_refresh.setSingleShot(true);
    connect(&m_refresh, &QTimer::timeout, this, &TerminalDisplay::refresh);
    m_blink.setInterval(kBlinkMs);
    connect(&m_blink, &QTimer::timeout, this, &TerminalDisplay::blinkTick);
    connect(verticalScrollBar(), &QScrollBar::valueChanged, this, &TerminalDisplay::scrollBarMoved);
    updateScrollBar();
}

void TerminalDisplay::Disp(const QByteArray& text)
{
    m_model.Disp(text);
    scheduleRefresh();
}

void TerminalDisplay::setForeColor(int paletteIndex)
{
    m_model.setForeColor(paletteIndex);
}

void TerminalDisplay::setBackColor(int paletteIndex)
{
    m_model.setBackColor(paletteIndex);
    scheduleRefresh();
}

void TerminalDisplay::setRows(int rows)
{
    m_model.setRows(rows);
    scheduleRefresh();
}

void TerminalDisplay::setScreenColumns(int columns)
{
    m_model.setScreenColumns(columns);
    scheduleRefresh();
}

void TerminalDisplay::setScrollbackRows(int rows)
{
    m_model.setScrollbackRows(rows);
    scheduleRefresh();
}

void TerminalDisplay::setScreenText(const QString& text)
{
    m_model.setScreenText(text);
    scheduleRefresh();
}

void TerminalDisplay::scheduleRefresh()
{
    // The timer is armed once a burst; a write only notes when it came (re-arming the timer
    // on every line of a flood would cost more than the line itself).
    if (m_refresh.isActive()) {
        m_lastWriteMs = m_burst.elapsed();
        return;
    }
    m_burst.start();
    m_lastWriteMs = 0;
    m_refresh.start(kQuietMs);
}

void TerminalDisplay::refresh()
{
    // Painted once the writes have been quiet for a while, or when the burst has waited long
    // enough.
    const qint64 quietAt = m_lastWriteMs + kQuietMs;
    const qint64 now = m_burst.elapsed();
    if (quietAt > now && quietAt <= kLongestWaitMs) {
        m_refresh.start(int(quietAt - now));
        return;
    }
    updateScrollBar();
    viewport()->update();
}

void TerminalDisplay::blinkTick()
{
    m_blinkVisible = !m_blinkVisible;
    viewport()->update();
}

int TerminalDisplay::visibleRows() const
{
    return std::max(1, viewport()->height() / m_painter.lineHeight());
}

qint64 TerminalDisplay::followTop() const
{
    return m_model.topFor(visibleRows());
}

qint64 TerminalDisplay::topRow() const
{
    const qint64 follow = followTop();
    return m_following ? follow : std::clamp(m_top, m_model.firstRow(), follow);
}

void TerminalDisplay::setTop(qint64 top)
{
    const qint64 follow = followTop();
    m_top = std::clamp(top, m_model.firstRow(), follow);
    m_following = m_top >= follow;
    updateScrollBar();
    viewport()->update();
}

void TerminalDisplay::scroll(ScrollRequest request)
{
    const qint64 top = topRow();
    switch (request) {
    case ScrollRequest::LineUp:
        setTop(top - 1);
        break;
    case ScrollRequest::LineDown:
        setTop(top + 1);
        break;
    case ScrollRequest::PageUp:
        setTop(top - visibleRows());
        break;
    case ScrollRequest::PageDown:
        setTop(top + visibleRows());
        break;
    }
}

void TerminalDisplay::scrollBarMoved(int value)
{
    if (m_syncingScrollBar)
        return;
    setTop(m_model.firstRow() + value);
}

void TerminalDisplay::updateScrollBar()
{
    QScrollBar* bar = verticalScrollBar();
    const qint64 first = m_model.firstRow();
    m_syncingScrollBar = true;
    bar->setRange(0, int(followTop() - first));
    bar->setPageStep(visibleRows());
    bar->setSingleStep(1);
    bar->setValue(int(topRow() - first));
    m_syncingScrollBar = false;
}

void TerminalDisplay::setScrollBarVisible(bool visible)
{
    setVerticalScrollBarPolicy(visible ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
}

bool TerminalDisplay::isScrollBarVisible() const
{
    return verticalScrollBarPolicy() != Qt::ScrollBarAlwaysOff;
}

void TerminalDisplay::updateGeometryOfText()
{
    m_model.setViewColumns(std::max(1, int(viewport()->width() / m_painter.cellWidth())));
    updateScrollBar();
    viewport()->update();
}

void TerminalDisplay::resizeEvent(QResizeEvent* event)
{
    QAbstractScrollArea::resizeEvent(event);
    updateGeometryOfText();
}

void TerminalDisplay::changeEvent(QEvent* event)
{
    QAbstractScrollArea::changeEvent(event);
    if (event->type() == QEvent::FontChange) {
        m_painter.setFont(font());
        updateGeometryOfText();
    }
}

void TerminalDisplay::paintEvent(QPaintEvent* event)
{
    QPainter painter(viewport());
    TerminalPainter::Frame frame;
    frame.topRow = topRow();
    frame.area = event->rect();
    frame.blinkVisible = m_blinkVisible;
    if (hasSelection()) {
        frame.hasSelection = true;
        frame.selectionFrom = std::min(m_anchor, m_selectionEnd);
        frame.selectionTo = std::max(m_anchor, m_selectionEnd);
        frame.highlight = palette().color(QPalette::Highlight);
        frame.highlightedText = palette().color(QPalette::HighlightedText);
    }
    const bool blinking = m_painter.paint(painter, m_model, frame);
    // The blink timer runs only while blinking text is in view.
    if (blinking && !m_blink.isActive()) {
        m_blink.start();
    } else if (!blinking && m_blink.isActive()) {
        m_blink.stop();
        m_blinkVisible = true;
    }
}

void TerminalDisplay::keyPressEvent(QKeyEvent* event)
{
    if (const int code = WindowsKeyCode(event))
        emit keyDown(code, ShiftState(event->modifiers()));
    QString text = event->text();
    if (!text.isEmpty()) {
        emit keyPress(text);
        // A character nobody took goes on to the window around the display.
        if (!text.isEmpty()) {
            event->ignore();
            return;
        }
    }
    event->accept();
}

void TerminalDisplay::wheelEvent(QWheelEvent* event)
{
    // The scroll bar may not have caught up with the latest writes yet.
    updateScrollBar();
    QAbstractScrollArea::wheelEvent(event);
}

TerminalPosition TerminalDisplay::positionAt(QPointF point) const
{
    const qint64 row = topRow() + qint64(std::floor(point.y() / m_painter.lineHeight()));
    const int column = std::max(0, int(std::lround(point.x() / m_painter.cellWidth())));
    return { std::clamp(row, m_model.firstRow(), m_model.lastRow()), column };
}

void TerminalDisplay::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) {
        QAbstractScrollArea::mousePressEvent(event);
        return;
    }
    m_selecting = true;
    m_anchor = m_selectionEnd = positionAt(event->position());
    m_selectionLayout = m_model.layoutGeneration();
    viewport()->update();
}

void TerminalDisplay::mouseMoveEvent(QMouseEvent* event)
{
    if (!m_selecting || !(event->buttons() & Qt::LeftButton))
        return;
    // Dragging past the top or bottom edge scrolls.
    if (event->position().y() < 0)
        scrollLineUp();
    else if (event->position().y() >= viewport()->height())
        scrollLineDown();
    m_selectionEnd = positionAt(event->position());
    viewport()->update();
}

void TerminalDisplay::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && m_selecting) {
        m_selecting = false;
        m_selectionEnd = positionAt(event->position());
        viewport()->update();
    }
}

bool TerminalDisplay::hasSelection() const
{
    return m_anchor != m_selectionEnd && m_selectionLayout == m_model.layoutGeneration()
        && std::max(m_anchor, m_selectionEnd).row >= m_model.firstRow();
}

QString TerminalDisplay::selectedText() const
{
    return hasSelection() ? m_model.textBetween(m_anchor, m_selectionEnd) : QString();
}

void TerminalDisplay::clearSelection()
{
    m_anchor = m_selectionEnd = {};
    viewport()->update();
}

} // namespace lanthorn
