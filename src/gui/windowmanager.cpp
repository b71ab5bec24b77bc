#include "windowmanager.h"

#include "screen/application.h"
#include "screenwindow.h"

namespace gaikyo {

WindowManager::WindowManager(Application& app) {
    connect(&app, &Application::screenCreated, this, [this](Screen* screen) {
        m_windows.insert(screen->objectName(), new ScreenWindow(*screen));
    });
    connect(&app, &Application::screenDiscarded, this, [this](Screen* screen) {
        if (QPointer<ScreenWindow> window = m_windows.take(screen->objectName())) {
            window->hide();
            window->deleteLater();
        }
    });
}

WindowManager::~WindowManager() {
    for (const QPointer<ScreenWindow>& window : std::as_const(m_windows))
        delete window.data();
}

ScreenWindow* WindowManager::window(const QString& screenName) const {
    return m_windows.value(screenName).data();
}

} // namespace gaikyo
