#include "core/Program.h"
#include "platform/QtServices.h"
#include "shell/Shell.h"
#include "shell/ToolbarIcons.h"

#include <QApplication>
#include <QStringList>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Lanthorn"));
    QApplication::setQuitOnLastWindowClosed(false);
    QApplication::setWindowIcon(lanthorn::ToolbarIcon(lanthorn::ToolbarPicture::Connect));

    lanthorn::QtServices services;
    lanthorn::Program program(lanthorn::SettingsFiles::defaultDirectory(), services);
    // The text after the program name, as one line: "host port" opens a new site at that address.
    const QString arguments = QApplication::arguments().mid(1).join(u' ');
    lanthorn::Shell shell(program, services, arguments, [] { QCoreApplication::exit(0); });
    services.setHelpHandler(
        [&shell](lanthorn::HelpCommand command, int topic) { shell.showHelpWindow(command, topic); });
    shell.start();
    return QApplication::exec();
}
