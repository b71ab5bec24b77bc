// Exports that show the same accounts in more than one column: several business years,
// 税込 beside 税抜, before and after the closing entries, the months as the year so far
// (累計), a plan beside the actual figures. One column is read, never two added.
#include "bookimporttestsupport.h"

#include "books/columnmemory.h"
#include "statement/mainaccountsscreen.h"
#include "statement/monthlytablescreen.h"

#include <QDate>
#include <QLocale>
#include <QTest>

using namespace gaikyo;

Q_DECLARE_METATYPE(gaikyo::columnchoice::Answer)

namespace {

const QDate marchYear(2025, 3, 1); // 令和6年4月1日～令和7年3月31日

QByteArray lines(const QStringList& rows) {
    return rows.join(QStringLiteral("\r\n")).toUtf8() + "\r\n";
}

// A monthly table from April, one row an account, the months given by `month`.
QStringList monthRows(const QString& heading, const QList<std::pair<QString, QList<qint64>>>& rows,
                      bool withTotal, bool runningTotals) {
    QStringList out{heading};
    for (const auto& [name, months] : rows) {
        QStringList cells{name};
        qint64 sofar = 0;
        for (const qint64 m : months) {
            sofar += m;
            cells.append(QString::number(runningTotals ? sofar : m));
        }
        if (withTotal)
            cells.append(QString::number(sofar));
        out.append(cells.join(u','));
    }
    return out;
}

QString aprilToMarch(const QString& suffix = QString()) {
    QStringList months;
    for (const int m : {4, 5, 6, 7, 8, 9, 10, 11, 12, 1, 2, 3})
        months.append(QStringLiteral("%1月%2").arg(m).arg(suffix));
    return months.join(u',');
}

// Twelve months of 売上高, 仕入高 and 外注費, in yen.
const QList<std::pair<QString, QList<qint64>>> flows{
    {QStringLiteral("売上高"),
     {1000000, 2000000, 3000000, 1500000, 2500000, 1000000, 4000000, 3000000, 2000000, 1000000,
      2000000, 6000000}},
    {QStringLiteral("仕入高"),
     {500000, 700000, 900000, 400000, 800000, 600000, 1000000, 700000, 300000, 200000, 900000,
      1000000}},
    {QStringLiteral("外注費"),
     {100000, 100000, 200000, 300000, 100000, 100000, 100000, 200000, 300000, 100000, 100000,
      400000}}};

// The boxes of 売上 (column 1) for the twelve months, as the table above fills them.
QStringList salesBoxes() {
    QStringList boxes;
    for (int row = 1; row <= 12; ++row)
        boxes.append(MonthlyTableScreen::cellBox(row, 1) + QLatin1Char('=') +
                     QLocale(QLocale::Japanese).toString(flows.first().second.at(row - 1) / 1000));
    return boxes;
}

} // namespace

class ColumnViewsTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void oneColumnOfSeveral_data() {
        QTest::addColumn<QString>("screen");
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QStringList>("filled"); // "Text1=9,000"
        QTest::addColumn<QString>("note");       // a note the confirmation gives
        QTest::addColumn<QString>("message");    // set: refused with this message
        const QString accounts = screens::mainAccounts;
        const QString monthly = screens::monthlyTable;
        const auto years = [](const QString& a, const QString& b, const QString& c) {
            return lines({QStringLiteral("勘定科目,%1,%2,%3").arg(a, b, c),
                          QStringLiteral("現金,1000000,2000000,3000000"),
                          QStringLiteral("売掛金,4000000,5000000,6000000"),
                          QStringLiteral("売上高,7700000,8800000,9900000")});
        };
        const QStringList third{"Text1=9,900", "Text21=3,000", "Text23=6,000"};
        const QStringList second{"Text1=8,800", "Text21=2,000", "Text23=5,000"};
        QTest::newRow("three years, oldest first")
            << accounts << years("2023年3月期", "2024年3月期", "2025年3月期") << third
            << "この会社の事業年度（令和6年4月1日～令和7年3月31日）の「2025年3月期」"
            << "";
        QTest::newRow("年度 in 令和")
            << accounts << years("令和4年度", "令和5年度", "令和6年度") << third << "令和6年度"
            << "";
        QTest::newRow("date ranges")
            << accounts
            << years("2022/04/01～2023/03/31", "自令和5年4月1日至令和6年3月31日", "R6.4.1-R7.3.31")
            << third << "R6.4.1-R7.3.31"
            << "";
        QTest::newRow("full-width digits and 〜")
            << accounts
            << years("２０２２年４月〜２０２３年３月", "２０２３年４月〜２０２４年３月",
                     "２０２４年４月〜２０２５年３月")
            << third << "２０２４年４月〜２０２５年３月"
            << "";
        QTest::newRow("a later year beside the one filed")
            << accounts << years("2024年3月期", "2025年3月期", "2026年3月期") << second
            << "2025年3月期"
            << "";
        QTest::newRow("only earlier years")
            << accounts << years("2021年3月期", "2022年3月期", "2023年3月期") << QStringList{} << ""
            << "より前の年度";
        QTest::newRow("第N期: the newest") << accounts << years("第10期", "第11期", "第12期")
                                           << third << "いちばん新しい「第12期」"
                                           << "";
        QTest::newRow("前々期, 前期, 当期")
            << accounts << years("前々期", "前期", "当期") << third << ""
            << "";
        QTest::newRow("税込 beside 税抜, books without the tax")
            << accounts
            << lines({QStringLiteral("勘定科目,期末残高(税込),期末残高(税抜)"),
                      QStringLiteral("現金,3000000,3000000"),
                      QStringLiteral("仮払消費税,100000,100000"),
                      QStringLiteral("売上高,9900000,9000000")})
            << QStringList{"Text1=9,000", "Text21=3,000"} << "税抜経理"
            << "";
        QTest::newRow("税込 beside 税抜, books with the tax")
            << accounts
            << lines({QStringLiteral("勘定科目,税込,税抜"), QStringLiteral("現金,3000000,3000000"),
                      QStringLiteral("売上高,9900000,9000000")})
            << QStringList{"Text1=9,900", "Text21=3,000"} << "税込経理"
            << "";
        QTest::newRow("before and after the closing entries")
            << accounts
            << lines({QStringLiteral("勘定科目,決算整理前残高,決算整理後残高"),
                      QStringLiteral("現金,3000000,3000000"),
                      QStringLiteral("減価償却費,0,1200000"),
                      QStringLiteral("売上高,9000000,9000000")})
            << QStringList{"Text1=9,000", "Text15=1,200", "Text21=3,000"} << "決算整理後の金額"
            << "";
        // A printout saved as text: its second page repeats the heading and the same rows.
        const QStringList page{QStringLiteral("勘定科目,期末残高"), QStringLiteral("現金,3000000"),
                               QStringLiteral("売掛金,6000000"), QStringLiteral("売上高,9900000")};
        QTest::newRow("the same page twice")
            << accounts << lines(page + page) << third << "一度だけ数えました"
            << "";
        QTest::newRow("a second page of other accounts")
            << accounts
            << lines(page + QStringList{QStringLiteral("勘定科目,期末残高"),
                                        QStringLiteral("受取手形,1000000"),
                                        QStringLiteral("買掛金,2000000")})
            << QStringList{"Text1=9,900", "Text21=3,000", "Text22=1,000", "Text23=6,000",
                           "Text32=2,000"}
            << ""
            << "";
        // The balance of a one-statement trial balance headed by the month it closes, with
        // headings that hold no figures between it and the accounts.
        QTest::newRow("a balance headed 2025年3月")
            << accounts
            << lines({QStringLiteral("損益計算書"), QStringLiteral("勘定科目,2025年3月,売上高比"),
                      QStringLiteral("[売上高],,"), QStringLiteral("売上高,9000000,100.0"),
                      QStringLiteral("[販売費及び一般管理費],,"),
                      QStringLiteral("役員報酬,1200000,13.3")})
            << QStringList{"Text1=9,000", "Text12=1,200"} << ""
            << "";
        QTest::newRow("a monthly trial balance beside last year's month")
            << accounts
            << lines({QStringLiteral("勘定科目,前月末残高,当月借方,当月貸方,当月末残高,"
                                     "前年同月末残高,前年比,差額"),
                      QStringLiteral("現金,2500000,800000,300000,3000000,2000000,150.0%,1000000"),
                      QStringLiteral("売掛金,5000000,2000000,1000000,6000000,5000000,120.0%,"
                                     "1000000"),
                      QStringLiteral("売上高,8900000,0,1000000,9900000,7000000,141.4%,2900000")})
            << third << ""
            << "";
        QTest::newRow("a monthly trial balance whose profit lines give their balance alone")
            << accounts
            << lines({QStringLiteral("勘定科目,前月末,借方,貸方,当月,前年同月,差額,対比"),
                      QStringLiteral("現金,2500000,800000,300000,3000000,2000000,1000000,150.0"),
                      QStringLiteral("売掛金,5000000,2000000,1000000,6000000,5000000,1000000,"
                                     "120.0"),
                      QStringLiteral("売上高,8900000,0,1000000,9900000,7000000,2900000,141.4"),
                      QStringLiteral("売上総利益,,,,9900000,7000000,2900000,141.4"),
                      QStringLiteral("営業利益,,,,9900000,7000000,2900000,141.4")})
            << third << ""
            << "";

        QTest::newRow("累計 in the title")
            << monthly
            << lines(QStringList{QStringLiteral("月次推移表（累計）")} +
                     monthRows(QStringLiteral("勘定科目,") + aprilToMarch(), flows, false, true))
            << salesBoxes() << "表題か見出しに「累計」とある"
            << "";
        QTest::newRow("累計 by its figures: the last month is the 合計")
            << monthly
            << lines(
                   monthRows(QStringLiteral("勘定科目,") + aprilToMarch() + QStringLiteral(",合計"),
                             flows, true, true))
            << salesBoxes() << "最後の月の金額が合計の列と同じ"
            << "";
        QStringList both{QStringLiteral("科目")};
        for (const int m : {4, 5, 6, 7, 8, 9, 10, 11, 12, 1, 2, 3})
            both << QStringLiteral("%1月").arg(m) << QStringLiteral("%1月累計").arg(m);
        QStringList bothRows{both.join(u',')};
        for (const auto& [name, months] : flows) {
            QStringList cells{name};
            qint64 sofar = 0;
            for (const qint64 m : months) {
                sofar += m;
                cells << QString::number(m) << QString::number(sofar);
            }
            bothRows.append(cells.join(u','));
        }
        QTest::newRow("当月 beside 累計")
            << monthly << lines(bothRows) << salesBoxes() << "「4月累計」などの列は足さずに"
            << "";
        QStringList quarters{QStringLiteral("科目")};
        int m = 0;
        for (const int month : {4, 5, 6, 7, 8, 9, 10, 11, 12, 1, 2, 3}) {
            quarters.append(QStringLiteral("%1月").arg(month));
            if (++m % 3 == 0)
                quarters.append(QStringLiteral("第%1四半期").arg(m / 3));
        }
        QStringList quarterRows{quarters.join(u',')};
        for (const auto& [name, months] : flows) {
            QStringList cells{name};
            for (int i = 0; i < 12; ++i) {
                cells.append(QString::number(months.at(i)));
                if ((i + 1) % 3 == 0)
                    cells.append(
                        QString::number(months.at(i) + months.at(i - 1) + months.at(i - 2)));
            }
            quarterRows.append(cells.join(u','));
        }
        QTest::newRow("quarters beside months")
            << monthly << lines(quarterRows) << salesBoxes() << ""
            << "";
        QStringList twoYears{QStringLiteral("科目")};
        for (const int year : {2024, 2023})
            for (int i = 0; i < 12; ++i)
                twoYears.append(
                    QStringLiteral("%1年%2月").arg(year + (i >= 9 ? 1 : 0)).arg((i + 3) % 12 + 1));
        QStringList twoYearRows{twoYears.join(u',')};
        for (const auto& [name, months] : flows) {
            QStringList cells{name};
            for (const qint64 m : months)
                cells.append(QString::number(m));
            for (const qint64 m : months)
                cells.append(QString::number(m / 2));
            twoYearRows.append(cells.join(u','));
        }
        QTest::newRow("this year's months beside last year's")
            << monthly << lines(twoYearRows) << salesBoxes() << "「2023年4月」・「2023年5月」"
            << "";
        // Rising figures whose months add up to the 合計 are months of their own.
        QList<std::pair<QString, QList<qint64>>> rising = flows;
        rising.first().second = {1000000, 2000000, 3000000, 4000000,  5000000,  6000000,
                                 7000000, 8000000, 9000000, 10000000, 11000000, 12000000};
        QStringList risingBoxes;
        for (int row = 1; row <= 12; ++row)
            risingBoxes.append(MonthlyTableScreen::cellBox(row, 1) + QLatin1Char('=') +
                               QLocale(QLocale::Japanese).toString(row * 1000));
        QTest::newRow("累計 in the title, months that add up to the 合計")
            << monthly
            << lines(
                   QStringList{QStringLiteral("月次推移表（累計付き）")} +
                   monthRows(QStringLiteral("勘定科目,") + aprilToMarch() + QStringLiteral(",累計"),
                             flows, true, false))
            << salesBoxes() << ""
            << "";
        QTest::newRow("rising months that add up to the 合計")
            << monthly
            << lines(
                   monthRows(QStringLiteral("勘定科目,") + aprilToMarch() + QStringLiteral(",合計"),
                             rising, true, false))
            << risingBoxes << ""
            << "";
    }
    void oneColumnOfSeveral() {
        QFETCH(QString, screen);
        QFETCH(QByteArray, file);
        QFETCH(QStringList, filled);
        QFETCH(QString, note);
        QFETCH(QString, message);
        test::ImportProgram program;
        program.setBusinessYear(marchYear);
        RecordScreen& s = program.handOver(screen, 7);
        program.offerFile(file);
        s.click(screen == screens::mainAccounts ? MainAccountsScreen::importButton
                                                : MonthlyTableScreen::importButton);
        QVERIFY(program.answers.columnRequests.isEmpty());
        if (!message.isEmpty()) {
            QCOMPARE(program.messages.shown().size(), 1);
            QVERIFY2(program.messages.shown().first().text.contains(message),
                     qPrintable(program.messages.shown().first().text));
            QVERIFY(program.answers.confirmations.isEmpty());
            QCOMPARE(s.text(QStringLiteral("Text1")), QString());
            return;
        }
        for (const MessageBox& box : program.messages.shown())
            qWarning("%s", qPrintable(box.text));
        QCOMPARE(program.messages.shown().size(), 0);
        QCOMPARE(program.answers.confirmations.size(), 1);
        const QStringList notes = program.answers.confirmations.first().notes;
        QVERIFY2(notes.join(u'\n').contains(note), qPrintable(notes.join(u'\n')));
        if (note.isEmpty())
            QVERIFY2(!notes.join(u'\n').contains(QStringLiteral("累計")),
                     qPrintable(notes.join(u'\n')));
        for (const QString& pair : filled)
            QCOMPARE(s.text(pair.section(u'=', 0, 0)), pair.section(u'=', 1));
    }

    // 実績 beside 見込 and 計画: the question starts from 実績. A choice kept for the plan's
    // column is not read again without a question.
    void actualFiguresFirst_data() {
        QTest::addColumn<QString>("kept"); // a line of the column memory; empty: none
        QTest::addColumn<QString>("note");
        QTest::newRow("nothing kept") << QString() << QString();
        QTest::newRow("計画 kept") << QStringLiteral("試算表,3,1,4,勘定科目,実績,見込,計画")
                                   << QStringLiteral("前回選んだ列は計画や比較の列のため");
        QTest::newRow("前期 kept") << QStringLiteral("試算表,3,1,3,勘定科目,実績,前期,計画")
                                   << QStringLiteral("前回選んだ列は計画や比較の列のため");
    }
    void actualFiguresFirst() {
        QFETCH(QString, kept);
        QFETCH(QString, note);
        test::ImportProgram program;
        QByteArray file = test::fixture(QStringLiteral("bookimport/compared_2026_cp932.csv"));
        if (kept.contains(QStringLiteral("前期")))
            file.replace(*cp932::encode(QStringLiteral("見込")),
                         *cp932::encode(QStringLiteral("前期")));
        if (!kept.isEmpty())
            program.home.write(columnmemory::file(), test::crlfFile({kept}));
        program.answers.columnAnswers = {{true, {2, 0, 1, {}}}};
        RecordScreen& screen = program.handOver(screens::mainAccounts, 7);
        program.offerFile(file);
        screen.click(MainAccountsScreen::importButton);
        QCOMPARE(program.answers.columnRequests.size(), 1);
        QCOMPARE(program.answers.columnRequests.first().guess, (columnchoice::Choice{2, 0, 1, {}}));
        QCOMPARE(program.answers.confirmations.size(), 1);
        if (!note.isEmpty())
            QVERIFY(program.answers.confirmations.first().notes.join(u'\n').contains(note));
        QCOMPARE(screen.text(QStringLiteral("Text1")), QStringLiteral("98,765"));
    }

    // Headings that say nothing: the guess passes over a column of round figures only.
    void roundFiguresAreNoGuess() {
        test::ImportProgram program;
        RecordScreen& screen = program.handOver(screens::mainAccounts, 7);
        program.offerFile(lines(
            {QStringLiteral("科目,甲,乙"), QStringLiteral("現金,1234567,1000000"),
             QStringLiteral("売掛金,2345678,2000000"), QStringLiteral("売上高,9876543,10000000")}));
        screen.click(MainAccountsScreen::importButton);
        QCOMPARE(program.answers.columnRequests.size(), 1);
        QCOMPARE(program.answers.columnRequests.first().guess, (columnchoice::Choice{0, 0, 1, {}}));
    }

    // A file of kept choices far beyond any list of layouts is called too large, not
    // damaged; it stays as it is and the choice is not added to it.
    void memoryTooLarge() {
        test::ImportProgram program;
        const QByteArray large = QByteArray("# ") + QByteArray(50 * 1024 * 1024, 'x') + "\r\n";
        program.home.write(columnmemory::file(), large);
        program.answers.columnAnswers = {{true, {2, 0, 1, {}}}};
        RecordScreen& screen = program.handOver(screens::mainAccounts, 7);
        program.offerFile(test::fixture(QStringLiteral("bookimport/compared_2026_cp932.csv")));
        screen.click(MainAccountsScreen::importButton);
        QCOMPARE(program.answers.confirmations.size(), 1);
        const QString notes = program.answers.confirmations.first().notes.join(u'\n');
        QVERIFY2(notes.contains(QStringLiteral("大きすぎます（52,428,804バイト）")),
                 qPrintable(notes));
        QCOMPARE(screen.text(QStringLiteral("Text1")), QStringLiteral("98,765"));
        QCOMPARE(program.messages.shown().size(), 1);
        const QString told = program.messages.shown().first().text;
        QVERIFY2(told.contains(QStringLiteral("覚えられませんでした")) &&
                     told.contains(QStringLiteral("大きすぎます")) &&
                     !told.contains(QStringLiteral("壊れていた")),
                 qPrintable(told));
        QCOMPARE(program.home.read(columnmemory::file()).size(), large.size());
    }
};

QTEST_MAIN(ColumnViewsTest)
#include "columnviewstest.moc"
