#include "gui/desktopprogram.h"
#include "registry/companylist.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    // The company lists are made on a second core while Qt and the windows start.
    gaikyo::companylist::prepareForStartUp();
    QApplication qtApp(argc, argv);
    gaikyo::installDesktopServices(qtApp);
    gaikyo::DesktopProgram program;
    if (!program.startUp())
        return 0;
    return QApplication::exec();
}
