#include "gui/screenwindow.h"
#include "gui/windowmanager.h"
#include "statement/entryscreenstestsupport.h"
#include "support/widgets.h"

#include <QAccessible>
#include <QAccessibleEditableTextInterface>
#include <QLineEdit>
#include <QTest>

using namespace gaikyo;
using test::widget;
using Answer = MessageBox::Answer;

namespace {

const QString line1 = QStringLiteral("Text1"); // 事業内容 1行目
const QString saveButton = QStringLiteral("Command5");
const QString sectionFile = paths::sectionFile(7, 21);

// How a text reaches a box other than by the keyboard: the routes of the accessibility
// interface that screen readers, dictation and other assistive tools take. AT-SPI's
// SetTextContents replaces the whole text; Windows UI Automation's SetValue sets the
// value; an insertion adds at the cursor.
enum class Route { Keyboard, ReplaceText, SetValue, InsertText };

void putText(QLineEdit* edit, Route route, const QString& text) {
    QAccessibleInterface* box = QAccessible::queryAccessibleInterface(edit);
    QVERIFY(box);
    switch (route) {
    case Route::Keyboard:
        edit->setFocus();
        edit->selectAll();
        QTest::keyClicks(edit, text);
        break;
    case Route::ReplaceText:
        box->editableTextInterface()->replaceText(0, box->textInterface()->characterCount(), text);
        break;
    case Route::SetValue:
        box->setText(QAccessible::Value, text);
        break;
    case Route::InsertText:
        box->editableTextInterface()->deleteText(0, box->textInterface()->characterCount());
        box->editableTextInterface()->insertText(0, text);
        break;
    }
}

// The program with company 7, its sections screen open in a real window.
struct Program : test::EntryProgram {
    WindowManager windows{app};
    ScreenWindow* window = nullptr;
    QLineEdit* box = nullptr;

    explicit Program(const QByteArray& saved = {}) {
        registerCompany(7, 4);
        if (!saved.isEmpty())
            home.write(sectionFile, saved);
        app.open(screens::sections, 7);
        window = windows.window(screens::sections);
        box = widget<QLineEdit>(window, line1);
    }
    Screen& screen() const { return *app.existing(screens::sections); }
    QStringList lines() const { return test::fileLines(home.read(sectionFile)); }
};

QByteArray savedLine1(const char* text) {
    QStringList lines{QStringLiteral("\"%1\"").arg(QString::fromUtf8(text))};
    for (int i = 0; i < 4; ++i)
        lines.append(QStringLiteral("\"\""));
    for (int i = 1; i <= 12; ++i)
        lines.append(QStringLiteral("\"予備%1\"").arg(i));
    return test::crlfFile(lines);
}

void addRoutes() {
    QTest::addColumn<Route>("route");
    QTest::newRow("keyboard") << Route::Keyboard;
    QTest::newRow("AT-SPI SetTextContents (replaceText)") << Route::ReplaceText;
    QTest::newRow("UI Automation SetValue (setText)") << Route::SetValue;
    QTest::newRow("insertText") << Route::InsertText;
}

} // namespace

Q_DECLARE_METATYPE(Route)

// What a box shows is what the save writes, whatever put the text there.
class AccessibleTextWindowTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // 登録実行 writes the text, and the box then shows what the file holds.
    void saveWritesWhatTheBoxShows_data() { addRoutes(); }
    void saveWritesWhatTheBoxShows() {
        QFETCH(Route, route);
        Program p(savedLine1("OLD"));
        QCOMPARE(p.box->text(), QStringLiteral("OLD"));
        putText(p.box, route, QStringLiteral("ACCESS"));
        QCOMPARE(p.screen().text(line1), QStringLiteral("ACCESS"));
        test::clickButton(p.window, saveButton);
        QCOMPARE(p.lines().first(), QStringLiteral("\"ACCESS\""));
        QCOMPARE(p.box->text(), QStringLiteral("ACCESS"));
        QVERIFY(p.messages.shown().isEmpty());
    }

    // Text put in and not saved is asked about before the window closes.
    void closeAsks_data() { addRoutes(); }
    void closeAsks() {
        QFETCH(Route, route);
        Program p(savedLine1("OLD"));
        putText(p.box, route, QStringLiteral("ACCESS"));
        p.messages.answerNext(Answer::Yes);
        p.screen().closeBoxPressed();
        QCOMPARE(p.messages.shown().size(), 1);
        QCOMPARE(p.messages.shown().first().text, messages::unsavedQuestion());
        QVERIFY(!p.app.existing(screens::sections));
        QCOMPARE(p.lines().first(), QStringLiteral("\"ACCESS\""));
    }

    // A double quote or a line break cannot be stored: whatever route brings it, the box
    // takes it back, and the box and the screen agree.
    void refusedCharactersLeaveTheBox_data() { addRoutes(); }
    void refusedCharactersLeaveTheBox() {
        QFETCH(Route, route);
        Program p;
        putText(p.box, route, QStringLiteral("A\"B"));
        QCOMPARE(p.box->text(), QStringLiteral("AB"));
        QCOMPARE(p.screen().text(line1), QStringLiteral("AB"));
    }

    // The screen's own loads are no user's changes: a company handed over, a section
    // shown again, ＤＡＴＡ: closing then asks nothing.
    void loadsAreNoChanges() {
        Program p(savedLine1("SAVED"));
        QCOMPARE(p.box->text(), QStringLiteral("SAVED"));
        test::clickButton(p.window, QStringLiteral("Command15")); // ＤＡＴＡ
        test::clickButton(p.window, QStringLiteral("Command2"));  // section 2
        test::clickButton(p.window, QStringLiteral("Command1"));  // section 1 again
        QCOMPARE(p.box->text(), QStringLiteral("SAVED"));
        p.screen().closeBoxPressed();
        QVERIFY(p.messages.shown().isEmpty());
        QVERIFY(!p.app.existing(screens::sections));
    }

    // A saved line emptied from the keyboard (select, delete), then another section: the
    // question names the line; はい writes it empty, いいえ keeps the file as it is.
    void lineEmptiedByHand_data() {
        QTest::addColumn<Answer>("answer");
        QTest::newRow("はい") << Answer::Yes;
        QTest::newRow("いいえ") << Answer::No;
    }
    void lineEmptiedByHand() {
        QFETCH(Answer, answer);
        Program p(savedLine1("MIDDLE"));
        p.box->setFocus();
        p.box->selectAll();
        QTest::keyClick(p.box, Qt::Key_Delete);
        QCOMPARE(p.box->text(), QString());
        p.messages.answerNext(answer);
        test::clickButton(p.window, QStringLiteral("Command2")); // section 2
        QCOMPARE(p.messages.shown().size(), 1);
        QVERIFY2(p.messages.shown().first().text.contains(
                     QStringLiteral("・事業内容 1行目（保存されている値：「MIDDLE」）")),
                 qPrintable(p.messages.shown().first().text));
        QCOMPARE(p.lines().first(),
                 answer == Answer::Yes ? QStringLiteral("\"\"") : QStringLiteral("\"MIDDLE\""));
        QVERIFY(widget<QWidget>(p.window, QStringLiteral("Frame2"))->isVisible());
    }
};

QTEST_MAIN(AccessibleTextWindowTest)
#include "accessibletextwindowtest.moc"
