#pragma once

#include <QString>
#include <functional>

namespace gaikyo {

class Application;
class ScreenWindow;
class WindowManager;

namespace screentour {

// Opens every screen as the user does, from the main menu for a registered company, and
// hands each view to `visit`: the main menu first, then every screen it opens, Form2
// once per section (views "Form2-21" … "Form2-26").
void visitAll(Application& app, const WindowManager& windows, qint32 code,
              const std::function<void(const QString& view, ScreenWindow& window)>& visit);

} // namespace screentour

} // namespace gaikyo
