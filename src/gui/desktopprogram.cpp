#include "desktopprogram.h"

#include "checklistdialog.h"
#include "columnchoicedialog.h"
#include "importconfirmationdialog.h"
#include "progressdialog.h"
#include "qtmessages.h"
#include "screen/fonts.h"
#include "shell/mainmenu.h"
#include "shell/screens.h"
#include "translations.h"

#include <QApplication>

namespace gaikyo {

void installDesktopServices(QApplication& qtApp) {
    translations::installJapanese(qtApp);
    fonts::installSubstitutes();
    messages::install(&showQtMessageBox);
    filechooser::install(&askQtSavePath);
    filechooser::installOpen(&askQtOpenPath);
    checklist::install(&confirmWithQtChecklist);
    importconfirmation::install(&askQtImportConfirmation);
    columnchoice::install(&askQtColumnChoice);
    progress::install(&startQtProgress);
}

DesktopProgram::DesktopProgram() {
    m_app.setPrinters(&m_printers);
    screens::registerAll(m_app);
}

bool DesktopProgram::startUp() {
    return m_app.screenAs<MainMenu>(screens::mainMenu)->startUp();
}

} // namespace gaikyo
