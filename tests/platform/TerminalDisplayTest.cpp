// The terminal display widget: what it shows and paints, scrolling, mouse selection and keys.
#include "platform/TerminalDisplay.h"

#include "EventLoop.h"

#include <QApplication>
#include <QImage>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QScrollBar>
#include <QWheelEvent>
#include <cmath>
#include <gtest/gtest.h>
#include <memory>

using namespace lanthorn;
using lanthorn::testing::waitFor;

namespace {

/// A window holding one display, ten whole rows high.
class TerminalDisplayTest : public ::testing::Test {
protected:
    QWidget window;
    TerminalDisplay* display = new TerminalDisplay(&window);

    void SetUp() override
    {
        display->setFont(QFont(QStringLiteral("DejaVu Sans Mono"), 10));
        const int scrollBar = display->verticalScrollBar()->sizeHint().width();
        display->setGeometry(0, 0, int(std::ceil(40 * display->cellWidth())) + scrollBar, 10 * display->lineHeight());
        window.resize(display->size());
        window.show();
        ASSERT_EQ(display->visibleRows(), 10);
    }

    void writeLines(int from, int to)
    {
        for (int i = from; i <= to; ++i)
            display->Disp("line " + QByteArray::number(i) + "\r\n");
    }

    /// The middle of a character cell, in the display's coordinates.
    QPointF cell(int column, qint64 row) const
    {
        return { (column + 0.5) * display->cellWidth(), (row - display->topRow() + 0.5) * display->lineHeight() };
    }
    /// The gap before a column, where a selection starts or ends.
    QPointF gap(int column, qint64 row) const
    {
        return { (column + 0.1) * display->cellWidth(), (row - display->topRow() + 0.5) * display->lineHeight() };
    }

    void mouse(QEvent::Type type, QPointF at, Qt::MouseButtons buttons)
    {
        QMouseEvent event(type, at, display->viewport()->mapToGlobal(at), Qt::LeftButton, buttons, Qt::NoModifier);
        QApplication::sendEvent(display->viewport(), &event);
    }
    void drag(QPointF from, QPointF to)
    {
        mouse(QEvent::MouseButtonPress, from, Qt::LeftButton);
        mouse(QEvent::MouseMove, to, Qt::LeftButton);
        mouse(QEvent::MouseButtonRelease, to, Qt::NoButton);
    }

    QImage picture()
    {
        QApplication::processEvents();
        return display->viewport()->grab().toImage();
    }
    QColor pixel(const QImage& image, QPointF at) { return image.pixelColor(at.toPoint()); }
};

TEST_F(TerminalDisplayTest, ShowsAndPaintsColouredText)
{
    display->setForeColor(7);
    display->setBackColor(0);
    display->Disp("plain \x1b[1;33;41mwarn\x1b[0m\r\nnext \x1b[7mrev\x1b[0m");
    EXPECT_EQ(display->ScreenText(), QStringLiteral("plain warn\r\nnext rev"));
    EXPECT_EQ(display->ScrollbackText(), QString());

    const QImage image = picture();
    const qint64 top = display->topRow();
    EXPECT_EQ(pixel(image, cell(30, top + 5)), QColor(0, 0, 0)) << "the display's background is the background colour";
    const QRect warn = QRectF(cell(6, top) - QPointF(display->cellWidth() / 2, display->lineHeight() / 2),
        QSizeF(4 * display->cellWidth(), display->lineHeight()))
                           .toAlignedRect()
                           .adjusted(1, 1, -1, -1);
    int red = 0;
    int yellow = 0;
    for (int y = warn.top(); y <= warn.bottom(); ++y) {
        for (int x = warn.left(); x <= warn.right(); ++x) {
            const QColor c = image.pixelColor(x, y);
            red += c == QColor(128, 0, 0);
            yellow += c.red() > 200 && c.green() > 100 && c.blue() < 60;
        }
    }
    EXPECT_GT(red, warn.width() * warn.height() / 3) << "the run's background is painted";
    EXPECT_GT(yellow, 0) << "bold yellow text is bright yellow (glyph edges blend into the red)";
    EXPECT_EQ(pixel(image, QPointF(cell(5, top + 1).x(), cell(5, top + 1).y() - display->lineHeight() * 0.45)),
        QColor(192, 192, 192))
        << "reverse paints the text colour behind the text";

    display->setBackColor(1);
    EXPECT_TRUE(waitFor([&] { return pixel(picture(), cell(30, top + 5)) == QColor(0, 0, 128); }));
}

TEST_F(TerminalDisplayTest, BlinkingTextComesAndGoes)
{
    display->Disp("\x1b[5mBLINK BLINK BLINK\x1b[0m");
    const QImage first = picture();
    EXPECT_TRUE(waitFor([&] { return picture() != first; }, 3000));
    display->setScreenText(QString());
    const QImage cleared = picture();
    lanthorn::testing::runEventsFor(700);
    EXPECT_EQ(picture(), cleared) << "nothing changes without blinking text";
}

TEST_F(TerminalDisplayTest, ManyWritesArePaintedTogether)
{
    int paints = 0;
    struct PaintCounter : QObject {
        int& count;
        explicit PaintCounter(int& c)
            : count(c)
        {
        }
        bool eventFilter(QObject*, QEvent* event) override
        {
            count += event->type() == QEvent::Paint;
            return false;
        }
    } counter(paints);
    display->viewport()->installEventFilter(&counter);
    QApplication::processEvents();
    paints = 0;
    writeLines(1, 2000);
    QApplication::processEvents();
    EXPECT_EQ(paints, 0) << "writes do not paint at once";
    EXPECT_TRUE(waitFor([&] { return paints > 0; }));
    lanthorn::testing::runEventsFor(100);
    EXPECT_LE(paints, 2);
    display->viewport()->removeEventFilter(&counter);
}

TEST_F(TerminalDisplayTest, ScreenScrollbackAndClearing)
{
    display->setRows(3);
    display->setScrollbackRows(5);
    writeLines(1, 20);
    EXPECT_EQ(display->ScreenText(), QStringLiteral("line 19\r\nline 20\r\n"));
    EXPECT_EQ(display->ScrollbackText(), QStringLiteral("line 14\r\nline 15\r\nline 16\r\nline 17\r\nline 18\r\n"));

    display->Disp("\x1b[J");
    EXPECT_EQ(display->ScreenText(), QString());
    QApplication::processEvents();
    EXPECT_TRUE(waitFor([&] { return display->topRow() == display->model().lastRow(); }))
        << "a cleared screen shows an empty display, with the old text above it";

    display->setScrollbackRows(0);
    display->setScrollbackRows(100);
    EXPECT_EQ(display->ScrollbackText(), QString());
}

TEST_F(TerminalDisplayTest, FollowsNewTextUnlessScrolledBack)
{
    display->setRows(10);
    display->setScrollbackRows(200);
    writeLines(1, 100);
    const qint64 last = display->model().lastRow();
    EXPECT_TRUE(display->isFollowing());
    EXPECT_EQ(display->topRow(), last - 9);

    struct Step {
        TerminalDisplay::ScrollRequest request;
        qint64 top;
    };
    const Step steps[] = {
        { TerminalDisplay::ScrollRequest::LineUp, last - 10 },
        { TerminalDisplay::ScrollRequest::PageUp, last - 20 },
        { TerminalDisplay::ScrollRequest::LineDown, last - 19 },
        { TerminalDisplay::ScrollRequest::PageDown, last - 9 },
    };
    for (const Step& step : steps) {
        display->scroll(step.request);
        EXPECT_EQ(display->topRow(), step.top);
    }
    EXPECT_TRUE(display->isFollowing());

    display->scrollPageUp();
    const qint64 held = display->topRow();
    EXPECT_FALSE(display->isFollowing());
    writeLines(101, 120);
    EXPECT_TRUE(
        waitFor([&] { return display->verticalScrollBar()->maximum() == int(display->model().lastRow() - 9); }));
    EXPECT_EQ(display->topRow(), held) << "new text does not move a display scrolled back";
    EXPECT_EQ(display->verticalScrollBar()->value(), int(held - display->model().firstRow()));

    // The top and the bottom hold.
    for (int i = 0; i < 30; ++i)
        display->scrollPageUp();
    EXPECT_EQ(display->topRow(), display->model().firstRow());
    display->scrollLineUp();
    EXPECT_EQ(display->topRow(), display->model().firstRow());
    for (int i = 0; i < 30; ++i)
        display->scrollPageDown();
    EXPECT_TRUE(display->isFollowing());
    writeLines(121, 125);
    EXPECT_EQ(display->topRow(), display->model().lastRow() - 9);

    // The wheel and the scroll bar scroll too.
    const qint64 before = display->topRow();
    QWheelEvent wheel(cell(1, before + 2), display->mapToGlobal(cell(1, before + 2)), {}, { 0, 120 }, Qt::NoButton,
        Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(display->viewport(), &wheel);
    EXPECT_EQ(display->topRow(), before - QApplication::wheelScrollLines());
    display->verticalScrollBar()->setValue(0);
    EXPECT_EQ(display->topRow(), display->model().firstRow());
    EXPECT_FALSE(display->isFollowing());
}

TEST_F(TerminalDisplayTest, HidingTheScrollBarWidensTheText)
{
    const int columns = display->model().viewColumns();
    EXPECT_TRUE(display->verticalScrollBar()->isVisible());
    display->setScrollBarVisible(false);
    EXPECT_FALSE(display->isScrollBarVisible());
    EXPECT_TRUE(waitFor([&] { return !display->verticalScrollBar()->isVisible(); }));
    EXPECT_GT(display->model().viewColumns(), columns);
    display->setScrollBarVisible(true);
    EXPECT_TRUE(waitFor([&] { return display->model().viewColumns() == columns; }));
}

TEST_F(TerminalDisplayTest, LongLinesWrapAtTheDisplaysWidth)
{
    const int columns = display->model().viewColumns();
    ASSERT_GE(columns, 40);
    const QByteArray text(columns + 5, 'x');
    display->Disp(text);
    EXPECT_EQ(display->ScreenText(), QString(columns, u'x') + QStringLiteral("\r\nxxxxx"));
    display->setScreenColumns(30);
    EXPECT_EQ(display->ScreenText(), QString(30, u'x') + QStringLiteral("\r\n") + QString(columns - 25, u'x'));

    // A narrower window re-wraps what is kept.
    display->setScreenColumns(0);
    display->resize(display->width() / 2, display->height());
    const int half = display->model().viewColumns();
    EXPECT_LT(half, columns);
    EXPECT_TRUE(display->ScreenText().startsWith(QString(half, u'x') + QStringLiteral("\r\n")));
}

TEST_F(TerminalDisplayTest, MouseSelection)
{
    display->setRows(10);
    display->setScrollbackRows(6);
    display->Disp("alpha beta\r\ngamma delta\r\nepsilon\r\n");
    const qint64 first = display->model().firstRow();
    QApplication::processEvents();

    struct Case {
        int fromColumn;
        qint64 fromRow;
        int toColumn;
        qint64 toRow;
        QString text;
    };
    const Case cases[] = {
        { 6, 0, 5, 1, QStringLiteral("beta\r\ngamma") },
        { 5, 1, 6, 0, QStringLiteral("beta\r\ngamma") },
        { 0, 0, 30, 2, QStringLiteral("alpha beta\r\ngamma delta\r\nepsilon") },
        { 2, 2, 2, 2, QString() },
    };
    for (const Case& c : cases) {
        drag(gap(c.fromColumn, first + c.fromRow), gap(c.toColumn, first + c.toRow));
        EXPECT_EQ(display->selectedText(), c.text);
        EXPECT_EQ(display->hasSelection(), !c.text.isEmpty());
    }

    // Selected text is painted in the highlight colours.
    drag(gap(0, first), gap(5, first));
    EXPECT_EQ(display->selectedText(), QStringLiteral("alpha"));
    const QImage image = picture();
    const QColor highlight = display->palette().color(QPalette::Highlight);
    EXPECT_EQ(pixel(image, QPointF(cell(2, first).x(), cell(2, first).y() - display->lineHeight() * 0.45)), highlight);

    // The selection stays on its text while new rows arrive and old ones are trimmed.
    drag(gap(6, first + 1), gap(4, first + 2));
    ASSERT_EQ(display->selectedText(), QStringLiteral("delta\r\nepsi"));
    writeLines(1, 3);
    EXPECT_EQ(display->selectedText(), QStringLiteral("delta\r\nepsi"));
    EXPECT_EQ(display->model().firstRow(), first);
    writeLines(4, 14);
    EXPECT_EQ(display->model().firstRow(), first + 2) << "the first row of the selection is gone";
    EXPECT_EQ(display->selectedText(), QStringLiteral("epsi"));
    writeLines(15, 20);
    EXPECT_EQ(display->selectedText(), QString());
    EXPECT_FALSE(display->hasSelection()) << "nothing of it is left";
    drag(gap(0, display->model().lastRow() - 1), gap(3, display->model().lastRow() - 1));
    EXPECT_TRUE(display->hasSelection());
    display->clearSelection();
    EXPECT_FALSE(display->hasSelection());
    EXPECT_EQ(display->selectedText(), QString());
}

TEST_F(TerminalDisplayTest, SelectionOfWrappedTextIsAsShown)
{
    const int columns = display->model().viewColumns();
    display->Disp(QByteArray(columns, 'a') + "bbb\r\n");
    const qint64 first = display->model().firstRow();
    QApplication::processEvents();
    drag(gap(columns - 2, first), gap(2, first + 1));
    EXPECT_EQ(display->selectedText(), QStringLiteral("aa\r\nbb"));

    // A re-wrap moves the text under the selection: it is dropped rather than pointing
    // elsewhere.
    display->setScreenColumns(10);
    EXPECT_EQ(display->selectedText(), QString());
}

TEST_F(TerminalDisplayTest, DraggingPastTheEdgeScrolls)
{
    display->setScrollbackRows(100);
    writeLines(1, 50);
    QApplication::processEvents();
    const qint64 top = display->topRow();
    mouse(QEvent::MouseButtonPress, gap(3, top + 2), Qt::LeftButton);
    mouse(QEvent::MouseMove, QPointF(0, -5), Qt::LeftButton);
    mouse(QEvent::MouseMove, QPointF(0, -5), Qt::LeftButton);
    mouse(QEvent::MouseButtonRelease, QPointF(0, -5), Qt::NoButton);
    EXPECT_EQ(display->topRow(), top - 2);
    EXPECT_EQ(display->selectedText(), QStringLiteral("line 39\r\nline 40\r\nline 41\r\nline 42\r\nline 43\r\nlin"));
}

} // namespace
