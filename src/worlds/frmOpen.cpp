#include "worlds/frmOpen.h"

namespace lanthorn {

frmOpen::frmOpen(QWidget* parent)
    : QMdiSubWindow(parent)
{
    setObjectName(QStringLiteral("frmOpen"));
    setWindowTitle(QStringLiteral("Lanthorn"));
    setWidget(new QWidget);
}

} // namespace lanthorn
