#include "gui/desktopprogram.h"
#include "registry/companylist.h"
#include "version.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    // The company lists are made on a second core while Qt and the windows start.
    gaikyo::companylist::prepareForStartUp();
    QApplication qtApp(argc, argv);
    QApplication::setApplicationVersion(QString::fromLatin1(gaikyo::programVersion));
    // The desktop entry gaikyo.desktop: its name and icon for the program's windows.
    QGuiApplication::setDesktopFileName(QStringLiteral("gaikyo"));
    gaikyo::installDesktopServices(qtApp);
    gaikyo::DesktopProgram program;
    if (!program.startUp())
        return 0;
    return QApplication::exec();
}
