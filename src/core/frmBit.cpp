#include "core/frmBit.h"

#include <QEvent>
#include <QLabel>
#include <QPainter>
#include <QPixmap>

namespace lanthorn {

frmBit::frmBit(QWidget* parent)
    : QWidget(parent)
    , pctBmp(new QLabel(this))
{
    setObjectName(QStringLiteral("frmBit"));
    pctBmp->setObjectName(QStringLiteral("pctBmp"));
}

bool frmBit::loadPicture(const QString& path)
{
    QPixmap pixmap;
    if (!pixmap.load(path))
        return false;
    m_tile = pixmap;
    pctBmp->setPixmap(pixmap);
    pctBmp->resize(pixmap.size());
    return true;
}

void frmBit::TileBackground(QWidget* window)
{
    if (window)
        window->installEventFilter(this);
}

bool frmBit::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Paint) {
        auto* window = static_cast<QWidget*>(watched);
        if (!m_tile.isNull()) {
            QPainter painter(window);
            painter.drawTiledPixmap(window->rect(), m_tile);
        }
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace lanthorn
