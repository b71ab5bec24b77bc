#include "printing/printcheck.h"
#include "fakeprintdata.h"
#include "printing/itemvalues.h"

#include <QTest>

using namespace gaikyo;
using test::FakeData;

namespace {

struct Entry {
    int section;
    int field;
    qint32 value;
};

// A company whose entries agree with each other and fill their boxes to the last one.
FakeData consistentCompany() {
    FakeData d;
    d.namedTexts = false;
    d.record.startYear = 15;
    d.record.startMonth = 4;
    d.record.startDay = 1;
    d.record.endYear = 16;
    d.record.endMonth = 3;
    d.record.endDay = 31;
    const Entry entries[] = {
        {30, 1, 10000},      // 売上（収入）高
        {30, 3, 6000},       // 売上（収入）原価
        {30, 11, 4000},      // 売上（収入）総利益
        {30, 12, 1200},      // 役員報酬
        {30, 17, -3500},     // 営業損益: the minus sign has a box
        {30, 20, 5000},      // 資産の部合計
        {30, 30, 3000},      // 負債の部合計
        {30, 35, 2000},      // 純資産の部合計
        {30, 29, 999999999}, // 土地: nine digits in nine boxes
        {23, 10, 2},         // 常勤役員
        {23, 15, 9999},      // 計: four digits in four boxes
        {22, 21, 999},       // 総支店数
        {22, 22, -12},       // 海外支店数: a digit split prints a sign in each box
        {22, 24, 99999},     // 輸入の取引金額
        {25, 25, 99999999},  // 当期課税売上高
        {60, 22, 7000},      // 17: 計 of 売上 sub-column 1
        {60, 36, 3000},      // 17: 計 of 売上 sub-column 2
    };
    for (const Entry& e : entries)
        d.integers[{e.section, e.field}] = e.value;
    return d;
}

QStringList check(const FakeData& data, std::optional<qint32> referenceNumber,
                  printcheck::Pages pages) {
    ItemValues values(data);
    values.setReferenceNumber(referenceNumber);
    return printcheck::lines(values, pages);
}

} // namespace

Q_DECLARE_METATYPE(QList<Entry>)

class PrintCheckTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // A company → the lines of the check before printing both pages.
    void lines_data() {
        QTest::addColumn<QList<Entry>>("changes");
        QTest::addColumn<qint32>("referenceNumber");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("consistent") << QList<Entry>{} << 12345 << QStringList{};
        QTest::newRow("no 整理番号") << QList<Entry>{} << 0 << QStringList{};
        QTest::newRow("整理番号 of nine digits")
            << QList<Entry>{} << 123456789
            << QStringList{"整理番号 123456789 は 8 桁の欄に入りきりません。先頭の「1」が印刷"
                           "されません。"};
        QTest::newRow("輸入の取引金額 123456")
            << QList<Entry>{{22, 24, 123456}} << 12345
            << QStringList{"【2 支店・海外取引状況】輸入の取引金額 123456 は 5 "
                           "桁の欄に入りきりません。先頭の「1」が印刷されません。"};
        QTest::newRow("総支店数 1234")
            << QList<Entry>{{22, 21, 1234}} << 12345
            << QStringList{"【2 支店・海外取引状況】総支店数 1234 は 3 "
                           "桁の欄に入りきりません。先頭の「1」が印刷されません。"};
        QTest::newRow("ten-digit 土地")
            << QList<Entry>{{30, 29, 1234567890}} << 12345
            << QStringList{"【7 主要科目】土地 1234567890 は 9 "
                           "桁の欄に入りきりません。先頭の「1」が印刷されません。"};
        QTest::newRow("negative filling every box loses its sign")
            << QList<Entry>{{23, 15, -1234}} << 12345
            << QStringList{"【3 期末従業員等の状況】計 -1234 は 4 "
                           "桁の欄に入りきりません。先頭の「-」が印刷されません。"};
        QTest::newRow("代表者への報酬 of eight digits")
            << QList<Entry>{{30, 36, 12345678}} << 12345
            << QStringList{"【10 代表者に対する報酬等の金額】代表者への報酬 12345678 は 7 "
                           "桁の欄に入りきりません。先頭の「1」が印刷されません。"};
        // The boxes hold the year in its era: the files' 130 is 令和100.
        QTest::newRow("事業年度 of three digits")
            << QList<Entry>{{0, 6, 130}} << 12345
            << QStringList{"【事業年度】令和100年4月1日〜平成16年3月31日 は正しい事業年度ではあり"
                           "ません。終わりの日（平成16年3月31日）が開始の日（令和100年4月1日）より"
                           "前です。会社登録で直してください。",
                           "事業年度（自）の年 100 は 2 桁の欄に入りきりません。先頭の「1」が"
                           "印刷されません。"};
        QTest::newRow("monthly sales total")
            << QList<Entry>{{60, 22, 7001}} << 12345
            << QStringList{"【17 月別の売上高等の状況】売上（収入）金額の計 10,001 千円が、【7 "
                           "主要科目】売上（収入）高 10,000 千円と合いません。"};
        // 源泉徴収税額 (in 円): its months from field 94, its 計 in field 106.
        QList<Entry> withheld;
        for (int row = 1; row <= 12; ++row)
            withheld.append({60, 93 + row, 1000});
        withheld.append({60, 106, 12000});
        QTest::newRow("源泉徴収税額, 計 the sum of its months")
            << withheld << 12345 << QStringList{};
        withheld.last() = {60, 106, 5000};
        QTest::newRow("源泉徴収税額, 計 typed otherwise")
            << withheld << 12345
            << QStringList{"【17 月別の売上高等の状況】源泉徴収税額の計 5,000 円が、各月の合計 "
                           "12,000 円と合いません。"};
        QTest::newRow("源泉徴収税額, only a 計")
            << QList<Entry>{{60, 106, 5000}} << 12345 << QStringList{};
        QTest::newRow("balance sheet")
            << QList<Entry>{{30, 20, 5100}} << 12345
            << QStringList{"【7 主要科目】資産の部合計 5,100 千円が、負債の部合計 3,000 "
                           "千円と純資産の部合計 2,000 千円の和 5,000 千円と合いません。"};
        QTest::newRow("gross profit")
            << QList<Entry>{{30, 11, 4100}} << 12345
            << QStringList{"【7 主要科目】売上（収入）総利益 4,100 千円が、売上（収入）高 "
                           "10,000 千円から売上（収入）原価 6,000 千円を引いた 4,000 "
                           "千円と合いません。"};
        // Boxes in 千円 cut off what is below 1,000 yen each: sums may fall short by up to
        // one 千円 a box summed. Said as such, not as a disagreement.
        QTest::newRow("balance sheet, 千円 cut off")
            << QList<Entry>{{30, 20, 5002}} << 12345
            << QStringList{"【7 主要科目】資産の部合計 5,002 千円と、負債の部合計と純資産の部合計の"
                           "和 5,000 千円の差 2 千円は、千円未満切捨てによる差です。"};
        QTest::newRow("gross profit, 千円 cut off")
            << QList<Entry>{{30, 11, 3999}} << 12345
            << QStringList{"【7 主要科目】売上（収入）総利益 3,999 千円と、売上（収入）高から"
                           "売上（収入）原価を引いた 4,000 千円の差 1 千円は、千円未満切捨てによる"
                           "差です。"};
        QList<Entry> months;
        for (int row = 0; row < 12; ++row)
            months.append({60, 10 + row, row < 11 ? 833 : 834}); // 計 9,997
        months.append({60, 22, 9997});
        months.append({60, 36, 0});
        QTest::newRow("monthly sales, 千円 cut off")
            << months << 12345
            << QStringList{"【17 月別の売上高等の状況】売上（収入）金額の計 9,997 千円と、【7 "
                           "主要科目】売上（収入）高 10,000 千円の差 3 千円は、千円未満切捨てによる"
                           "差です。"};
        months.last() = {60, 36, 20};
        QTest::newRow("monthly sales, more than cut off")
            << months << 12345
            << QStringList{"【17 月別の売上高等の状況】売上（収入）金額の計 10,017 千円が、【7 "
                           "主要科目】売上（収入）高 10,000 千円と合いません。"};
        QTest::newRow("balance sheet, beyond cut off")
            << QList<Entry>{{30, 20, 5003}} << 12345
            << QStringList{"【7 主要科目】資産の部合計 5,003 千円が、負債の部合計 3,000 "
                           "千円と純資産の部合計 2,000 千円の和 5,000 千円と合いません。"};
        QTest::newRow("officers without pay")
            << QList<Entry>{{30, 12, 0}} << 12345
            << QStringList{"【3 期末従業員等の状況】常勤役員が 2 人いますが、【7 "
                           "主要科目】役員報酬が 0 です。"};
        QTest::newRow("pay without officers")
            << QList<Entry>{{23, 10, 0}} << 12345
            << QStringList{"【7 主要科目】役員報酬が 1,200 千円ありますが、【3 "
                           "期末従業員等の状況】常勤役員が 0 人です。"};
        // Only amounts too long for their boxes add up beyond 32 bits.
        QTest::newRow("sums beyond 32 bits")
            << QList<Entry>{{30, 30, 2147483647}, {30, 35, 2147483647}, {30, 20, -2}} << 12345
            << QStringList{"【7 主要科目】負債の部合計 2147483647 は 9 "
                           "桁の欄に入りきりません。先頭の「2」が印刷されません。",
                           "【7 主要科目】純資産の部合計 2147483647 は 9 "
                           "桁の欄に入りきりません。先頭の「2」が印刷されません。",
                           "【7 主要科目】資産の部合計 -2 千円が、負債の部合計 2,147,483,647 "
                           "千円と純資産の部合計 2,147,483,647 千円の和 4,294,967,294 "
                           "千円と合いません。"};
    }
    void lines() {
        QFETCH(QList<Entry>, changes);
        QFETCH(qint32, referenceNumber);
        QFETCH(QStringList, expected);
        FakeData data = consistentCompany();
        for (const Entry& e : changes) {
            if (e.section == 0)
                data.record.startYear = e.value;
            else
                data.integers[{e.section, e.field}] = e.value;
        }
        QCOMPARE(check(data, referenceNumber, printcheck::Pages::Both), expected);
    }

    // Entries wider than their boxes: each named with the width it prints at when that is
    // below 80%, or with what is lost when even the floor of legibility cannot hold it.
    void entriesThatShrink_data() {
        QTest::addColumn<int>("section");
        QTest::addColumn<int>("field");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("expected");
        const QString kanji(QChar(0x6F22));
        QTest::newRow("法人名 a little too long: narrower, not named")
            << 0 << 3 << kanji.repeated(23) << QStringList{};
        QTest::newRow("ホームページアドレス of forty letters")
            << 0 << 12 << QStringLiteral("W").repeated(40)
            << QStringList{"ホームページアドレス は欄に入りきらないため、文字の幅を 68% "
                           "に縮めて印刷されます。"};
        QTest::newRow("主な所在地 of seventeen characters")
            << 22 << 16 << kanji.repeated(17)
            << QStringList{"【2 支店・海外取引状況】主な所在地 は欄に入りきらないため、文字の幅を "
                           "62% に縮めて"
                           "印刷されます。"};
        QTest::newRow("機種名 of sixteen characters: two lines")
            << 24 << 17 << kanji.repeated(16)
            << QStringList{"【4 電子計算機の利用状況】機種名 "
                           "は欄に入りきらないため、2行に分け、文字の幅を 49% "
                           "に縮めて印刷されます。"};
        QTest::newRow("兼業割合 of seven characters: two lines")
            << 40 << 2 << kanji.repeated(7)
            << QStringList{"【11 事業形態】兼業割合 1行目 "
                           "は欄に入りきらないため、2行に分け、文字の幅を 71% に"
                           "縮めて印刷されます。"};
        QTest::newRow("営業時間 beyond the floor: cut")
            << 50 << 30 << kanji.repeated(30)
            << QStringList{"【16 加入組合等の状況】開店時刻 時 "
                           "は最も小さく縮めても欄に入りきりません。末尾の「"
                           "漢漢漢漢漢漢漢漢漢漢漢漢漢漢漢漢漢漢漢漢」が印刷されません。"};
        QTest::newRow("現金売上 of the widest number: one line")
            << 40 << 26 << QStringLiteral("2147483647")
            << QStringList{"【11 事業形態】現金売上 は欄に入りきらないため、文字の幅を 34% "
                           "に縮めて印刷されます。"};
        QTest::newRow("兼業割合 of forty digits: cut on its line")
            << 40 << 2 << QStringLiteral("1234567890").repeated(4)
            << QStringList{"【11 事業形態】兼業割合 1行目 は最も小さく縮めても欄に入りきりません。"
                           "末尾の「901234567890」が印刷されません。"};
        QTest::newRow("what is lost is shown as typed")
            << 50 << 30 << kanji.repeated(10) + QStringLiteral("%1%2%3")
            << QStringList{"【16 加入組合等の状況】開店時刻 時 "
                           "は最も小さく縮めても欄に入りきりません。末尾の「"
                           "1%2%3」が印刷されません。"};
    }
    void entriesThatShrink() {
        QFETCH(int, section);
        QFETCH(int, field);
        QFETCH(QString, text);
        QFETCH(QStringList, expected);
        FakeData data = consistentCompany();
        if (section == 0)
            (field == 3 ? data.record.name : data.record.homePage) = text;
        else
            data.texts[{section, field}] = text;
        QCOMPARE(check(data, 12345, printcheck::Pages::Both), expected);
    }

    // 12 主な設備等の状況 takes twelve lines, the sheet ten: lines 11 and 12 never print,
    // and the check before a print of the back page names those that hold text.
    void facilityLinesBeyondTheSheet_data() {
        QTest::addColumn<QString>("line11");
        QTest::addColumn<QString>("line12");
        QTest::addColumn<int>("pages");
        QTest::addColumn<QStringList>("expected");
        const int back = int(printcheck::Pages::Back);
        const QString line11 = QStringLiteral(
            "【12 主な設備等の状況】主な設備等の状況 11行目「倉庫」は印刷されません。用紙の欄は "
            "10 行までです。");
        const QString line12 = QStringLiteral(
            "【12 主な設備等の状況】主な設備等の状況 12行目「社宅」は印刷されません。用紙の欄は "
            "10 行までです。");
        QTest::newRow("both") << "倉庫"
                              << "社宅" << back << QStringList{line11, line12};
        QTest::newRow("line 12 only") << ""
                                      << "社宅" << back << QStringList{line12};
        QTest::newRow("spaces only") << "　 "
                                     << "" << back << QStringList{};
        QTest::newRow("both pages") << "倉庫"
                                    << "" << int(printcheck::Pages::Both) << QStringList{line11};
        QTest::newRow("front page only")
            << "倉庫"
            << "社宅" << int(printcheck::Pages::Front) << QStringList{};
    }
    void facilityLinesBeyondTheSheet() {
        QFETCH(QString, line11);
        QFETCH(QString, line12);
        QFETCH(int, pages);
        QFETCH(QStringList, expected);
        FakeData data = consistentCompany();
        for (int line = 1; line <= 10; ++line)
            data.texts[{40, 13 + line}] = QStringLiteral("設備%1").arg(line);
        data.texts[{40, 24}] = line11;
        data.texts[{40, 25}] = line12;
        QCOMPARE(check(data, 12345, printcheck::Pages(pages)), expected);
    }

    // A business year the file holds that cannot be is named on either page, with the
    // dates as they would print and why; a sound year says nothing.
    void impossibleYear_data() {
        QTest::addColumn<QList<int>>("dates"); // start year, month, day, end year, month, day
        QTest::addColumn<QString>("line");     // empty: no line
        QTest::newRow("sound") << QList<int>{37, 4, 1, 38, 3, 31} << QString();
        QTest::newRow("7年13月40日")
            << QList<int>{37, 13, 40, 38, 3, 31}
            << QStringLiteral("【事業年度】令和7年13月40日〜令和8年3月31日 は正しい事業年度では"
                              "ありません。開始の月は1から12までの数字で入力してください。会社登録"
                              "で直してください。");
        QTest::newRow("end before start")
            << QList<int>{37, 4, 1, 36, 3, 31}
            << QStringLiteral("【事業年度】令和7年4月1日〜令和6年3月31日 は正しい事業年度ではあり"
                              "ません。終わりの日（令和6年3月31日）が開始の日（令和7年4月1日）より"
                              "前です。会社登録で直してください。");
    }
    void impossibleYear() {
        QFETCH(QList<int>, dates);
        QFETCH(QString, line);
        FakeData data = consistentCompany();
        data.record.startYear = dates[0];
        data.record.startMonth = dates[1];
        data.record.startDay = dates[2];
        data.record.endYear = dates[3];
        data.record.endMonth = dates[4];
        data.record.endDay = dates[5];
        for (const printcheck::Pages pages : {printcheck::Pages::Front, printcheck::Pages::Back}) {
            const QStringList found = check(data, 12345, pages);
            QCOMPARE(found.contains(line), !line.isEmpty());
            if (line.isEmpty())
                QVERIFY2(!found.join(u'\n').contains(QStringLiteral("事業年度")),
                         qPrintable(found.join(u'\n')));
        }
    }

    // A print of one page hears only of what that page prints; item 17 against item 7
    // concerns both.
    void pages_data() {
        QTest::addColumn<int>("pages");
        QTest::addColumn<int>("count");
        QTest::newRow("front") << int(printcheck::Pages::Front) << 5;
        QTest::newRow("back") << int(printcheck::Pages::Back) << 2;
        QTest::newRow("both") << int(printcheck::Pages::Both) << 6;
    }
    void pages() {
        QFETCH(int, pages);
        QFETCH(int, count);
        FakeData data = consistentCompany();
        data.integers[{22, 24}] = 123456;                  // digits lost
        data.integers[{60, 22}] = 1;                       // item 17 against item 7
        data.integers[{30, 20}] = 1;                       // balance sheet
        data.integers[{23, 10}] = 0;                       // pay without officers
        data.texts[{24, 17}] = QString(16, QChar(0x6F22)); // 機種名, narrower: front
        data.texts[{40, 2}] = QString(7, QChar(0x6F22));   // 兼業割合, narrower: back
        const QStringList found = check(data, 12345, printcheck::Pages(pages));
        QCOMPARE(found.size(), count);
        QVERIFY(found.join(u'\n').contains(QStringLiteral("売上（収入）金額の計")));
    }
};

QTEST_MAIN(PrintCheckTest)
#include "printchecktest.moc"
