#include "screentour.h"

#include "screen/application.h"
#include "screenwindow.h"
#include "shell/screens.h"
#include "statement/sectionframes.h"
#include "windowmanager.h"

namespace gaikyo::screentour {

void visitAll(Application& app, const WindowManager& windows, qint32 code,
              const std::function<void(const QString& view, ScreenWindow& window)>& visit) {
    Screen* menu = app.screen(screens::mainMenu);
    menu->show();
    menu->setText(QStringLiteral("Text1"), QString::number(code));
    menu->click(QStringLiteral("Command2")); // 会社呼出
    const auto visitScreen = [&](const QString& screen, const QString& view) {
        if (ScreenWindow* window = windows.window(screen))
            visit(view, *window);
    };
    visitScreen(screens::mainMenu, screens::mainMenu);
    const struct {
        const char* button;
        QString screen;
    } opened[] = {{"Command1", screens::registration},  {"Command19", screens::mainAccounts},
                  {"Command12", screens::businessForm}, {"Command4", screens::taxAccountant},
                  {"Command5", screens::monthlyTable},  {"Command3", screens::print},
                  {"Command27", screens::printers},     {"Command22", screens::disclaimer}};
    for (const auto& o : opened) {
        menu->click(QString::fromLatin1(o.button));
        visitScreen(o.screen, o.screen);
    }
    menu->click(QStringLiteral("Command15")); // 概況書１
    Screen* sections = app.screen(screens::sections);
    for (const sectionframes::SectionFrame& f : sectionframes::all()) {
        sections->click(QString::fromLatin1(f.sectionButton));
        visitScreen(screens::sections,
                    QStringLiteral("%1-%2").arg(screens::sections).arg(f.section));
    }
}

} // namespace gaikyo::screentour
