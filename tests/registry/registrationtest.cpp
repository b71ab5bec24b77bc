#include "registrationprogram.h"

#include "datafile/drivec.h"
#include "datafile/filechannel.h"
#include "registry/companypaths.h"
#include "registry/masterfile.h"
#include "support/samplecompany.h"

#include <QDir>
#include <QTest>

using namespace gaikyo;
using namespace Qt::Literals::StringLiterals;
using test::Program;

namespace {

// A complete, savable header for company 7, a 平成 company: its years are typed with
// their era in front, which leaves the year alone in the box.
void fillCompany7(Screen& s) {
    const QList<QPair<QString, QString>> boxes = {
        {u"Text1"_s, u"7"_s},      {u"Text2"_s, u"ミホン"_s},   {u"Text3"_s, u"株式会社見本"_s},
        {u"Text5"_s, u"東京都"_s}, {u"Text12"_s, u"03-1111"_s}, {u"Text9"_s, u"見本太郎"_s},
        {u"Text13"_s, u"H15"_s},   {u"Text14"_s, u"4"_s},       {u"Text15"_s, u"1"_s},
        {u"Text17"_s, u"H16"_s},   {u"Text18"_s, u"3"_s},       {u"Text19"_s, u"31"_s},
        {u"Text7"_s, u"123"_s},    {u"Text4"_s, u"http://x"_s}, {u"Text6"_s, u"見本花子"_s},
    };
    for (const auto& [box, value] : boxes)
        s.typeText(box, value);
}

QStringList entryTexts(const Screen& s) {
    QStringList texts;
    for (const QString& box : {u"Text1"_s, u"Text2"_s, u"Text3"_s, u"Text4"_s, u"Text5"_s,
                               u"Text6"_s, u"Text7"_s, u"Text9"_s, u"Text12"_s, u"Text13"_s,
                               u"Text14"_s, u"Text15"_s, u"Text17"_s, u"Text18"_s, u"Text19"_s})
        texts.append(s.text(box));
    return texts;
}

// The messages of a "翌期更新" answered はい: each a question titled 翌期更新, the first
// naming both years, the last asking about the new year's figures. Returns how many.
qsizetype rollQuestions(const test::ScriptedMessages& messages) {
    for (const MessageBox& box : messages.shown()) {
        if (box.title != QStringLiteral("翌期更新") || box.buttons != MessageBox::Buttons::YesNo)
            qWarning("%s", qUtf8Printable(box.text));
        if (box.title != QStringLiteral("翌期更新"))
            return -1;
    }
    if (messages.shown().size() < 2 ||
        !messages.shown().first().text.contains(QStringLiteral("に更新します。よろしいですか？")) ||
        !messages.shown().last().text.contains(
            QStringLiteral("新しい年度の数字の入力を始めますか？")))
        return -1;
    return messages.shown().size();
}

} // namespace

class RegistrationTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void controls_data();
    void controls();
    void focusOrderAndInputModes();
    void freshRegistrationIsByteExact();
    void japaneseEntriesAreByteExact();
    void refusedSave_data();
    void refusedSave();
    void unwritableFile_data();
    void unwritableFile();
    void callUpTakesOverRegistryThenOwnFile();
    void callUpSources_data();
    void callUpSources();
    void yearEnd_data();
    void yearEnd();
    void rollForward_data();
    void rollForward();
    void refusedRollForwardKeepsTheYears();
    void rollForwardRefused_data();
    void rollForwardRefused();
    void replacingAnotherCompany_data();
    void replacingAnotherCompany();
    void carryOverWithOnlyTheOwnFile();
    void fieldButtons();
    void yearAcrossTheEras();
    void yearNotInItsEra_data();
    void yearNotInItsEra();
    void eraFromTheKeyboard();
    void impossibleYearIsRefused_data();
    void impossibleYearIsRefused();
    void storedImpossibleYearStillLoads_data();
    void storedImpossibleYearStillLoads();
    void eraTypedIntoAnEmptiedBox_data();
    void eraTypedIntoAnEmptiedBox();
    void mergeQuestionShowsYearsInTheirEra();
    void clearing();
    void leavingWithoutSaving();
};

void RegistrationTest::controls_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QRect>("geometry");
    const struct {
        QString name;
        QString text;
        QRect geometry;
    } rows[] = {
        {u"Command9"_s, u"法人コード"_s, QRect(720, 240, 1215, 375)},
        {u"Text1"_s, u""_s, QRect(1920, 240, 615, 375)},
        {u"Command6"_s, u"会社呼出"_s, QRect(2520, 240, 1095, 375)},
        {u"Command7"_s, u"DATA"_s, QRect(3600, 240, 855, 375)},
        {u"Command10"_s, u"整理番号"_s, QRect(480, 600, 1455, 375)},
        {u"Text7"_s, u""_s, QRect(1920, 600, 4695, 375)},
        {u"Label5"_s, u"フリガナ"_s, QRect(1080, 1080, 855, 255)},
        {u"Text2"_s, u""_s, QRect(1920, 960, 4695, 375)},
        {u"Command1"_s, u"㈱"_s, QRect(1200, 1320, 375, 375)},
        {u"Command2"_s, u"㈲"_s, QRect(1560, 1320, 375, 375)},
        {u"Label1"_s, u"法人名"_s, QRect(480, 1440, 735, 255)},
        {u"Text3"_s, u""_s, QRect(1920, 1320, 4695, 360)},
        {u"Command3"_s, u"事業年度"_s, QRect(840, 1680, 1095, 375)},
        {u"Text10"_s, u"自令和"_s, QRect(1920, 1680, 855, 375)},
        {u"Text13"_s, u""_s, QRect(2760, 1680, 375, 375)},
        {u"Text14"_s, u""_s, QRect(3120, 1680, 375, 375)},
        {u"Text15"_s, u""_s, QRect(3480, 1680, 375, 375)},
        {u"Text16"_s, u"至令和"_s, QRect(3840, 1680, 855, 375)},
        {u"Text17"_s, u""_s, QRect(4680, 1680, 375, 375)},
        {u"Text18"_s, u""_s, QRect(5040, 1680, 375, 375)},
        {u"Text19"_s, u""_s, QRect(5400, 1680, 375, 375)},
        {u"Command13"_s, u"翌期更新"_s, QRect(5760, 1680, 1095, 375)},
        {u"Label4"_s, u"納税地"_s, QRect(1200, 2160, 735, 255)},
        {u"Text5"_s, u""_s, QRect(1920, 2040, 4695, 375)},
        {u"Label2"_s, u"代表取締役の氏名"_s, QRect(120, 2520, 1815, 255)},
        {u"Text9"_s, u" "_s, QRect(1920, 2400, 4695, 375)},
        {u"Label3"_s, u"電話番号"_s, QRect(960, 2880, 975, 255)},
        {u"Text12"_s, u""_s, QRect(1920, 2760, 4695, 375)},
        {u"Command4"_s, u"　　ホームページ　　アドレス"_s, QRect(480, 3120, 1455, 375)},
        {u"Text4"_s, u""_s, QRect(1920, 3120, 4695, 375)},
        {u"Command8"_s, u"応答者氏名"_s, QRect(480, 3480, 1455, 375)},
        {u"Text6"_s, u""_s, QRect(1920, 3480, 3735, 375)},
        {u"Command15"_s, u"代表者"_s, QRect(5640, 3480, 975, 375)},
        {u"Command12"_s, u"法人税の事業概況書に登録する"_s, QRect(2160, 4200, 3615, 1335)},
        {u"Command5"_s, u"登録はしない"_s, QRect(2160, 5760, 3615, 375)},
    };
    for (const auto& row : rows)
        QTest::newRow(qPrintable(row.name)) << row.name << row.text << row.geometry;
}

// Every control at its place with its caption; the boxes as a new screen shows them
// once its load action has cleared them.
void RegistrationTest::controls() {
    QFETCH(QString, name);
    QFETCH(QString, text);
    QFETCH(QRect, geometry);
    Program p;
    const RegistrationScreen& s = p.registration();
    QCOMPARE(s.caption(), QStringLiteral("法人税事業概況書に登録"));
    QCOMPARE(s.clientSize(), QSize(6990, 6360));
    const Control& c = s.control(name);
    QCOMPARE(c.text, text);
    QCOMPARE(c.geometry, geometry);
    QVERIFY(c.visible);
    if (c.kind == ControlKind::TextBox)
        QCOMPARE(c.background, QColor(192, 255, 255));
    const bool rightAligned =
        QStringList{QStringLiteral("Text13"), QStringLiteral("Text14"), QStringLiteral("Text15"),
                    QStringLiteral("Text17"), QStringLiteral("Text18"), QStringLiteral("Text19")}
            .contains(name);
    QCOMPARE(bool(c.alignment & Qt::AlignRight), rightAligned);
    if (name == QStringLiteral("Command12")) {
        QCOMPARE(c.font.points, 18.0);
        QVERIFY(c.font.bold);
    }
}

void RegistrationTest::focusOrderAndInputModes() {
    Program p;
    const RegistrationScreen& s = p.registration();
    const QStringList order =
        QStringLiteral("Text1 Text7 Text2 Text3 Text13 Text14 Text15 Text17 Text18 Text19 "
                       "Text5 Text9 Text12 Text4 Text6 Command12 Command5 Command9 Command6 "
                       "Command7 Command10 Command1 Command2 Command3 Text10 Text16 "
                       "Command13 Command4 Command8 Command15")
            .split(QLatin1Char(' '));
    QList<const Control*> byTabIndex;
    for (const Control& c : s.controls())
        if (c.tabIndex >= 0)
            byTabIndex.append(&c);
    std::sort(byTabIndex.begin(), byTabIndex.end(),
              [](const Control* a, const Control* b) { return a->tabIndex < b->tabIndex; });
    QStringList actual;
    for (const Control* c : byTabIndex)
        actual.append(c->name);
    QCOMPARE(actual, order);

    QCOMPARE(s.focusedControl(), QStringLiteral("Text1"));
    QCOMPARE(s.control(QStringLiteral("Text2")).inputMode, InputMode::FullWidthKatakana);
    for (const QString& box : {u"Text3"_s, u"Text5"_s, u"Text6"_s})
        QCOMPARE(s.control(box).inputMode, InputMode::Hiragana);
    QCOMPARE(s.control(QStringLiteral("Text9")).inputMode, InputMode::None);
    // The company handed over is kept by the screen, never in a box of its own.
    QVERIFY(!s.has(QStringLiteral("Text8")));
}

// "会社登録" for 5, "DATA" without a registry file, then typing the company and saving.
void RegistrationTest::freshRegistrationIsByteExact() {
    Program p;
    MainMenu& menu = p.menu();
    menu.typeText(QStringLiteral("Text1"), QStringLiteral("5"));
    menu.click(QStringLiteral("Command1"));
    RegistrationScreen& s = p.registration();
    QVERIFY(s.isShown());
    QCOMPARE(s.handedCode(), std::optional<qint32>(5));
    QCOMPARE(s.text(QStringLiteral("Text1")), QString());

    s.click(QStringLiteral("Command7"));
    QCOMPARE(s.text(QStringLiteral("Text1")), QString());
    QCOMPARE(s.callUpFailure(), QStringLiteral("ファイルが見つかりません。"));

    s.typeText(QStringLiteral("Text1"), QStringLiteral("5"));
    s.typeText(QStringLiteral("Text3"), QStringLiteral("株式会社見本"));
    // The dates and the reference number are needed before the file is written.
    s.click(QStringLiteral("Command12"));
    QCOMPARE(p.messages.shown().size(), 1);
    QVERIFY(p.messages.shown().first().text.contains(QStringLiteral("「事業年度（自）の年」")));
    QVERIFY(!p.home.exists(paths::dataFolder()));
    p.messages.clear();

    s.typeText(QStringLiteral("Text13"), QStringLiteral("H15"));
    s.typeText(QStringLiteral("Text14"), QStringLiteral("4"));
    s.typeText(QStringLiteral("Text15"), QStringLiteral("1"));
    s.click(QStringLiteral("Command3"));
    QCOMPARE(s.text(QStringLiteral("Text16")), QStringLiteral("至平成"));
    s.typeText(QStringLiteral("Text7"), QStringLiteral("0"));
    s.click(QStringLiteral("Command12"));

    QCOMPARE(p.messages.shown().size(), 0);
    for (const QString& folder :
         {paths::dataFolder(), paths::masterFolder(), paths::statementFolder()})
        QVERIFY2(p.home.exists(folder), qPrintable(folder));
    QCOMPARE(p.home.read(paths::masterFile(5)), test::fixture(QStringLiteral("registry/5.txt")));
    QVERIFY(!p.openRegistration());
    QCOMPARE(menu.items(QStringLiteral("List2")),
             QStringList{QStringLiteral("05 : 株式会社見本  [平成15.4.1]")});
    QVERIFY(menu.isShown());
}

// Kana, the NEC rows (㈱ ①) and the characters an input method types under other code
// points (WAVE DASH for ～, MINUS SIGN for －) as one file of code page 932: the fixture
// is what the Linux build wrote with ICU's windows-31j, and the Windows build writes the
// same bytes.
void RegistrationTest::japaneseEntriesAreByteExact() {
    Program p;
    p.menu().typeText(QStringLiteral("Text1"), QStringLiteral("12"));
    p.menu().click(QStringLiteral("Command1"));
    RegistrationScreen& s = p.registration();
    const QList<QPair<QString, QString>> boxes = {
        {u"Text1"_s, u"12"_s},
        {u"Text2"_s, u"カブシキガイシャ　ミホン"_s},
        {u"Text3"_s, u"㈱見本①〜ﾐﾎﾝ"_s},
        {u"Text5"_s, u"東京都千代田区霞が関３−１−１"_s},
        {u"Text12"_s, u"03−3581−4161"_s},
        {u"Text9"_s, u"髙橋　太郎"_s},
        {u"Text13"_s, u"平成15"_s},
        {u"Text14"_s, u"4"_s},
        {u"Text15"_s, u"1"_s},
        {u"Text17"_s, u"平成16"_s},
        {u"Text18"_s, u"3"_s},
        {u"Text19"_s, u"31"_s},
        {u"Text7"_s, u"12"_s},
        {u"Text4"_s, u"http://example.jp/～mihon"_s},
        {u"Text6"_s, u"見本　花子"_s},
    };
    for (const auto& [box, value] : boxes)
        s.typeText(box, value);
    s.click(QStringLiteral("Command12"));
    QVERIFY2(p.messages.shown().isEmpty(), qPrintable(p.messages.shown().value(0).text));
    QCOMPARE(p.home.read(paths::masterFile(12)),
             test::fixture(QStringLiteral("registry/12_japanese.txt")));
}

void RegistrationTest::refusedSave_data() {
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("message");
    QTest::newRow("empty code") << u"Text1"_s << u""_s << u"「法人コード」を数字で"_s;
    QTest::newRow("code not a number") << u"Text1"_s << u"7a"_s << u"「法人コード」を数字で"_s;
    QTest::newRow("code 0") << u"Text1"_s << u"0"_s << u"1から999まで"_s;
    QTest::newRow("code 1000") << u"Text1"_s << u"1000"_s << u"1から999まで"_s;
    QTest::newRow("negative code") << u"Text1"_s << u"-3"_s << u"1から999まで"_s;
    QTest::newRow("start year empty") << u"Text13"_s << u""_s << u"「事業年度（自）の年」"_s;
    QTest::newRow("start day a word") << u"Text15"_s << u"一"_s << u"「事業年度（自）の日」"_s;
    QTest::newRow("end month empty") << u"Text18"_s << u""_s << u"「事業年度（至）の月」"_s;
    QTest::newRow("end day too large")
        << u"Text19"_s << u"99999999999"_s << u"「事業年度（至）の日」"_s;
    QTest::newRow("reference number empty") << u"Text7"_s << u""_s << u"0 と入力"_s;
    QTest::newRow("double quote") << u"Text9"_s << u"見本\"太郎"_s
                                  << u"「代表取締役の氏名」に二重引用符"_s;
    QTest::newRow("line break") << u"Text4"_s << u"http://\r\nx"_s
                                << u"「ホームページアドレス」に改行"_s;
    QTest::newRow("outside code page 932")
        << u"Text3"_s << u"株式会社🍣"_s << u"「法人名」の文字「🍣」"_s;
}

// A refused save writes nothing, makes no folder, and leaves the screen as typed.
void RegistrationTest::refusedSave() {
    QFETCH(QString, box);
    QFETCH(QString, value);
    QFETCH(QString, message);
    Program p;
    RegistrationScreen& s = p.registration();
    s.show();
    fillCompany7(s);
    // Texts that typing would refuse can still arrive from elsewhere.
    s.setText(box, value);
    const QStringList typed = entryTexts(s);

    s.click(QStringLiteral("Command12"));

    QCOMPARE(p.messages.shown().size(), 1);
    const MessageBox& shown = p.messages.shown().first();
    QCOMPARE(shown.title, QStringLiteral("法人税の事業概況書に登録する"));
    QCOMPARE(shown.icon, MessageBox::Icon::Exclamation);
    QVERIFY2(shown.text.contains(message), qPrintable(shown.text));
    QVERIFY(!p.home.exists(paths::dataFolder()));
    QCOMPARE(p.openRegistration(), &s);
    QVERIFY(s.isShown());
    QCOMPARE(entryTexts(s), typed);
}

void RegistrationTest::unwritableFile_data() {
    QTest::addColumn<bool>("channelOccupied");
    QTest::addColumn<QString>("message");
    QTest::newRow("file channel occupied") << true << u"ファイル閉鎖"_s;
    QTest::newRow("a folder in the file's place") << false << u"同じ名前のフォルダがあります"_s;
}

void RegistrationTest::unwritableFile() {
    QFETCH(bool, channelOccupied);
    QFETCH(QString, message);
    Program p;
    p.home.write(paths::masterFile(3), test::crlfFile({QStringLiteral("3")}));
    MainMenu& menu = p.menu();
    if (channelOccupied)
        FileChannel::instance().occupyForTest(paths::masterFile(1));
    else
        QDir().mkpath(drivec::hostPath(paths::masterFile(7)));
    RegistrationScreen& s = p.registration();
    s.show();
    fillCompany7(s);

    s.click(QStringLiteral("Command12"));

    QCOMPARE(p.messages.shown().size(), 1);
    QVERIFY2(p.messages.shown().first().text.contains(message),
             qPrintable(p.messages.shown().first().text));
    QCOMPARE(p.openRegistration(), &s);
    QCOMPARE(s.text(QStringLiteral("Text3")), QStringLiteral("株式会社見本"));
    QVERIFY(menu.items(QStringLiteral("List2")).isEmpty());
}

// Values 1–16 of the registry file, then this program's own file where there is one;
// what neither carries is empty (0 for the reference number), whatever was called up before.
void RegistrationTest::callUpTakesOverRegistryThenOwnFile() {
    Program p;
    p.home.write(paths::registryFile(7),
                 test::registryFile(7, QStringLiteral("株式会社七"),
                                    {u"15"_s, u"4"_s, u"1"_s, u"16"_s, u"3"_s, u"31"_s}));
    p.home.write(paths::registryFile(8),
                 test::registryFile(8, QStringLiteral("八商事"),
                                    {u"20"_s, u"1"_s, u"1"_s, u"20"_s, u"12"_s, u"31"_s},
                                    QStringLiteral("ハチ"), QStringLiteral("大阪"),
                                    QStringLiteral("06-8")));
    RegistrationScreen& s = p.registration();

    // Company 7 from the registry only: a fresh record has 0 and empty texts elsewhere.
    s.typeText(QStringLiteral("Text1"), QStringLiteral(" 7 "));
    s.click(QStringLiteral("Command6"));
    QCOMPARE(s.callUpFailure(), QString());
    QCOMPARE(entryTexts(s),
             (QStringList{u"7"_s, u"ミホン"_s, u"株式会社七"_s, u""_s, u"東京都千代田区1-1"_s,
                          u""_s, u"0"_s, u""_s, u"03-1234-5678"_s, u"15"_s, u"4"_s, u"1"_s, u"16"_s,
                          u"3"_s, u"31"_s}));

    // With an own master file, its values win, those the registry has no place for too.
    CompanyRecord own;
    own.code = 7;
    own.furigana = QStringLiteral("ナナ");
    own.name = QStringLiteral("株式会社七番");
    own.address = QStringLiteral("横浜");
    own.telephone = QStringLiteral("045");
    own.startYear = 16;
    own.startMonth = 4;
    own.startDay = 1;
    own.endYear = 17;
    own.endMonth = 3;
    own.endDay = 31;
    own.homePage = QStringLiteral("http://7");
    own.respondent = QStringLiteral("七子");
    own.referenceNumber = 4567;
    own.representative = QStringLiteral("七郎");
    p.home.write(paths::masterFile(7), masterfile::bytes(own, nullptr));
    s.click(QStringLiteral("Command6"));
    QCOMPARE(entryTexts(s), (QStringList{u"7"_s, u"ナナ"_s, u"株式会社七番"_s, u"http://7"_s,
                                         u"横浜"_s, u"七子"_s, u"4567"_s, u"七郎"_s, u"045"_s,
                                         u"16"_s, u"4"_s, u"1"_s, u"17"_s, u"3"_s, u"31"_s}));

    // A second call-up, of a company without an own file, shows nothing of company 7.
    s.callUp(8);
    QCOMPARE(entryTexts(s),
             (QStringList{u"8"_s, u"ハチ"_s, u"八商事"_s, u""_s, u"大阪"_s, u""_s, u"0"_s, u""_s,
                          u"06-8"_s, u"20"_s, u"1"_s, u"1"_s, u"20"_s, u"12"_s, u"31"_s}));
    QVERIFY(p.messages.shown().isEmpty());
}

void RegistrationTest::callUpSources_data() {
    QTest::addColumn<QString>("code");
    QTest::addColumn<QByteArray>("registry"); // empty: no file
    QTest::addColumn<QByteArray>("own");      // empty: no file
    QTest::addColumn<QString>("name");        // empty: nothing called up
    QTest::addColumn<QString>("failure");
    const QByteArray registry =
        test::registryFile(9, u"九商事"_s, {u"15"_s, u"4"_s, u"1"_s, u"16"_s, u"3"_s, u"31"_s});
    const QByteArray cutShort = test::crlfFile(
        {u"9"_s, u"0"_s, u"15"_s, u"4"_s, u"1"_s, u"16"_s, u"3"_s, u"31"_s, u"\"カナ\""_s});
    const QByteArray own = masterfile::bytes(test::sampleCompany(9), nullptr);
    const QString notFound = u"ファイルが見つかりません。"_s;
    const QString pastTheEnd = u"ファイルの終わりを越えて読み込もうとしました。"_s;

    QTest::newRow("registry and own file")
        << u"9"_s << registry << own << u"株式会社見本"_s << u""_s;
    QTest::newRow("registry only") << u"9"_s << registry << QByteArray() << u"九商事"_s << u""_s;
    QTest::newRow("own file only") << u"9"_s << QByteArray() << own << u"株式会社見本"_s << u""_s;
    QTest::newRow("registry cut short, own file")
        << u"9"_s << cutShort << own << u"株式会社見本"_s << u""_s;
    QTest::newRow("neither") << u"9"_s << QByteArray() << QByteArray() << u""_s << notFound;
    QTest::newRow("registry cut short only")
        << u"9"_s << cutShort << QByteArray() << u""_s << pastTheEnd;
    // An own file cut short shows what it holds and names the file: the fault table's
    // shortFileIsKeptInTheTrash.
    QTest::newRow("code not a number")
        << u"九"_s << registry << own << u""_s << u"型が一致しません。"_s;
}

// Either file calls a company up. Only when neither can be read does the code box empty,
// silently, with every other box as it was.
void RegistrationTest::callUpSources() {
    QFETCH(QString, code);
    QFETCH(QByteArray, registry);
    QFETCH(QByteArray, own);
    QFETCH(QString, name);
    QFETCH(QString, failure);
    Program p;
    if (!registry.isEmpty())
        p.home.write(paths::registryFile(9), registry);
    if (!own.isEmpty())
        p.home.write(paths::masterFile(9), own);
    RegistrationScreen& s = p.registration();
    fillCompany7(s);
    s.typeText(QStringLiteral("Text1"), code);
    QStringList expected = entryTexts(s);
    expected[0] = QString();

    s.click(QStringLiteral("Command6"));

    QCOMPARE(s.callUpFailure(), failure);
    // The one box is the question about the company typed in, answered いいえ.
    QCOMPARE(p.messages.shown().size(), 1);
    QCOMPARE(p.messages.shown().first().text, messages::unsavedQuestion());
    p.messages.clear();
    if (name.isEmpty()) {
        QCOMPARE(entryTexts(s), expected);
        return;
    }
    QCOMPARE(s.text(QStringLiteral("Text1")), QStringLiteral("9"));
    QCOMPARE(s.text(QStringLiteral("Text3")), name);
    // What is shown is what a save keeps: saving at once rewrites the own file unchanged.
    s.click(QStringLiteral("Command12"));
    QVERIFY(p.messages.shown().isEmpty());
    CompanyRecord saved;
    QVERIFY(masterfile::read(9, 15, saved));
    QCOMPARE(saved.name, name);
    if (!own.isEmpty())
        QCOMPARE(p.home.read(paths::masterFile(9)), own);
}

void RegistrationTest::yearEnd_data() {
    QTest::addColumn<QStringList>("start");
    QTest::addColumn<QStringList>("end"); // empty: refused
    QTest::addColumn<QString>("message");
    QTest::newRow("April 1st") << QStringList{u"15"_s, u"4"_s, u"1"_s}
                               << QStringList{u"16"_s, u"3"_s, u"31"_s} << u""_s;
    QTest::newRow("January 1st") << QStringList{u"15"_s, u"1"_s, u"1"_s}
                                 << QStringList{u"15"_s, u"12"_s, u"31"_s} << u""_s;
    QTest::newRow("into a leap February")
        << QStringList{u"15"_s, u"3"_s, u"1"_s} << QStringList{u"16"_s, u"2"_s, u"29"_s} << u""_s;
    QTest::newRow("into a common February")
        << QStringList{u"16"_s, u"3"_s, u"1"_s} << QStringList{u"17"_s, u"2"_s, u"28"_s} << u""_s;
    QTest::newRow("April 21st") << QStringList{u"15"_s, u"4"_s, u"21"_s}
                                << QStringList{u"16"_s, u"4"_s, u"20"_s} << u""_s;
    QTest::newRow("spaces and a sign") << QStringList{u" +15 "_s, u"4"_s, u"1"_s}
                                       << QStringList{u"16"_s, u"3"_s, u"31"_s} << u""_s;
    QTest::newRow("month 13") << QStringList{u"15"_s, u"13"_s, u"1"_s} << QStringList()
                              << u"1から12"_s;
    QTest::newRow("month 0") << QStringList{u"15"_s, u"0"_s, u"1"_s} << QStringList()
                             << u"1から12"_s;
    QTest::newRow("June 31st") << QStringList{u"15"_s, u"6"_s, u"31"_s} << QStringList()
                               << u"平成15年6月には31日がありません"_s;
    QTest::newRow("empty day") << QStringList{u"15"_s, u"4"_s, u""_s} << QStringList()
                               << u"型が一致しません。"_s;
    QTest::newRow("year a word") << QStringList{u"十五"_s, u"4"_s, u"1"_s} << QStringList()
                                 << u"型が一致しません。"_s;
}

void RegistrationTest::yearEnd() {
    QFETCH(QStringList, start);
    QFETCH(QStringList, end);
    QFETCH(QString, message);
    Program p;
    RegistrationScreen& s = p.registration();
    const QStringList startBoxes = {u"Text13"_s, u"Text14"_s, u"Text15"_s};
    const QStringList endBoxes = {u"Text17"_s, u"Text18"_s, u"Text19"_s};
    const QStringList before = {u"1"_s, u"2"_s, u"3"_s};
    // These years are 平成 years, the era chosen from the keyboard.
    s.typeText(QStringLiteral("Text10"), QStringLiteral("平成"));
    QCOMPARE(s.text(QStringLiteral("Text10")), QStringLiteral("自平成"));
    for (int i = 0; i < 3; ++i) {
        s.typeText(startBoxes[i], start[i]);
        s.typeText(endBoxes[i], before[i]);
    }

    s.click(QStringLiteral("Command3"));

    QStringList shownEnd;
    for (const QString& box : endBoxes)
        shownEnd.append(s.text(box));
    if (end.isEmpty()) {
        QCOMPARE(shownEnd, before);
        QCOMPARE(p.messages.shown().size(), 1);
        QCOMPARE(p.messages.shown().first().title, QStringLiteral("事業年度入力"));
        QCOMPARE(p.messages.shown().first().icon, MessageBox::Icon::Exclamation);
        QVERIFY2(p.messages.shown().first().text.contains(message),
                 qPrintable(p.messages.shown().first().text));
    } else {
        QCOMPARE(shownEnd, end);
        QVERIFY(p.messages.shown().isEmpty());
    }
}

void RegistrationTest::rollForward_data() {
    QTest::addColumn<QStringList>("year");
    QTest::addColumn<QList<qint32>>("saved");
    QTest::addColumn<QString>("listed");
    const auto row = [](const char* name, QStringList typed, QList<qint32> to, QString listed) {
        QTest::newRow(name) << typed << to << listed;
    };
    // The new year starts the day after the old one ended and lasts twelve months.
    row("15.4.1-16.3.31", {u"H15"_s, u"4"_s, u"1"_s, u"H16"_s, u"3"_s, u"31"_s},
        {16, 4, 1, 17, 3, 31}, u"平成16.4.1"_s);
    row("short first year 15.6.15-16.3.31", {u"H15"_s, u"6"_s, u"15"_s, u"H16"_s, u"3"_s, u"31"_s},
        {16, 4, 1, 17, 3, 31}, u"平成16.4.1"_s);
    row("28.2.29-29.2.28", {u"H28"_s, u"2"_s, u"29"_s, u"H29"_s, u"2"_s, u"28"_s},
        {29, 3, 1, 30, 2, 28}, u"平成29.3.1"_s);
    row("27.3.1-28.2.29 (leap February end)", {u"H27"_s, u"3"_s, u"1"_s, u"H28"_s, u"2"_s, u"29"_s},
        {28, 3, 1, 29, 2, 28}, u"平成28.3.1"_s);
    row("30.1.1-30.12.31", {u"H30"_s, u"1"_s, u"1"_s, u"H30"_s, u"12"_s, u"31"_s},
        {31, 1, 1, 31, 12, 31}, u"平成31.1.1"_s);
    // Across the change of era: each date in its own era, the files count on.
    row("平成30.10.1-令和元.9.30", {u"H30"_s, u"10"_s, u"1"_s, u"R1"_s, u"9"_s, u"30"_s},
        {31, 10, 1, 32, 9, 30}, u"令和元.10.1"_s);
    row("平成30.4.1-平成31.3.31", {u"H30"_s, u"4"_s, u"1"_s, u"H31"_s, u"3"_s, u"31"_s},
        {31, 4, 1, 32, 3, 31}, u"平成31.4.1"_s);
    row("令和6.4.1-令和7.3.31", {u"6"_s, u"4"_s, u"1"_s, u"7"_s, u"3"_s, u"31"_s},
        {37, 4, 1, 38, 3, 31}, u"令和7.4.1"_s);
    row("into a leap February", {u"H18"_s, u"3"_s, u"1"_s, u"H19"_s, u"2"_s, u"28"_s},
        {19, 3, 1, 20, 2, 29}, u"平成19.3.1"_s);
    row("a day in February that is not the last",
        {u"H15"_s, u"2"_s, u"21"_s, u"H16"_s, u"2"_s, u"20"_s}, {16, 2, 21, 17, 2, 20},
        u"平成16.2.21"_s);
}

// Years count on, the file is saved, the screen closes, the list is refilled.
void RegistrationTest::rollForward() {
    QFETCH(QStringList, year);
    QFETCH(QList<qint32>, saved);
    QFETCH(QString, listed);
    Program p;
    MainMenu& menu = p.menu();
    RegistrationScreen& s = p.registration();
    s.show();
    fillCompany7(s);
    const QStringList dateBoxes = {u"Text13"_s, u"Text14"_s, u"Text15"_s,
                                   u"Text17"_s, u"Text18"_s, u"Text19"_s};
    s.typeText(QStringLiteral("Text10"), QStringLiteral("令和"));
    s.typeText(QStringLiteral("Text16"), QStringLiteral("令和"));
    for (int i = 0; i < 6; ++i)
        s.typeText(dateBoxes[i], year[i]);

    p.messages.answerNext(MessageBox::Answer::Yes);
    s.click(QStringLiteral("Command13"));

    // The question naming both years, then the one about the new year's figures (いいえ).
    QCOMPARE(rollQuestions(p.messages), 2);
    CompanyRecord r;
    QVERIFY(masterfile::read(7, 15, r));
    QCOMPARE(
        (QList<qint32>{r.startYear, r.startMonth, r.startDay, r.endYear, r.endMonth, r.endDay}),
        saved);
    QCOMPARE(r.referenceNumber, 123);
    QVERIFY(!p.openRegistration());
    QCOMPARE(menu.items(QStringLiteral("List2")),
             QStringList{QStringLiteral("07 : 株式会社見本  [%1]").arg(listed)});
    QVERIFY(menu.isShown());
}

// A refused save puts the years back: pressing again after mending the box rolls on by one.
void RegistrationTest::refusedRollForwardKeepsTheYears() {
    Program p;
    RegistrationScreen& s = p.registration();
    fillCompany7(s);
    s.typeText(QStringLiteral("Text18"), QStringLiteral("2"));
    s.typeText(QStringLiteral("Text19"), QStringLiteral("29"));
    s.typeText(QStringLiteral("Text17"), QStringLiteral("16"));
    s.typeText(QStringLiteral("Text7"), QString());
    QCOMPARE(s.text(QStringLiteral("Text16")), QStringLiteral("至平成"));

    s.click(QStringLiteral("Command13"));
    QCOMPARE(p.messages.shown().size(), 1);
    QVERIFY(p.messages.shown().first().text.contains(QStringLiteral("「整理番号」")));
    QCOMPARE(s.text(QStringLiteral("Text13")), QStringLiteral("15"));
    QCOMPARE(s.text(QStringLiteral("Text17")), QStringLiteral("16"));
    QCOMPARE(s.text(QStringLiteral("Text19")), QStringLiteral("29"));
    QVERIFY(!p.home.exists(paths::masterFile(7)));

    s.typeText(QStringLiteral("Text7"), QStringLiteral("0"));
    p.messages.answerNext(MessageBox::Answer::Yes);
    s.click(QStringLiteral("Command13"));
    CompanyRecord r;
    QVERIFY(masterfile::read(7, 15, r));
    QCOMPARE(r.startYear, 16);
    QCOMPARE(r.endYear, 17);
    QCOMPARE(r.endDay, 28);
}

void RegistrationTest::rollForwardRefused_data() {
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("message"); // empty: silently nothing
    QTest::newRow("end year a word") << u"Text17"_s << u"十六"_s << u""_s;
    QTest::newRow("end in a 平成 year that never was")
        << u"Text17"_s << u"37"_s << u"平成37年3月はありません"_s;
    QTest::newRow("end month empty") << u"Text18"_s << u""_s << u""_s;
    QTest::newRow("end month 13") << u"Text18"_s << u"13"_s << u"終わりの月は1から12まで"_s;
    QTest::newRow("end on a day the month lacks")
        << u"Text19"_s << u"32"_s << u"平成16年3月には32日がありません"_s;
    QTest::newRow("end in the last year number")
        << u"Text17"_s << u"R2147483617"_s << u"終わりの年が大きすぎます"_s;
}

// An end that is no day of the calendar rolls nothing forward and saves nothing.
void RegistrationTest::rollForwardRefused() {
    QFETCH(QString, box);
    QFETCH(QString, value);
    QFETCH(QString, message);
    Program p;
    RegistrationScreen& s = p.registration();
    fillCompany7(s);
    s.typeText(box, value);
    const QStringList typed = entryTexts(s);

    s.click(QStringLiteral("Command13"));

    if (message.isEmpty()) {
        QVERIFY(p.messages.shown().isEmpty());
    } else {
        QCOMPARE(p.messages.shown().size(), 1);
        QCOMPARE(p.messages.shown().first().title, QStringLiteral("翌期更新"));
        QVERIFY2(p.messages.shown().first().text.contains(message),
                 qPrintable(p.messages.shown().first().text));
    }
    QCOMPARE(entryTexts(s), typed);
    QVERIFY(!p.home.exists(paths::masterFile(7)));
    QCOMPARE(p.openRegistration(), &s);
}

void RegistrationTest::replacingAnotherCompany_data() {
    QTest::addColumn<bool>("callUpFirst");
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("yes");
    QTest::addColumn<bool>("asked");
    QTest::addColumn<bool>("saved");
    const bool yes = true;
    const bool no = false;
    QTest::newRow("another company, いいえ") << false << u"有限会社別会社"_s << no << true << false;
    QTest::newRow("another company, はい") << false << u"有限会社別会社"_s << yes << true << true;
    QTest::newRow("the same name typed anew") << false << u"株式会社見本"_s << no << false << true;
    QTest::newRow("called up, then renamed") << true << u"有限会社別会社"_s << no << false << true;
}

// Saving over the master file of a company the screen did not call up asks first, naming
// both companies; いいえ leaves the file byte for byte.
void RegistrationTest::replacingAnotherCompany() {
    QFETCH(bool, callUpFirst);
    QFETCH(QString, name);
    QFETCH(bool, yes);
    QFETCH(bool, asked);
    QFETCH(bool, saved);
    Program p;
    const QByteArray company5 = test::fixture(QStringLiteral("registry/5.txt"));
    p.home.write(paths::masterFile(5), company5);
    MainMenu& menu = p.menu();
    menu.typeText(QStringLiteral("Text1"), QStringLiteral("5"));
    menu.click(QStringLiteral("Command1")); // 会社登録
    RegistrationScreen& s = p.registration();
    if (callUpFirst) {
        s.click(QStringLiteral("Command7"));
        QCOMPARE(s.text(QStringLiteral("Text3")), QStringLiteral("株式会社見本"));
    } else {
        fillCompany7(s);
        s.typeText(QStringLiteral("Text1"), QStringLiteral("5"));
    }
    s.typeText(QStringLiteral("Text3"), name);
    p.messages.answerNext(yes ? MessageBox::Answer::Yes : MessageBox::Answer::No);

    s.click(QStringLiteral("Command12"));

    QCOMPARE(p.messages.shown().size(), asked ? 1 : 0);
    if (asked) {
        const MessageBox& question = p.messages.shown().first();
        QCOMPARE(question.title, QStringLiteral("法人税の事業概況書に登録する"));
        QCOMPARE(question.buttons, MessageBox::Buttons::YesNo);
        QVERIFY2(question.text.contains(QStringLiteral("「株式会社見本」")) &&
                     question.text.contains(u'「' + name + u'」'),
                 qPrintable(question.text));
    }
    if (saved) {
        CompanyRecord r;
        QVERIFY(masterfile::read(5, 15, r));
        QCOMPARE(r.name, name);
        QVERIFY(!p.openRegistration());
    } else {
        QCOMPARE(p.home.read(paths::masterFile(5)), company5);
        QCOMPARE(p.openRegistration(), &s);
        QCOMPARE(s.text(QStringLiteral("Text3")), name);
    }
}

// 次年度繰越 on the print screen for a company that has only this program's file: the
// registration screen calls it up, 翌期更新 saves the next year and nothing else changes.
void RegistrationTest::carryOverWithOnlyTheOwnFile() {
    Program p;
    const QByteArray company7 = test::fixture(QStringLiteral("registry/master7.txt"));
    p.home.write(paths::masterFile(7), company7);
    MainMenu& menu = p.menu();
    menu.typeText(QStringLiteral("Text1"), QStringLiteral("7"));
    menu.click(QStringLiteral("Command3")); // 印   刷
    Screen* print = p.app.existing(screens::print);
    QVERIFY(print && print->isShown());

    print->click(QStringLiteral("Command18"));
    RegistrationScreen* s = p.openRegistration();
    QVERIFY(s && s->isShown());
    QCOMPARE(s->callUpFailure(), QString());
    QCOMPARE(s->text(QStringLiteral("Text3")), QStringLiteral("株式会社見本"));

    p.messages.answerNext(MessageBox::Answer::Yes);
    s->click(QStringLiteral("Command13"));

    QCOMPARE(rollQuestions(p.messages), 2);
    QVERIFY(!p.openRegistration());
    const QList<QByteArray> before = company7.split('\n');
    const QList<QByteArray> after = p.home.read(paths::masterFile(7)).split('\n');
    QCOMPARE(after.size(), before.size());
    const QList<QByteArray> nextYear = {"16\r", "4\r", "1\r", "17\r", "3\r", "31\r"};
    for (qsizetype i = 0; i < before.size(); ++i) {
        const bool dateLine = i >= 5 && i <= 10; // lines 6–11
        QCOMPARE(after.at(i), dateLine ? nextYear.at(i - 5) : before.at(i));
    }
    QCOMPARE(menu.items(QStringLiteral("List2")),
             QStringList{QStringLiteral("07 : 株式会社見本  [平成16.4.1]")});
}

// A business year from 平成31年4月1日 to 令和2年3月31日: each date in its own era on the
// screen, the files' years in the file, the list in the start's era.
void RegistrationTest::yearAcrossTheEras() {
    Program p;
    MainMenu& menu = p.menu();
    RegistrationScreen& s = p.registration();
    fillCompany7(s);
    s.typeText(QStringLiteral("Text13"), QStringLiteral("平成31"));
    s.click(QStringLiteral("Command3"));
    QCOMPARE(s.text(QStringLiteral("Text10")), QStringLiteral("自平成"));
    QCOMPARE(s.text(QStringLiteral("Text13")), QStringLiteral("31"));
    QCOMPARE(s.text(QStringLiteral("Text16")), QStringLiteral("至令和"));
    QCOMPARE(entryTexts(s).mid(9), (QStringList{u"31"_s, u"4"_s, u"1"_s, u"2"_s, u"3"_s, u"31"_s}));
    QCOMPARE(s.text(QStringLiteral("EraLabel2")), QStringLiteral("至 令和2年 / 2020年"));
    s.click(QStringLiteral("Command12"));
    QVERIFY(p.messages.shown().isEmpty());
    CompanyRecord r;
    QVERIFY(masterfile::read(7, 11, r));
    QCOMPARE((QList<qint32>{r.startYear, r.endYear}), (QList<qint32>{31, 32}));
    QCOMPARE(menu.items(QStringLiteral("List2")),
             QStringList{QStringLiteral("07 : 株式会社見本  [平成31.4.1]")});

    // Called up again, and rolled on: 令和2年4月1日 to 令和3年3月31日.
    menu.typeText(QStringLiteral("Text1"), QStringLiteral("7"));
    menu.click(QStringLiteral("Command1"));
    RegistrationScreen* again = p.openRegistration();
    QVERIFY(again);
    again->click(QStringLiteral("Command7"));
    QCOMPARE(again->text(QStringLiteral("Text10")), QStringLiteral("自平成"));
    QCOMPARE(again->text(QStringLiteral("Text16")), QStringLiteral("至令和"));
    QCOMPARE(again->text(QStringLiteral("Text17")), QStringLiteral("2"));
    p.messages.answerNext(MessageBox::Answer::Yes);
    again->click(QStringLiteral("Command13"));
    QCOMPARE(rollQuestions(p.messages), 2);
    QVERIFY(masterfile::read(7, 11, r));
    QCOMPARE((QList<qint32>{r.startYear, r.startMonth, r.endYear, r.endMonth}),
             (QList<qint32>{32, 4, 33, 3}));
    QCOMPARE(menu.items(QStringLiteral("List2")),
             QStringList{QStringLiteral("07 : 株式会社見本  [令和2.4.1]")});
}

void RegistrationTest::yearNotInItsEra_data() {
    QTest::addColumn<QString>("word");
    QTest::addColumn<QString>("year");
    QTest::addColumn<QString>("month");
    QTest::addColumn<QStringList>("named");
    // 37 is how the files count 2025; typed in 平成 it is a year that never was.
    QTest::newRow("平成37") << u"平成"_s << u"37"_s << u"4"_s
                            << QStringList{u"平成37年4月"_s, u"令和7年4月"_s};
    QTest::newRow("平成31年5月") << u"平成"_s << u"31"_s << u"5"_s
                                 << QStringList{u"平成31年5月"_s, u"令和元年5月"_s};
    QTest::newRow("令和元年4月") << u"令和"_s << u"1"_s << u"4"_s
                                 << QStringList{u"令和元年4月"_s, u"平成31年4月"_s};
}

// A date the chosen era does not have is refused, naming both readings; nothing is saved.
void RegistrationTest::yearNotInItsEra() {
    QFETCH(QString, word);
    QFETCH(QString, year);
    QFETCH(QString, month);
    QFETCH(QStringList, named);
    Program p;
    RegistrationScreen& s = p.registration();
    fillCompany7(s);
    s.typeText(QStringLiteral("Text10"), word);
    s.typeText(QStringLiteral("Text13"), year);
    s.typeText(QStringLiteral("Text14"), month);
    QCOMPARE(s.text(QStringLiteral("EraLabel1")), QString());

    s.click(QStringLiteral("Command12"));
    QCOMPARE(p.messages.shown().size(), 1);
    const QString text = p.messages.shown().first().text;
    QVERIFY2(text.contains(QStringLiteral("「事業年度（自）の年」")), qPrintable(text));
    for (const QString& reading : named)
        QVERIFY2(text.contains(reading), qPrintable(text));
    QVERIFY(!p.home.exists(paths::masterFile(7)));
    p.messages.clear();

    s.click(QStringLiteral("Command3"));
    QCOMPARE(p.messages.shown().size(), 1);
    QCOMPARE(p.messages.shown().first().title, QStringLiteral("事業年度入力"));
    QVERIFY(p.messages.shown().first().text.contains(named.first()));
}

// The era word follows the keyboard: typed into its own box, or in front of a year.
void RegistrationTest::eraFromTheKeyboard() {
    Program p;
    RegistrationScreen& s = p.registration();
    QCOMPARE(s.text(QStringLiteral("Text10")), QStringLiteral("自令和"));
    s.typeText(QStringLiteral("Text10"), QStringLiteral("自令和h"));
    QCOMPARE(s.text(QStringLiteral("Text10")), QStringLiteral("自平成"));
    s.typeText(QStringLiteral("Text10"), QStringLiteral("自平"));
    QCOMPARE(s.text(QStringLiteral("Text10")), QStringLiteral("自平成"));
    s.typeText(QStringLiteral("Text10"), QStringLiteral("ｒ"));
    QCOMPARE(s.text(QStringLiteral("Text10")), QStringLiteral("自令和"));

    s.typeText(QStringLiteral("Text17"), QStringLiteral("Ｈ"));
    QCOMPARE(s.text(QStringLiteral("Text16")), QStringLiteral("至平成"));
    QCOMPARE(s.text(QStringLiteral("Text17")), QString());
    s.typeText(QStringLiteral("Text17"), QStringLiteral("Ｒ８"));
    QCOMPARE(s.text(QStringLiteral("Text16")), QStringLiteral("至令和"));
    QCOMPARE(s.text(QStringLiteral("Text17")), QStringLiteral("8"));
    s.typeText(QStringLiteral("Text13"), QStringLiteral("令和元"));
    QCOMPARE(s.text(QStringLiteral("Text13")), QStringLiteral("1"));
    QCOMPARE(s.text(QStringLiteral("Text10")), QStringLiteral("自令和"));
}

using BoxTexts = QList<QPair<QString, QString>>;

// Business years that cannot be: the save, 事業年度 and 翌期更新 refuse each one with a
// message naming the box, and nothing is written or changed.
void RegistrationTest::impossibleYearIsRefused_data() {
    QTest::addColumn<BoxTexts>("typed"); // over company 7's 平成15年4月1日–平成16年3月31日
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("message");
    const QString save = u"Command12"_s;
    QTest::newRow("month 13") << BoxTexts{{u"Text14"_s, u"13"_s}} << save
                              << u"「事業年度（自）の月」：開始の月は1から12まで"_s;
    QTest::newRow("day 0") << BoxTexts{{u"Text15"_s, u"0"_s}} << save
                           << u"「事業年度（自）の日」：平成15年4月には0日がありません"_s;
    QTest::newRow("2月30日") << BoxTexts{{u"Text18"_s, u"2"_s}, {u"Text19"_s, u"30"_s}} << save
                             << u"「事業年度（至）の日」：平成16年2月には30日がありません"_s;
    QTest::newRow("3月32日") << BoxTexts{{u"Text19"_s, u"32"_s}} << save
                             << u"「事業年度（至）の日」：平成16年3月には32日がありません"_s;
    QTest::newRow("end before start")
        << BoxTexts{{u"Text13"_s, u"R7"_s}, {u"Text17"_s, u"R6"_s}} << save
        << u"「事業年度（至）の年」：終わりの日（令和6年3月31日）が開始の日（令和7年4月1日）より前"_s;
    QTest::newRow("a year of 31 years")
        << BoxTexts{{u"Text13"_s, u"H31"_s}, {u"Text17"_s, u"R32"_s}} << save
        << u"「事業年度（至）の年」：事業年度が12か月を超えています"_s;
    QTest::newRow("令和2147483617")
        << BoxTexts{{u"Text13"_s, u"R2147483617"_s}, {u"Text17"_s, u"R2147483617"_s}} << save
        << u"「事業年度（自）の年」：開始の年が大きすぎます"_s;
    QTest::newRow("month 7.5") << BoxTexts{{u"Text14"_s, u"7.5"_s}} << save
                               << u"「事業年度（自）の月」：「7.5」は整数で"_s;
    QTest::newRow("full-width day ３０．５") << BoxTexts{{u"Text19"_s, u"３０．５"_s}} << save
                                             << u"「事業年度（至）の日」：「３０．５」は整数"_s;
    QTest::newRow("year 7.5") << BoxTexts{{u"Text13"_s, u"R7.5"_s}} << save
                              << u"「事業年度（自）の年」：年「R7.5」は整数"_s;
    QTest::newRow("year －７") << BoxTexts{{u"Text13"_s, u"－７"_s}} << save
                               << u"マイナスにできません"_s;
    QTest::newRow("事業年度: month 13")
        << BoxTexts{{u"Text14"_s, u"13"_s}} << u"Command3"_s << u"開始の月は1から12まで"_s;
    QTest::newRow("事業年度: day 7.5")
        << BoxTexts{{u"Text15"_s, u"7.5"_s}} << u"Command3"_s << u"整数で入力"_s;
    QTest::newRow("事業年度: 令和2147483617")
        << BoxTexts{{u"Text13"_s, u"R2147483617"_s}} << u"Command3"_s << u"大きすぎます"_s;
    QTest::newRow("翌期更新: 31 years")
        << BoxTexts{{u"Text13"_s, u"H31"_s}, {u"Text17"_s, u"R32"_s}} << u"Command13"_s
        << u"「事業年度（至）の年」：事業年度が12か月を超えています"_s;
    QTest::newRow("翌期更新: 2月30日") << BoxTexts{{u"Text18"_s, u"2"_s}, {u"Text19"_s, u"30"_s}}
                                       << u"Command13"_s << u"平成16年2月には30日がありません"_s;
}

void RegistrationTest::impossibleYearIsRefused() {
    QFETCH(BoxTexts, typed);
    QFETCH(QString, button);
    QFETCH(QString, message);
    Program p;
    RegistrationScreen& s = p.registration();
    s.show();
    fillCompany7(s);
    for (const auto& [box, text] : typed)
        s.typeText(box, text);
    const QStringList before = entryTexts(s);

    s.click(button);

    QCOMPARE(p.messages.shown().size(), 1);
    const MessageBox& shown = p.messages.shown().first();
    QCOMPARE(shown.icon, MessageBox::Icon::Exclamation);
    QVERIFY2(shown.text.contains(message), qPrintable(shown.text));
    QVERIFY(!p.home.exists(paths::masterFile(7)));
    QVERIFY(s.isShown());
    QCOMPARE(entryTexts(s), before);
}

// A file that already holds a date that cannot be (saved by an older version, or by the
// other program) still calls the company up, shows the numbers as they stand and names
// the file and the box; the save then refuses until the date is mended.
void RegistrationTest::storedImpossibleYearStillLoads_data() {
    QTest::addColumn<bool>("ownFile");
    QTest::newRow("own master file") << true;
    QTest::newRow("registry file taken over") << false;
}

void RegistrationTest::storedImpossibleYearStillLoads() {
    QFETCH(bool, ownFile);
    Program p;
    if (ownFile) {
        CompanyRecord company = test::sampleCompany(9);
        company.startYear = 37;
        company.startMonth = 13;
        company.startDay = 40;
        company.endYear = 38;
        company.endMonth = 3;
        company.endDay = 31;
        p.home.write(paths::masterFile(9), masterfile::bytes(company, nullptr));
    } else {
        p.home.write(paths::registryFile(9),
                     test::registryFile(9, u"九商事"_s,
                                        {u"37"_s, u"13"_s, u"40"_s, u"38"_s, u"3"_s, u"31"_s}));
    }
    RegistrationScreen& s = p.registration();
    s.show();
    s.callUp(9);
    QCOMPARE(s.callUpFailure(), QString());
    QCOMPARE(s.text(QStringLiteral("Text14")), QStringLiteral("13"));
    QCOMPARE(s.text(QStringLiteral("Text15")), QStringLiteral("40"));
    QCOMPARE(p.messages.shown().size(), 1);
    const QString told = p.messages.shown().first().text;
    QVERIFY2(told.contains(ownFile ? paths::masterFile(9) : paths::registryFile(9)) &&
                 told.contains(u"「事業年度（自）の月」"_s),
             qPrintable(told));
    p.messages.clear();
    s.click(QStringLiteral("Command12"));
    QCOMPARE(p.messages.shown().size(), 1);
    QVERIFY(s.isShown());
    s.typeText(QStringLiteral("Text14"), QStringLiteral("4"));
    s.typeText(QStringLiteral("Text15"), QStringLiteral("1"));
    p.messages.clear();
    s.click(QStringLiteral("Command12"));
    QVERIFY2(p.messages.shown().isEmpty(), qPrintable(p.messages.shown().value(0).text));
    CompanyRecord saved;
    QVERIFY(masterfile::read(9, 11, saved));
    QCOMPARE(saved.startMonth, 4);
}

// The era box takes what is typed, whatever stood or was selected in it: emptied (the
// box shows 自令和 again at once) and then H, 平成, R or 令和 typed before or after it, at
// either width. A year typed next is saved in that era.
void RegistrationTest::eraTypedIntoAnEmptiedBox_data() {
    QTest::addColumn<QString>("startEra"); // the era word box before
    QTest::addColumn<QString>("typed");    // the word box's text as the keyboard leaves it
    QTest::addColumn<QString>("shown");
    QTest::addColumn<int>("storedYear"); // of 30 typed into the year box
    QTest::newRow("H before 自令和") << u"自令和"_s << u"H自令和"_s << u"自平成"_s << 30;
    QTest::newRow("h after 自令和") << u"自令和"_s << u"自令和h"_s << u"自平成"_s << 30;
    QTest::newRow("Ｈ before 自令和") << u"自令和"_s << u"Ｈ自令和"_s << u"自平成"_s << 30;
    QTest::newRow("平成 before 自令和") << u"自令和"_s << u"平成自令和"_s << u"自平成"_s << 30;
    QTest::newRow("へいせい in the middle")
        << u"自令和"_s << u"自へいせい令和"_s << u"自平成"_s << 30;
    QTest::newRow("R before 自平成") << u"自平成"_s << u"R自平成"_s << u"自令和"_s << 60;
    QTest::newRow("令和 before 自平成") << u"自平成"_s << u"令和自平成"_s << u"自令和"_s << 60;
    QTest::newRow("ｒ over the selection") << u"自平成"_s << u"ｒ"_s << u"自令和"_s << 60;
    QTest::newRow("7, no era") << u"自平成"_s << u"7自平成"_s << u"自平成"_s << 30;
}

void RegistrationTest::eraTypedIntoAnEmptiedBox() {
    QFETCH(QString, startEra);
    QFETCH(QString, typed);
    QFETCH(QString, shown);
    QFETCH(int, storedYear);
    Program p;
    RegistrationScreen& s = p.registration();
    s.show();
    fillCompany7(s);
    s.typeText(QStringLiteral("Text10"), startEra);
    QCOMPARE(s.text(QStringLiteral("Text10")), startEra);
    // Selected and deleted: the box names its era again at once.
    s.typeText(QStringLiteral("Text10"), QString());
    QCOMPARE(s.text(QStringLiteral("Text10")), startEra);
    s.typeText(QStringLiteral("Text10"), typed);
    QCOMPARE(s.text(QStringLiteral("Text10")), shown);

    s.typeText(QStringLiteral("Text13"), QStringLiteral("30"));
    s.typeText(QStringLiteral("Text14"), QStringLiteral("4"));
    s.typeText(QStringLiteral("Text15"), QStringLiteral("1"));
    // 平成30年4月1日–平成31年3月31日, or 令和30年4月1日–令和31年3月31日.
    s.typeText(QStringLiteral("Text18"), QStringLiteral("3"));
    s.typeText(QStringLiteral("Text19"), QStringLiteral("31"));
    s.typeText(QStringLiteral("Text17"), storedYear == 30 ? u"H31"_s : u"R31"_s);
    s.click(QStringLiteral("Command12"));
    QVERIFY2(p.messages.shown().isEmpty(), qPrintable(p.messages.shown().value(0).text));
    CompanyRecord saved;
    QVERIFY(masterfile::read(7, 11, saved));
    QCOMPARE(saved.startYear, storedYear);
}

// Saved elsewhere meanwhile: the question names both years as the user knows them.
void RegistrationTest::mergeQuestionShowsYearsInTheirEra() {
    Program p;
    CompanyRecord company = test::sampleCompany(7);
    company.startYear = 37;
    company.endYear = 38;
    company.endMonth = 3;
    p.home.write(paths::masterFile(7), masterfile::bytes(company, nullptr));
    p.menu().typeText(QStringLiteral("Text1"), QStringLiteral("7"));
    p.menu().click(QStringLiteral("Command1"));
    RegistrationScreen& s = p.registration();
    s.click(QStringLiteral("Command7"));
    QCOMPARE(s.text(QStringLiteral("Text17")), QStringLiteral("8"));
    company.startYear = 39;
    company.endYear = 40;
    p.home.write(paths::masterFile(7), masterfile::bytes(company, nullptr));

    s.typeText(QStringLiteral("Text13"), QStringLiteral("8"));
    s.typeText(QStringLiteral("Text17"), QStringLiteral("9"));
    s.click(QStringLiteral("Command12"));
    QCOMPARE(p.messages.shown().size(), 1);
    const QString question = p.messages.shown().first().text;
    QVERIFY2(question.contains(QStringLiteral("「令和10年」")) &&
                 question.contains(QStringLiteral("「令和9年」")),
             qPrintable(question));
}

void RegistrationTest::fieldButtons() {
    Program p;
    RegistrationScreen& s = p.registration();
    fillCompany7(s);
    s.click(QStringLiteral("Command1"));
    QCOMPARE(s.text(QStringLiteral("Text3")), QStringLiteral("株式会社"));
    s.click(QStringLiteral("Command2"));
    QCOMPARE(s.text(QStringLiteral("Text3")), QStringLiteral("有限会社"));
    s.click(QStringLiteral("Command15"));
    QCOMPARE(s.text(QStringLiteral("Text6")), QStringLiteral("代表取締役"));

    const QList<QPair<QString, QString>> clears = {
        {u"Command10"_s, u"Text7"_s}, {u"Command4"_s, u"Text4"_s}, {u"Command8"_s, u"Text6"_s}};
    for (const auto& [button, box] : clears) {
        const QStringList before = entryTexts(s);
        s.click(button);
        QCOMPARE(s.text(box), QString());
        const QStringList after = entryTexts(s);
        int differences = 0;
        for (qsizetype i = 0; i < before.size(); ++i)
            differences += before[i] != after[i];
        QCOMPARE(differences, 1);
    }
}

// The clear action keeps the representative; "法人コード" empties every entry box.
void RegistrationTest::clearing() {
    Program p;
    MainMenu& menu = p.menu();
    RegistrationScreen& s = p.registration();
    fillCompany7(s);
    menu.typeText(QStringLiteral("Text1"), QStringLiteral("7"));
    menu.click(QStringLiteral("Command1"));
    QStringList expected(15);
    expected[7] = QStringLiteral("見本太郎");
    QCOMPARE(entryTexts(s), expected);
    // A new company's years are typed in 令和.
    QCOMPARE(s.text(QStringLiteral("Text10")), QStringLiteral("自令和"));

    fillCompany7(s);
    QCOMPARE(s.text(QStringLiteral("Text16")), QStringLiteral("至平成"));
    s.click(QStringLiteral("Command9"));
    QCOMPARE(entryTexts(s), QStringList(15));
    QCOMPARE(s.text(QStringLiteral("Text16")), QStringLiteral("至令和"));
}

void RegistrationTest::leavingWithoutSaving() {
    Program p;
    RegistrationScreen& s = p.registration();
    s.show();
    fillCompany7(s);
    s.click(QStringLiteral("Command5"));
    QVERIFY(!p.openRegistration());
    QVERIFY(!p.home.exists(paths::dataFolder()));
    // The next use starts afresh.
    QCOMPARE(p.registration().text(QStringLiteral("Text3")), QString());
    QCOMPARE(p.registration().text(QStringLiteral("Text9")), QStringLiteral(" "));
}

QTEST_MAIN(RegistrationTest)
#include "registrationtest.moc"
