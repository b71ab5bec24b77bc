#include "datafile/discard.h"
#include "registrationprogram.h"

#include "datafile/drivec.h"
#include "registry/companypaths.h"
#include "registry/masterfile.h"

#include <QFile>
#include <QTest>

using namespace gaikyo;
using namespace Qt::Literals::StringLiterals;
using test::Program;

namespace {

void writeCompany(const test::TestHome& home, qint32 code, const QString& name) {
    CompanyRecord r;
    r.code = code;
    r.name = name;
    r.startYear = 15;
    r.startMonth = 4;
    r.startDay = 1;
    r.endYear = 16;
    r.endMonth = 3;
    r.endDay = 31;
    r.referenceNumber = 77;
    home.write(paths::masterFile(code), masterfile::bytes(r, nullptr));
}

QStringList header(const Screen& menu) {
    QStringList texts;
    for (const QString& box : {u"Text1"_s, u"Text2"_s, u"Text13"_s, u"Text14"_s, u"Text15"_s,
                               u"Text17"_s, u"Text18"_s, u"Text19"_s})
        texts.append(menu.text(box));
    return texts;
}

void setHeader(Screen& menu, const QStringList& texts) {
    const QStringList boxes = {u"Text1"_s,  u"Text2"_s,  u"Text13"_s, u"Text14"_s,
                               u"Text15"_s, u"Text17"_s, u"Text18"_s, u"Text19"_s};
    for (qsizetype i = 0; i < boxes.size(); ++i)
        menu.setText(boxes[i], texts[i]);
}

} // namespace

class CompanyOperationsTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void companyListClick();
    void callUpWithoutCompany_data();
    void callUpWithoutCompany();
    void registryListClick();
    void registryListClickFailure_data();
    void registryListClickFailure();
    void registerCompany();
    void registerCompanyWithoutCode();
    void clearCode();
    void deleteCompany_data();
    void deleteCompany();
    void deleteWithoutCode_data();
    void deleteWithoutCode();
};

// "07 : …": the code, the name and both dates, and the sections screen opens on company 7.
void CompanyOperationsTest::companyListClick() {
    Program p;
    writeCompany(p.home, 3, u"三商店"_s);
    writeCompany(p.home, 7, u"株式会社見本"_s);
    MainMenu& menu = p.menu();
    menu.click(u"Command17"_s);
    QCOMPARE(menu.items(u"List2"_s).at(1), u"07 : 株式会社見本  [平成15.4.1]"_s);

    menu.clickItem(u"List2"_s, 1);

    QCOMPARE(header(menu), (QStringList{u"7"_s, u"株式会社見本"_s, u"15"_s, u"4"_s, u"1"_s, u"16"_s,
                                        u"3"_s, u"31"_s}));
    QVERIFY(p.messages.shown().isEmpty());
    Screen* sections = p.app.existing(screens::sections);
    QVERIFY(sections && sections->isShown());
    QCOMPARE(sections->text(u"Text8"_s), u"7"_s);
}

void CompanyOperationsTest::callUpWithoutCompany_data() {
    QTest::addColumn<QString>("code");
    QTest::addColumn<QByteArray>("file");
    QTest::newRow("no master file") << u"8"_s << QByteArray();
    QTest::newRow("master file cut short")
        << u"8"_s << test::crlfFile({u"8"_s, u"\"\""_s, u"\"短い会社\""_s, u"\"\""_s});
    QTest::newRow("code not a number") << u"八"_s << QByteArray();
    QTest::newRow("empty code") << QString() << QByteArray();
}

// Nothing changes and nothing opens, silently.
void CompanyOperationsTest::callUpWithoutCompany() {
    QFETCH(QString, code);
    QFETCH(QByteArray, file);
    Program p;
    if (!file.isEmpty())
        p.home.write(paths::masterFile(8), file);
    MainMenu& menu = p.menu();
    const QStringList before = {code,   u"前の会社"_s, u"1"_s, u"2"_s,
                                u"3"_s, u"4"_s,        u"5"_s, u"6"_s};
    setHeader(menu, before);
    menu.click(u"Command2"_s);
    QCOMPARE(header(menu), before);
    QVERIFY(p.messages.shown().isEmpty());
}

// The registry company goes into the registration screen, which is shown; the main
// menu's current company stays.
void CompanyOperationsTest::registryListClick() {
    Program p;
    p.home.write(paths::registryFile(12),
                 test::registryFile(12, u"十二物産"_s,
                                    {u"15"_s, u"10"_s, u"1"_s, u"16"_s, u"9"_s, u"30"_s}));
    MainMenu& menu = p.menu();
    menu.refillRegistryList();
    QCOMPARE(menu.items(u"List1"_s), QStringList{u"012 : 十二物産  [平成15.10.1]"_s});
    menu.setText(u"Text1"_s, u"3"_s);
    menu.setText(u"Text2"_s, u"三商店"_s);

    menu.clickItem(u"List1"_s, 0);

    RegistrationScreen* s = p.openRegistration();
    QVERIFY(s);
    QVERIFY(s->isShown());
    QCOMPARE(s->handedCode(), std::optional<qint32>(12));
    QCOMPARE(s->text(u"Text1"_s), u"12"_s);
    QCOMPARE(s->text(u"Text3"_s), u"十二物産"_s);
    QCOMPARE(s->text(u"Text17"_s), u"16"_s);
    QCOMPARE(menu.text(u"Text1"_s), u"3"_s);
    QCOMPARE(menu.text(u"Text2"_s), u"三商店"_s);
    QVERIFY(p.messages.shown().isEmpty());
}

void CompanyOperationsTest::registryListClickFailure_data() {
    QTest::addColumn<qint32>("codeInFile");
    QTest::addColumn<QString>("afterRefill"); // what happens to file 5 after the list is made
    QTest::addColumn<QString>("description");
    QTest::newRow("file gone") << 5 << u"remove"_s << u"ファイルが見つかりません。"_s;
    QTest::newRow("file cut short")
        << 5 << u"cut"_s << u"ファイルの終わりを越えて読み込もうとしました。"_s;
    // The item "0-5 : …" holds no number in its first three characters.
    QTest::newRow("negative code in the file") << -5 << QString() << u"型が一致しません。"_s;
}

// Told in a box titled "会社呼出", then the main menu forgets its current company.
void CompanyOperationsTest::registryListClickFailure() {
    QFETCH(qint32, codeInFile);
    QFETCH(QString, afterRefill);
    QFETCH(QString, description);
    Program p;
    p.home.write(paths::registryFile(5),
                 test::registryFile(codeInFile, u"五興業"_s,
                                    {u"15"_s, u"4"_s, u"1"_s, u"16"_s, u"3"_s, u"31"_s}));
    MainMenu& menu = p.menu();
    menu.refillRegistryList();
    QCOMPARE(menu.items(u"List1"_s).size(), 1);
    if (afterRefill == u"remove"_s)
        QVERIFY(QFile::remove(drivec::hostPath(paths::registryFile(5))));
    else if (afterRefill == u"cut"_s)
        p.home.write(paths::registryFile(5), test::crlfFile({u"5"_s, u"0"_s}));
    setHeader(menu, {u"3"_s, u"三商店"_s, u"15"_s, u"4"_s, u"1"_s, u"16"_s, u"3"_s, u"31"_s});

    menu.clickItem(u"List1"_s, 0);

    QCOMPARE(p.messages.shown().size(), 1);
    const MessageBox& box = p.messages.shown().first();
    QCOMPARE(box.title, u"会社呼出"_s);
    QCOMPARE(box.text, description);
    QCOMPARE(box.icon, MessageBox::Icon::Exclamation);
    QCOMPARE(box.buttons, MessageBox::Buttons::Ok);
    QCOMPARE(header(menu), (QStringList{QString(), QString(), u"15"_s, u"4"_s, u"1"_s, u"16"_s,
                                        u"3"_s, u"31"_s}));
    QVERIFY(!p.openRegistration() || !p.openRegistration()->isShown());
}

// The screen is cleared each time (the representative stays) and receives the code.
void CompanyOperationsTest::registerCompany() {
    Program p;
    MainMenu& menu = p.menu();
    RegistrationScreen& s = p.registration();
    s.typeText(u"Text1"_s, u"9"_s);
    s.typeText(u"Text3"_s, u"前の会社"_s);
    s.typeText(u"Text9"_s, u"前の代表者"_s);
    menu.typeText(u"Text1"_s, u" 1,2 "_s);

    menu.click(u"Command1"_s);

    QVERIFY(s.isShown());
    QCOMPARE(s.handedCode(), std::optional<qint32>(12));
    QCOMPARE(s.text(u"Text1"_s), QString());
    QCOMPARE(s.text(u"Text3"_s), QString());
    QCOMPARE(s.text(u"Text9"_s), u"前の代表者"_s);
    QVERIFY(p.messages.shown().isEmpty());
}

// Without a code the screen is cleared but not shown, and the user is told why.
void CompanyOperationsTest::registerCompanyWithoutCode() {
    Program p;
    MainMenu& menu = p.menu();
    RegistrationScreen& s = p.registration();
    s.typeText(u"Text3"_s, u"前の会社"_s);

    menu.click(u"Command1"_s);

    QVERIFY(!s.isShown());
    QCOMPARE(s.text(u"Text3"_s), QString());
    QCOMPARE(p.messages.shown().size(), 1);
    QCOMPARE(p.messages.shown().first().title, u"会社登録"_s);
}

void CompanyOperationsTest::clearCode() {
    Program p;
    MainMenu& menu = p.menu();
    setHeader(menu, {u"7"_s, u"株式会社見本"_s, u"15"_s, u"4"_s, u"1"_s, u"16"_s, u"3"_s, u"31"_s});
    menu.click(u"Command9"_s);
    QCOMPARE(header(menu), (QStringList{QString(), QString(), u"15"_s, u"4"_s, u"1"_s, u"16"_s,
                                        u"3"_s, u"31"_s}));
}

// The deletion asks first, naming the company by its code and by the name in its own
// file (never the name box, which may still show the company called up before), and
// says the files go to the trash. はい: the master file, the section files that exist
// and the month order file go (into the trash); the registry file and other companies
// stay; the company leaves the list. いいえ: nothing changes.
void CompanyOperationsTest::deleteCompany_data() {
    QTest::addColumn<QString>("nameBox");
    QTest::addColumn<bool>("yes");
    QTest::newRow("はい") << u"株式会社見本"_s << true;
    QTest::newRow("はい, the name box showing company 8") << u"八商事"_s << true;
    QTest::newRow("いいえ") << u"株式会社見本"_s << false;
    QTest::newRow("いいえ, the name box showing company 8") << u"八商事"_s << false;
}

void CompanyOperationsTest::deleteCompany() {
    QFETCH(QString, nameBox);
    QFETCH(bool, yes);
    Program p;
    writeCompany(p.home, 7, u"株式会社見本"_s);
    writeCompany(p.home, 8, u"八商事"_s);
    const QByteArray section = test::crlfFile({u"\"内容\""_s});
    for (const int n : {21, 30, 60})
        p.home.write(paths::sectionFile(7, n), section);
    p.home.write(paths::sectionFile(8, 21), section);
    p.home.write(paths::monthOrderFile(7), section);
    p.home.write(paths::registryFile(7), section);
    MainMenu& menu = p.menu();
    menu.click(u"Command17"_s);
    const QStringList listed = menu.items(u"List2"_s);
    menu.typeText(u"Text1"_s, u"7"_s);
    menu.setText(u"Text2"_s, nameBox);

    p.messages.answerNext(yes ? MessageBox::Answer::Yes : MessageBox::Answer::No);
    menu.click(u"Command8"_s);

    QVERIFY(!p.messages.shown().isEmpty());
    if (p.messages.shown().size() > 1) {
        // Wine gives programs no Recycle Bin: there the files go into the data folder's
        // own folder 削除済み, which a second message names.
        QCOMPARE(p.messages.shown().size(), 2);
        QVERIFY(yes && QSysInfo::productType() == u"windows"_s &&
                p.messages.shown().at(1).text.contains(discard::keptFolder()));
    }
    const MessageBox& question = p.messages.shown().first();
    QCOMPARE(question.title, u"登録の削除をする"_s);
    QCOMPARE(question.buttons, MessageBox::Buttons::YesNo);
    QVERIFY(question.noByDefault);
    QVERIFY2(question.text.contains(u"法人コード 7「株式会社見本」の登録を削除しますか"_s) &&
                 question.text.contains(u"ごみ箱に移します"_s) &&
                 !question.text.contains(u"八商事"_s),
             qPrintable(question.text));

    QCOMPARE(p.home.exists(paths::masterFile(7)), !yes);
    for (const int n : {21, 30, 60})
        QCOMPARE(p.home.exists(paths::sectionFile(7, n)), !yes);
    QCOMPARE(p.home.exists(paths::monthOrderFile(7)), !yes);
    QVERIFY(p.home.exists(paths::registryFile(7)));
    QVERIFY(p.home.exists(paths::masterFile(8)));
    QVERIFY(p.home.exists(paths::sectionFile(8, 21)));
    // The deleted company leaves the list at once; the other stays.
    QCOMPARE(menu.items(u"List2"_s), yes ? listed.mid(1) : listed);
    QCOMPARE(menu.text(u"Text1"_s), u"7"_s);
    QCOMPARE(menu.text(u"Text2"_s), nameBox);
}

void CompanyOperationsTest::deleteWithoutCode_data() {
    QTest::addColumn<QString>("code");
    QTest::newRow("empty") << QString();
    QTest::newRow("not a number") << u"七"_s;
}

void CompanyOperationsTest::deleteWithoutCode() {
    QFETCH(QString, code);
    Program p;
    writeCompany(p.home, 7, u"株式会社見本"_s);
    MainMenu& menu = p.menu();
    menu.typeText(u"Text1"_s, code);
    menu.click(u"Command8"_s);
    QVERIFY(p.home.exists(paths::masterFile(7)));
    QVERIFY(p.messages.shown().isEmpty());
}

QTEST_GUILESS_MAIN(CompanyOperationsTest)
#include "companyoperationstest.moc"
