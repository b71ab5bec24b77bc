#include "datafile/drivec.h"
#include "datafile/folderwatch.h"
#include "printing/printscreen.h"
#include "registry/companypaths.h"
#include "registry/masterfile.h"
#include "shell/mainmenu.h"
#include "shell/screens.h"
#include "statement/recordlayouts.h"
#include "statement/sectionfile.h"
#include "support/companybuilder.h"
#include "support/testprogram.h"

#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTest>

using namespace gaikyo;
using namespace Qt::StringLiterals;

namespace {

// One copy of the program: its own screens, on the data folder of the test's home.
struct Copy : test::TestProgram {
    explicit Copy(test::TestHome& home, test::ScriptedMessages* messages = nullptr)
        : TestProgram({.home = &home, .messages = messages, .recordingPrinters = true}) {
        startUp();
    }

    // The screen opened on a company from the main menu, as a user opens it: the
    // sections by 会社呼出, the registration by 会社登録, the others by their own button.
    Screen& open(const QString& name, qint32 code = 7) {
        menu().setText(u"Text1"_s, QString::number(code));
        if (name == screens::sections)
            menu().click(u"Command2"_s);
        else if (name == screens::registration)
            menu().click(u"Command1"_s);
        else
            menu().click(test::handOverOf(name).button);
        Screen* screen = app.existing(name);
        if (name == screens::registration)
            screen->click(u"Command7"_s); // DATA
        return *screen;
    }
    void deleteCompany(qint32 code = 7) {
        menu().setText(u"Text1"_s, QString::number(code));
        // はい to the question before deleting.
        const messages::Handler previous = messages::install([](const MessageBox& box) {
            return box.buttons == MessageBox::Buttons::YesNo ? MessageBox::Answer::Yes
                                                             : MessageBox::Answer::Ok;
        });
        menu().click(u"Command8"_s);
        messages::install(previous);
    }
};

// Two copies of the program on one data folder, company 7 registered with every section
// saved once (empty).
struct Office {
    test::TestHome home;
    test::ScriptedMessages messages;
    // Before the copies start, so that they find the company at start-up.
    bool written = writeCompany(home);
    std::unique_ptr<Copy> a = std::make_unique<Copy>(home, &messages);
    std::unique_ptr<Copy> b = std::make_unique<Copy>(home, &messages);

    static bool writeCompany(const test::TestHome& home) {
        test::CompanyBuilder(7).everySection().writeTo(home);
        return true;
    }

    QStringList questions() const {
        QStringList texts;
        for (const MessageBox& box : messages.shown())
            if (box.buttons == MessageBox::Buttons::YesNo)
                texts.append(box.text);
        return texts;
    }
};

// One way of editing a company: the screen, the section to show first (Form2), two
// boxes of the same file, and the button that saves.
struct Editing {
    QString screen;
    QString sectionButton;
    int section; // 0: the master file
    QString box1, value1, box2, value2;
    QString save;
};

const QList<std::pair<const char*, Editing>>& editings() {
    static const QList<std::pair<const char*, Editing>> rows{
        {"資産の内容",
         {screens::mainAccounts,
          {},
          30,
          u"Text1"_s,
          u"900"_s,
          u"Text21"_s,
          u"340"_s,
          u"Command9"_s}},
        {"事業内容",
         {screens::sections, u"Command1"_s, 21, u"Text1"_s, u"卸売業"_s, u"Text2"_s, u"小売業"_s,
          u"Command5"_s}},
        {"支店・海外取引状況",
         {screens::sections, u"Command2"_s, 22, u"Text53"_s, u"米国"_s, u"Text18"_s, u"3"_s,
          u"Command6"_s}},
        {"期末従業員等の状況",
         {screens::sections, u"Command3"_s, 23, u"Text87"_s, u"2"_s, u"Text86"_s, u"5"_s,
          u"Command7"_s}},
        {"事業形態",
         {screens::businessForm,
          {},
          40,
          u"Text1"_s,
          u"不動産"_s,
          u"Text14"_s,
          u"倉庫"_s,
          u"Command9"_s}},
        {"税理士",
         {screens::taxAccountant,
          {},
          50,
          u"Text23"_s,
          u"税理士一郎"_s,
          u"Text25"_s,
          u"03-9999-0000"_s,
          u"Command9"_s}},
        {"月別表",
         {screens::monthlyTable,
          {},
          60,
          u"Text1"_s,
          u"100"_s,
          u"Text2"_s,
          u"250"_s,
          u"Command9"_s}},
        {"会社登録",
         {screens::registration,
          {},
          0,
          u"Text12"_s,
          u"03-1111-2222"_s,
          u"Text4"_s,
          u"http://mihon.example/"_s,
          u"Command12"_s}},
        {"印刷の見出し",
         {screens::print,
          {},
          0,
          u"Text12"_s,
          u"03-1111-2222"_s,
          u"Text4"_s,
          u"http://mihon.example/"_s,
          u"Command9"_s}},
    };
    return rows;
}

void addEditingColumns() {
    QTest::addColumn<QString>("screen");
    QTest::addColumn<QString>("sectionButton");
    QTest::addColumn<int>("section");
    QTest::addColumn<QString>("box1");
    QTest::addColumn<QString>("value1");
    QTest::addColumn<QString>("box2");
    QTest::addColumn<QString>("value2");
    QTest::addColumn<QString>("save");
}

void addEditingRows() {
    for (const auto& [name, editing] : editings())
        QTest::newRow(name) << editing.screen << editing.sectionButton << editing.section
                            << editing.box1 << editing.value1 << editing.box2 << editing.value2
                            << editing.save;
}

Screen& openForEditing(Copy& copy, const QString& screen, const QString& sectionButton) {
    Screen& s = copy.open(screen);
    if (!sectionButton.isEmpty())
        s.click(sectionButton);
    return s;
}

// The value a file of company 7 holds for a box, as the screens show it.
QString stored(int section, const QString& box) {
    if (section == 0) {
        CompanyRecord r;
        if (!masterfile::read(7, 15, r))
            return u"(no file)"_s;
        const QHash<QString, QString> master{
            {u"Text12"_s, r.telephone}, {u"Text4"_s, r.homePage}, {u"Text3"_s, r.name}};
        return master.value(box);
    }
    const RecordLayout& layout = layouts::section(section);
    SectionRecord r = SectionRecord::emptyFor(layout);
    if (!sectionfile::load(7, layout, r).loaded())
        return u"(no file)"_s;
    for (qsizetype i = 0; i < layout.texts.size(); ++i)
        if (layout.texts.at(i).box == box)
            return r.texts.at(i);
    for (qsizetype i = 0; i < layout.integers.size(); ++i)
        if (layout.integers.at(i).box == box)
            return QString::number(r.integers.at(i));
    return u"(no field)"_s;
}

} // namespace

class SharedFolderTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void bothChangeDifferentFields_data() {
        addEditingColumns();
        addEditingRows();
    }
    // Two people open the same company; one changes a field, the other another, both
    // save: the file keeps both, and nobody is asked anything.
    void bothChangeDifferentFields() {
        QFETCH(QString, screen);
        QFETCH(QString, sectionButton);
        QFETCH(int, section);
        QFETCH(QString, box1);
        QFETCH(QString, value1);
        QFETCH(QString, box2);
        QFETCH(QString, value2);
        QFETCH(QString, save);
        Office office;
        Screen& first = openForEditing(*office.a, screen, sectionButton);
        Screen& second = openForEditing(*office.b, screen, sectionButton);

        first.typeText(box1, value1);
        first.click(save);
        QCOMPARE(stored(section, box1), value1);
        second.typeText(box2, value2);
        second.click(save);

        QCOMPARE(stored(section, box1), value1);
        QCOMPARE(stored(section, box2), value2);
        QCOMPARE(office.questions(), QStringList());
        if (section == 60) // 計 of the first sales column: the sum of both saves
            QCOMPARE(stored(60, u"Text13"_s), u"350"_s);
        if (section == 23) // 計 of the head counts
            QCOMPARE(stored(23, u"Text90"_s), u"7"_s);
    }

    void bothChangeOneField_data() {
        addEditingColumns();
        QTest::addColumn<bool>("yes");
        for (const bool yes : {false, true})
            for (const auto& [name, e] : editings())
                QTest::addRow("%s, %s", name, yes ? "はい" : "いいえ (default)")
                    << e.screen << e.sectionButton << e.section << e.box1 << e.value1 << e.box2
                    << e.value2 << e.save << yes;
    }
    // Both change the same field to different values: the second is asked, with both
    // values shown; いいえ, the default, keeps the value already saved.
    void bothChangeOneField() {
        QFETCH(QString, screen);
        QFETCH(QString, sectionButton);
        QFETCH(int, section);
        QFETCH(QString, box1);
        QFETCH(QString, value1);
        QFETCH(QString, value2);
        QFETCH(QString, save);
        QFETCH(bool, yes);
        Office office;
        Screen& first = openForEditing(*office.a, screen, sectionButton);
        Screen& second = openForEditing(*office.b, screen, sectionButton);
        // The second value, in a box of the first's kind.
        const QString other = value1.at(0).isDigit() ? u"777"_s : value2;

        first.typeText(box1, value1);
        first.click(save);
        second.typeText(box1, other);
        if (yes)
            office.messages.answerNext(MessageBox::Answer::Yes);
        second.click(save);

        const QStringList questions = office.questions();
        QCOMPARE(questions.size(), 1);
        QVERIFY2(questions.first().contains(value1) && questions.first().contains(other),
                 qPrintable(questions.first()));
        QVERIFY(office.messages.shown().constLast().noByDefault);
        QCOMPARE(stored(section, box1), yes ? other : value1);
    }

    void deletedCompanyStaysDeleted_data() {
        addEditingColumns();
        QTest::addColumn<bool>("yes");
        for (const bool yes : {false, true})
            for (const auto& [name, e] : editings())
                QTest::addRow("%s, %s", name, yes ? "はい" : "いいえ (default)")
                    << e.screen << e.sectionButton << e.section << e.box1 << e.value1 << e.box2
                    << e.value2 << e.save << yes;
    }
    // A screen still shows a company that was deleted meanwhile: its save asks before
    // creating anything, and by default creates nothing; what was typed stays.
    void deletedCompanyStaysDeleted() {
        QFETCH(QString, screen);
        QFETCH(QString, sectionButton);
        QFETCH(int, section);
        QFETCH(QString, box1);
        QFETCH(QString, value1);
        QFETCH(QString, save);
        QFETCH(bool, yes);
        Office office;
        Screen& open = openForEditing(*office.a, screen, sectionButton);
        office.b->deleteCompany();
        QVERIFY(!office.home.exists(paths::masterFile(7)));

        open.typeText(box1, value1);
        if (yes)
            office.messages.answerNext(MessageBox::Answer::Yes);
        open.click(save);

        const QStringList questions = office.questions();
        QCOMPARE(questions.size(), 1);
        QVERIFY2(questions.first().contains(u"削除されています"_s), qPrintable(questions.first()));
        const QString file = section == 0 ? paths::masterFile(7) : paths::sectionFile(7, section);
        QCOMPARE(office.home.exists(file), yes);
        if (!yes) {
            QVERIFY(!office.home.exists(paths::masterFile(7)));
            QVERIFY(
                QDir(drivec::hostPath(paths::statementFolder())).entryList(QDir::Files).isEmpty());
            QCOMPARE(open.text(box1), value1);
        }
    }

    // Deleting moves every file of the company to the trash: a new company under the old
    // code starts empty, on every screen, even where an old screen was still open.
    void newCompanyUnderAnOldCodeStartsEmpty() {
        Office office;
        office.home.write(paths::monthOrderFile(7), "4\r\n");
        Screen& old = office.a->open(screens::mainAccounts);
        old.typeText(u"Text1"_s, u"5000"_s);
        old.click(u"Command9"_s);
        QCOMPARE(stored(30, u"Text1"_s), u"5000"_s);

        office.b->deleteCompany();
        const QStringList left = QDir(drivec::hostPath(paths::dataFolder()))
                                     .entryList(QDir::Files | QDir::NoDotAndDotDot, QDir::Name);
        QCOMPARE(left, QStringList());
        QCOMPARE(QDir(drivec::hostPath(paths::statementFolder())).entryList(QDir::Files),
                 QStringList());
        QCOMPARE(QDir(drivec::hostPath(paths::masterFolder())).entryList(QDir::Files),
                 QStringList());

        // A new company 7 is registered on the other copy.
        Screen& registration = office.b->open(screens::registration);
        registration.typeText(u"Text1"_s, u"7"_s);
        for (const auto& [box, value] : {std::pair{"Text3", "有限会社新会社"},
                                         {"Text13", "20"},
                                         {"Text14", "4"},
                                         {"Text15", "1"},
                                         {"Text17", "21"},
                                         {"Text18", "3"},
                                         {"Text19", "31"},
                                         {"Text7", "0"}})
            registration.typeText(QString::fromLatin1(box), QString::fromUtf8(value));
        registration.click(u"Command12"_s);
        QVERIFY(office.home.exists(paths::masterFile(7)));

        // The old screen saves again: asked, and by default nothing of the old company
        // is written under the new one.
        old.click(u"Command9"_s);
        QCOMPARE(office.questions().size(), 1);
        QVERIFY(!office.home.exists(paths::sectionFile(7, 30)));
        Screen& fresh = office.b->open(screens::mainAccounts);
        QCOMPARE(fresh.text(u"Text1"_s), QString());
    }

    void printHeaderKeepsTheNewYear_data() {
        QTest::addColumn<bool>("sameCopy");
        QTest::addColumn<bool>("carryOver");
        QTest::addColumn<QString>("print");
        for (const bool same : {true, false})
            for (const char* button : {"Command11", "Command12", "Command22", "Command9"})
                QTest::addRow("%s, %s", same ? "one copy" : "two copies", button)
                    << same << false << QString::fromLatin1(button);
        // The way one person does it: 次年度繰越 on the print screen, 翌期更新 there,
        // then print from the print screen still open.
        for (const char* button : {"Command11", "Command13"})
            QTest::addRow("次年度繰越, %s", button) << true << true << QString::fromLatin1(button);
    }
    // The print screen left open while the business year is rolled forward on the
    // registration screen: its automatic save before every print keeps the new year.
    void printHeaderKeepsTheNewYear() {
        QFETCH(bool, sameCopy);
        QFETCH(bool, carryOver);
        QFETCH(QString, print);
        Office office;
        Screen& printScreen = office.a->open(screens::print);
        QCOMPARE(printScreen.text(u"Text13"_s), u"15"_s);
        Copy& other = sameCopy ? *office.a : *office.b;
        if (carryOver)
            printScreen.click(u"Command18"_s); // 次年度繰越
        Screen& registration = carryOver ? *office.a->app.existing(screens::registration)
                                         : other.open(screens::registration);
        QCOMPARE(registration.text(u"Text13"_s), u"15"_s);
        office.messages.answerNext(MessageBox::Answer::Yes); // the roll, not the new figures
        registration.click(u"Command13"_s);                  // 翌期更新
        CompanyRecord rolled;
        QVERIFY(masterfile::read(7, 15, rolled));
        QCOMPARE(rolled.startYear, 16);
        const QByteArray afterRoll = office.home.read(paths::masterFile(7));
        office.messages.clear();

        printScreen.click(print);

        QCOMPARE(office.home.read(paths::masterFile(7)), afterRoll);
        QCOMPARE(printScreen.text(u"Text13"_s), u"16"_s);
        QCOMPARE(printScreen.text(u"Text17"_s), u"17"_s);
        QCOMPARE(office.questions(), QStringList());
    }

    // A change typed on the print screen is saved over the new year, not with the old.
    void printHeaderChangeAndNewYearBothKept() {
        Office office;
        Screen& printScreen = office.a->open(screens::print);
        office.messages.answerNext(MessageBox::Answer::Yes);
        office.b->open(screens::registration).click(u"Command13"_s);
        printScreen.typeText(u"Text2"_s, u"佐藤花子"_s);
        printScreen.click(u"Command11"_s);
        CompanyRecord r;
        QVERIFY(masterfile::read(7, 15, r));
        QCOMPARE(r.startYear, 16);
        QCOMPARE(r.respondent, u"佐藤花子"_s);
        // What printed is the new year.
        auto* print = qobject_cast<PrintScreen*>(&printScreen);
        QCOMPARE(print->printData().company().startYear, 16);
        QCOMPARE(print->printData().company().respondent, u"佐藤花子"_s);
    }

    // Two people register the same new code: the second is asked about every field the
    // first filled in differently, and by default the first one's values stay.
    void sameNewCodeFromBoth_data() {
        QTest::addColumn<QString>("secondName");
        QTest::addColumn<bool>("yes");
        QTest::newRow("another name, いいえ") << u"有限会社別会社"_s << false;
        QTest::newRow("another name, はい") << u"有限会社別会社"_s << true;
        QTest::newRow("the same name, いいえ") << u"株式会社新規"_s << false;
    }
    void sameNewCodeFromBoth() {
        QFETCH(QString, secondName);
        QFETCH(bool, yes);
        Office office;
        Screen& first = office.a->open(screens::registration, 50);
        Screen& second = office.b->open(screens::registration, 50);
        const auto fill = [](Screen& s, const QString& name, const QString& telephone) {
            s.typeText(u"Text1"_s, u"50"_s);
            for (const auto& [box, value] : {std::pair{"Text13", "20"},
                                             {"Text14", "4"},
                                             {"Text15", "1"},
                                             {"Text17", "21"},
                                             {"Text18", "3"},
                                             {"Text19", "31"},
                                             {"Text7", "0"}})
                s.typeText(QString::fromLatin1(box), QString::fromUtf8(value));
            s.typeText(u"Text3"_s, name);
            s.typeText(u"Text12"_s, telephone);
        };
        fill(first, u"株式会社新規"_s, u"03-1"_s);
        fill(second, secondName, u"03-2"_s);
        first.click(u"Command12"_s);
        const QByteArray firstSaved = office.home.read(paths::masterFile(50));
        if (yes)
            office.messages.answerNext(MessageBox::Answer::Yes);
        second.click(u"Command12"_s);

        QCOMPARE(office.questions().size(), 1);
        QVERIFY2(office.questions().first().contains(u"03-1"_s),
                 qPrintable(office.questions().first()));
        CompanyRecord r;
        QVERIFY(masterfile::read(50, 15, r));
        QCOMPARE(r.telephone, yes ? u"03-2"_s : u"03-1"_s);
        QCOMPARE(r.name, yes ? secondName : u"株式会社新規"_s);
        if (!yes)
            QCOMPARE(office.home.read(paths::masterFile(50)), firstSaved);
    }

    // The business year's first month moves from April to October while 月別表 is open
    // elsewhere: its save refuses to store the rows under the new months, shows the new
    // labels and keeps what was typed; a second press saves them.
    void monthlyTableChecksTheMonths() {
        Office office;
        Screen& table = office.a->open(screens::monthlyTable);
        QCOMPARE(table.text(u"Text136"_s), u"4"_s);
        const QByteArray before = office.home.read(paths::sectionFile(7, 60));
        Screen& registration = office.b->open(screens::registration);
        registration.typeText(u"Text14"_s, u"10"_s);
        registration.click(u"Command3"_s); // 事業年度: the end follows
        registration.click(u"Command12"_s);

        table.typeText(u"Text1"_s, u"100"_s);
        table.typeText(u"Text2"_s, u"200"_s);
        table.click(u"Command9"_s);

        QCOMPARE(office.home.read(paths::sectionFile(7, 60)), before);
        QCOMPARE(office.messages.shown().size(), 1);
        const QString warning = office.messages.shown().first().text;
        QVERIFY2(warning.contains(u"4,5,6,7,8,9,10,11,12,1,2,3月"_s) &&
                     warning.contains(u"10,11,12,1,2,3,4,5,6,7,8,9月"_s),
                 qPrintable(warning));
        QCOMPARE(table.text(u"Text136"_s), u"10"_s);
        QCOMPARE(table.text(u"Text1"_s), u"100"_s);
        QCOMPARE(table.text(u"Text2"_s), u"200"_s);

        table.click(u"Command9"_s);
        QCOMPARE(stored(60, u"Text1"_s), u"100"_s);
        QCOMPARE(stored(60, u"Text13"_s), u"300"_s);
    }

    // The company lists follow the folder, whoever changes it; a deletion leaves the
    // list of the copy that deleted at once.
    void listsFollowTheFolder() {
        Office office;
        const auto listed = [](Copy& copy, const QString& prefix) {
            for (const QString& item : copy.menu().items(u"List2"_s))
                if (item.startsWith(prefix))
                    return true;
            return false;
        };
        QVERIFY(listed(*office.b, u"07 : "_s));

        office.a->deleteCompany();
        QVERIFY(!listed(*office.a, u"07 : "_s)); // at once
        QTRY_VERIFY(!listed(*office.b, u"07 : "_s));

        test::CompanyBuilder(8).writeTo(office.home);
        QTRY_VERIFY(listed(*office.a, u"08 : "_s));
        QTRY_VERIFY(listed(*office.b, u"08 : "_s));

        // The other program's companies too.
        office.home.write(paths::registryFile(45),
                          test::fixture(u"registry/registry45_19values.txt"_s));
        QTRY_VERIFY(!office.a->menu().items(u"List1"_s).isEmpty());
    }

    // A folder that does not exist yet is watched from above: the first registration
    // on another computer shows.
    void listsFollowAFolderMadeLater() {
        test::TestHome home;
        Copy copy(home);
        QVERIFY(copy.menu().items(u"List2"_s).isEmpty());
        test::CompanyBuilder(9).writeTo(home);
        // Seen by the look every few seconds at the latest.
        QTRY_COMPARE_WITH_TIMEOUT(copy.menu().items(u"List2"_s).size(), 1, 3 * FolderWatch::pollMs);
    }

    // The temporary file a save killed half-way leaves beside a file is cleared at the
    // next start: only a name the program's saves make, only beside the program's own
    // files, and only when older than an hour. One start for the whole table: the
    // clean-up runs a little after the menu shows. (Empty files: nothing of value, they
    // go to the trash without a word; faultstest has what else a killed save leaves.)
    void startUpClearsOldSaveLeftovers() {
        const QString master = paths::masterFolder();
        const QString statement = paths::statementFolder();
        const QString ours = u".gaikyo-k3j9x0p2qz7a.tmp"_s;
        const struct {
            const char* what;
            QString file;
            int ageMinutes;
            bool removed;
        } files[] = {
            {"master file, two hours", master + u"7.txt"_s + ours, 120, true},
            {"section file, a day", statement + u"7030.txt"_s + ours, 1440, true},
            {"month order file", statement + u"月7.txt"_s + ours, 120, true},
            {"pledge file", u"c:\\Program Files\\法人税事業概況書の誓約書.txt"_s + ours, 120, true},
            {"a save going on now", master + u"8.txt"_s + ours, 0, false},
            {"half an hour", master + u"9.txt"_s + ours, 30, false},
            {"not beside a file of ours", master + u"memo.txt"_s + ours, 120, false},
            {"random part too short", master + u"7.txt.gaikyo-k3j9.tmp"_s, 120, false},
            // Another random part, so that a system blind to case keeps it a file apart.
            {"not exactly our name", master + u"7.txt.GAIKYO-M4N8W2Q6R1T5.TMP"_s, 120, false},
            {"an earlier version's name", master + u"7.txt.AbCdEf"_s, 120, false},
            {"a damaged file kept aside", master + u"7.txt.壊れていたファイル"_s, 120, false},
            {"another folder", paths::dataFolder() + u"7.txt"_s + ours, 120, false},
            {"another program's folder", paths::registryFolder() + u"7.txt"_s + ours, 120, false},
        };
        test::TestHome home;
        test::CompanyBuilder(7).writeTo(home);
        for (const auto& f : files) {
            home.write(f.file, {});
            QFile leftover(drivec::hostPath(f.file));
            QVERIFY(leftover.open(QIODevice::ReadWrite));
            QVERIFY(leftover.setFileTime(QDateTime::currentDateTime().addSecs(-60 * f.ageMinutes),
                                         QFileDevice::FileModificationTime));
        }

        Copy copy(home);
        for (const auto& f : files)
            QVERIFY2(home.exists(f.file), f.what); // not while the program starts
        QTest::qWait(MainMenu::leftoversDelayMs + 500);
        for (const auto& f : files)
            QVERIFY2(home.exists(f.file) == !f.removed, f.what);
        QVERIFY(home.exists(paths::masterFile(7)));
    }

    // A look at a folder whose files did not change tells nothing.
    void folderWatchTellsOnlyChanges() {
        test::TestHome home;
        test::CompanyBuilder(7).writeTo(home);
        FolderWatch watch(paths::masterFolder());
        QSignalSpy told(&watch, &FolderWatch::changed);
        QVERIFY(!watch.lookNow());
        // A file that is not a data file is not looked at.
        home.write(paths::masterFolder() + u"7.txt.AbCdEf"_s, "x");
        QVERIFY(!watch.lookNow());
        CompanyRecord renamed = test::sampleCompany(7);
        renamed.name = u"株式会社見本商店"_s;
        home.write(paths::masterFile(7), masterfile::bytes(renamed, nullptr));
        QVERIFY(watch.lookNow());
        QCOMPARE(told.size(), 1);
        QVERIFY(!watch.lookNow());
    }
};

QTEST_MAIN(SharedFolderTest)
#include "sharedfoldertest.moc"
