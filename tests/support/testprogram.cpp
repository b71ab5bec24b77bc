#include "testprogram.h"

#include "datafile/drivec.h"
#include "registry/companypaths.h"
#include "shell/screens.h"

#include <QCoreApplication>
#include <QEvent>

namespace gaikyo::test {

TestProgram::TestProgram(const Options& options)
    : m_ownHome(options.home ? nullptr : std::make_unique<TestHome>()),
      m_ownMessages(options.messages ? nullptr
                                     : std::make_unique<ScriptedMessages>(options.answers)),
      home(options.home ? *options.home : *m_ownHome),
      messages(options.messages ? *options.messages : *m_ownMessages) {
    app.setPrinters(options.recordingPrinters ? &printers : options.printers);
    screens::registerAll(app);
    if (options.statementFolder)
        drivec::createFolder(paths::statementFolder());
}

TestProgram::~TestProgram() {
    // Screens closed last are deleted while their application still stands.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

MainMenu& TestProgram::menu() {
    return *app.screenAs<MainMenu>(screens::mainMenu);
}

bool TestProgram::startUp() {
    return menu().startUp();
}

void TestProgram::callUp(const QString& code) {
    menu().setText(QStringLiteral("Text1"), code);
    menu().click(QStringLiteral("Command2"));
}

const MainMenu::CompanyScreen& handOverOf(const QString& screen) {
    for (const MainMenu::CompanyScreen& target : MainMenu::companyScreens())
        if (target.screen == screen)
            return target;
    qFatal("the main menu opens no screen %s on a company", qPrintable(screen));
}

Screen& TestProgram::handOver(const QString& screen, qint32 code) {
    app.open(handOverOf(screen).screen, code);
    return *app.screen(screen);
}

} // namespace gaikyo::test
