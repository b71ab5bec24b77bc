#include "bookimporttestsupport.h"

#include "books/accountmapping.h"
#include "books/bookcsv.h"
#include "books/bookfigures.h"
#include "books/bookimport.h"
#include "statement/mainaccountsscreen.h"
#include "statement/monthlytablescreen.h"

#include <QTest>

using namespace gaikyo;

namespace {

const QString trialTitle = QStringLiteral("試算表から取込");
const QString monthlyTitle = QStringLiteral("推移表から取込");

// "Text21=14,516" pairs; every other amount box of the screen must stay empty.
void compareBoxes(const Screen& screen, const QStringList& expected, const QStringList& boxes) {
    QMap<QString, QString> wanted;
    for (const QString& pair : expected)
        wanted.insert(pair.section(QLatin1Char('='), 0, 0), pair.section(QLatin1Char('='), 1));
    for (const QString& box : boxes)
        QVERIFY2(screen.text(box) == wanted.value(box),
                 qPrintable(QStringLiteral("%1: %2, expected %3")
                                .arg(box, screen.text(box), wanted.value(box))));
}

QStringList mainAccountBoxes() {
    QStringList boxes;
    for (int i = 1; i <= 42; ++i)
        boxes.append(test::box(i));
    return boxes;
}

QStringList monthlyCells() {
    QStringList boxes;
    for (int i = 1; i <= 126; ++i)
        boxes.append(test::box(i));
    return boxes;
}

// "Text10=1,234" for the cell of a row and column of the monthly table.
QString cell(int row, int column, const QString& text) {
    return MonthlyTableScreen::cellBox(row, column) + QLatin1Char('=') + text;
}

} // namespace

class BookImportTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void yenFigures_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<qint64>("yen"); // -1 marks no figure at all
        QTest::addColumn<bool>("figure");
        QTest::newRow("commas") << "1,234,567" << qint64(1234567) << true;
        QTest::newRow("full width") << "１，２３４" << qint64(1234) << true;
        QTest::newRow("minus") << "-1,234" << qint64(-1234) << true;
        QTest::newRow("minus sign") << "−500" << qint64(-500) << true;
        QTest::newRow("triangle") << "△1,234" << qint64(-1234) << true;
        QTest::newRow("black triangle") << "▲ 1,234" << qint64(-1234) << true;
        QTest::newRow("parentheses") << "(1,234)" << qint64(-1234) << true;
        QTest::newRow("full-width parentheses") << "（１，２３４）" << qint64(-1234) << true;
        QTest::newRow("yen sign") << "¥1,234" << qint64(1234) << true;
        QTest::newRow("yen suffix") << "1,234円" << qint64(1234) << true;
        QTest::newRow("fraction dropped") << "1234.9" << qint64(1234) << true;
        QTest::newRow("spaces") << "  12 " << qint64(12) << true;
        QTest::newRow("dash is zero") << "-" << qint64(0) << true;
        QTest::newRow("empty") << "" << qint64(-1) << false;
        QTest::newRow("text") << "abc" << qint64(-1) << false;
        QTest::newRow("bad grouping") << "1,23" << qint64(-1) << false;
        QTest::newRow("percent") << "12%" << qint64(-1) << false;
        QTest::newRow("too many digits") << "1234567890123456" << qint64(-1) << false;
    }
    void yenFigures() {
        QFETCH(QString, text);
        QFETCH(qint64, yen);
        QFETCH(bool, figure);
        const std::optional<qint64> read = bookfigures::yen(text);
        QCOMPARE(read.has_value(), figure);
        if (figure)
            QCOMPARE(*read, yen);
    }

    void thousandsCutTowardsZero_data() {
        QTest::addColumn<qint64>("yen");
        QTest::addColumn<qint64>("thousands");
        QTest::newRow("below 1,000") << qint64(999) << qint64(0);
        QTest::newRow("cut") << qint64(1999) << qint64(1);
        QTest::newRow("exact") << qint64(1000) << qint64(1);
        QTest::newRow("negative cut") << qint64(-1999) << qint64(-1);
        QTest::newRow("small negative") << qint64(-999) << qint64(0);
    }
    void thousandsCutTowardsZero() {
        QFETCH(qint64, yen);
        QFETCH(qint64, thousands);
        QCOMPARE(bookfigures::thousands(yen), thousands);
    }

    void monthHeadings_data() {
        QTest::addColumn<QString>("heading");
        QTest::addColumn<int>("month"); // 0: no month
        QTest::newRow("4月") << "4月" << 4;
        QTest::newRow("full width") << "４月" << 4;
        QTest::newRow("leading zero") << "04月" << 4;
        QTest::newRow("slash") << "2026/04" << 4;
        QTest::newRow("dash") << "2026-4" << 4;
        QTest::newRow("year and month") << "2026年12月" << 12;
        QTest::newRow("era") << "令和8年4月" << 4;
        QTest::newRow("era first year") << "令和元年5月" << 5;
        QTest::newRow("era letter") << "R8.1" << 1;
        QTest::newRow("month 13") << "13月" << 0;
        QTest::newRow("slash 13") << "2026/13" << 0;
        QTest::newRow("total") << "合計" << 0;
        QTest::newRow("bare number") << "4" << 0;
    }
    void monthHeadings() {
        QFETCH(QString, heading);
        QFETCH(int, month);
        QCOMPARE(bookfigures::calendarMonth(heading).value_or(0), month);
    }

    void csvShapes_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QList<QStringList>>("rows");
        const QList<QStringList> table{{QStringLiteral("勘定科目"), QStringLiteral("残高")},
                                       {QStringLiteral("現金"), QStringLiteral("1,234")}};
        QTest::newRow("CR LF, quotes around commas")
            << QByteArray(
                   "\xe5\x8b\x98\xe5\xae\x9a\xe7\xa7\x91\xe7\x9b\xae,\xe6\xae\x8b\xe9\xab\x98"
                   "\r\n\xe7\x8f\xbe\xe9\x87\x91,\"1,234\"\r\n")
            << table;
        QTest::newRow("LF, byte-order mark")
            << QByteArray("\xef\xbb\xbf\xe5\x8b\x98\xe5\xae\x9a\xe7\xa7\x91\xe7\x9b\xae,"
                          "\xe6\xae\x8b\xe9\xab\x98\n\xe7\x8f\xbe\xe9\x87\x91,\"1,234\"\n")
            << table;
        QTest::newRow("code page 932")
            << test::crlfFile({QStringLiteral("勘定科目,残高"), QStringLiteral("現金,\"1,234\"")})
            << table;
        QTest::newRow("tabs") << QByteArray("a\tb\n\"c\"\td\n")
                              << QList<QStringList>{{QStringLiteral("a"), QStringLiteral("b")},
                                                    {QStringLiteral("c"), QStringLiteral("d")}};
        QTest::newRow("doubled quote, line break in quotes, no last line end")
            << QByteArray("\"say \"\"hi\"\"\",\"two\nlines\"\r\nx,")
            << QList<QStringList>{{QStringLiteral("say \"hi\""), QStringLiteral("two\nlines")},
                                  {QStringLiteral("x"), QString()}};
    }
    void csvShapes() {
        QFETCH(QByteArray, bytes);
        QFETCH(QList<QStringList>, rows);
        const bookcsv::Table table = bookcsv::parse(bytes);
        QCOMPARE(table.error, QString());
        QCOMPARE(table.rows, rows);
    }

    // A trial balance fills item 7; the accounts that go nowhere are listed.
    void trialBalances_data() {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QStringList>("filled");
        QTest::addColumn<QStringList>("unmapped");
        QTest::newRow("code page 932, 区分 and subtotal rows")
            << test::fixture(QStringLiteral("bookimport/trialbalance_cp932.csv"))
            << QStringList{"Text1=98,765",  "Text3=59,913",  "Text4=3,000",   "Text5=60,123",
                           "Text8=3,210",   "Text11=38,851", "Text12=9,600",  "Text13=12,000",
                           "Text14=850",    "Text15=1,234",  "Text16=2,745",  "Text17=10,223",
                           "Text18=456",    "Text19=9,766",  "Text20=66,392", "Text21=14,516",
                           "Text23=8,765",  "Text24=3,210",  "Text26=17,500", "Text28=1,800",
                           "Text29=20,000", "Text30=34,055", "Text32=4,321",  "Text33=3,000",
                           "Text34=25,500", "Text35=32,336"}
            << QStringList{"ソフトウェア　600千円", "未払金　1,234千円",
                           "資本金　10,000千円",    "繰越利益剰余金　22,336千円",
                           "法定福利費　2,100千円", "雑費　98千円"};
        // Costs under the 製造原価 heading go to the cost-of-sales boxes; 売上総利益 and
        // 純資産の部合計 have no row and are computed.
        QTest::newRow("UTF-8 with BOM, △ negatives, manufacturing costs")
            << test::fixture(QStringLiteral("bookimport/trialbalance_utf8bom.csv"))
            << QStringList{"Text1=30,000", "Text3=22,750",  "Text4=800",     "Text5=12,000",
                           "Text6=6,000",  "Text7=3,000",   "Text8=1,000",   "Text9=900",
                           "Text10=600",   "Text11=7,250",  "Text12=6,000",  "Text13=2,400",
                           "Text14=300",   "Text15=150",    "Text16=80",     "Text17=-1,530",
                           "Text18=123",   "Text19=-1,700", "Text20=14,575", "Text21=4,280",
                           "Text22=700",   "Text23=2,345",  "Text24=1,750",  "Text27=4,000",
                           "Text28=1,500", "Text30=8,000",  "Text31=800",    "Text32=1,200",
                           "Text34=6,000", "Text35=6,575"}
            << QStringList{"資本金　3,000千円", "繰越利益剰余金　-2,345千円", "電力費　450千円"};
        // Credit balances (売上, liabilities, profits) read positive, a loss negative.
        QTest::newRow("借方残高 and 貸方残高")
            << QByteArray("科目,借方残高,貸方残高\n現金,\"1,234,567\",\n売上高,,\"5,000,999\"\n"
                          "売上値引,\"200,000\",\n買掛金,,\"700,000\"\n営業損失,\"300,000\",\n"
                          "仮払金,\"10,000\",\n")
            << QStringList{"Text1=4,800", "Text17=-300", "Text21=1,234", "Text32=700"}
            << QStringList{"仮払金　10千円"};
    }
    void trialBalances() {
        QFETCH(QByteArray, file);
        QFETCH(QStringList, filled);
        QFETCH(QStringList, unmapped);
        test::ImportProgram program;
        RecordScreen& screen = program.handOver(screens::mainAccounts, 7);
        program.offerFile(file);
        screen.click(MainAccountsScreen::importButton);
        QCOMPARE(program.messages.shown().size(), 0);
        QCOMPARE(program.answers.confirmations.size(), 1);
        const importconfirmation::Request& asked = program.answers.confirmations.first();
        QCOMPARE(asked.title, trialTitle);
        QCOMPARE(asked.fileName, QStringLiteral("books.csv"));
        QCOMPARE(asked.unmapped, unmapped);
        QCOMPARE(asked.lines.size(), filled.size());
        compareBoxes(screen, filled, mainAccountBoxes());
        // The yes/no boxes of items 8 and 9 are no business of the books.
        QCOMPARE(screen.text(QStringLiteral("Text44")), QString());
    }

    // The confirmation names each box, its amount and where it came from.
    void confirmationLines() {
        test::ImportProgram program;
        RecordScreen& screen = program.handOver(screens::mainAccounts, 7);
        program.offerFile(test::fixture(QStringLiteral("bookimport/trialbalance_cp932.csv")));
        screen.click(MainAccountsScreen::importButton);
        const importconfirmation::Request& asked = program.answers.confirmations.value(0);
        const auto line = [&asked](const QString& field) {
            for (const importconfirmation::Line& l : asked.lines)
                if (l.field == field)
                    return l;
            return importconfirmation::Line{};
        };
        QCOMPARE(line(QStringLiteral("現金預金")).amount, QStringLiteral("14,516千円"));
        QCOMPARE(line(QStringLiteral("現金預金")).sources,
                 QStringLiteral("現金＋普通預金＋当座預金"));
        QCOMPARE(line(QStringLiteral("資産の部合計")).sources,
                 QStringLiteral("ファイルの「資産の部合計」"));
        QVERIFY(asked.notes.isEmpty());
    }

    // A monthly table goes to the rows of the same calendar months, whatever month it
    // starts with; 計 of the money columns follows.
    void monthlyTables_data() {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QStringList>("filled");
        QTest::addColumn<QStringList>("unmapped");
        QStringList april;
        const QStringList sales{"1,000", "1,100", "1,200", "1,300", "1,400", "1,500",
                                "1,600", "1,700", "1,800", "1,900", "2,000", "2,100"};
        const QStringList outsourcing{"200", "201", "203", "204", "206", "207",
                                      "209", "210", "212", "213", "215", "216"};
        for (int row = 1; row <= 12; ++row) {
            april << cell(row, 1, sales.at(row - 1)) << cell(row, 5, outsourcing.at(row - 1))
                  << cell(row, 3, row == 6 ? QStringLiteral("-50") : QStringLiteral("600"))
                  << cell(row, 6,
                          row == 4   ? QStringLiteral("2,500")
                          : row == 9 ? QStringLiteral("2,600")
                                     : QStringLiteral("1,300"));
        }
        april << cell(13, 1, "18,600") << cell(13, 3, "6,550") << cell(13, 5, "2,496")
              << cell(13, 6, "18,100");
        // 人件費 is pay and bonuses, officers included; 法定福利費 and 福利厚生費 are not.
        QTest::newRow("from April, 4月 … 3月, code page 932")
            << test::fixture(QStringLiteral("bookimport/monthly_april_cp932.csv")) << april
            << QStringList{"法定福利費　1,800千円", "福利厚生費　246千円", "旅費交通費　396千円"};

        // January is the tenth row of a year that starts in April. The file's 人件費計
        // does not show what it adds up, so 人件費 stays empty rather than taking 役員報酬
        // alone; 源泉徴収税額 stays in yen.
        QStringList january;
        const QStringList janSales{"2,010", "2,021", "2,032", "2,043", "2,054", "2,065",
                                   "2,076", "2,087", "2,098", "2,109", "2,120", "2,131"};
        for (int month = 1; month <= 12; ++month) {
            const int row = month >= 4 ? month - 3 : month + 9;
            january << cell(row, 1, janSales.at(month - 1))
                    << cell(row, 7, QStringLiteral("45,678"));
        }
        january << cell(13, 1, "24,846");
        QTest::newRow("from January, 2026/01 … 2026/12, UTF-8")
            << test::fixture(QStringLiteral("bookimport/monthly_january_utf8.csv")) << january
            << QStringList{"通信費　119千円"};
    }
    void monthlyTables() {
        QFETCH(QByteArray, file);
        QFETCH(QStringList, filled);
        QFETCH(QStringList, unmapped);
        test::ImportProgram program(4);
        RecordScreen& screen = program.handOver(screens::monthlyTable, 7);
        screen.setText(QStringLiteral("Text130"), QStringLiteral("製品"));
        program.offerFile(file);
        screen.click(MonthlyTableScreen::importButton);
        QCOMPARE(program.messages.shown().size(), 0);
        QCOMPARE(program.answers.confirmations.size(), 1);
        QCOMPARE(program.answers.confirmations.first().title, monthlyTitle);
        QCOMPARE(program.answers.confirmations.first().unmapped, unmapped);
        compareBoxes(screen, filled, monthlyCells());
        QCOMPARE(screen.text(QStringLiteral("Text130")), QStringLiteral("製品"));
    }

    // What the user typed stays unless the replace box is ticked; the confirmation
    // names it. A box that already holds the same figure is no conflict.
    void typedBoxes_data() {
        QTest::addColumn<bool>("replace");
        QTest::addColumn<QString>("text1");
        QTest::addColumn<QString>("monthlyCell");
        QTest::newRow("kept") << false << "5"
                              << "9";
        QTest::newRow("replaced") << true << "98,765"
                                  << "1,000";
    }
    void typedBoxes() {
        QFETCH(bool, replace);
        QFETCH(QString, text1);
        QFETCH(QString, monthlyCell);
        test::ImportProgram program;
        program.answers.answer.replaceTyped = replace;
        RecordScreen& accounts = program.handOver(screens::mainAccounts, 7);
        accounts.typeText(QStringLiteral("Text1"), QStringLiteral("5"));
        accounts.typeText(QStringLiteral("Text21"), QStringLiteral("14516"));
        accounts.typeText(QStringLiteral("Text36"), QStringLiteral("1,200"));
        program.offerFile(test::fixture(QStringLiteral("bookimport/trialbalance_cp932.csv")));
        accounts.click(MainAccountsScreen::importButton);
        QStringList typed;
        for (const importconfirmation::Line& line : program.answers.confirmations.value(0).lines)
            if (!line.typed.isEmpty())
                typed.append(line.field + QLatin1Char(':') + line.typed);
        QCOMPARE(typed, QStringList{QStringLiteral("売上（収入）高:5")});
        QCOMPARE(accounts.text(QStringLiteral("Text1")), text1);
        QCOMPARE(accounts.text(QStringLiteral("Text21")), QStringLiteral("14,516"));
        QCOMPARE(accounts.text(QStringLiteral("Text36")), QStringLiteral("1,200"));

        RecordScreen& monthly = program.handOver(screens::monthlyTable, 7);
        monthly.typeText(MonthlyTableScreen::cellBox(1, 1), QStringLiteral("9"));
        program.offerFile(test::fixture(QStringLiteral("bookimport/monthly_april_cp932.csv")));
        monthly.click(MonthlyTableScreen::importButton);
        QCOMPARE(monthly.text(MonthlyTableScreen::cellBox(1, 1)), monthlyCell);
        QCOMPARE(monthly.text(MonthlyTableScreen::cellBox(13, 1)),
                 replace ? QStringLiteral("18,600") : QStringLiteral("17,609"));
    }

    // The user's own mapping file adds accounts; a line naming no box is reported.
    void userMapping_data() {
        QTest::addColumn<QByteArray>("mappingFile");
        const QStringList lines{QStringLiteral("# 自社の科目"), QStringLiteral("未払金,買掛金"),
                                QStringLiteral("法定福利費＝従業員給料"),
                                QStringLiteral("旅費交通費,人件費"), QStringLiteral("雑費,なにか")};
        QTest::newRow("code page 932") << test::crlfFile(lines);
        QTest::newRow("UTF-8 with BOM")
            << QByteArray("\xef\xbb\xbf") + lines.join(QLatin1Char('\n')).toUtf8();
    }
    void userMapping() {
        QFETCH(QByteArray, mappingFile);
        test::ImportProgram program;
        program.home.write(AccountMapping::userFile(), mappingFile);
        RecordScreen& screen = program.handOver(screens::mainAccounts, 7);
        program.offerFile(test::fixture(QStringLiteral("bookimport/trialbalance_cp932.csv")));
        screen.click(MainAccountsScreen::importButton);
        QCOMPARE(screen.text(QStringLiteral("Text32")), QStringLiteral("5,555"));
        QCOMPARE(screen.text(QStringLiteral("Text13")), QStringLiteral("14,100"));
        const importconfirmation::Request& asked = program.answers.confirmations.value(0);
        QVERIFY(!asked.unmapped.join(QString()).contains(QStringLiteral("未払金")));
        QVERIFY(!asked.unmapped.join(QString()).contains(QStringLiteral("法定福利費")));
        // The line for the monthly table's 人件費 is no mistake here; 「なにか」 is.
        QCOMPARE(asked.notes.size(), 1);
        QVERIFY(asked.notes.first().contains(QStringLiteral("5行目「雑費,なにか」")));
    }

    // Bad input gets its message and changes nothing.
    void badInput_data() {
        QTest::addColumn<QString>("screen");
        QTest::addColumn<QByteArray>("file"); // empty: the file is not there
        QTest::addColumn<QString>("message");
        const QString accounts = screens::mainAccounts;
        const QString monthly = screens::monthlyTable;
        const QByteArray picture("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16);
        QTest::newRow("a picture") << accounts << picture << "CSVファイルではない";
        QTest::newRow("plain text")
            << accounts << QByteArray("memo\nmore memo\n") << "CSVファイルではない";
        QTest::newRow("no header row")
            << accounts << QByteArray("name,amount\ncash,100\n") << "見出しの行";
        QTest::newRow("no amount column")
            << accounts << QByteArray("勘定科目,備考\n現金,手許\n") << "金額の列";
        QTest::newRow("a trial balance for the monthly table")
            << monthly << test::fixture(QStringLiteral("bookimport/trialbalance_cp932.csv"))
            << "月ごとの金額の列";
        QTest::newRow("a month twice")
            << monthly << QByteArray("科目,4月,2026/04\n売上高,1,2\n") << "4月の列が二つ以上";
        QTest::newRow("over 5 MB") << accounts
                                   << QByteArray("勘定科目,残高\n") +
                                          QByteArray("現金,1\n").repeated(5 * 1024 * 1024 / 8 + 1)
                                   << "大きすぎます";
        QTest::newRow("not there") << accounts << QByteArray() << "読めませんでした";
    }
    void badInput() {
        QFETCH(QString, screen);
        QFETCH(QByteArray, file);
        QFETCH(QString, message);
        test::ImportProgram program;
        RecordScreen& s = program.handOver(screen, 7);
        s.typeText(QStringLiteral("Text1"), QStringLiteral("7"));
        if (file.isEmpty())
            program.answers.file = program.home.path() + QStringLiteral("/gone.csv");
        else
            program.offerFile(file);
        s.click(screen == screens::mainAccounts ? MainAccountsScreen::importButton
                                                : MonthlyTableScreen::importButton);
        QCOMPARE(program.messages.shown().size(), 1);
        const MessageBox& box = program.messages.shown().first();
        QCOMPARE(box.title, screen == screens::mainAccounts ? trialTitle : monthlyTitle);
        QVERIFY2(box.text.contains(message), qPrintable(box.text));
        QVERIFY(program.answers.confirmations.isEmpty());
        QStringList unchanged{QStringLiteral("Text1=7")};
        compareBoxes(s, unchanged,
                     screen == screens::mainAccounts ? mainAccountBoxes() : monthlyCells());
    }

    // "やめる", or no file chosen, changes nothing.
    void cancelled_data() {
        QTest::addColumn<bool>("chooseFile");
        QTest::newRow("やめる") << true;
        QTest::newRow("file dialog cancelled") << false;
    }
    void cancelled() {
        QFETCH(bool, chooseFile);
        test::ImportProgram program;
        RecordScreen& screen = program.handOver(screens::mainAccounts, 7);
        program.offerFile(test::fixture(QStringLiteral("bookimport/trialbalance_cp932.csv")));
        if (!chooseFile)
            program.answers.file.reset();
        program.answers.answer.import = false;
        screen.click(MainAccountsScreen::importButton);
        QCOMPARE(program.answers.confirmations.size(), chooseFile ? 1 : 0);
        QVERIFY(program.messages.shown().isEmpty());
        compareBoxes(screen, {}, mainAccountBoxes());
    }

    // The import only fills the boxes: the file changes with "登録実行".
    void savedOnlyByRegistering() {
        test::ImportProgram program;
        RecordScreen& screen = program.handOver(screens::mainAccounts, 7);
        program.offerFile(test::fixture(QStringLiteral("bookimport/trialbalance_cp932.csv")));
        screen.click(MainAccountsScreen::importButton);
        QCOMPARE(screen.text(QStringLiteral("Text1")), QStringLiteral("98,765"));
        QVERIFY(!program.home.exists(paths::sectionFile(7, 30)));
        screen.click(RecordScreen::saveButton);
        const QStringList lines = test::fileLines(program.home.read(paths::sectionFile(7, 30)));
        QCOMPARE(lines.value(0), QStringLiteral("98765"));
        QCOMPARE(lines.value(16), QStringLiteral("10223"));
    }

    // Without the company's business year the rows' months are unknown: the user is told
    // before any file is asked for.
    void monthlyWithoutBusinessYear() {
        test::EntryProgram program;
        test::ImportAnswers answers;
        RecordScreen& screen = program.handOver(screens::monthlyTable, 9);
        screen.click(MonthlyTableScreen::importButton);
        QVERIFY(answers.openRequests.isEmpty());
        QCOMPARE(program.messages.shown().size(), 1);
        QVERIFY(program.messages.shown().first().text.contains(QStringLiteral("事業年度")));
    }

    // The new buttons cover none of the screens' own controls.
    void buttonsCoverNothing_data() {
        QTest::addColumn<QString>("screen");
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("caption");
        QTest::newRow("Form3") << screens::mainAccounts << MainAccountsScreen::importButton
                               << "試\n算\n表\nか\nら\n取\n込";
        QTest::newRow("Form6") << screens::monthlyTable << MonthlyTableScreen::importButton
                               << "推移表から取込";
    }
    void buttonsCoverNothing() {
        QFETCH(QString, screen);
        QFETCH(QString, button);
        QFETCH(QString, caption);
        test::EntryProgram program;
        Screen& s = program.handOver(screen, 7);
        const Control& added = s.control(button);
        QCOMPARE(added.text, caption);
        QVERIFY(added.visible);
        const QRect client(QPoint(0, 0), s.clientSize());
        QVERIFY(client.contains(added.geometry));
        for (const Control& c : s.controls())
            if (c.name != button)
                QVERIFY2(!c.geometry.intersects(added.geometry), qPrintable(c.name));
    }
};

QTEST_MAIN(BookImportTest)
#include "bookimporttest.moc"
