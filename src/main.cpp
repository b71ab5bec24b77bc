#include "gui/checklistdialog.h"
#include "gui/desktopplatform.h"
#include "gui/importconfirmationdialog.h"
#include "gui/qtmessages.h"
#include "gui/systemprinters.h"
#include "gui/translations.h"
#include "gui/windowmanager.h"
#include "screen/application.h"
#include "screen/fonts.h"
#include "shell/mainmenu.h"
#include "shell/screens.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication qtApp(argc, argv);
    gaikyo::translations::installJapanese(qtApp);
    gaikyo::fonts::installSubstitutes();
    gaikyo::messages::install(&gaikyo::showQtMessageBox);
    gaikyo::filechooser::install(&gaikyo::askQtSavePath);
    gaikyo::checklist::install(&gaikyo::confirmWithQtChecklist);
    gaikyo::filechooser::installOpen(&gaikyo::askQtOpenPath);
    gaikyo::importconfirmation::install(&gaikyo::askQtImportConfirmation);

    gaikyo::DesktopPlatform platform;
    gaikyo::SystemPrinters printers;
    gaikyo::Application app(platform);
    app.setPrinters(&printers);
    gaikyo::screens::registerAll(app);
    gaikyo::WindowManager windows(app);

    auto* menu = app.screenAs<gaikyo::MainMenu>(gaikyo::screens::mainMenu);
    if (!menu->startUp())
        return 0;
    return QApplication::exec();
}
