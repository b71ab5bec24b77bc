#include "gui/desktopprogram.h"
#include "registry/companylist.h"
#include "version.h"

#include <QApplication>

int main(int argc, char* argv[]) {
#ifdef Q_OS_WIN
    // The MinGW runtime frees Qt's per-thread stack for compiled patterns wrongly when a
    // thread of our own ends (the start-up list maker below), and the program crashes:
    // on Windows patterns are interpreted instead.
    if (!qEnvironmentVariableIsSet("QT_ENABLE_REGEXP_JIT"))
        qputenv("QT_ENABLE_REGEXP_JIT", "0");
#endif
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
