#include "startup.h"

#include "gui/desktopplatform.h"
#include "gui/qtmessages.h"
#include "gui/systemprinters.h"
#include "gui/translations.h"
#include "gui/windowmanager.h"
#include "measure.h"
#include "screen/application.h"
#include "screen/fonts.h"
#include "shell/mainmenu.h"
#include "shell/screens.h"

#include <QApplication>
#include <cstdio>

namespace gaikyo::bench {

namespace {

int shown() {
    // The window's first expose and paint.
    QCoreApplication::processEvents();
    std::printf("%lld %lld\n", static_cast<long long>(monotonicNs()),
                static_cast<long long>(peakMemoryKb()));
    std::fflush(stdout);
    return 0;
}

} // namespace

int runStartupChild(int argc, char* argv[], const QString& which) {
    QApplication qtApp(argc, argv);
    if (which != QStringLiteral("program"))
        return 1;
    // As the program's main() does it.
    translations::installJapanese(qtApp);
    fonts::installSubstitutes();
    messages::install(&showQtMessageBox);
    DesktopPlatform platform;
    SystemPrinters printers;
    Application app(platform);
    app.setPrinters(&printers);
    screens::registerAll(app);
    WindowManager windows(app);
    auto* menu = app.screenAs<MainMenu>(screens::mainMenu);
    if (!menu->startUp())
        return 1;
    return shown();
}

} // namespace gaikyo::bench
