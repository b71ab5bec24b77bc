#include "registry/companypaths.h"
#include "registry/masterfile.h"
#include "registry/registrationscreen.h"
#include "screen/application.h"
#include "shell/mainmenu.h"
#include "shell/screens.h"
#include "support/typing.h"
#include "support/windowed.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

using namespace gaikyo;
using namespace Qt::Literals::StringLiterals;

namespace {

// The program with its windows, on a drive C: of its own.
struct Program : test::Windowed<> {
    ScreenWindow* menuWindow() {
        app.screen(screens::mainMenu)->show();
        return windows.window(screens::mainMenu);
    }
    ScreenWindow* registrationWindow() const { return windows.window(screens::registration); }
};

template <class T> T* widget(QWidget* window, const QString& name) {
    T* w = window ? window->findChild<T*>(name) : nullptr;
    if (!w)
        qFatal("no widget %s", qPrintable(name));
    return w;
}

// Digits come from the keyboard; Japanese text, as on a real desktop, from the input
// method's commit.
void type(QWidget* window, const QString& box, const QString& text) {
    auto* edit = widget<QLineEdit>(window, box);
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Delete);
    test::typeInto(edit, text);
}

void press(QWidget* window, const QString& button) {
    QTest::mouseClick(widget<QPushButton>(window, button), Qt::LeftButton);
}

void clickItem(QWidget* window, const QString& list, int row) {
    auto* view = widget<QListWidget>(window, list);
    const QRect rect = view->visualItemRect(view->item(row));
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, rect.center());
}

} // namespace

class RegistrationWindowTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void registerAndSave();
    void focusOrderAndInputModes();
    void registryListClickOpensTheScreen();
    void companyListClickFillsTheHeader();
    void reiwaCompanyByTheKeyboard();
    void reiwaCompanyThroughTheWindows();
};

// "会社登録" for 5, "DATA" without a registry file, then typing and saving by the keyboard
// and the mouse.
void RegistrationWindowTest::registerAndSave() {
    Program p;
    ScreenWindow* menu = p.menuWindow();
    type(menu, u"Text1"_s, u"5"_s);
    press(menu, u"Command1"_s);

    ScreenWindow* form = p.registrationWindow();
    QVERIFY(form);
    QVERIFY(form->isVisible());
    QCOMPARE(form->windowTitle(), u"法人税事業概況書に登録"_s);
    QCOMPARE(form->size(), QSize(466, 424));
    QCOMPARE(widget<QPushButton>(form, u"Command12"_s)->geometry(), QRect(144, 280, 241, 89));
    QCOMPARE(widget<QLineEdit>(form, u"Text9"_s)->text(), u" "_s);

    press(form, u"Command7"_s);
    QCOMPARE(widget<QLineEdit>(form, u"Text1"_s)->text(), QString());

    type(form, u"Text1"_s, u"5"_s);
    type(form, u"Text3"_s, u"株式会社見本"_s);
    // A 平成 year: the era typed in front of it.
    type(form, u"Text13"_s, u"H15"_s);
    QCOMPARE(widget<QLineEdit>(form, u"Text10"_s)->text(), u"自平成"_s);
    QCOMPARE(widget<QLineEdit>(form, u"Text13"_s)->text(), u"15"_s);
    type(form, u"Text14"_s, u"4"_s);
    type(form, u"Text15"_s, u"1"_s);
    press(form, u"Command3"_s);
    QCOMPARE(widget<QLineEdit>(form, u"Text19"_s)->text(), u"31"_s);
    type(form, u"Text7"_s, u"0"_s);
    press(form, u"Command12"_s);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

    QVERIFY(p.messages.shown().isEmpty());
    QCOMPARE(p.home.read(paths::masterFile(5)), test::fixture(u"registry/5.txt"_s));
    QVERIFY(!p.registrationWindow());
    auto* list = widget<QListWidget>(menu, u"List2"_s);
    QCOMPARE(list->count(), 1);
    QCOMPARE(list->item(0)->text(), u"05 : 株式会社見本  [平成15.4.1]"_s);
    QVERIFY(menu->isVisible());
}

void RegistrationWindowTest::focusOrderAndInputModes() {
    Program p;
    ScreenWindow* menu = p.menuWindow();
    type(menu, u"Text1"_s, u"5"_s);
    press(menu, u"Command1"_s);
    ScreenWindow* form = p.registrationWindow();
    QVERIFY(form);
    QCOMPARE(form->focusWidget(), widget<QLineEdit>(form, u"Text1"_s));

    const QStringList order =
        u"Text1 Text7 Text2 Text3 Text13 Text14 Text15 Text17 Text18 Text19 Text5 Text9 Text12 "
        "Text4 Text6 Command12 Command5 Command9 Command6 Command7 Command10 Command1 Command2 "
        "Command3 Text10 Text16 Command13 Command4 Command8 Command15"_s.split(u' ');
    QStringList chain;
    QWidget* w = widget<QWidget>(form, u"Text1"_s);
    while (chain.size() < order.size()) {
        if (order.contains(w->objectName()))
            chain.append(w->objectName());
        w = w->nextInFocusChain();
    }
    QCOMPARE(chain, order);

    QCOMPARE(widget<QLineEdit>(form, u"Text2"_s)->property("inputMode").toString(),
             u"fullwidth-katakana"_s);
    for (const QString& box : {u"Text3"_s, u"Text5"_s, u"Text6"_s})
        QCOMPARE(widget<QLineEdit>(form, box)->property("inputMode").toString(), u"hiragana"_s);
}

void RegistrationWindowTest::registryListClickOpensTheScreen() {
    Program p;
    p.home.write(
        paths::registryFile(12),
        test::crlfFile({u"12"_s, u"0"_s, u"15"_s, u"10"_s, u"1"_s, u"16"_s, u"9"_s, u"30"_s,
                        u"\"ジュウニ\""_s, u"\"十二物産\""_s, u"\"札幌\""_s, u"\"\""_s, u"\"\""_s,
                        u"\"\""_s, u"\"\""_s, u"\"011\""_s, u"0"_s, u"0"_s, u"0"_s}));
    ScreenWindow* menu = p.menuWindow();
    p.app.screenAs<MainMenu>(screens::mainMenu)->refillRegistryList();

    clickItem(menu, u"List1"_s, 0);

    ScreenWindow* form = p.registrationWindow();
    QVERIFY(form);
    QVERIFY(form->isVisible());
    QCOMPARE(widget<QLineEdit>(form, u"Text1"_s)->text(), u"12"_s);
    QCOMPARE(widget<QLineEdit>(form, u"Text2"_s)->text(), u"ジュウニ"_s);
    QCOMPARE(widget<QLineEdit>(form, u"Text3"_s)->text(), u"十二物産"_s);
    QCOMPARE(widget<QLineEdit>(form, u"Text12"_s)->text(), u"011"_s);
    QVERIFY(p.messages.shown().isEmpty());
}

void RegistrationWindowTest::companyListClickFillsTheHeader() {
    Program p;
    CompanyRecord r;
    r.code = 7;
    r.name = u"株式会社見本"_s;
    r.startYear = 15;
    r.startMonth = 4;
    r.startDay = 1;
    r.endYear = 16;
    r.endMonth = 3;
    r.endDay = 31;
    p.home.write(paths::masterFile(7), masterfile::bytes(r, nullptr));
    ScreenWindow* menu = p.menuWindow();
    press(menu, u"Command17"_s);

    clickItem(menu, u"List2"_s, 0);

    QCOMPARE(widget<QLineEdit>(menu, u"Text1"_s)->text(), u"7"_s);
    QCOMPARE(widget<QLineEdit>(menu, u"Text2"_s)->text(), u"株式会社見本"_s);
    QCOMPARE(widget<QLineEdit>(menu, u"Text15"_s)->text(), u"1"_s);
    QCOMPARE(widget<QLineEdit>(menu, u"Text19"_s)->text(), u"31"_s);
}

// A company of 令和7年4月1日 to 令和8年3月31日, typed as a user thinks of it: 7 in
// full-width digits, the end worked out by "事業年度". The file holds what a
// registration with 37 and 38 (the files' count from 平成1) has always written.
void RegistrationWindowTest::reiwaCompanyByTheKeyboard() {
    Program p;
    ScreenWindow* menu = p.menuWindow();
    type(menu, u"Text1"_s, u"5"_s);
    press(menu, u"Command1"_s);
    ScreenWindow* form = p.registrationWindow();
    QVERIFY(form);
    QCOMPARE(widget<QLineEdit>(form, u"Text10"_s)->text(), u"自令和"_s);

    type(form, u"Text1"_s, u"5"_s);
    type(form, u"Text3"_s, u"株式会社見本"_s);
    type(form, u"Text13"_s, u"７"_s);
    type(form, u"Text14"_s, u"４"_s);
    type(form, u"Text15"_s, u"１"_s);
    press(form, u"Command3"_s);
    QCOMPARE(widget<QLineEdit>(form, u"Text16"_s)->text(), u"至令和"_s);
    QCOMPARE(widget<QLineEdit>(form, u"Text17"_s)->text(), u"8"_s);
    QCOMPARE(widget<QLineEdit>(form, u"Text18"_s)->text(), u"3"_s);
    QCOMPARE(widget<QLineEdit>(form, u"Text19"_s)->text(), u"31"_s);
    type(form, u"Text7"_s, u"0"_s);
    press(form, u"Command12"_s);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY2(p.messages.shown().isEmpty(), qPrintable(p.messages.shown().value(0).text));

    // The fixture of the same company registered as 平成15–16, its years as 37 and 38.
    QList<QByteArray> lines = test::fixture(u"registry/5.txt"_s).split('\n');
    QCOMPARE(lines.at(5), QByteArray("15\r"));
    QCOMPARE(lines.at(8), QByteArray("16\r"));
    lines[5] = "37\r";
    lines[8] = "38\r";
    QCOMPARE(p.home.read(paths::masterFile(5)), lines.join('\n'));
    QCOMPARE(widget<QListWidget>(menu, u"List2"_s)->item(0)->text(),
             u"05 : 株式会社見本  [令和7.4.1]"_s);

    // Called up again, it shows 令和7.
    type(menu, u"Text1"_s, u"5"_s);
    press(menu, u"Command1"_s);
    form = p.registrationWindow();
    press(form, u"Command7"_s);
    QCOMPARE(widget<QLineEdit>(form, u"Text10"_s)->text(), u"自令和"_s);
    QCOMPARE(widget<QLineEdit>(form, u"Text13"_s)->text(), u"7"_s);
    QCOMPARE(widget<QLineEdit>(form, u"Text16"_s)->text(), u"至令和"_s);
    QCOMPARE(widget<QLineEdit>(form, u"Text17"_s)->text(), u"8"_s);
}

// A master file holding 37 and 38: the list, the main menu's header and the print
// screen show 令和7 and 令和8, and the files' 37 and 38 nowhere.
void RegistrationWindowTest::reiwaCompanyThroughTheWindows() {
    Program p;
    CompanyRecord r;
    r.code = 7;
    r.name = u"株式会社見本"_s;
    r.startYear = 37;
    r.startMonth = 4;
    r.startDay = 1;
    r.endYear = 38;
    r.endMonth = 3;
    r.endDay = 31;
    const QByteArray stored = masterfile::bytes(r, nullptr);
    p.home.write(paths::masterFile(7), stored);
    ScreenWindow* menu = p.menuWindow();
    press(menu, u"Command17"_s);
    QCOMPARE(widget<QListWidget>(menu, u"List2"_s)->item(0)->text(),
             u"07 : 株式会社見本  [令和7.4.1]"_s);

    clickItem(menu, u"List2"_s, 0);
    press(menu, u"Command3"_s);
    ScreenWindow* print = p.windows.window(screens::print);
    QVERIFY(print && print->isVisible());
    for (ScreenWindow* window : {static_cast<ScreenWindow*>(menu), print}) {
        const QStringList expected = {u"自令和"_s, u"7"_s, u"4"_s, u"1"_s,
                                      u"至令和"_s, u"8"_s, u"3"_s, u"31"_s};
        QStringList shown;
        for (const QString& box : {u"Text10"_s, u"Text13"_s, u"Text14"_s, u"Text15"_s, u"Text16"_s,
                                   u"Text17"_s, u"Text18"_s, u"Text19"_s})
            shown.append(widget<QLineEdit>(window, box)->text());
        QCOMPARE(shown, expected);
        QCOMPARE(widget<QLabel>(window, u"EraLabel2"_s)->text(), u"至 令和8年 / 2026年"_s);
        QStringList texts;
        for (const QLineEdit* edit : window->findChildren<QLineEdit*>())
            texts.append(edit->text());
        for (const QLabel* label : window->findChildren<QLabel*>())
            texts.append(label->text());
        for (const QString& text : texts)
            QVERIFY2(!text.contains(u"37"_s) && !text.contains(u"38"_s), qPrintable(text));
    }

    // Saving the print screen's header keeps the files' count.
    press(print, u"Command9"_s);
    QVERIFY(p.messages.shown().isEmpty());
    QCOMPARE(p.home.read(paths::masterFile(7)), stored);
}

QTEST_MAIN(RegistrationWindowTest)
#include "registrationwindowtest.moc"
