#pragma once

#include <QHash>
#include <QObject>
#include <QPointer>

namespace gaikyo {

class Application;
class Screen;
class ScreenWindow;

// Gives every screen of the application its window, and takes it away when the
// screen closes.
class WindowManager : public QObject {
    Q_OBJECT
public:
    explicit WindowManager(Application& app);
    ~WindowManager() override;

    ScreenWindow* window(const QString& screenName) const;

private:
    QHash<QString, QPointer<ScreenWindow>> m_windows;
};

} // namespace gaikyo
