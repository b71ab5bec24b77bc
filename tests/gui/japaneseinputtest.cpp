#include "gui/inputmodes.h"
#include "gui/qtmessages.h"
#include "gui/screenwindow.h"
#include "gui/translations.h"
#include "printing/printerservice.h"
#include "shell/mainmenu.h"
#include "statement/entryscreenstestsupport.h"
#include "statement/recordlayouts.h"
#include "statement/sectionfile.h"
#include "statement/sectionframes.h"
#include "statement/sectionstestsupport.h"
#include "support/samplecompany.h"
#include "support/typing.h"
#include "support/widgets.h"
#include "support/windowed.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>
#include <QTimer>

using namespace gaikyo;

namespace {

using test::clickButton;
using test::widget;

class TwoPrinters : public PrinterService {
public:
    QString defaultPrinter = QStringLiteral("未設定");
    QStringList installedPrinters() override {
        return {QStringLiteral("事務所のプリンター"), QStringLiteral("経理のプリンター")};
    }
    Status setDefaultPrinter(const QString& name) override {
        defaultPrinter = name;
        return {};
    }
    std::unique_ptr<PrintSurface> openDefaultPrinter() override { return nullptr; }
    void showPreview(const QString&, int, const std::function<bool(PrintSurface&)>&) override {}
};

// The program with its windows, the main menu shown and company 7 registered.
struct GuiProgram : test::Windowed<test::EntryProgram> {
    TwoPrinters printers;
    GuiProgram() {
        registerCompany(7, 4);
        app.setPrinters(&printers);
        app.screen(screens::mainMenu)->show();
    }
    ScreenWindow* menu() const { return windows.window(screens::mainMenu); }
    // Types a code into the main menu as the user does, and presses a menu button.
    ScreenWindow* open(const QString& menuButton, const QString& code, const QString& screen) {
        auto* codeBox = widget<QLineEdit>(menu(), QStringLiteral("Text1"));
        codeBox->clear();
        test::typeInto(codeBox, code);
        clickButton(menu(), menuButton);
        return windows.window(screen);
    }
};

// Once the next modal box is up: its button captions without their keyboard mnemonics
// go into captions, and the box is answered with its last button.
void readNextBox(QStringList& captions) {
    QTimer::singleShot(0, [&captions] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box)
            return;
        for (QAbstractButton* button : box->buttons()) {
            QString caption = button->text();
            caption.remove(QRegularExpression(QStringLiteral("\\(&.\\)|&")));
            captions.append(caption);
        }
        box->buttons().last()->click();
    });
}

} // namespace

// What a user with a Japanese input method types reaches the files as meant.
class JapaneseInputTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { QVERIFY(translations::installJapanese(*qApp)); }

    // A number typed with the input method on, into the main menu's code box and into an
    // integer box of a data-entry screen.
    void numbers_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("code");  // handed over by the main menu; empty: refused
        QTest::addColumn<QString>("line");  // the box's line in the saved file
        QTest::addColumn<QString>("shown"); // the box after 登録実行
        QTest::newRow("１２３") << "１２３"
                                << "123"
                                << "123"
                                << "123";
        QTest::newRow("５，０００") << "５，０００"
                                    << "5000"
                                    << "5000"
                                    << "5,000";
        QTest::newRow("－７") << "－７"
                              << "-7"
                              << "-7"
                              << "-7";
        QTest::newRow("ideographic spaces") << "　１２　"
                                            << "12"
                                            << "12"
                                            << "12";
        QTest::newRow("１２ａ") << "１２ａ" << QString() << "0" << QString();
        QTest::newRow("①") << "①" << QString() << "0" << QString();
        QTest::newRow("½") << "½" << QString() << "0" << QString();
        QTest::newRow("¹") << "¹" << QString() << "0" << QString();
    }
    void numbers() {
        QFETCH(QString, typed);
        QFETCH(QString, code);
        QFETCH(QString, line);
        QFETCH(QString, shown);
        GuiProgram program;
        ScreenWindow* window =
            program.open(QStringLiteral("Command19"), typed, screens::mainAccounts);
        if (code.isEmpty()) {
            QCOMPARE(program.messages.shown().size(), 1);
            QCOMPARE(program.messages.shown().first().text,
                     QStringLiteral("会社コードを数字で入力してください。"));
            QVERIFY(!window || !window->isVisible());
            program.messages.clear();
            window = program.open(QStringLiteral("Command19"), QStringLiteral("7"),
                                  screens::mainAccounts);
        } else {
            QVERIFY(program.messages.shown().isEmpty());
            QCOMPARE(widget<QLineEdit>(window, QStringLiteral("Text43"))->text(), code);
            if (code != QStringLiteral("7"))
                window = program.open(QStringLiteral("Command19"), QStringLiteral("7"),
                                      screens::mainAccounts);
        }

        auto* box = widget<QLineEdit>(window, QStringLiteral("Text1"));
        test::typeInto(box, typed);
        clickButton(window, QStringLiteral("Command9"));
        QVERIFY(program.messages.shown().isEmpty());
        QCOMPARE(test::fileLines(program.home.read(paths::sectionFile(7, 30))).first(), line);
        QCOMPARE(box->text(), shown);
    }

    // A text typed with the input method reaches the file as the code page's character.
    void texts_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("〜") << QStringLiteral("10時\u301C18時")
                            << QByteArray("10\x8E\x9E\x81\x60"
                                          "18\x8E\x9E");
        QTest::newRow("−") << QStringLiteral("\u22125")
                           << QByteArray("\x81\x7C"
                                         "5");
        QTest::newRow("―") << QStringLiteral("\u2014") << QByteArray("\x81\x5C");
        QTest::newRow("‖") << QStringLiteral("\u2016") << QByteArray("\x81\x61");
        QTest::newRow("¢") << QStringLiteral("\u00A2") << QByteArray("\x81\x91");
        QTest::newRow("£") << QStringLiteral("\u00A3") << QByteArray("\x81\x92");
        QTest::newRow("¬") << QStringLiteral("\u00AC") << QByteArray("\x81\xCA");
    }
    void texts() {
        QFETCH(QString, typed);
        QFETCH(QByteArray, bytes);
        GuiProgram program;
        ScreenWindow* window =
            program.open(QStringLiteral("Command12"), QStringLiteral("7"), screens::businessForm);
        auto* box = widget<QLineEdit>(window, QStringLiteral("Text14"));
        test::typeInto(box, typed);
        clickButton(window, QStringLiteral("Command9"));
        QVERIFY2(program.messages.shown().isEmpty(),
                 qPrintable(program.messages.shown().value(0).text));
        QVERIFY(program.home.read(paths::sectionFile(7, 40)).contains("\"" + bytes + "\"\r\n"));
    }

    // A character the code page cannot hold is still refused by name; the old file stays.
    void unstorableText() {
        GuiProgram program;
        ScreenWindow* window =
            program.open(QStringLiteral("Command12"), QStringLiteral("7"), screens::businessForm);
        auto* box = widget<QLineEdit>(window, QStringLiteral("Text14"));
        test::typeInto(box, QStringLiteral("旋盤"));
        clickButton(window, QStringLiteral("Command9"));
        const QByteArray before = program.home.read(paths::sectionFile(7, 40));
        box->end(false);
        test::typeInto(box, QStringLiteral("𠮷"));
        clickButton(window, QStringLiteral("Command9"));
        QCOMPARE(program.messages.shown().size(), 1);
        QVERIFY(program.messages.shown().first().text.contains(QStringLiteral("𠮷")));
        QCOMPARE(program.home.read(paths::sectionFile(7, 40)), before);
        QCOMPARE(box->text(), QStringLiteral("旋盤𠮷"));
    }

    // The input method is told what each box is for.
    void inputHints() {
        GuiProgram program;
        program.open(QStringLiteral("Command1"), QStringLiteral("7"), screens::registration);
        ScreenWindow* registration = program.windows.window(screens::registration);
        auto* katakana = widget<QLineEdit>(registration, QStringLiteral("Text2"));
        auto* hiragana = widget<QLineEdit>(registration, QStringLiteral("Text3"));
        for (QLineEdit* edit : {katakana, hiragana}) {
            QVERIFY(edit->testAttribute(Qt::WA_InputMethodEnabled));
            QVERIFY(!(edit->inputMethodHints() & Qt::ImhLatinOnly));
        }
        QCOMPARE(katakana->property("inputMode").toString(), QStringLiteral("fullwidth-katakana"));
        QCOMPARE(hiragana->property("inputMode").toString(), QStringLiteral("hiragana"));

        QLineEdit off;
        inputmodes::apply(&off, InputMode::Off);
        QVERIFY(off.inputMethodHints() & Qt::ImhLatinOnly);
        QCOMPARE(off.inputMethodQuery(Qt::ImHints).toInt() & Qt::ImhLatinOnly,
                 int(Qt::ImhLatinOnly));
    }

    // Qt's own buttons speak Japanese.
    void messageBoxButtons_data() {
        QTest::addColumn<int>("buttons");
        QTest::addColumn<QStringList>("captions");
        QTest::newRow("question") << int(MessageBox::Buttons::YesNo)
                                  << QStringList{QStringLiteral("はい"), QStringLiteral("いいえ")};
        QTest::newRow("notice") << int(MessageBox::Buttons::Ok)
                                << QStringList{QStringLiteral("OK")};
    }
    void messageBoxButtons() {
        QFETCH(int, buttons);
        QFETCH(QStringList, captions);
        const MessageBox box{QStringLiteral("誓約文が不承諾のために使用できません"),
                             QStringLiteral("誓約文を承諾しますか　？"), MessageBox::Icon::None,
                             MessageBox::Buttons(buttons)};
        QStringList seen;
        readNextBox(seen);
        showQtMessageBox(box);
        QCOMPARE(seen, captions);
    }

    // The company list follows the keyboard as it follows the mouse.
    void companyListByKeyboard() {
        GuiProgram program;
        CompanyRecord other = test::sampleCompany(9);
        QVERIFY(masterfile::write(other).ok());
        program.app.screen(screens::mainMenu)->click(QStringLiteral("Command17"));
        auto* list = widget<QListWidget>(program.menu(), QStringLiteral("List2"));
        QCOMPARE(list->count(), 2);
        auto* code = widget<QLineEdit>(program.menu(), QStringLiteral("Text1"));
        auto* name = widget<QLineEdit>(program.menu(), QStringLiteral("Text2"));

        QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                          list->visualItemRect(list->item(0)).center());
        QCOMPARE(code->text(), QStringLiteral("7"));
        QCOMPARE(name->text(), QStringLiteral("テスト商事"));

        QTest::keyClick(list, Qt::Key_Down);
        QCOMPARE(code->text(), QStringLiteral("9"));
        QCOMPARE(name->text(), other.name);
        QVERIFY(program.windows.window(screens::sections)->isVisible());

        // Enter and a click on the selected company call it up again.
        Screen* menu = program.app.screen(screens::mainMenu);
        menu->setText(QStringLiteral("Text1"), QString());
        QTest::keyClick(list, Qt::Key_Return);
        QCOMPARE(code->text(), QStringLiteral("9"));
        menu->setText(QStringLiteral("Text1"), QString());
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                          list->visualItemRect(list->item(1)).center());
        QCOMPARE(code->text(), QStringLiteral("9"));
        QVERIFY(program.messages.shown().isEmpty());
    }

    // The printer chosen with the arrow keys is the one 設  定 makes the default.
    void printerByKeyboard() {
        GuiProgram program;
        clickButton(program.menu(), QStringLiteral("Command27"));
        ScreenWindow* window = program.windows.window(screens::printers);
        auto* list = widget<QListWidget>(window, QStringLiteral("List1"));
        QCOMPARE(list->currentRow(), 0);
        QTest::keyClick(list, Qt::Key_Down);
        clickButton(window, QStringLiteral("Command1"));
        QCOMPARE(program.printers.defaultPrinter, QStringLiteral("経理のプリンター"));
    }

    // A box's limit stops typing, never a longer text that a file brought.
    void limitKeepsLoadedText() {
        GuiProgram program;
        const RecordLayout& layout = layouts::section(21);
        SectionRecord record = SectionRecord::emptyFor(layout);
        const QString longText = QStringLiteral("一二三四五六七八九十壱弐参四五");
        record.texts[0] = longText;
        QVERIFY(sectionfile::save(7, layout, record).ok());
        const QByteArray file = program.home.read(paths::sectionFile(7, 21));

        ScreenWindow* window =
            program.open(QStringLiteral("Command15"), QStringLiteral("7"), screens::sections);
        auto* box = widget<QLineEdit>(window, QStringLiteral("Text1"));
        QCOMPARE(box->text(), longText);
        const QString save = QString::fromLatin1(sectionframes::forSection(21).saveButton);
        clickButton(window, save);
        QCOMPARE(program.home.read(paths::sectionFile(7, 21)), file);

        // Typing adds nothing to it; shortened, it cannot grow past the limit again.
        box->setFocus();
        box->end(false);
        test::typeInto(box, QStringLiteral("x"));
        QCOMPARE(box->text(), longText);
        box->selectAll();
        test::typeInto(box, QStringLiteral("あいうえおかきくけこさしす"));
        QCOMPARE(box->text(), QStringLiteral("あいうえおかきくけ"));
        clickButton(window, save);
        QCOMPARE(test::fileLines(program.home.read(paths::sectionFile(7, 21))).first(),
                 QStringLiteral("\"あいうえおかきくけ\""));
    }

    // The same rule for every edit, as the screen sees it (a box of 9 characters).
    void limitOnEdits_data() {
        QTest::addColumn<QString>("before");
        QTest::addColumn<QString>("edited");
        QTest::addColumn<QString>("kept");
        const QString loaded = QStringLiteral("一二三四五六七八九十壱弐参四五");
        QTest::newRow("typing at the limit") << "12345678"
                                             << "123456789x"
                                             << "123456789";
        QTest::newRow("paste cut to fit") << "1234567"
                                          << "12abcd34567"
                                          << "12ab34567";
        QTest::newRow("long text, typed at the end") << loaded << loaded + u'x' << loaded;
        QTest::newRow("long text, typed in the middle")
            << loaded << QStringLiteral("一二x三四五六七八九十壱弐参四五") << loaded;
        QTest::newRow("long text, shortened") << loaded << loaded.left(14) << loaded.left(14);
        QTest::newRow("long text, part replaced")
            << loaded << QStringLiteral("一あ三四五六七八九十壱弐参四五")
            << QStringLiteral("一あ三四五六七八九十壱弐参四五");
        QTest::newRow("long text, replaced whole")
            << loaded << QStringLiteral("あいうえおかきくけこさ")
            << QStringLiteral("あいうえおかきくけ");
        QTest::newRow("no half surrogate pair") << "12345678"
                                                << "12345678𠮷"
                                                << "12345678";
    }
    void limitOnEdits() {
        QFETCH(QString, before);
        QFETCH(QString, edited);
        QFETCH(QString, kept);
        test::SectionsProgram program;
        Screen& form = program.handOver(7);
        form.setText(QStringLiteral("Text1"), before);
        form.typeText(QStringLiteral("Text1"), edited);
        QCOMPARE(form.text(QStringLiteral("Text1")), kept);
    }

    // Screen readers and tests find wrapped captions as one word.
    void accessibleNames() {
        GuiProgram program;
        ScreenWindow* window =
            program.open(QStringLiteral("Command19"), QStringLiteral("7"), screens::mainAccounts);
        auto* save = widget<QPushButton>(window, QStringLiteral("Command9"));
        QCOMPARE(save->text(), QStringLiteral("登\n録\n実\n行"));
        QCOMPARE(save->accessibleName(), QStringLiteral("登録実行"));
        ScreenWindow* sections =
            program.open(QStringLiteral("Command15"), QStringLiteral("7"), screens::sections);
        for (QWidget* w : sections->findChildren<QWidget*>())
            if (qobject_cast<QPushButton*>(w) || qobject_cast<QLabel*>(w))
                QVERIFY2(!w->accessibleName().contains(QLatin1Char('\n')),
                         qPrintable(w->objectName()));
    }
};

QTEST_MAIN(JapaneseInputTest)
#include "japaneseinputtest.moc"
