#include "printerscreen.h"

#include "printerservice.h"
#include "screen/application.h"
#include "screen/messages.h"
#include "screen/screennames.h"

namespace gaikyo {

using namespace controls;

namespace {
const QString list = QStringLiteral("List1");
const QString title = QStringLiteral("プリンタの変更");
} // namespace

PrinterScreen::PrinterScreen(Application& app)
    : Screen(app, screens::printers, title, QSize(6600, 2895), Unit::Twips) {
    const QColor lightYellow(255, 255, 192);
    add(label(QStringLiteral("Label1"), QStringLiteral("プリンタ："), QRect(0, 240, 975, 255)))
        .background = lightYellow;
    add(listBox(list, QRect(1080, 120, 4095, 1410)));
    add(button(QStringLiteral("Command1"), QStringLiteral("設  定"), QRect(5280, 1080, 1215, 495)));
    add(button(QStringLiteral("Command2"), QStringLiteral("閉じる"), QRect(5280, 2280, 1215, 375)));
    Control& note = add(label(
        QStringLiteral("Label2"),
        QStringLiteral(
            "（注意事項）　　ここで変更したプリンターはパソコンの標準設定をも変更してしまいます。"),
        QRect(480, 1920, 5535, 495)));
    note.background = lightYellow;
    note.foreground = QColor(0, 0, 255);
    note.font = FontSpec{{}, 0, true};

    onClick(QStringLiteral("Command1"), [this] { setDefault(); });
    onClick(QStringLiteral("Command2"), [this] { backToMainMenu(); });
}

void PrinterScreen::load() {
    // The list is made once per load: printers added later appear after the screen has
    // been closed and opened again.
    clearItems(list);
    if (PrinterService* printers = app().printers())
        for (const QString& name : printers->installedPrinters())
            addItem(list, name);
    setSelectedRow(list, 0);
}

void PrinterScreen::setDefault() {
    const int row = selectedRow(list);
    PrinterService* printers = app().printers();
    if (row < 0 || !printers) {
        messages::warn(title,
                       QStringLiteral("プリンターがインストールされていません。"
                                      "プリンターを追加してから、この画面を開き直してください。"));
        return;
    }
    const QString name = items(list).at(row);
    const Status status = printers->setDefaultPrinter(name);
    if (!status.ok()) {
        messages::warn(title, status.message());
        return;
    }
    backToMainMenu();
}

void PrinterScreen::backToMainMenu() {
    if (Screen* menu = app().existing(screens::mainMenu))
        menu->show();
    hide();
}

} // namespace gaikyo
