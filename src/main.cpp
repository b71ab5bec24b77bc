#include "gui/desktopprogram.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication qtApp(argc, argv);
    gaikyo::installDesktopServices(qtApp);
    gaikyo::DesktopProgram program;
    if (!program.startUp())
        return 0;
    return QApplication::exec();
}
