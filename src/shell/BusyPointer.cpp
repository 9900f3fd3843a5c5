#include "shell/BusyPointer.h"

#include <QCursor>
#include <QGuiApplication>

namespace lanthorn {

void BusyPointer::show()
{
    if (QGuiApplication::overrideCursor())
        QGuiApplication::changeOverrideCursor(QCursor(Qt::WaitCursor));
    else
        QGuiApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
}

void BusyPointer::restore()
{
    while (QGuiApplication::overrideCursor())
        QGuiApplication::restoreOverrideCursor();
}

} // namespace lanthorn
