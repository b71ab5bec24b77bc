#include "screens.h"

#include "disclaimerscreen.h"
#include "mainmenu.h"
#include "printing/printerscreen.h"
#include "printing/printscreen.h"
#include "printing/yearendsteps.h"
#include "registry/registrationscreen.h"
#include "screen/application.h"
#include "statement/businessformscreen.h"
#include "statement/mainaccountsscreen.h"
#include "statement/monthlytablescreen.h"
#include "statement/sectionsscreen.h"
#include "statement/taxaccountantscreen.h"

namespace gaikyo::screens {

void registerAll(Application& app) {
    app.registerScreen(mainMenu, [](Application& a) { return new MainMenu(a); });
    app.registerScreen(disclaimer, [](Application& a) { return new DisclaimerScreen(a); });
    app.registerScreen(print, [](Application& a) { return new PrintScreen(a); });
    app.registerScreen(printers, [](Application& a) { return new PrinterScreen(a); });
    app.registerScreen(registration, [](Application& a) {
        auto* screen = new RegistrationScreen(a);
        screen->setYearEnd(std::make_shared<YearEndSteps>(a));
        return screen;
    });
    app.registerScreen(sections, [](Application& a) { return new SectionsScreen(a); });
    app.registerScreen(mainAccounts, [](Application& a) { return new MainAccountsScreen(a); });
    app.registerScreen(businessForm, [](Application& a) { return new BusinessFormScreen(a); });
    app.registerScreen(taxAccountant, [](Application& a) { return new TaxAccountantScreen(a); });
    app.registerScreen(monthlyTable, [](Application& a) { return new MonthlyTableScreen(a); });
}

} // namespace gaikyo::screens
