#include "startup.h"

#include "gui/desktopprogram.h"
#include "measure.h"
#include "registry/companylist.h"

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
    if (which != QStringLiteral("program"))
        return 1;
    // As the program's main() does it; GAIKYO_LISTS_ON_MAIN_THREAD=1 makes the lists on the main
    // thread, to measure what it gains.
    if (!qEnvironmentVariableIsSet("GAIKYO_LISTS_ON_MAIN_THREAD"))
        companylist::prepareForStartUp();
    QApplication qtApp(argc, argv);
    installDesktopServices(qtApp);
    DesktopProgram program;
    if (!program.startUp())
        return 1;
    return shown();
}

} // namespace gaikyo::bench
