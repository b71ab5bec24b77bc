#pragma once

#include "gui/screenwindow.h"
#include "gui/windowmanager.h"
#include "support/testprogram.h"

#include <QCoreApplication>
#include <QEvent>

namespace gaikyo::test {

// A program fixture with a real window for every screen it makes, as the desktop shows
// them: Windowed<TestProgram>, or any fixture built on it. For the window tests only.
template <class Program = TestProgram> struct Windowed : Program {
    using Program::Program;
    ~Windowed() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

    WindowManager windows{this->app};

    ScreenWindow* window(const QString& screen) const { return windows.window(screen); }
};

} // namespace gaikyo::test
