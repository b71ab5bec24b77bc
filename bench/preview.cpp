#include "preview.h"

#include "gui/desktopprogram.h"
#include "measure.h"
#include "screen/checklist.h"
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
    installDesktopServices(qtApp);
    // Nobody answers the check before printing: the preview goes on as it does after
    // "このまま印刷".
    checklist::install({});
    DesktopProgram program;
    if (!program.startUp())
        return 1;
    Application& app = program.app();
    Screen* menu = app.existing(screens::mainMenu);
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
