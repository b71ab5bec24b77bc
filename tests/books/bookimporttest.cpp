#include "bookimporttestsupport.h"

#include "books/accountmapping.h"
#include "books/bookcsv.h"
#include "books/bookfigures.h"
#include "books/bookimport.h"
#include "datafile/numbers.h"
#include "screen/progress.h"
#include "statement/mainaccountsscreen.h"
#include "statement/monthlytablescreen.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#include <unistd.h>
#endif

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
        QTest::newRow("nineteen digits") << "1234567890123456789" << qint64(-1) << false;
        QTest::newRow("exponent") << "1e9" << qint64(-1) << false;
        QTest::newRow("minus after") << "1,234-" << qint64(-1234) << true;
        QTest::newRow("fifteen digits") << "999,999,999,999,999" << qint64(999999999999999) << true;
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

    // A cell in a unit of more than a yen counts down to the yen; what cannot be read is
    // told apart from an empty cell.
    void figuresInUnits_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<qint64>("unit");
        QTest::addColumn<int>("kind");
        QTest::addColumn<qint64>("yen");
        const int empty = int(bookfigures::Figure::Kind::Empty);
        const int read = int(bookfigures::Figure::Kind::Read);
        const int unreadable = int(bookfigures::Figure::Kind::Unreadable);
        QTest::newRow("千円") << "1,234" << qint64(1000) << read << qint64(1234000);
        QTest::newRow("千円 with a fraction")
            << "1,234.5" << qint64(1000) << read << qint64(1234500);
        QTest::newRow("negative 千円") << "△12" << qint64(1000) << read << qint64(-12000);
        QTest::newRow("百万円") << "3" << qint64(1000000) << read << qint64(3000000);
        QTest::newRow("spaces only") << " 　" << qint64(1) << empty << qint64(0);
        QTest::newRow("text") << "＊" << qint64(1) << unreadable << qint64(0);
        QTest::newRow("too large in its unit")
            << "999,999,999,999,999" << qint64(1000000) << unreadable << qint64(0);
    }
    void figuresInUnits() {
        QFETCH(QString, text);
        QFETCH(qint64, unit);
        QFETCH(int, kind);
        QFETCH(qint64, yen);
        const bookfigures::Figure f = bookfigures::figure(text, unit);
        QCOMPARE(int(f.kind), kind);
        QCOMPARE(f.yen, yen);
    }

    // Title lines and headings state the unit in many ways; other words with 単位 are none.
    void statedUnits_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("unit"); // empty: none stated
        QTest::newRow("表示単位") << "表示単位：千円"
                                  << "千円";
        QTest::newRow("単位 in brackets") << "（単位：円）"
                                          << "円";
        QTest::newRow("half-width") << "(単位:円)"
                                    << "円";
        QTest::newRow("金額単位") << "金額単位 千円"
                                  << "千円";
        QTest::newRow("in a heading") << "期末残高（千円）"
                                      << "千円";
        QTest::newRow("千円単位") << "千円単位"
                                  << "千円";
        QTest::newRow("unknown") << "単位：ドル"
                                 << "ドル";
        QTest::newRow("another 単位") << "部門単位で集計"
                                      << "";
        QTest::newRow("a figure") << "1,234円"
                                  << "";
    }
    void statedUnits() {
        QFETCH(QString, text);
        QFETCH(QString, unit);
        QCOMPARE(bookfigures::statedUnit(text).value_or(QString()), unit);
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
        QTest::newRow("4月度") << "4月度" << 4;
        QTest::newRow("2025年4月") << "2025年4月" << 4;
        QTest::newRow("2025/04") << "2025/04" << 4;
        QTest::newRow("R7.4") << "R7.4" << 4;
        QTest::newRow("令和7年4月") << "令和7年4月" << 4;
        QTest::newRow("上半期合計") << "上半期合計" << 0;
        QTest::newRow("下半期合計") << "下半期合計" << 0;
        QTest::newRow("決算整理") << "決算整理" << 0;
        QTest::newRow("構成比") << "構成比" << 0;
        QTest::newRow("month 13") << "13月" << 0;
        QTest::newRow("slash 13") << "2026/13" << 0;
        QTest::newRow("total") << "合計" << 0;
        QTest::newRow("bare number") << "4" << 0;
    }
    void monthHeadings() {
        QFETCH(QString, heading);
        QFETCH(int, month);
        QCOMPARE(bookfigures::calendarMonth(heading).value_or(0), month);
        QCOMPARE(bookfigures::isClosingColumn(heading), heading == QStringLiteral("決算整理"));
    }

    void csvShapes_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QList<QStringList>>("rows");
        QTest::addColumn<bool>("unended"); // the last line has no line end
        const QList<QStringList> table{{QStringLiteral("勘定科目"), QStringLiteral("残高")},
                                       {QStringLiteral("現金"), QStringLiteral("1,234")}};
        QTest::newRow("CR LF, quotes around commas")
            << QByteArray(
                   "\xe5\x8b\x98\xe5\xae\x9a\xe7\xa7\x91\xe7\x9b\xae,\xe6\xae\x8b\xe9\xab\x98"
                   "\r\n\xe7\x8f\xbe\xe9\x87\x91,\"1,234\"\r\n")
            << table << false;
        QTest::newRow("LF, byte-order mark")
            << QByteArray("\xef\xbb\xbf\xe5\x8b\x98\xe5\xae\x9a\xe7\xa7\x91\xe7\x9b\xae,"
                          "\xe6\xae\x8b\xe9\xab\x98\n\xe7\x8f\xbe\xe9\x87\x91,\"1,234\"\n")
            << table << false;
        QTest::newRow("code page 932")
            << test::crlfFile({QStringLiteral("勘定科目,残高"), QStringLiteral("現金,\"1,234\"")})
            << table << false;
        QTest::newRow("tabs") << QByteArray("a\tb\n\"c\"\td\n")
                              << QList<QStringList>{{QStringLiteral("a"), QStringLiteral("b")},
                                                    {QStringLiteral("c"), QStringLiteral("d")}}
                              << false;
        QTest::newRow("doubled quote, line break in quotes, no last line end")
            << QByteArray("\"say \"\"hi\"\"\",\"two\nlines\"\r\nx,")
            << QList<QStringList>{{QStringLiteral("say \"hi\""), QStringLiteral("two\nlines")},
                                  {QStringLiteral("x"), QString()}}
            << true;
        // Excel's 「Unicode テキスト」: UTF-16LE with its mark, tabs; the figure keeps its
        // comma, and the end-of-file byte is no part of the text.
        QByteArray unicodeText("\xff\xfe");
        const QString text = QStringLiteral("勘定科目\t残高\r\n現金\t1,234\r\n\x1a");
        unicodeText.append(reinterpret_cast<const char*>(text.utf16()), text.size() * 2);
        QTest::newRow("Unicode text") << unicodeText << table << false;
        QTest::newRow("UTF-16 big-endian")
            << QByteArray("\xfe\xff\0a\0,\0b\0\n\0c\0,\0d", 16)
            << QList<QStringList>{{QStringLiteral("a"), QStringLiteral("b")},
                                  {QStringLiteral("c"), QStringLiteral("d")}}
            << true;
        QTest::newRow("tabs in code page 932, end-of-file byte")
            << test::crlfFile({QStringLiteral("勘定科目\t残高"), QStringLiteral("現金\t1,234")}) +
                   QByteArray("\x1a")
            << table << false;
        QTest::newRow("CR alone ends a line")
            << QByteArray("a,b\rc,d\r")
            << QList<QStringList>{{QStringLiteral("a"), QStringLiteral("b")},
                                  {QStringLiteral("c"), QStringLiteral("d")}}
            << false;
    }
    void csvShapes() {
        QFETCH(QByteArray, bytes);
        QFETCH(QList<QStringList>, rows);
        QFETCH(bool, unended);
        const bookcsv::Table table = bookcsv::parse(bytes);
        QCOMPARE(table.error, QString());
        QCOMPARE(table.rows, rows);
        // A file that may still be being written is named.
        QCOMPARE(table.lastLineUnended, unended);
        QCOMPARE(table.notes.size(), unended ? 1 : 0);
    }

    // A file over the limit is refused by its name, whatever the name holds ("%2" too).
    void tooLargeFileNamed() {
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("売上%2.csv"));
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.resize(bookcsv::maxBytes + 1));
        file.close();
        const bookcsv::Table table = bookcsv::readFile(path);
        QVERIFY(table.rows.isEmpty());
        QVERIFY2(
            table.error.startsWith(QStringLiteral("「売上%2.csv」は大きすぎます（5MBまで）。")),
            qPrintable(table.error));
    }

    // A quote never closed is read as a character of its row, the rows after it as they
    // are, and the row is named.
    void unclosedQuote() {
        const bookcsv::Table table =
            bookcsv::parse(QByteArray("科目,残高\n現金,\"1,234\n預金,500\n売掛金,700\n"));
        QCOMPARE(table.rows.size(), 4);
        QCOMPARE(table.rows.at(1), (QStringList{QStringLiteral("現金"), QStringLiteral("\"1"),
                                                QStringLiteral("234")}));
        QCOMPARE(table.rows.at(3), (QStringList{QStringLiteral("売掛金"), QStringLiteral("700")}));
        QCOMPARE(table.lines, (QList<qsizetype>{1, 2, 3, 4}));
        QCOMPARE(table.notes.size(), 1);
        QVERIFY(table.notes.first().startsWith(QStringLiteral("2行目")));
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
                 QStringLiteral("現金（5行目）＋普通預金（6行目）＋当座預金（7行目）"));
        QCOMPARE(line(QStringLiteral("資産の部合計")).sources,
                 QStringLiteral("ファイルの「資産の部合計」（17行目）"));
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
        const QString unmarked = QStringLiteral("勘定科目\t残高\r\n現金\t1,234\r\n");
        QTest::newRow("UTF-16 without its mark")
            << accounts
            << QByteArray(reinterpret_cast<const char*>(unmarked.utf16()), unmarked.size() * 2)
            << "UTF-16の文字コードで書かれていますが、先頭にその印（BOM）がない";
        QTest::newRow("a spreadsheet saved as .csv")
            << accounts << QByteArray("PK\x03\x04\x14\0\x06\0\x08\0\0\0!\0[Content_Types].xml", 38)
            << "表計算ソフトのブック（.xlsx など）です";
        QTest::newRow("no heading row, Japanese")
            << accounts << test::crlfFile({QStringLiteral("現金,100"), QStringLiteral("預金,200")})
            << "見出しの行";
        QTest::newRow("a unit not known")
            << accounts
            << test::crlfFile({QStringLiteral("（単位：ドル）"), QStringLiteral("勘定科目,残高"),
                               QStringLiteral("現金,100")})
            << "表示単位「ドル」がわかりません";
        QByteArray huge =
            test::crlfFile({QStringLiteral("表示単位：百万円"), QStringLiteral("勘定科目,残高")});
        for (int i = 0; i < 12; ++i)
            huge += test::crlfFile({QStringLiteral("現金,\"999,999,999,999\"")});
        huge += test::crlfFile({QStringLiteral("資産合計,1")});
        QTest::newRow("sums beyond any company") << accounts << huge << "計算できないほど大きく";
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

    // What the program cannot place, or what disagrees with the file's own totals, is
    // in the dialog before 取り込む, with its row and both figures.
    void toldBeforeImport_data() {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QStringList>("disagreements");
        QTest::addColumn<QStringList>("notes");
        QTest::addColumn<QStringList>("filled");
        QTest::addColumn<QStringList>("left");
        const QByteArray books =
            test::fixture(QStringLiteral("bookimport/companies/a_trialbalance_flat/books.csv"));
        const auto edited = [&books](const char* from, const char* to) {
            QByteArray b = books;
            const QByteArray f = *cp932::encode(QString::fromUtf8(from));
            if (!b.contains(f))
                qFatal("no %s", from);
            return b.replace(f, *cp932::encode(QString::fromUtf8(to)));
        };
        // 定期預金 lost from the file: its totals still count it.
        QTest::newRow("an account lost")
            << edited("定期預金,,\"1,000\",\"2,000\",\"3,000\",\"3,000,000\",1.5\r\n", "")
            << QStringList{"10行目「現金及び預金合計」 17,570,061円が、その上の科目を足した "
                           "14,570,061円と合いません。",
                           "「現金預金」：ファイルの「現金及び預金合計」17,570,061円と、科目（現金"
                           "（5行目）＋普通預金（6行目）＋当座預金（9行目））を足した 14,570,061円"
                           "が合いません。取り込むのはファイルの「現金及び預金合計」の金額です。"}
            << QStringList{} << QStringList{"Text21=17,570", "Text20=77,688"} << QStringList{};
        QTest::newRow("a figure of 1e9")
            << edited("\"15,678,900\"", "1e9")
            << QStringList{"17行目「流動資産合計」 41,598,961円が、その上の科目を足した "
                           "25,920,061円と合いません。"}
            << QStringList{"13行目「売掛金」の期末残高「1e9」は金額として読めないため、取り込み"
                           "に使いません。"}
            << QStringList{"Text21=17,570"} << QStringList{"Text23"};
        // 商品 and 期末商品棚卸高 alike.
        QTest::newRow("nineteen digits")
            << edited("\"6,420,000\"", "1234567890123456789")
            << QStringList{"17行目「流動資産合計」 41,598,961円が、その上の科目を足した "
                           "35,178,961円と合いません。",
                           "57行目「売上原価」 131,760,000円が、その上の科目を足した "
                           "138,180,000円と合いません。"}
            << QStringList{"14行目「商品」の期末残高「1234567890123456789」は金額として読めない"
                           "ため、取り込みに使いません。"}
            << QStringList{"Text23=15,678", "Text3=131,760"} << QStringList{"Text24", "Text8"};
        QTest::newRow("a quote never closed")
            << edited("\"180,000\",1.5", "\"180,000,1.5")
            << QStringList{"17行目「流動資産合計」 41,598,961円が、その上の科目を足した "
                           "41,418,961円と合いません。"}
            << QStringList{"15行目の引用符（\"）が閉じられていないため、この行は引用符を文字として"
                           "読みました。",
                           "15行目「前払費用」の期末残高「\"180」は金額として読めないため、取り込み"
                           "に使いません。"}
            << QStringList{"Text24=6,420", "Text25=500"} << QStringList{};
        QTest::newRow("a sub-account of no account")
            << test::crlfFile({QStringLiteral("区分,補助科目,期末残高"),
                               QStringLiteral(",東西銀行,500"), QStringLiteral("現金,,1000")})
            << QStringList{}
            << QStringList{"2行目の補助科目「東西銀行」は、どの勘定科目のものかわからないため取り込"
                           "み"
                           "ません。"}
            << QStringList{"Text21=1"} << QStringList{};
        // A heading the reader does not know ends the cost of sales where its accounts
        // show the selling costs that come next; where they show nothing, the boxes whose
        // section they decide stay empty, and the box of the same account elsewhere too.
        QTest::newRow("an unknown heading with selling costs under it")
            << test::crlfFile({QStringLiteral("勘定科目,期末残高"), QStringLiteral("【売上原価】,"),
                               QStringLiteral("仕入高,5000000"), QStringLiteral("【経費】,"),
                               QStringLiteral("役員報酬,3000000"),
                               QStringLiteral("給料手当,2000000"),
                               QStringLiteral("減価償却費,400000")})
            << QStringList{} << QStringList{}
            << QStringList{"Text5=5,000", "Text12=3,000", "Text13=2,000", "Text15=400"}
            << QStringList{"Text6", "Text9"};
        QTest::newRow("an unknown heading that shows nothing")
            << test::crlfFile({QStringLiteral("勘定科目,期末残高"), QStringLiteral("【売上原価】,"),
                               QStringLiteral("仕入高,5000000"), QStringLiteral("【その他】,"),
                               QStringLiteral("給料手当,2000000"),
                               QStringLiteral("減価償却費,400000"),
                               QStringLiteral("支払利息,1000")})
            << QStringList{}
            << QStringList{"「労務費」は、「給料手当（5行目）」が売上原価か販売費及び一般管理費か、"
                           "見出しからわからないため取り込みません。",
                           "「減価償却費（販管費）」は、「減価償却費（6行目）」が売上原価か販売費及"
                           "び"
                           "一般管理費か、見出しからわからないため取り込みません。"}
            << QStringList{"Text5=5,000", "Text18=1"}
            << QStringList{"Text6", "Text9", "Text13", "Text15"};
        // 売上総利益 closes the cost of sales whatever follows.
        QTest::newRow("a profit line closes the cost of sales")
            << test::crlfFile(
                   {QStringLiteral("勘定科目,期末残高"), QStringLiteral("売上高,9000000"),
                    QStringLiteral("【売上原価】,"), QStringLiteral("仕入高,5000000"),
                    QStringLiteral("売上総利益,4000000"), QStringLiteral("給料手当,2000000"),
                    QStringLiteral("地代家賃,600000")})
            << QStringList{} << QStringList{}
            << QStringList{"Text1=9,000", "Text11=4,000", "Text13=2,000", "Text16=600"}
            << QStringList{"Text6", "Text10"};
        // 資産 = 負債 + 純資産: a trial balance before closing shows its net assets without
        // the year's profit, which the box holds; any other gap is told.
        const auto balanceSheet = [](const char* capital) {
            return test::crlfFile(
                {QStringLiteral("勘定科目,期末残高"), QStringLiteral("【資産の部】,"),
                 QStringLiteral("現金,1000000"), QStringLiteral("資産の部合計,1000000"),
                 QStringLiteral("【負債の部】,"), QStringLiteral("買掛金,300000"),
                 QStringLiteral("負債の部合計,300000"), QStringLiteral("【純資産の部】,"),
                 QStringLiteral("資本金,%1").arg(QString::fromLatin1(capital)),
                 QStringLiteral("純資産の部合計,%1").arg(QString::fromLatin1(capital)),
                 QStringLiteral("【売上高】,"), QStringLiteral("売上高,900000"),
                 QStringLiteral("【販売費及び一般管理費】,"), QStringLiteral("給料手当,700000")});
        };
        QTest::newRow("net assets before the year's profit")
            << balanceSheet("500000") << QStringList{} << QStringList{}
            << QStringList{"Text20=1,000", "Text30=300", "Text35=700"} << QStringList{};
        QTest::newRow("a balance sheet that does not balance")
            << balanceSheet("600000")
            << QStringList{"「資産の部合計」1,000,000円が、「負債の部合計」300,"
                           "000円と「純資産の部合計」"
                           "600,000円を足した金額と合いません。"}
            << QStringList{} << QStringList{"Text20=1,000", "Text30=300", "Text35=600"}
            << QStringList{};
        // A file still being written: the row cut short fills nothing, not even zero.
        QTest::newRow("a row cut short")
            << QByteArray("勘定科目,前期繰越,借方,貸方,期末残高\r\n現金,100000,200000,50000,250000"
                          "\r\n売掛金,300000,40")
            << QStringList{}
            << QStringList{"3行目「売掛金」は、見出しの5列のうち3列しかない途中で切れた行のため、そ"
                           "の"
                           "金額は取り込みません。",
                           "最後の行（3行目）が改行で終わっていません。ファイルの書き出しが途中で止"
                           "まったおそれがあります。"}
            << QStringList{"Text21=250"} << QStringList{"Text23"};
    }
    void toldBeforeImport() {
        QFETCH(QByteArray, file);
        QFETCH(QStringList, disagreements);
        QFETCH(QStringList, notes);
        QFETCH(QStringList, filled);
        QFETCH(QStringList, left);
        test::ImportProgram program;
        RecordScreen& screen = program.handOver(screens::mainAccounts, 7);
        program.offerFile(file);
        screen.click(MainAccountsScreen::importButton);
        QCOMPARE(program.messages.shown().size(), 0);
        QCOMPARE(program.answers.confirmations.size(), 1);
        const importconfirmation::Request& asked = program.answers.confirmations.first();
        QCOMPARE(asked.disagreements, disagreements);
        for (const QString& note : notes)
            QVERIFY2(asked.notes.contains(note), qPrintable(asked.notes.join(u'\n')));
        for (const QString& pair : filled)
            QCOMPARE(screen.text(pair.section(u'=', 0, 0)), pair.section(u'=', 1));
        for (const QString& box : left)
            QCOMPARE(screen.text(box), QString());
    }

    // The user's file may leave accounts out; the dialog says which, with their figures.
    void userExclusions() {
        test::ImportProgram program;
        program.home.write(
            AccountMapping::userFile(),
            test::crlfFile({QStringLiteral("給料手当,-"), QStringLiteral("福利厚生費,対象外")}));
        RecordScreen& screen = program.handOver(screens::monthlyTable, 7);
        program.offerFile(
            test::fixture(QStringLiteral("bookimport/companies/a_monthly_april/books.csv")));
        screen.click(MonthlyTableScreen::importButton);
        const importconfirmation::Request& asked = program.answers.confirmations.value(0);
        QCOMPARE(asked.excluded, (QStringList{QStringLiteral("給料手当　15,600千円"),
                                              QStringLiteral("福利厚生費　420千円")}));
        QVERIFY(!asked.unmapped.join(QString()).contains(QStringLiteral("福利厚生費")));
        QVERIFY(asked.notes.isEmpty());
        // 人件費 of April without 給料手当: 役員報酬 1,000,000 and 雑給.
        QVERIFY(readInteger(screen.text(MonthlyTableScreen::cellBox(1, 6))) < 1300);
    }

    // A mapping file that cannot be used is named, with why; the import goes on without it.
    void unusableMappingFile_data() {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("why");
        QTest::newRow("a folder") << "folder"
                                  << "ふつうのファイルではありません";
        QTest::newRow("a pipe") << "fifo"
                                << "ふつうのファイルではありません";
        QTest::newRow("a device") << "device"
                                  << "ふつうのファイルではありません";
        QTest::newRow("too large") << "large"
                                   << "大きすぎます";
        QTest::newRow("not readable") << "unreadable"
                                      << "読み取りが許可されていません";
        QTest::newRow("binary") << "binary"
                                << "文字コードが読み取れません";
    }
    void unusableMappingFile() {
        QFETCH(QString, kind);
        QFETCH(QString, why);
        test::ImportProgram program;
        const QString host = drivec::hostPath(AccountMapping::userFile());
        program.home.write(AccountMapping::userFile(), "x");
        QFile::remove(host);
        if (kind == QStringLiteral("folder")) {
            QVERIFY(QDir().mkpath(host));
        } else if (kind == QStringLiteral("large")) {
            program.home.write(AccountMapping::userFile(), QByteArray(300 * 1024, '#'));
        } else if (kind == QStringLiteral("binary")) {
            program.home.write(AccountMapping::userFile(), QByteArray("\x89PNG\0\0", 6));
        } else {
#ifdef Q_OS_UNIX
            if (kind == QStringLiteral("fifo")) {
                QCOMPARE(::mkfifo(QFile::encodeName(host).constData(), 0600), 0);
            } else if (kind == QStringLiteral("device")) {
                QVERIFY(QFile::link(QStringLiteral("/dev/null"), host));
            } else {
                if (::geteuid() == 0)
                    QSKIP("the superuser reads every file");
                program.home.write(AccountMapping::userFile(), "雑費,交際費");
                QFile::setPermissions(host, QFileDevice::WriteOwner);
            }
#else
            QSKIP("pipes, devices and files without read permission are POSIX cases");
#endif
        }
        RecordScreen& screen = program.handOver(screens::mainAccounts, 7);
        program.offerFile(test::fixture(QStringLiteral("bookimport/trialbalance_cp932.csv")));
        screen.click(MainAccountsScreen::importButton);
        QCOMPARE(program.answers.confirmations.size(), 1);
        const QStringList notes = program.answers.confirmations.first().notes;
        QCOMPARE(notes.size(), 1);
        QVERIFY2(notes.first().startsWith(AccountMapping::userFile() +
                                          QStringLiteral("は使いませんでした。")),
                 qPrintable(notes.first()));
        QVERIFY2(notes.first().contains(why), qPrintable(notes.first()));
        QCOMPARE(screen.text(QStringLiteral("Text1")), QStringLiteral("98,765"));
    }

    // A long read shows its progress, and stopping it changes nothing.
    void progressAndStop_data() {
        QTest::addColumn<bool>("stop");
        QTest::newRow("read to the end") << false;
        QTest::newRow("stopped") << true;
    }
    void progressAndStop() {
        QFETCH(bool, stop);
        test::ImportProgram program;
        QList<qint64> seen;
        QStringList labels;
        struct Recorder : progress::Indicator {
            QList<qint64>* seen;
            bool stop;
            bool update(qint64 done, qint64 total) override {
                seen->append(done * 1000 / std::max<qint64>(total, 1));
                return !stop;
            }
        };
        const progress::Handler previous = progress::install([&](const progress::Request& request) {
            labels.append(request.title + QLatin1Char(':') + request.label);
            auto recorder = std::make_unique<Recorder>();
            recorder->seen = &seen;
            recorder->stop = stop;
            return std::unique_ptr<progress::Indicator>(std::move(recorder));
        });
        RecordScreen& screen = program.handOver(screens::mainAccounts, 7);
        // A trial balance of some 600 KB: long enough to be reported on.
        QByteArray big = test::fixture(QStringLiteral("bookimport/trialbalance_cp932.csv"));
        for (int i = 0; i < 12000; ++i)
            big += *cp932::encode(QStringLiteral("仮払金,,,,\"1,000\",0.1\r\n"));
        program.offerFile(big);
        screen.click(MainAccountsScreen::importButton);
        progress::install(previous);
        QCOMPARE(labels,
                 QStringList{QStringLiteral("試算表から取込:「books.csv」を読んでいます。")});
        QVERIFY(!seen.isEmpty());
        QVERIFY(std::is_sorted(seen.cbegin(), seen.cend()));
        QVERIFY(program.messages.shown().isEmpty());
        QCOMPARE(program.answers.confirmations.size(), stop ? 0 : 1);
        QCOMPARE(screen.text(QStringLiteral("Text1")), stop ? QString() : QStringLiteral("98,765"));
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
