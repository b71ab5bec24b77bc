#include "screens.h"

#include "disclaimerscreen.h"
#include "mainmenu.h"
#include "printing/printerscreen.h"
#include "printing/printscreen.h"
#include "registry/registrationscreen.h"
#include "screen/application.h"
#include "statement/sectionsscreen.h"

namespace gaikyo::screens {

void registerAll(Application& app) {
    app.registerScreen(mainMenu, [](Application& a) { return new MainMenu(a); });
    app.registerScreen(disclaimer, [](Application& a) { return new DisclaimerScreen(a); });
    app.registerScreen(print, [](Application& a) { return new PrintScreen(a); });
    app.registerScreen(printers, [](Application& a) { return new PrinterScreen(a); });
    app.registerScreen(registration, [](Application& a) { return new RegistrationScreen(a); });
    app.registerScreen(sections, [](Application& a) { return new SectionsScreen(a); });
}

} // namespace gaikyo::screens
