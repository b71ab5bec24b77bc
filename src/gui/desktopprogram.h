#pragma once

#include "desktopplatform.h"
#include "screen/application.h"
#include "systemprinters.h"
#include "windowmanager.h"

class QApplication;

namespace gaikyo {

// Qt's side of the program as it runs on a desktop: the Japanese translation, the font
// substitutes and the real dialogs behind every seam.
void installDesktopServices(QApplication& qtApp);

// The program's screens with the desktop's platform services, printers and windows.
class DesktopProgram {
public:
    DesktopProgram();

    Application& app() { return m_app; }
    WindowManager& windows() { return m_windows; }
    // The main menu's start-up; false when the program is to end at once.
    bool startUp();

private:
    DesktopPlatform m_platform;
    SystemPrinters m_printers;
    Application m_app{m_platform};
    WindowManager m_windows{m_app};
};

} // namespace gaikyo
