#include "preview.h"

#include "gui/desktopplatform.h"
#include "gui/systemprinters.h"
#include "gui/translations.h"
#include "gui/windowmanager.h"
#include "measure.h"
#include "screen/application.h"
#include "screen/fonts.h"
#include "shell/mainmenu.h"
#include "shell/screens.h"

#include <QApplication>
#include <QDialog>
#include <QTimer>
#include <cstdio>

namespace gaikyo::bench {

namespace {

// Once the preview is up: draws it as the screen would, then closes it.
void closeNextPreview() {
    QTimer::singleShot(0, [] {
        if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
            dialog->grab();
            dialog->reject();
        } else {
            closeNextPreview();
        }
    });
}

} // namespace

int runPreviewChild(int argc, char* argv[], int previews) {
    QApplication qtApp(argc, argv);
    translations::installJapanese(qtApp);
    fonts::installSubstitutes();
    DesktopPlatform platform;
    SystemPrinters printers;
    Application app(platform);
    app.setPrinters(&printers);
    screens::registerAll(app);
    WindowManager windows(app);
    auto* menu = app.screenAs<MainMenu>(screens::mainMenu);
    if (!menu->startUp())
        return 1;
    QCoreApplication::processEvents();
    const qint64 atMenuKb = residentMemoryKb();
    const qint64 atMenuOwnKb = anonymousMemoryKb();

    menu->setText(QStringLiteral("Text1"), QStringLiteral("1"));
    menu->click(QStringLiteral("Command3"));
    Screen* print = app.existing(screens::print);
    if (!print)
        return 1;
    qint64 afterFirstOwnKb = 0;
    for (int run = 0; run < previews; ++run) {
        closeNextPreview();
        print->click(QStringLiteral("Command22"));
        if (run == 0)
            afterFirstOwnKb = anonymousMemoryKb();
    }
    print->close();
    QCoreApplication::processEvents();
    std::printf("%lld %lld %lld %lld %lld %lld\n", static_cast<long long>(atMenuKb),
                static_cast<long long>(atMenuOwnKb), static_cast<long long>(peakMemoryKb()),
                static_cast<long long>(afterFirstOwnKb), static_cast<long long>(residentMemoryKb()),
                static_cast<long long>(anonymousMemoryKb()));
    std::fflush(stdout);
    return 0;
}

} // namespace gaikyo::bench
