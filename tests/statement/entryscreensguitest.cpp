#include "entryscreenstestsupport.h"

#include "gui/screenwindow.h"
#include "gui/windowmanager.h"
#include "support/typing.h"
#include "support/widgets.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTest>

using namespace gaikyo;

namespace {

using test::widget;

void clickButton(ScreenWindow* window, const char* name) {
    test::clickButton(window, QString::fromLatin1(name));
}

// The program with its windows and the main menu shown, company 7 registered with a
// business year starting in April.
struct GuiProgram : test::EntryProgram {
    WindowManager windows{app};
    GuiProgram() {
        registerCompany(7, 4);
        app.screen(screens::mainMenu)->show();
    }
    // Types the code into the main menu and presses one of its "概況書" buttons.
    ScreenWindow* openFromMenu(const char* menuButton, const QString& code, const QString& screen) {
        ScreenWindow* menu = windows.window(screens::mainMenu);
        auto* codeBox = widget<QLineEdit>(menu, QStringLiteral("Text1"));
        codeBox->clear();
        QTest::keyClicks(codeBox, code);
        clickButton(menu, menuButton);
        return windows.window(screen);
    }
};

} // namespace

// The four picture entry screens through their real widgets, opened by the main menu.
class EntryScreensGuiTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void handOverTypeSaveClearData_data() {
        QTest::addColumn<QString>("screen");
        QTest::addColumn<QString>("menuButton");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QSize>("size");
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QString>("line"); // the box's line in the saved file
        QTest::newRow("概況書２") << screens::mainAccounts << "Command19"
                                  << "資産の内容" << QSize(718, 504) << "Text1"
                                  << "1234567"
                                  << "1,234,567"
                                  << "1234567";
        QTest::newRow("概況書３") << screens::businessForm << "Command12"
                                  << "事業形態" << QSize(695, 370) << "Text14"
                                  << "  旋盤 2台"
                                  << "  旋盤 2台"
                                  << "\"  旋盤 2台\"";
        QTest::newRow("概況書４") << screens::taxAccountant << "Command4"
                                  << "税理士等" << QSize(703, 359) << "Text5"
                                  << "翌月10日"
                                  << "翌月10日"
                                  << "\"翌月10日\"";
        QTest::newRow("概況書５") << screens::monthlyTable << "Command5"
                                  << "月別表" << QSize(694, 504) << "Text1"
                                  << "1500"
                                  << "1,500"
                                  << "1500";
    }
    void handOverTypeSaveClearData() {
        QFETCH(QString, screen);
        QFETCH(QString, menuButton);
        QFETCH(QString, title);
        QFETCH(QSize, size);
        QFETCH(QString, box);
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        QFETCH(QString, line);
        GuiProgram program;
        ScreenWindow* window =
            program.openFromMenu(qPrintable(menuButton), QStringLiteral(" 7 "), screen);
        QVERIFY(window);
        QVERIFY(window->isVisible());
        QCOMPARE(window->windowTitle(), title);
        QCOMPARE(window->size(), size);
        const QString codeBox = program.app.screenAs<RecordScreen>(screen)->codeBox();
        QCOMPARE(widget<QLineEdit>(window, codeBox)->text(), QStringLiteral("7"));
        QVERIFY(!widget<QLineEdit>(window, codeBox)->isVisible());

        auto* edit = widget<QLineEdit>(window, box);
        QVERIFY(edit->isVisible());
        QCOMPARE(edit->text(), QString());
        test::typeInto(edit, typed);
        clickButton(window, "Command9");
        QVERIFY(program.messages.shown().isEmpty());
        QCOMPARE(edit->text(), shown);
        const int section = program.app.screenAs<RecordScreen>(screen)->layout().section;
        const QStringList lines =
            test::fileLines(program.home.read(paths::sectionFile(7, section)));
        QVERIFY(lines.contains(line));

        clickButton(window, "Command1");
        QCOMPARE(edit->text(), QString());
        clickButton(window, "Command2");
        QCOMPARE(edit->text(), shown);

        // Another company through the menu: the window empties.
        program.openFromMenu(qPrintable(menuButton), QStringLiteral("8"), screen);
        QCOMPARE(edit->text(), QString());
        QCOMPARE(widget<QLineEdit>(window, codeBox)->text(), QStringLiteral("8"));
    }

    // Form3's upright buttons along the right edge.
    void uprightButtons() {
        GuiProgram program;
        ScreenWindow* window =
            program.openFromMenu("Command19", QStringLiteral("7"), screens::mainAccounts);
        auto* save = widget<QPushButton>(window, QStringLiteral("Command9"));
        QCOMPARE(save->geometry(), QRect(688, 384, 25, 113));
        QCOMPARE(save->text(), QStringLiteral("登\n録\n実\n行"));
        QVERIFY(widget<QLineEdit>(window, QStringLiteral("Text44"))->alignment() &
                Qt::AlignHCenter);
        QVERIFY(widget<QLineEdit>(window, QStringLiteral("Text1"))->alignment() & Qt::AlignRight);
    }

    // Form6: the month labels show the business year and take no typing; the hidden
    // parts stay hidden; 計 of a money column is summed on saving.
    void monthlyTable() {
        GuiProgram program;
        ScreenWindow* window =
            program.openFromMenu("Command5", QStringLiteral("7"), screens::monthlyTable);
        auto* first = widget<QLineEdit>(window, QStringLiteral("Text136"));
        QVERIFY(first->isReadOnly());
        QCOMPARE(first->text(), QStringLiteral("4"));
        QCOMPARE(widget<QLineEdit>(window, QStringLiteral("Text147"))->text(), QStringLiteral("3"));
        QTest::keyClicks(first, QStringLiteral("9"));
        QCOMPARE(first->text(), QStringLiteral("4"));
        QVERIFY(!widget<QPushButton>(window, QStringLiteral("Command3"))->isVisible());
        QVERIFY(!widget<QLineEdit>(window, QStringLiteral("Text134"))->isVisible());
        QCOMPARE(widget<QLineEdit>(window, QStringLiteral("Text135"))->maxLength(), 4);

        for (int r = 1; r <= 12; ++r)
            QTest::keyClicks(widget<QLineEdit>(window, QStringLiteral("Text%1").arg(r)),
                             QString::number(r * 100));
        QTest::keyClicks(widget<QLineEdit>(window, QStringLiteral("Text13")), QStringLiteral("5"));
        QTest::keyClicks(widget<QLineEdit>(window, QStringLiteral("Text125")),
                         QStringLiteral("25"));
        clickButton(window, "Command9");
        QCOMPARE(widget<QLineEdit>(window, QStringLiteral("Text13"))->text(),
                 QStringLiteral("7,800"));
        QCOMPARE(widget<QLineEdit>(window, QStringLiteral("Text125"))->text(),
                 QStringLiteral("25"));
        QVERIFY(program.home.exists(paths::monthOrderFile(7)));
    }
};

QTEST_MAIN(EntryScreensGuiTest)
#include "entryscreensguitest.moc"
