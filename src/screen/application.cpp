#include "application.h"

#include "datafile/filechannel.h"
#include "platform.h"

#include <algorithm>

namespace gaikyo {

Application::Application(Platform& platform) : m_platform(platform) {}

Application::~Application() {
    for (const QPointer<Screen>& screen : std::as_const(m_screens))
        delete screen.data();
}

void Application::registerScreen(const QString& name, Factory factory) {
    m_factories.insert(name, std::move(factory));
}

Screen* Application::existing(const QString& name) const {
    return m_screens.value(name).data();
}

Screen* Application::screen(const QString& name) {
    if (Screen* screen = existing(name))
        return screen;
    const auto factory = m_factories.find(name);
    if (factory == m_factories.end())
        return nullptr;
    Screen* screen = (*factory)(*this);
    m_screens.insert(name, screen);
    Q_EMIT screenCreated(screen);
    screen->load();
    return screen;
}

void Application::discard(Screen* screen) {
    const QString name = screen->objectName();
    if (m_screens.value(name) != screen)
        return;
    m_screens.remove(name);
    Q_EMIT screenDiscarded(screen);
    // The screen may still be inside one of its own actions: it goes once that ends.
    screen->deleteLater();
}

void Application::open(const QString& target, qint32 code) {
    if (Screen* open = existing(target); open && !open->settleUnsaved())
        return;
    Screen* screen = this->screen(target);
    if (!screen)
        return;
    screen->openOn(code);
    screen->show();
}

void Application::quit() {
    // In the order of the screens' names, so that the questions come in the same order
    // each time.
    QList<Screen*> open;
    for (const QPointer<Screen>& screen : std::as_const(m_screens))
        if (screen)
            open.append(screen.data());
    std::sort(open.begin(), open.end(), [](const Screen* a, const Screen* b) {
        const auto number = [](const Screen* s) { return s->objectName().mid(4).toInt(); };
        return number(a) < number(b);
    });
    for (Screen* screen : open) {
        if (screen->isClosed() || screen->changedBoxes().isEmpty())
            continue;
        // The screen the question is about comes to the front.
        screen->show();
        if (!screen->settleUnsaved())
            return;
    }
    endProgram();
}

void Application::endProgram() {
    if (m_ended)
        return;
    m_ended = true;
    m_platform.beep();
    FileChannel::instance().close();
    m_platform.endProgram();
}

} // namespace gaikyo
