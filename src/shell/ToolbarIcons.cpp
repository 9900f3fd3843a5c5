#include "shell/ToolbarIcons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace lanthorn {

namespace {

constexpr int kSize = 32;

QPixmap draw(ToolbarPicture picture)
{
    QPixmap pixmap(kSize, kSize);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    const QColor ink(40, 44, 52);
    const QColor amber(232, 170, 60);
    p.setPen(QPen(ink, 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));

    switch (picture) {
    case ToolbarPicture::Who: // two people
        p.setBrush(amber);
        p.drawEllipse(QPointF(12, 10), 5, 5);
        p.drawChord(QRectF(3, 17, 18, 18), 0, 180 * 16);
        p.setBrush(QColor(120, 170, 220));
        p.drawEllipse(QPointF(22, 12), 4, 4);
        p.drawChord(QRectF(15, 19, 14, 14), 0, 180 * 16);
        break;
    case ToolbarPicture::Pause: // two bars
        p.setBrush(amber);
        p.drawRoundedRect(QRectF(8, 6, 6, 20), 2, 2);
        p.drawRoundedRect(QRectF(18, 6, 6, 20), 2, 2);
        break;
    case ToolbarPicture::Mail: // an envelope
        p.setBrush(QColor(250, 245, 230));
        p.drawRect(QRectF(4, 8, 24, 17));
        p.drawPolyline(QPolygonF({ QPointF(4, 8), QPointF(16, 18), QPointF(28, 8) }));
        break;
    case ToolbarPicture::Look: { // an eye
        QPainterPath eye;
        eye.moveTo(3, 16);
        eye.quadTo(16, 4, 29, 16);
        eye.quadTo(16, 28, 3, 16);
        p.setBrush(QColor(250, 245, 230));
        p.drawPath(eye);
        p.setBrush(QColor(70, 120, 190));
        p.drawEllipse(QPointF(16, 16), 5, 5);
        break;
    }
    case ToolbarPicture::Log: // a page with lines and a pen
        p.setBrush(QColor(250, 245, 230));
        p.drawRect(QRectF(6, 4, 17, 24));
        p.drawLine(QPointF(10, 10), QPointF(19, 10));
        p.drawLine(QPointF(10, 15), QPointF(19, 15));
        p.drawLine(QPointF(10, 20), QPointF(16, 20));
        p.setPen(QPen(amber, 3, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(28, 9), QPointF(19, 26));
        break;
    case ToolbarPicture::Connect: // a lantern
        p.setBrush(amber);
        p.drawRoundedRect(QRectF(10, 9, 12, 16), 3, 3);
        p.drawLine(QPointF(16, 3), QPointF(16, 9));
        p.drawArc(QRectF(12, 2, 8, 6), 0, 180 * 16);
        p.drawLine(QPointF(8, 27), QPointF(24, 27));
        p.setPen(QPen(QColor(255, 240, 190), 2));
        p.drawLine(QPointF(16, 13), QPointF(16, 21));
        break;
    }
    return pixmap;
}

} // namespace

QIcon ToolbarIcon(ToolbarPicture picture)
{
    return QIcon(draw(picture));
}

} // namespace lanthorn
