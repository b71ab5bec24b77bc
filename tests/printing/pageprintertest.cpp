#include "printing/pageprinter.h"
#include "datafile/numbers.h"
#include "fakeprintdata.h"
#include "printing/recordingsurface.h"

#include <QMap>
#include <QRegularExpression>
#include <QTest>

using namespace gaikyo;
using test::FakeData;

namespace {

QImage picture() {
    QImage image(2481, 3507, QImage::Format_Mono);
    image.fill(0);
    return image;
}

QStringList textsOf(const QStringList& operations) {
    return operations.filter(QRegularExpression(QStringLiteral("^text ")));
}

// "text 24 30 \"x\"" → (24, 30, x); a text drawn narrower or smaller ("text 24 30 \"x\"
// 11pt 80%") gives its text too.
std::tuple<double, double, QString> parse(const QString& operation) {
    static const QRegularExpression text(
        QStringLiteral("^text (\\S+) (\\S+) \"(.*)\"( .*pt .*)?$"));
    const QRegularExpressionMatch m = text.match(operation);
    return {m.captured(1).toDouble(), m.captured(2).toDouble(), m.captured(3)};
}

// The share of its width a recorded text is drawn at.
double scaleOf(const QString& operation) {
    static const QRegularExpression scaled(QStringLiteral(" (\\S+)%( clip .*)?$"));
    const QRegularExpressionMatch m = scaled.match(operation);
    return m.hasMatch() ? m.captured(1).toDouble() / 100 : 1;
}

QStringList print(const FakeData& data, PagePrinter::Sheet sheet, bool front,
                  PrintOffsets offsets = {}) {
    RecordingSurface surface;
    PagePrinter printer(surface, data, sheet, offsets);
    printer.setReferenceNumber(12345);
    printer.setMonths({4, 5, 6, 7, 8, 9, 10, 11, 12, 1, 2, 3});
    const bool ok = front ? printer.printFront(picture()) : printer.printBack(picture());
    if (!ok)
        qWarning("print failed");
    return surface.operations();
}

bool printsAt(const QStringList& ops, double x, double y, const QString& text) {
    for (const QString& op : textsOf(ops)) {
        const auto [ox, oy, otext] = parse(op);
        if (qAbs(ox - x) < 0.001 && qAbs(oy - y) < 0.001 && otext == text)
            return true;
    }
    return false;
}

} // namespace

class PagePrinterTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void frontPageStructure_data() {
        QTest::addColumn<int>("sheet");
        QTest::addColumn<QStringList>("start");
        QTest::newRow("official") << int(PagePrinter::Sheet::Official)
                                  << QStringList{"unit mm", "font MS 明朝 11"};
        QTest::newRow("A4") << int(PagePrinter::Sheet::A4)
                            << QStringList{"unit mm", "picture 2481x3507 0 0 210 291", "unit mm",
                                           "font MS 明朝 11"};
    }
    void frontPageStructure() {
        QFETCH(int, sheet);
        QFETCH(QStringList, start);
        FakeData data;
        const QStringList ops = print(data, PagePrinter::Sheet(sheet), true);
        QCOMPARE(ops.mid(0, start.size()), start);
        QCOMPARE(ops.last(), QStringLiteral("end"));
        // The second half starts with the unit and the font again.
        QCOMPARE(ops.count(QStringLiteral("font MS 明朝 11")), 2);
        QCOMPARE(ops.count(QStringLiteral("end")), 1);
    }

    void backPageStructure() {
        FakeData data;
        const QStringList a4 = print(data, PagePrinter::Sheet::A4, false);
        QCOMPARE(a4.mid(0, 4), QStringList({"unit mm", "picture 2481x3507 0 0 209 292", "unit mm",
                                            "font MS 明朝 11"}));
        QCOMPARE(a4.last(), QStringLiteral("end"));
    }

    void frontPageItems() {
        FakeData data;
        data.record.name = QStringLiteral("株式会社見本");
        data.record.startYear = 15;
        data.record.startMonth = 4;
        data.integers[{22, 21}] = 12; // 総支店数
        data.integers[{30, 5}] = -3500;
        data.integers[{30, 43}] = 0;
        data.integers[{24, 29}] = 1234;
        const QStringList ops = print(data, PagePrinter::Sheet::Official, true);
        QVERIFY(printsAt(ops, 24, 30, QStringLiteral("株式会社見本")));
        // 整理番号 12345 in the five rightmost of eight boxes.
        QVERIFY(printsAt(ops, 190, 19, "5"));
        QVERIFY(printsAt(ops, 169, 19, "1"));
        QVERIFY(!printsAt(ops, 165, 19, "0"));
        // 平成15: 5 in the right box, 1 in the left; month 4 in the right box only.
        QVERIFY(printsAt(ops, 126, 26, "5"));
        QVERIFY(printsAt(ops, 121, 26, "1"));
        QVERIFY(printsAt(ops, 141, 26, "4"));
        // Digit split: 12 in three boxes.
        QVERIFY(printsAt(ops, 92, 50, " 0"));
        QVERIFY(printsAt(ops, 98, 50, " 1"));
        QVERIFY(printsAt(ops, 103, 50, " 2"));
        // A negative amount in nine boxes: 0, 0, 5, 3, -.
        const float y5 = 177;
        QVERIFY(printsAt(ops, 102, y5, "0"));
        QVERIFY(printsAt(ops, 96, y5, "0"));
        QVERIFY(printsAt(ops, 91, y5, "5"));
        QVERIFY(printsAt(ops, 86, y5, "3"));
        QVERIFY(printsAt(ops, 81, y5, "-"));
        // An amount of 0 prints 0 in the rightmost box.
        QVERIFY(printsAt(ops, 102, 152, "0"));
        QVERIFY(printsAt(ops, 117, 114, QStringLiteral("1,234")));
        // Every text field of the front page prints where its row says.
        QVERIFY(printsAt(ops, 67, 57, QStringLiteral("22.16")));
        QVERIFY(printsAt(ops, 23, 79, QStringLiteral("21.5")));
        QVERIFY(printsAt(ops, 188, 145.5, QStringLiteral("26.2")));
        // 出資割合 is a number at 97, 81.
        QVERIFY(printsAt(ops, 97, 81, " 0"));
    }

    // The year boxes of 事業年度 hold the year in the era of each date, on both sheets.
    void yearBoxesInTheEraOfTheDate_data() {
        QTest::addColumn<int>("sheet");
        QTest::addColumn<QList<int>>("stored"); // start year, month, end year, month
        QTest::addColumn<QStringList>("boxes"); // start tens, units, end tens, units
        for (const int sheet : {int(PagePrinter::Sheet::Official), int(PagePrinter::Sheet::A4)}) {
            const QByteArray name = sheet ? "A4 " : "official ";
            QTest::newRow(name + "令和7–令和8")
                << sheet << QList<int>{37, 4, 38, 3} << QStringList{{}, u"7"_qs, {}, u"8"_qs};
            QTest::newRow(name + "平成31–令和2")
                << sheet << QList<int>{31, 4, 32, 3} << QStringList{u"3"_qs, u"1"_qs, {}, u"2"_qs};
            QTest::newRow(name + "令和元–令和2")
                << sheet << QList<int>{31, 5, 32, 4} << QStringList{{}, u"1"_qs, {}, u"2"_qs};
            QTest::newRow(name + "平成15–平成16")
                << sheet << QList<int>{15, 4, 16, 3}
                << QStringList{u"1"_qs, u"5"_qs, u"1"_qs, u"6"_qs};
        }
    }
    void yearBoxesInTheEraOfTheDate() {
        QFETCH(int, sheet);
        QFETCH(QList<int>, stored);
        QFETCH(QStringList, boxes);
        FakeData data;
        data.record.startYear = stored[0];
        data.record.startMonth = stored[1];
        data.record.endYear = stored[2];
        data.record.endMonth = stored[3];
        const bool a4 = sheet == int(PagePrinter::Sheet::A4);
        const QStringList ops = print(data, PagePrinter::Sheet(sheet), true);
        // Tens and units boxes of 自 and 至.
        const double tens = a4 ? 125 : 121, units = a4 ? 130 : 126;
        const double ys[] = {a4 ? 28.0 : 26.0, a4 ? 34.0 : 32.0};
        for (int date = 0; date < 2; ++date) {
            QStringList printed;
            for (const double x : {tens, units}) {
                QString found;
                for (const QString& op : textsOf(ops)) {
                    const auto [ox, oy, text] = parse(op);
                    if (qAbs(ox - x) < 0.001 && qAbs(oy - ys[date]) < 0.001)
                        found = text;
                }
                printed.append(found);
            }
            QCOMPARE(printed, boxes.mid(date * 2, 2));
        }
    }

    // Items 8 and 9 are kept as numbers: 0 leaves the box blank, 1 prints ○, anything
    // else prints as a number, on both sheets.
    void ticks_data() {
        QTest::addColumn<int>("sheet");
        QTest::addColumn<int>("value");
        QTest::addColumn<QString>("printed");
        for (const auto& [sheet, name] : {std::pair{PagePrinter::Sheet::Official, "official"},
                                          std::pair{PagePrinter::Sheet::A4, "A4"}}) {
            QTest::addRow("%s 0", name) << int(sheet) << 0 << QString();
            // A ticked box, saved as 1, prints the mark the form asks for; another number a
            // file was given by hand prints as it stands.
            QTest::addRow("%s 1", name) << int(sheet) << 1 << QStringLiteral("○");
            QTest::addRow("%s 2", name) << int(sheet) << 2 << QStringLiteral(" 2");
        }
    }
    void ticks() {
        QFETCH(int, sheet);
        QFETCH(int, value);
        QFETCH(QString, printed);
        const bool official = PagePrinter::Sheet(sheet) == PagePrinter::Sheet::Official;
        // 有 and 無 of インターネットバンキング, ファームバンキング and 役員の異動.
        const struct {
            int field;
            QPointF official;
            QPointF a4;
        } boxes[] = {{43, {134, 260}, {135, 258}}, {44, {144, 260}, {145, 258}},
                     {45, {177, 260}, {178, 258}}, {46, {187, 260}, {188, 258}},
                     {47, {177, 266}, {178, 264}}, {48, {187, 266}, {188, 264}}};
        FakeData data;
        for (const auto& box : boxes)
            data.integers[{30, box.field}] = value;
        const QStringList ops = print(data, PagePrinter::Sheet(sheet), true);
        for (const auto& box : boxes) {
            const QPointF at = official ? box.official : box.a4;
            const QStringList there = textsOf(ops).filter(
                QRegularExpression(QStringLiteral("^text %1 %2 ").arg(at.x()).arg(at.y())));
            QCOMPARE(there, printed.isEmpty() ? QStringList()
                                              : QStringList{QStringLiteral("text %1 %2 \"%3\"")
                                                                .arg(at.x())
                                                                .arg(at.y())
                                                                .arg(printed)});
        }
    }

    // Amounts of item 17 end at their column's X with all their commas, so a long
    // amount never runs into the next column.
    void amountsEndAtTheColumn_data() {
        QTest::addColumn<int>("sheet");
        QTest::addColumn<int>("column");
        QTest::newRow("official 売上") << int(PagePrinter::Sheet::Official) << 1;
        QTest::newRow("official 源泉徴収税額") << int(PagePrinter::Sheet::Official) << 7;
        QTest::newRow("A4 源泉徴収税額") << int(PagePrinter::Sheet::A4) << 7;
    }
    void amountsEndAtTheColumn() {
        QFETCH(int, sheet);
        QFETCH(int, column);
        const bool official = PagePrinter::Sheet(sheet) == PagePrinter::Sheet::Official;
        const double rightX = official ? QList<double>{40, 60, 81, 101, 122, 142, 163}[column - 1]
                                       : QList<double>{42, 62, 83, 103, 124, 144, 163}[column - 1];
        const QList<double> rowY = official ? QList<double>{175, 181, 188, 194, 200}
                                            : QList<double>{173, 179, 186, 192, 198};
        const QList<qint32> amounts = {999, 1000, 1000000, 1010001, -5000};
        FakeData data;
        // The neighbouring columns hold six-digit amounts, as wide as their column allows;
        // a million in the first column is drawn narrower to stay in it.
        for (int row = 1; row <= amounts.size(); ++row)
            for (int c = column - 1; c <= column + 1; ++c)
                if (c >= 1)
                    data.integers[{60, 10 + (c - 1) * 14 + row - 1}] =
                        c == column ? amounts.at(row - 1) : 100000;
        const QStringList ops = print(data, PagePrinter::Sheet(sheet), false);

        RecordingSurface measure;
        measure.setFont(QStringLiteral("MS 明朝"), 11);
        QList<double> rightEdges;
        for (int row = 1; row <= amounts.size(); ++row) {
            // The amounts of the row from left to right, as (left, right) edges.
            QList<std::pair<double, double>> spans;
            double target = -1;
            for (const QString& op : textsOf(ops)) {
                const auto [x, y, text] = parse(op);
                if (y != rowY.at(row - 1) || text.startsWith(u' '))
                    continue; // the month number
                spans.append({x, x + measure.textWidth(text) * scaleOf(op)});
                if (text == groupedDisplay(amounts.at(row - 1)))
                    target = spans.last().second;
            }
            QCOMPARE(spans.size(), column == 1 ? 2 : 3);
            QVERIFY2(qAbs(target - rightX) < 0.1, qPrintable(QString::number(target)));
            rightEdges.append(target);
            std::sort(spans.begin(), spans.end());
            for (qsizetype i = 1; i < spans.size(); ++i)
                QVERIFY2(
                    spans.at(i - 1).second < spans.at(i).first,
                    qPrintable(
                        QStringLiteral("row %1: overprint at %2").arg(row).arg(spans.at(i).first)));
        }
        const auto [lowest, highest] = std::minmax_element(rightEdges.begin(), rightEdges.end());
        QVERIFY(*highest - *lowest < 0.2);
    }

    // Offsets move every item of the official sheet; A4 copy paper ignores them.
    void offsets_data() {
        QTest::addColumn<bool>("front");
        QTest::addColumn<int>("sheet");
        QTest::addColumn<double>("dx");
        QTest::addColumn<double>("dy");
        QTest::newRow("front official") << true << int(PagePrinter::Sheet::Official) << 3.0 << -2.0;
        QTest::newRow("back official") << false << int(PagePrinter::Sheet::Official) << 3.0 << -2.0;
        QTest::newRow("front A4") << true << int(PagePrinter::Sheet::A4) << 0.0 << 0.0;
        QTest::newRow("back A4") << false << int(PagePrinter::Sheet::A4) << 0.0 << 0.0;
    }
    void offsets() {
        QFETCH(bool, front);
        QFETCH(int, sheet);
        QFETCH(double, dx);
        QFETCH(double, dy);
        FakeData data;
        data.integers[{60, 10}] = 1234;
        const QStringList plain = textsOf(print(data, PagePrinter::Sheet(sheet), front));
        const QStringList moved = textsOf(print(data, PagePrinter::Sheet(sheet), front, {3, -2}));
        QCOMPARE(moved.size(), plain.size());
        QVERIFY(plain.size() > 50);
        for (qsizetype i = 0; i < plain.size(); ++i) {
            const auto [x, y, text] = parse(plain.at(i));
            const auto [mx, my, mtext] = parse(moved.at(i));
            QCOMPARE(mtext, text);
            QVERIFY2(qAbs(mx - x - dx) < 0.011 && qAbs(my - y - dy) < 0.011,
                     qPrintable(moved.at(i)));
        }
    }

    void backPageItems() {
        FakeData data;
        data.integers[{60, 10}] = 1234;  // row 1, column 1
        data.integers[{60, 11}] = -5000; // row 2, column 1
        data.integers[{60, 12}] = 0;     // row 3, column 1
        const QStringList ops = print(data, PagePrinter::Sheet::Official, false);
        RecordingSurface measure;
        measure.setFont(QStringLiteral("MS 明朝"), 11);
        // Right-aligned on X by the printed text, commas included.
        const double width = measure.textWidth(QStringLiteral("1,234"));
        QVERIFY(printsAt(ops, std::round((40 - width) * 100) / 100, 175, QStringLiteral("1,234")));
        const double negative = measure.textWidth(QStringLiteral("-5,000"));
        QVERIFY(
            printsAt(ops, std::round((40 - negative) * 100) / 100, 181, QStringLiteral("-5,000")));
        // Zero amounts (all of row 3, Y 188) print nothing: only the month stands there.
        QCOMPARE(textsOf(ops).filter(QRegularExpression(QStringLiteral("^text [\\d.]+ 188 "))),
                 QStringList{QStringLiteral("text 14 188 \" 6\"")});
        // Month numbers with a leading blank, from the month order: 4 on row 1, 3 on row 12.
        QVERIFY(printsAt(ops, 14, 175, " 4"));
        QVERIFY(printsAt(ops, 14, 244, " 3"));
        // Facility lines 11 and 12 and the hidden field 5 of file 60 print nowhere.
        const QString all = ops.join(u'\n');
        QVERIFY(all.contains(QStringLiteral("\"40.23\"")));
        QVERIFY(!all.contains(QStringLiteral("\"40.24\"")));
        QVERIFY(!all.contains(QStringLiteral("\"40.25\"")));
        QVERIFY(!all.contains(QStringLiteral("\"60.5\"")));
        QVERIFY(all.contains(QStringLiteral("\"60.6\"")));
    }

    void missingValuesStayBlank() {
        FakeData data;
        data.namedTexts = false;
        RecordingSurface surface;
        PagePrinter printer(surface, data, PagePrinter::Sheet::Official);
        printer.setMonths({});
        QVERIFY(printer.printFront(QImage()));
        // Without a 整理番号 its boxes print nothing.
        QVERIFY(!printsAt(surface.operations(), 190, 19, "0"));
        RecordingSurface back;
        PagePrinter backPrinter(back, data, PagePrinter::Sheet::Official);
        QVERIFY(backPrinter.printBack(QImage()));
        QVERIFY(!printsAt(back.operations(), 14, 175, " 0"));
    }

    // A print that fails part-way is thrown away: nothing is ended, nothing sent.
    void failures_data() {
        QTest::addColumn<int>("failAfter");
        QTest::addColumn<qint32>("offset");
        QTest::newRow("surface fails at the start") << 0 << 0;
        QTest::newRow("surface fails mid-page") << 40 << 0;
        QTest::newRow("absurd offset") << -1 << std::numeric_limits<qint32>::max();
    }
    void failures() {
        QFETCH(int, failAfter);
        QFETCH(qint32, offset);
        FakeData data;
        for (bool front : {true, false}) {
            RecordingSurface surface;
            surface.failAfter(failAfter);
            PagePrinter printer(surface, data, PagePrinter::Sheet::Official, {offset, 0});
            QVERIFY(!(front ? printer.printFront(picture()) : printer.printBack(picture())));
            QCOMPARE(surface.operations().last(), QStringLiteral("abandon"));
            QVERIFY(!surface.operations().contains(QStringLiteral("end")));
        }
    }
};

QTEST_MAIN(PagePrinterTest)
#include "pageprintertest.moc"
