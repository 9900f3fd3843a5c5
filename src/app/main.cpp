#include "platform/QtServices.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Lanthorn"));
    lanthorn::QtServices services;
    return 0;
}
