#include "disclaimerscreen.h"

#include "labelrows.h"
#include "pledge.h"
#include "screen/application.h"
#include "screen/messages.h"
#include "screen/platform.h"
#include "screens.h"
#include "supportlinks.h"
#include "version.h"

namespace gaikyo {

using namespace controls;

DisclaimerScreen::DisclaimerScreen(Application& app)
    : Screen(app, screens::disclaimer, QStringLiteral("使用上の注意"), QSize(9705, 6990),
             Unit::Twips) {
    setBackground(QColor(255, 192, 192));
    const FontSpec labelFont{{}, 14.25, false};
    const FontSpec buttonFont{{}, 18, false};

    const LabelRow texts[] = {
        {"Label2", "本ソフトの使用上の注意", QRect(120, 120, 3015, 375)},
        {"Label6", "【誓　　約　　文】", QRect(1920, 600, 2055, 375)},
        {"Label5",
         "　　本ソフトの使用の結果についての責任は、本ソフト使用者にその責任が総て帰属するものとし"
         "ます。直接的または間接的に何らかの不利益が発生したときでも、本ソフト制作者には何らの責任"
         "がないことを本ソフト使用者は確認します。\n",
         QRect(120, 1080, 9135, 1215)},
        {"Label11",
         "　　また、本ソフト使用においてパソコン等に何らかの影響が生じても本ソフト制作者には関係な"
         "いことを確認します。",
         QRect(120, 2400, 9255, 615)},
        {"Label4", "　　この条件を許諾できる場合にのみ、本ソフトの使用を許可します。",
         QRect(120, 3120, 9135, 375)},
        {"Label7",
         "　　本条件に不承諾であっとしても、本ソフトを使用したその時点において、上記誓約文に承諾し"
         "たものとします。",
         QRect(120, 3600, 9135, 615)},
        {"Label8",
         "　　本誓約文を読まずに使用したとしても、本ソフトの使用の時点より、上記誓約文に承諾したも"
         "のとします。　",
         QRect(120, 4320, 9135, 615)},
    };
    addLabels(*this, texts, labelFont);

    Control& link =
        add(label(QStringLiteral("Label1"), QStringLiteral(" Tesmori のホームページを開く"),
                  QRect(120, 6240, 3495, 375)));
    link.font = labelFont;
    link.background = QColor(255, 128, 128);
    add(button(QStringLiteral("Command1"), QStringLiteral("承諾使用"),
               QRect(5520, 6240, 1935, 495)))
        .font = buttonFont;
    add(button(QStringLiteral("Command2"), QStringLiteral("不承諾"), QRect(7440, 6240, 1935, 495)))
        .font = buttonFont;
    add(button(QStringLiteral("Command3"), QStringLiteral("END"), QRect(4680, 6480, 615, 195)))
        .font = FontSpec{{}, 9.75, false};

    // The program's version, small, above the buttons: where the user reads what this
    // program promises, and where support asks to look.
    Control& version =
        add(label(QStringLiteral("VersionLabel"),
                  QStringLiteral("バージョン ") + QString::fromLatin1(programVersion),
                  QRect(5520, 5880, 3855, 300)));
    version.font = FontSpec{{}, 9, false};
    version.foreground = QColor(0, 0, 128);
    version.alignment = Qt::AlignRight | Qt::AlignVCenter;

    onClick(QStringLiteral("Command1"), [this] {
        const Status written = pledge::writeAccepted();
        if (!written.ok())
            messages::warn(pledge::failureTitle(), written.message());
        this->app().platform().beep();
        if (Screen* menu = this->app().existing(screens::mainMenu))
            menu->show();
    });
    onClick(QStringLiteral("Command2"), [this] {
        // The refusal that could not be kept is told before the program ends: the next
        // start would not ask again.
        const Status written = pledge::writeRefused();
        if (!written.ok())
            messages::warn(pledge::failureTitle(), written.message());
        this->app().endProgram();
    });
    onClick(QStringLiteral("Command3"), [this] { this->app().quit(); });
    onClick(QStringLiteral("Label1"), [this] {
        this->app().platform().openAddress(supportlinks::homePage());
        click(QStringLiteral("Command3"));
    });
}

} // namespace gaikyo
