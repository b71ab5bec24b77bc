#include "application.h"

#include "datafile/filechannel.h"
#include "datafile/numbers.h"
#include "platform.h"

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

void Application::handOver(qint32 code, const QString& target, const QString& codeBox,
                           const QStringList& actions) {
    Screen* screen = this->screen(target);
    if (!screen)
        return;
    screen->setText(codeBox, plainDecimal(code));
    screen->codeHandedOver(codeBox);
    for (const QString& action : actions)
        screen->click(action);
    screen->show();
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
