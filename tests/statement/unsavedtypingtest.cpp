#include "entryscreenstestsupport.h"

#include "registry/registrationprogram.h"

#include "registry/masterfile.h"
#include "registry/registrationscreen.h"

#include <QTest>

using namespace gaikyo;
using Answer = MessageBox::Answer;

namespace {

// What the user does that would drop what is typed.
const QString closeBox = QStringLiteral("閉じる");
const QString dataButton = QStringLiteral("ＤＡＴＡ");
const QString otherSection = QStringLiteral("２．支店・海外取引状況");
const QString finish = QStringLiteral("終　了");
const QString menuCloseBox = QStringLiteral("メインメニューを閉じる");
const QString endButton = QStringLiteral("END");

bool endsTheProgram(const QString& action) {
    return action == finish || action == menuCloseBox || action == endButton;
}

// A section record file as the program writes it: the values, then the fillers.
QByteArray recordFile(QStringList lines) {
    for (int i = 1; i <= 12; ++i)
        lines.append(QStringLiteral("\"予備%1\"").arg(i));
    return test::crlfFile(lines);
}

// The program with company 7 registered, the main menu made, and the screen the
// action is about opened for company 7: the sections screen for a switch of sections,
// 資産の内容 for every other action.
struct Program : test::EntryProgram {
    Screen* menu;
    Screen* form = nullptr;
    QString box;
    QString typed;
    QString file;
    QByteArray savedBytes; // the file once the typed value is saved

    explicit Program(const QString& action, bool withFolder = true)
        : test::EntryProgram(withFolder) {
        registerCompany(7, 4);
        menu = app.screen(screens::mainMenu);
        if (action == otherSection) {
            app.open(screens::sections, 7);
            form = app.screen(screens::sections);
            box = QStringLiteral("Text1");
            typed = QStringLiteral("abc");
            file = paths::sectionFile(7, 21);
            savedBytes = recordFile({"\"abc\"", "\"\"", "\"\"", "\"\"", "\"\""});
        } else {
            form = &handOver(screens::mainAccounts, 7);
            box = QStringLiteral("Text1");
            typed = QStringLiteral("1234");
            file = paths::sectionFile(7, 30);
            QStringList lines{QStringLiteral("1234")};
            for (int i = 1; i < 48; ++i)
                lines.append(QStringLiteral("0"));
            savedBytes = recordFile(lines);
        }
    }

    void act(const QString& action) {
        if (action == closeBox)
            form->closeBoxPressed();
        else if (action == dataButton)
            form->click(QStringLiteral("Command2"));
        else if (action == otherSection)
            form->click(QStringLiteral("Command2"));
        else if (action == finish)
            menu->click(QStringLiteral("Command11"));
        else if (action == menuCloseBox)
            menu->closeBoxPressed();
        else if (action == endButton)
            app.screen(screens::disclaimer)->click(QStringLiteral("Command3"));
    }

    // Whether the action went through: the screen closed, the file shown again, the other
    // section shown, the program ended with its one beep.
    bool wentOn(const QString& action) const {
        if (action == closeBox)
            return !app.existing(screens::mainAccounts);
        if (action == otherSection)
            return form->isVisible(QStringLiteral("Frame2")) &&
                   !form->isVisible(QStringLiteral("Frame1"));
        if (endsTheProgram(action))
            return app.hasEnded() && platform.beeps == 1 && platform.ends == 1;
        return true; // ＤＡＴＡ: what the box shows tells
    }
    bool stayed(const QString& action) const {
        if (action == closeBox)
            return app.existing(screens::mainAccounts) == form;
        if (action == otherSection)
            return form->isVisible(QStringLiteral("Frame1")) &&
                   !form->isVisible(QStringLiteral("Frame2"));
        return !app.hasEnded() && platform.beeps == 0 && platform.ends == 0;
    }
};

const QStringList& actions() {
    static const QStringList all{closeBox, dataButton,   otherSection,
                                 finish,   menuCloseBox, endButton};
    return all;
}

void addActions() {
    QTest::addColumn<QString>("action");
    for (const QString& action : actions())
        QTest::newRow(qPrintable(action)) << action;
}

} // namespace

// Values typed into a screen and not saved are never dropped without a question: before a
// screen closes, a section is switched, a file is loaded over them or the program ends.
class UnsavedTypingTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void question_data() {
        QTest::addColumn<QString>("action");
        QTest::addColumn<Answer>("answer");
        const struct {
            const char* name;
            Answer answer;
        } answers[] = {
            {"はい", Answer::Yes}, {"いいえ", Answer::No}, {"キャンセル", Answer::Cancel}};
        for (const QString& action : actions())
            for (const auto& a : answers)
                QTest::addRow("%s, %s", qPrintable(action), a.name) << action << a.answer;
    }
    void question() {
        QFETCH(QString, action);
        QFETCH(Answer, answer);
        Program p(action);
        p.form->typeText(p.box, p.typed);
        p.messages.answerNext(answer);
        p.act(action);

        QCOMPARE(p.messages.shown().size(), 1);
        const MessageBox& asked = p.messages.shown().first();
        QCOMPARE(asked.text, QStringLiteral("入力した内容が保存されていません。保存しますか？"));
        QCOMPARE(asked.buttons, MessageBox::Buttons::YesNoCancel);
        QCOMPARE(asked.icon, MessageBox::Icon::Question);
        QCOMPARE(asked.title, action == otherSection ? QStringLiteral("１．事業内容")
                                                     : QStringLiteral("資産の内容"));

        switch (answer) {
        case Answer::Yes:
            // Saved, then on.
            QCOMPARE(p.home.read(p.file), p.savedBytes);
            QVERIFY(p.wentOn(action));
            if (action == dataButton)
                QCOMPARE(p.form->text(p.box), QStringLiteral("1,234"));
            break;
        case Answer::No:
            // Given up, then on.
            QVERIFY(!p.home.exists(p.file));
            QVERIFY(p.wentOn(action));
            if (action == dataButton)
                QCOMPARE(p.form->text(p.box), QString());
            if (action == otherSection) {
                // Hidden, the section keeps it until it is shown again from its file;
                // nobody asks about it again.
                QCOMPARE(p.form->text(p.box), p.typed);
                p.form->click(QStringLiteral("Command1"));
                QCOMPARE(p.form->text(p.box), QString());
                QCOMPARE(p.messages.shown().size(), 1);
            }
            break;
        default:
            // Nothing saved, nothing dropped, nothing done.
            QVERIFY(!p.home.exists(p.file));
            QVERIFY(p.stayed(action));
            QCOMPARE(p.form->text(p.box), p.typed);
            break;
        }
    }

    // Nothing typed, or all of it saved: every action is as immediate as ever.
    void nothingUnsaved_data() {
        QTest::addColumn<QString>("action");
        QTest::addColumn<bool>("typedAndSaved");
        for (const QString& action : actions()) {
            QTest::addRow("%s, nothing typed", qPrintable(action)) << action << false;
            QTest::addRow("%s, saved", qPrintable(action)) << action << true;
        }
    }
    void nothingUnsaved() {
        QFETCH(QString, action);
        QFETCH(bool, typedAndSaved);
        Program p(action);
        if (typedAndSaved) {
            p.form->typeText(p.box, p.typed);
            p.form->click(action == otherSection ? QStringLiteral("Command5")
                                                 : QStringLiteral("Command9"));
            QCOMPARE(p.home.read(p.file), p.savedBytes);
        }
        p.act(action);
        QVERIFY(p.messages.shown().isEmpty());
        QVERIFY(p.wentOn(action));
    }

    // A save that cannot be done (no folder for the files) says why, and the program
    // stays where it was, with the values as typed.
    void saveThatFailsStays_data() { addActions(); }
    void saveThatFailsStays() {
        QFETCH(QString, action);
        Program p(action, false);
        p.form->typeText(p.box, p.typed);
        p.messages.answerNext(Answer::Yes);
        p.act(action);
        QCOMPARE(p.messages.shown().size(), 2);
        QCOMPARE(p.messages.shown().at(1).title, QStringLiteral("登録実行"));
        QVERIFY(!p.home.exists(p.file));
        QVERIFY(p.stayed(action));
        QCOMPARE(p.form->text(p.box), p.typed);
    }

    // The main menu handing another company over to a screen that holds unsaved values:
    // はい saves them for the company they were typed for, before the screen moves on.
    void handOverSavesForTheCompanyShown_data() {
        QTest::addColumn<Answer>("answer");
        QTest::newRow("はい") << Answer::Yes;
        QTest::newRow("いいえ") << Answer::No;
        QTest::newRow("キャンセル") << Answer::Cancel;
    }
    void handOverSavesForTheCompanyShown() {
        QFETCH(Answer, answer);
        Program p(closeBox);
        p.form->typeText(p.box, p.typed);
        p.messages.answerNext(answer);
        p.menu->setText(QStringLiteral("Text1"), QStringLiteral("8"));
        p.menu->click(QStringLiteral("Command19")); // 概況書２
        QCOMPARE(p.messages.shown().size(), 1);
        QVERIFY(!p.home.exists(paths::sectionFile(8, 30)));
        QCOMPARE(p.home.exists(p.file), answer == Answer::Yes);
        if (answer == Answer::Yes)
            QCOMPARE(p.home.read(p.file), p.savedBytes);
        const bool movedOn = answer != Answer::Cancel;
        QCOMPARE(p.form->text(QStringLiteral("Text43")),
                 movedOn ? QStringLiteral("8") : QStringLiteral("7"));
        QCOMPARE(p.form->text(p.box), movedOn ? QString() : p.typed);
    }

    // Every screen that saves asks before its close box drops what is typed, under its
    // own title; はい saves with the screen's own save button.
    void everyScreenAsksOnClosing_data() {
        QTest::addColumn<QString>("menuButton");
        QTest::addColumn<QString>("screen");
        QTest::addColumn<QStringList>("before"); // buttons pressed on the screen first
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("line"); // a line of the saved file
        QTest::newRow("概況書１, section 3")
            << "Command15" << screens::sections << QStringList{"Command3"} << "Text87"
            << "5"
            << "３．期末従業員等の状況" << paths::sectionFile(7, 23) << "5";
        QTest::newRow("概況書１, section 6")
            << "Command15" << screens::sections << QStringList{"Command12"} << "Text112"
            << "○"
            << "６．株主又は株式所有異動の有無" << paths::sectionFile(7, 26) << "\"○\"";
        QTest::newRow("概況書３") << "Command12" << screens::businessForm << QStringList()
                                  << "Text1"
                                  << "製造業"
                                  << "事業形態" << paths::sectionFile(7, 40) << "\"製造業\"";
        QTest::newRow("概況書４") << "Command4" << screens::taxAccountant << QStringList()
                                  << "Text23"
                                  << "山田"
                                  << "税理士等" << paths::sectionFile(7, 50) << "\"山田\"";
        QTest::newRow("概況書５") << "Command5" << screens::monthlyTable << QStringList() << "Text1"
                                  << "100"
                                  << "月別表" << paths::sectionFile(7, 60) << "100";
        QTest::newRow("印刷") << "Command3" << screens::print << QStringList() << "Text3"
                              << "株式会社新"
                              << "印刷" << paths::masterFile(7) << "\"株式会社新\"";
        QTest::newRow("会社登録") << "Command1" << screens::registration << QStringList{"Command7"}
                                  << "Text3"
                                  << "株式会社新"
                                  << "法人税事業概況書に登録" << paths::masterFile(7)
                                  << "\"株式会社新\"";
    }
    void everyScreenAsksOnClosing() {
        QFETCH(QString, menuButton);
        QFETCH(QString, screen);
        QFETCH(QStringList, before);
        QFETCH(QString, box);
        QFETCH(QString, typed);
        QFETCH(QString, title);
        QFETCH(QString, file);
        QFETCH(QString, line);
        for (const Answer answer : {Answer::Cancel, Answer::Yes}) {
            test::EntryProgram p;
            p.registerCompany(7, 4);
            const QByteArray masterBefore = p.home.read(paths::masterFile(7));
            Screen* menu = p.app.screen(screens::mainMenu);
            menu->setText(QStringLiteral("Text1"), QStringLiteral("7"));
            menu->click(menuButton);
            Screen* form = p.app.existing(screen);
            QVERIFY(form);
            for (const QString& button : before)
                form->click(button);
            QVERIFY(p.messages.shown().isEmpty());
            form->typeText(box, typed);
            p.messages.answerNext(answer);
            form->closeBoxPressed();
            QCOMPARE(p.messages.shown().size(), 1);
            QCOMPARE(p.messages.shown().first().title, title);
            if (answer == Answer::Cancel) {
                QCOMPARE(p.app.existing(screen), form);
                QCOMPARE(form->text(box), typed);
                if (file == paths::masterFile(7))
                    QCOMPARE(p.home.read(file), masterBefore);
                else
                    QVERIFY(!p.home.exists(file));
            } else {
                QVERIFY(!p.app.existing(screen));
                QVERIFY2(test::fileLines(p.home.read(file)).contains(line),
                         qPrintable(cp932::decode(p.home.read(file))));
            }
        }
    }

    // A saved value the user deletes by hand is a change like any other: the question
    // lists the box with the value saved, and its default loses nothing (いいえ, or
    // キャンセル where it would drop typed values too). はい saves the box empty. A box
    // emptied by "クリア" is an explicit clearing: it is not asked about, and so never
    // saved by a stray はい.
    void emptiedSavedValue_data() {
        QTest::addColumn<QString>("action");
        QTest::addColumn<QString>("how");
        QTest::addColumn<Answer>("answer");
        QTest::addColumn<bool>("asked");
        const struct {
            const char* how;
            bool asked;
        } ways[] = {{"by hand", true},
                    {"by hand, another typed", true},
                    {"クリア", false},
                    {"by hand, then クリア", false}};
        for (const QString& action : {closeBox, otherSection, dataButton})
            for (const auto& way : ways)
                for (const Answer answer : {Answer::Yes, Answer::No, Answer::Cancel}) {
                    if (!way.asked && answer != Answer::Yes)
                        continue;
                    QTest::addRow("%s, %s, %s", qPrintable(action), way.how,
                                  answer == Answer::Yes  ? "はい"
                                  : answer == Answer::No ? "いいえ"
                                                         : "キャンセル")
                        << action << QString::fromUtf8(way.how) << answer << way.asked;
                }
    }
    void emptiedSavedValue() {
        QFETCH(QString, action);
        QFETCH(QString, how);
        QFETCH(Answer, answer);
        QFETCH(bool, asked);
        Program p(action);
        const bool sections = action == otherSection;
        const QString save = sections ? QStringLiteral("Command5") : QStringLiteral("Command9");
        const QString clear = sections ? QStringLiteral("Command16") : QStringLiteral("Command1");
        const QString other = QStringLiteral("Text2");
        p.form->typeText(p.box, p.typed);
        p.form->click(save);
        QCOMPARE(p.home.read(p.file), p.savedBytes);
        const QString shown = p.form->text(p.box);

        if (how == QStringLiteral("クリア")) {
            p.form->click(clear);
        } else {
            p.form->typeText(p.box, QString());
            if (how.contains(QStringLiteral("another typed")))
                p.form->typeText(other, QStringLiteral("9"));
            if (how.contains(QStringLiteral("クリア")))
                p.form->click(clear);
        }
        p.messages.answerNext(answer);
        p.act(action);

        if (!asked) {
            QVERIFY(p.messages.shown().isEmpty());
            QCOMPARE(p.home.read(p.file), p.savedBytes);
            QVERIFY(p.wentOn(action));
            return;
        }
        QCOMPARE(p.messages.shown().size(), 1);
        const MessageBox& question = p.messages.shown().first();
        QVERIFY2(question.text.startsWith(messages::unsavedQuestion()), qPrintable(question.text));
        const QString caption =
            sections ? QStringLiteral("事業内容 1行目") : QStringLiteral("売上（収入）高");
        QVERIFY2(question.text.contains(
                     QStringLiteral("・%1（保存されている値：「%2」）").arg(caption, shown)),
                 qPrintable(question.text));
        const bool typedToo = how.contains(QStringLiteral("another typed"));
        QCOMPARE(question.cancelByDefault, typedToo);
        QCOMPARE(question.noByDefault, !typedToo);

        switch (answer) {
        case Answer::Yes: {
            const QStringList lines = test::fileLines(p.home.read(p.file));
            QCOMPARE(lines.first(), sections ? QStringLiteral("\"\"") : QStringLiteral("0"));
            if (typedToo)
                QCOMPARE(lines.at(1), sections ? QStringLiteral("\"9\"") : QStringLiteral("9"));
            QVERIFY(p.wentOn(action));
            break;
        }
        case Answer::No:
            QCOMPARE(p.home.read(p.file), p.savedBytes);
            QVERIFY(p.wentOn(action));
            if (action == dataButton)
                QCOMPARE(p.form->text(p.box), shown);
            break;
        default:
            QCOMPARE(p.home.read(p.file), p.savedBytes);
            QVERIFY(p.stayed(action));
            QCOMPARE(p.form->text(p.box), QString());
            break;
        }
    }

    // Emptying a box of what saves the same as nothing loses nothing: a number box that
    // held 0, a box that held only spaces. Nothing is asked.
    void emptiedOfNothing_data() {
        QTest::addColumn<QString>("held");
        QTest::newRow("0 in a number box") << QStringLiteral("0");
        QTest::newRow("spaces") << QStringLiteral("  ");
    }
    void emptiedOfNothing() {
        QFETCH(QString, held);
        test::EntryProgram p;
        p.registerCompany(7, 4);
        p.app.open(screens::sections, 7);
        Screen* form = p.app.screen(screens::sections);
        // Section 2: 総支店数 (Text18) shows plain decimals, 0 as 0; 主な所在地 (Text19) a text.
        form->click(QStringLiteral("Command2"));
        const QString box =
            held == QStringLiteral("0") ? QStringLiteral("Text18") : QStringLiteral("Text19");
        form->typeText(box, held);
        form->click(QStringLiteral("Command6")); // 登録実行
        QCOMPARE(form->text(box), held);
        form->typeText(box, QString());
        form->closeBoxPressed();
        QVERIFY(p.messages.shown().isEmpty());
        QVERIFY(!p.app.existing(screens::sections));
    }

    // A click in the registry list calls a company up into the registration screen: a
    // registration typed there and not saved is asked about first. Its save needs the
    // business year, so はい is refused here, and the screen stays as typed.
    void registryListClickAsks_data() {
        QTest::addColumn<Answer>("answer");
        QTest::addColumn<bool>("calledUp");
        QTest::newRow("はい, the save refused") << Answer::Yes << false;
        QTest::newRow("いいえ") << Answer::No << true;
        QTest::newRow("キャンセル") << Answer::Cancel << false;
    }
    void registryListClickAsks() {
        QFETCH(Answer, answer);
        QFETCH(bool, calledUp);
        test::EntryProgram p;
        p.home.write(
            paths::registryFile(12),
            test::registryFile(12, QStringLiteral("十二物産"), {"15", "10", "1", "16", "9", "30"}));
        Screen* menu = p.app.screen(screens::mainMenu);
        menu->setText(QStringLiteral("Text1"), QStringLiteral("5"));
        menu->click(QStringLiteral("Command1")); // 会社登録
        Screen* form = p.app.existing(screens::registration);
        form->typeText(QStringLiteral("Text1"), QStringLiteral("5"));
        form->typeText(QStringLiteral("Text3"), QStringLiteral("株式会社新"));
        static_cast<MainMenu*>(menu)->refillRegistryList();
        p.messages.answerNext(answer);
        menu->clickItem(QStringLiteral("List1"), 0);
        QCOMPARE(p.messages.shown().first().text, messages::unsavedQuestion());
        QCOMPARE(p.messages.shown().size(), answer == Answer::Yes ? 2 : 1);
        QCOMPARE(p.app.existing(screens::registration), form);
        QCOMPARE(form->text(QStringLiteral("Text3")),
                 calledUp ? QStringLiteral("十二物産") : QStringLiteral("株式会社新"));
        QCOMPARE(static_cast<RegistrationScreen*>(form)->handedCode(),
                 std::optional<qint32>(calledUp ? 12 : 5));
        QVERIFY(!p.home.exists(paths::masterFile(5)));
    }

    // On the registration screen, the code typed to call a company up is no unsaved
    // value: "会社呼出" asks only for the other boxes.
    void registrationCallUpByCode() {
        test::EntryProgram p;
        p.registerCompany(7, 4);
        Screen* menu = p.app.screen(screens::mainMenu);
        menu->setText(QStringLiteral("Text1"), QStringLiteral("7"));
        menu->click(QStringLiteral("Command1")); // 会社登録
        Screen* form = p.app.existing(screens::registration);
        form->typeText(QStringLiteral("Text1"), QStringLiteral("7"));
        form->click(QStringLiteral("Command6"));
        QVERIFY(p.messages.shown().isEmpty());
        QCOMPARE(form->text(QStringLiteral("Text3")), QStringLiteral("テスト商事"));

        // A name typed over it is asked about; いいえ drops it, but not the code.
        form->typeText(QStringLiteral("Text3"), QStringLiteral("株式会社新"));
        p.messages.answerNext(Answer::No);
        form->click(QStringLiteral("Command6"));
        QCOMPARE(p.messages.shown().size(), 1);
        QCOMPARE(form->text(QStringLiteral("Text3")), QStringLiteral("テスト商事"));
        QCOMPARE(form->text(QStringLiteral("Text1")), QStringLiteral("7"));
    }
};

QTEST_MAIN(UnsavedTypingTest)
#include "unsavedtypingtest.moc"
