#include "gui/qtmessages.h"
#include "gui/screentour.h"
#include "gui/screenwindow.h"
#include "gui/translations.h"
#include "statement/entryscreenstestsupport.h"
#include "statement/sectionframes.h"
#include "support/widgets.h"
#include "support/windowed.h"

#include <QApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <memory>

using namespace gaikyo;
using test::widget;

namespace {

// The program with its windows and the main menu shown, company 7 registered.
// Control names, "Text3-5" standing for Text3, Text4 and Text5.
QStringList names(const char* list) {
    static const QRegularExpression range(QStringLiteral("^(\\D+)(\\d+)-(\\d+)$"));
    QStringList all;
    for (const QString& token : QString::fromLatin1(list).split(QLatin1Char(' '))) {
        const QRegularExpressionMatch m = range.match(token);
        if (!m.hasMatch()) {
            all.append(token);
            continue;
        }
        for (int i = m.captured(2).toInt(); i <= m.captured(3).toInt(); ++i)
            all.append(m.captured(1) + QString::number(i));
    }
    return all;
}

struct GuiProgram : test::Windowed<test::EntryProgram> {
    GuiProgram() {
        registerCompany(7, 4);
        app.screen(screens::mainMenu)->show();
    }
    // The main menu hands company 7 over; the screen's window is made the active one,
    // as a click on it makes it.
    ScreenWindow* open(const char* menuButton, const QString& screen) {
        ScreenWindow* menu = windows.window(screens::mainMenu);
        widget<QLineEdit>(menu, QStringLiteral("Text1"))->setText(QStringLiteral("7"));
        app.screen(screens::mainMenu)->setText(QStringLiteral("Text1"), QStringLiteral("7"));
        test::clickButton(menu, QString::fromLatin1(menuButton));
        ScreenWindow* window = windows.window(screen);
        activate(window);
        return window;
    }
    static void activate(QWidget* window) {
        window->activateWindow();
        if (!QTest::qWaitForWindowActive(window))
            qFatal("the window does not become active");
    }
};

QWidget* focused(QWidget* window) {
    return window->focusWidget();
}

QString focusedName(QWidget* window) {
    QWidget* w = focused(window);
    return w ? w->objectName() : QString();
}

// The controls Tab goes through, from the one focused, once round.
QStringList tabCycle(QWidget* window, const QString& first) {
    QWidget* start = widget<QWidget>(window, first);
    start->setFocus(Qt::OtherFocusReason);
    QStringList cycle{first};
    for (int i = 0; i < 300; ++i) {
        QTest::keyClick(focused(window), Qt::Key_Tab);
        if (focused(window) == start)
            return cycle;
        cycle.append(focusedName(window));
    }
    return cycle;
}

// The stops Enter makes from the first box: every box, then the control after the
// last box in a row (Enter there would press it).
QStringList enterStops(QWidget* window, const QString& first) {
    widget<QWidget>(window, first)->setFocus(Qt::OtherFocusReason);
    QStringList stops{first};
    for (int i = 0; i < 300 && qobject_cast<QLineEdit*>(focused(window)); ++i) {
        QTest::keyClick(focused(window), Qt::Key_Return);
        stops.append(focusedName(window));
    }
    return stops;
}

// Shift+Enter from a box back to the first one.
QStringList shiftEnterStops(QWidget* window, const QString& last, const QString& first) {
    widget<QWidget>(window, last)->setFocus(Qt::OtherFocusReason);
    QStringList stops{last};
    for (int i = 0; i < 300 && focusedName(window) != first; ++i) {
        QTest::keyClick(focused(window), Qt::Key_Return, Qt::ShiftModifier);
        stops.prepend(focusedName(window));
    }
    return stops;
}

// Once the next modal box is up: its title, its text, its button captions (without
// mnemonics) in the order they stand, and its default button go into `seen`, and the
// button captioned `press` is clicked.
void answerNextBox(QStringList& seen, const QString& press) {
    QTimer::singleShot(0, [&seen, press] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box)
            return;
        const auto caption = [](const QAbstractButton* button) {
            static const QRegularExpression mnemonic(QStringLiteral("\\(&.\\)|&"));
            return button->text().remove(mnemonic);
        };
        QList<QAbstractButton*> buttons = box->buttons();
        std::sort(buttons.begin(), buttons.end(), [](const auto* a, const auto* b) {
            return a->mapToGlobal(QPoint()).x() < b->mapToGlobal(QPoint()).x();
        });
        seen << box->windowTitle() << box->text();
        QAbstractButton* chosen = nullptr;
        for (QAbstractButton* button : buttons) {
            seen << caption(button);
            if (caption(button) == press)
                chosen = button;
        }
        seen << QStringLiteral("default: ") + caption(box->defaultButton());
        if (chosen)
            chosen->click();
    });
}

} // namespace

// Data entry from the keyboard through the real windows: Enter moves on as Tab does,
// and the question about unsaved values is a real box with the Japanese buttons.
class DataEntryKeysTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() {
        QVERIFY(translations::installJapanese(*qApp));
        m_program = std::make_unique<GuiProgram>();
        screentour::visitAll(m_program->app, m_program->windows, 7,
                             [](const QString&, ScreenWindow&) {});
    }
    void cleanupTestCase() { m_program.reset(); }

    // 資産の内容: a figure, Enter, the next figure; keypad Enter the same; Shift+Enter
    // back, with the box's figure selected, so that typing replaces it.
    void enterMovesOn() {
        GuiProgram program;
        ScreenWindow* window = program.open("Command19", screens::mainAccounts);
        Screen* form = program.app.existing(screens::mainAccounts);
        auto* sales = widget<QLineEdit>(window, QStringLiteral("Text1")); // 売上（収入）高
        auto* next = widget<QLineEdit>(window, QStringLiteral("Text2"));
        auto* third = widget<QLineEdit>(window, QStringLiteral("Text3"));
        QTest::mouseClick(sales, Qt::LeftButton);
        QCOMPARE(focused(window), sales);
        QTest::keyClicks(sales, QStringLiteral("1234"));
        QTest::keyClick(sales, Qt::Key_Return);
        QCOMPARE(focused(window), next);
        QCOMPARE(sales->text(), QStringLiteral("1234"));
        QCOMPARE(form->text(QStringLiteral("Text1")), QStringLiteral("1234"));

        QTest::keyClicks(next, QStringLiteral("56"));
        QTest::keyClick(next, Qt::Key_Enter, Qt::KeypadModifier);
        QCOMPARE(focused(window), third);
        QCOMPARE(form->text(QStringLiteral("Text2")), QStringLiteral("56"));

        QTest::keyClick(third, Qt::Key_Enter, Qt::ShiftModifier | Qt::KeypadModifier);
        QCOMPARE(focused(window), next);
        QCOMPARE(next->selectedText(), QStringLiteral("56"));
        QTest::keyClick(next, Qt::Key_Return, Qt::ShiftModifier);
        QCOMPARE(focused(window), sales);
        QCOMPARE(sales->selectedText(), QStringLiteral("1234"));
        QTest::keyClicks(sales, QStringLiteral("9"));
        QCOMPARE(form->text(QStringLiteral("Text1")), QStringLiteral("9"));
        // Forward too, a box entered by Enter has its figure selected.
        QTest::keyClick(sales, Qt::Key_Return);
        QCOMPARE(focused(window), next);
        QCOMPARE(next->selectedText(), QStringLiteral("56"));
        QVERIFY(program.messages.shown().isEmpty());
    }

    // Enter in the last box goes on to "登録実行", and Enter there saves.
    void enterOnAButtonPressesIt() {
        GuiProgram program;
        ScreenWindow* window = program.open("Command19", screens::mainAccounts);
        auto* last = widget<QLineEdit>(window, QStringLiteral("Text42")); // 仮受金
        QTest::mouseClick(last, Qt::LeftButton);
        QTest::keyClicks(last, QStringLiteral("800"));
        QTest::keyClick(last, Qt::Key_Return);
        auto* save = widget<QPushButton>(window, QStringLiteral("Command9"));
        QCOMPARE(focused(window), save);
        QVERIFY(!program.home.exists(paths::sectionFile(7, 30)));
        QTest::keyClick(save, Qt::Key_Return);
        const QStringList lines = test::fileLines(program.home.read(paths::sectionFile(7, 30)));
        QCOMPARE(lines.at(41), QStringLiteral("800"));
        QCOMPARE(last->text(), QStringLiteral("800"));
    }

    // Every view of every screen: Tab runs down the form, Enter in a box follows Tab to
    // the next control, Shift+Enter goes back.
    void keyOrders_data() {
        QTest::addColumn<QString>("view");
        QTest::addColumn<QStringList>("expected");
        // メインメニュー: the code, then 会社呼出 beside it
        QTest::newRow("Form1")
            << QStringLiteral("Form1")
            << names("Text1 Command2 Command9 Text2 Command10 Text10 Text13-15 Text16 Text17-19 "
                     "Command17 Command1 Command15 Command19 Command12 Command4 Command5 Command3 "
                     "Command11 Command13 Command8 List2 List1 Command22 Command20 Command24 "
                     "Command25 Command27");
        // 会社登録: the boxes down the form, the save, then the buttons
        QTest::newRow("Form9")
            << QStringLiteral("Form9")
            << names("Text1 Text7 Text2 Text3 Text13-15 Text17-19 Text5 Text9 Text12 Text4 Text6 "
                     "Command12 Command5 Command9 Command6 Command7 Command10 Command1 Command2 "
                     "Command3 Text10 Text16 Command13 Command4 Command8 Command15");
        // 資産の内容: item 7 left, then right; items 8, 9; item 10 down its columns
        QTest::newRow("Form3") << QStringLiteral("Form3")
                               << names("Text1-35 Text44-49 Text38 Text36 Text37 Text39-42 "
                                        "Command9 Command1 Command2 Command10");
        // 事業形態: item 11 with its 売上区分, then item 12
        QTest::newRow("Form4")
            << QStringLiteral("Form4")
            << names("Text1-13 Text26 Text27 Text14-25 Command9 Command1 Command2");
        // 税理士等: items 13, 14; item 15 with its circles down their columns; item 16
        QTest::newRow("Form5") << QStringLiteral("Form5")
                               << names("Text1-25 Text36 Text37 Text42 Text38 Text39 Text43 Text40 "
                                        "Text41 Text26-35 Command9 Command1 Command2");
        // 月別表: the headings, the table a column at a time, item 18
        QTest::newRow("Form6")
            << QStringLiteral("Form6")
            << names("Text130-133 Text135 Text1-129 Command9 Command1 Command2 Command10");
        // 印刷: the header boxes, the save, the offsets, the prints, the buttons that empty a box
        QTest::newRow("Form8")
            << QStringLiteral("Form8")
            << names("Text1 Text3 Text13-15 Text17-19 Text5 Text12 Text4 Text2 Command9 Text7 "
                     "Text8 Command11 Command13 Command12 Command14 Command21 Command22 Command2 "
                     "Command6 Command3 Command18 Command7 Command8 Command5 Command4 Command15 "
                     "Command19 Command20 List1 Command23 Command24");
        // プリンター
        QTest::newRow("Form10") << QStringLiteral("Form10") << names("List1 Command1 Command2");
        // 使用上の注意
        QTest::newRow("Form7") << QStringLiteral("Form7") << names("Command1 Command2 Command3");
        // １．事業内容
        QTest::newRow("Form2-21")
            << QStringLiteral("Form2-21")
            << names("Text1-5 Command5 Command15 Command16 Command1-4 Command11 Command12");
        // ２．支店・海外取引状況, row by row
        QTest::newRow("Form2-22")
            << QStringLiteral("Form2-22")
            << names("Text18-22 Text24 Text26 Text28 Text46 Text43 Text42 Text53 Text55 Text58 "
                     "Text40 Text39 Text38 Text52 Text64 Text71-76 Text155 Text69 Command6 "
                     "Command17 Command18 Command1-4 Command11 Command12");
        // ３．期末従業員等の状況, row by row, 計 in its place
        QTest::newRow("Form2-23")
            << QStringLiteral("Form2-23")
            << names("Text87 Text77 Text86 Text80 Text89 Text79 Text88 Text82 Text91 Command24 "
                     "Text90 Text92 Text94 Text98 Text97 Text99 Text104 Text105 Command7 Command21 "
                     "Command20 Command1-4 Command11 Command12");
        // ４．電子計算機の利用状況, row by row
        QTest::newRow("Form2-24")
            << QStringLiteral("Form2-24")
            << names("Text207 Text203 Text209 Text219 Text204 Text191 Text189 Text190 Text194 "
                     "Text196 Text226 Text229 Text210 Text212 Text215 Text200 Text199 Text201 "
                     "Text224 Text227 Text230 Text231 Text228 Text149 Text180 Text143 Text120 "
                     "Text179 Text121 Text7 Command9 Command26 Command25 Command1-4 Command11 "
                     "Command12");
        // ５．経理の状況, row by row
        QTest::newRow("Form2-25")
            << QStringLiteral("Form2-25")
            << names("Text140 Text152 Text136 Text138 Text135 Text150 Text146 Text151 Text144 "
                     "Text111 Text129 Text127 Text130 Text124 Text108 Text118 Text132 Text134 "
                     "Text171 Text233 Text161 Text170 Text172 Text232 Text107 Command8 Command23 "
                     "Command22 Command1-4 Command11 Command12");
        // ６．株主又は株式所有異動の有無
        QTest::newRow("Form2-26")
            << QStringLiteral("Form2-26")
            << names(
                   "Text112 Text109 Command10 Command13 Command14 Command1-4 Command11 Command12");
    }
    void keyOrders() {
        QFETCH(QString, view);
        QFETCH(QStringList, expected);
        const QStringList parts = view.split(QLatin1Char('-'));
        ScreenWindow* window = m_program->windows.window(parts.first());
        QVERIFY(window);
        if (parts.size() == 2)
            m_program->app.existing(screens::sections)
                ->click(QString::fromLatin1(
                    sectionframes::forSection(parts.at(1).toInt()).sectionButton));
        window->show();
        GuiProgram::activate(window);
        const QStringList tab = tabCycle(window, expected.first());
        if (qEnvironmentVariableIsSet("GAIKYO_PRINT_ORDERS"))
            qInfo().noquote() << view << "Tab:" << tab.join(QLatin1Char(' '));
        QCOMPARE(tab, expected);
        // Enter makes the same stops as Tab, from box to box and on to the control after
        // the last box of a row; Shift+Enter the same way back.
        qsizetype boxes = 0;
        while (boxes < expected.size() &&
               qobject_cast<QLineEdit*>(widget<QWidget>(window, expected.at(boxes))))
            ++boxes;
        QCOMPARE(enterStops(window, expected.first()), expected.mid(0, boxes + 1));
        if (boxes > 1)
            QCOMPARE(shiftEnterStops(window, expected.at(boxes - 1), expected.first()),
                     expected.mid(0, boxes));
        QVERIFY(m_program->messages.shown().isEmpty());
    }

    // The question about unsaved values, as the user sees it: a real box in Japanese,
    // はい its default button. キャンセル keeps the window and what is typed; いいえ
    // closes it.
    void theQuestionBox() {
        GuiProgram program;
        ScreenWindow* window = program.open("Command19", screens::mainAccounts);
        const messages::Handler scripted = messages::install(&showQtMessageBox);
        auto* sales = widget<QLineEdit>(window, QStringLiteral("Text1"));
        QTest::mouseClick(sales, Qt::LeftButton);
        QTest::keyClicks(sales, QStringLiteral("1234"));

        QStringList seen;
        answerNextBox(seen, QStringLiteral("キャンセル"));
        program.app.existing(screens::mainAccounts)->closeBoxPressed();
        QCOMPARE(seen,
                 (QStringList{QStringLiteral("資産の内容"),
                              QStringLiteral("入力した内容が保存されていません。保存しますか？"),
                              QStringLiteral("はい"), QStringLiteral("いいえ"),
                              QStringLiteral("キャンセル"), QStringLiteral("default: はい")}));
        QCOMPARE(program.windows.window(screens::mainAccounts), window);
        QCOMPARE(sales->text(), QStringLiteral("1234"));

        seen.clear();
        answerNextBox(seen, QStringLiteral("いいえ"));
        program.app.existing(screens::mainAccounts)->closeBoxPressed();
        QCOMPARE(seen.size(), 6);
        QVERIFY(!program.app.existing(screens::mainAccounts));
        QVERIFY(!program.home.exists(paths::sectionFile(7, 30)));
        messages::install(scripted);
    }

private:
    // Every screen opened as the user opens it, for the orders of its views.
    std::unique_ptr<GuiProgram> m_program;
};

QTEST_MAIN(DataEntryKeysTest)
#include "dataentrykeystest.moc"
