// How an entry fits its box: as designed when it fits; narrower on its line; on two lines
// where the box is tall enough and that prints larger characters; smaller at the same
// baseline; and at the floor (50% of the width, 5 pt), cut at the box's edge with what
// is lost. Then the page printer: the same rule on both sheets, moved by the offsets.
#include "printing/entryfit.h"
#include "fakeprintdata.h"
#include "printing/pageprinter.h"
#include "printing/recordingsurface.h"
#include "printing/textmetrics.h"
#include "screen/fonts.h"

#include <QGuiApplication>
#include <QRegularExpression>
#include <QTest>

using namespace gaikyo;
using entryfit::Shape;

namespace {

QString kanji(int count) {
    return QString(count, QChar(0x6F22)); // 漢
}

double width(const QString& text, double points = 11) {
    return entryfit::textWidth(text, points);
}

double ascent(double points) {
    return entryfit::ascent(points);
}

// A box whose left (or, for an amount, right) end is the print position.
QRectF boxFrom(QPointF at, Shape shape, double boxWidth, double height) {
    const double left = shape == Shape::Amount ? at.x() - boxWidth : at.x();
    return {left, at.y() - 0.3, boxWidth, height};
}

// A recorded text: position, text, and the size and width when drawn so.
struct Recorded {
    double x, y;
    QString text;
    double points = 11, percent = 100;
    QRectF clip;
};

QList<Recorded> textsOf(const QStringList& operations) {
    static const QRegularExpression text(
        QStringLiteral("^text (\\S+) (\\S+) \"(.*)\"(?: (\\S+)pt (\\S+)%)?(?: clip (\\S+) (\\S+) "
                       "(\\S+) (\\S+))?$"));
    QList<Recorded> all;
    for (const QString& op : operations) {
        const QRegularExpressionMatch m = text.match(op);
        if (!m.hasMatch())
            continue;
        Recorded r{m.captured(1).toDouble(), m.captured(2).toDouble(), m.captured(3), 11, 100, {}};
        if (m.hasCaptured(4)) {
            r.points = m.captured(4).toDouble();
            r.percent = m.captured(5).toDouble();
        }
        if (m.hasCaptured(6))
            r.clip = QRectF(QPointF(m.captured(6).toDouble(), m.captured(7).toDouble()),
                            QPointF(m.captured(8).toDouble(), m.captured(9).toDouble()));
        all.append(r);
    }
    return all;
}

QList<Recorded> printPage(const test::FakeData& data, PagePrinter::Sheet sheet, bool front,
                          PrintOffsets offsets = {}) {
    RecordingSurface surface;
    PagePrinter printer(surface, data, sheet, offsets);
    QImage picture(2481, 3507, QImage::Format_Mono);
    picture.fill(1);
    const bool ok = front ? printer.printFront(picture) : printer.printBack(picture);
    if (!ok)
        qWarning("print failed");
    return textsOf(surface.operations());
}

} // namespace

class EntryFitTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { fonts::installSubstitutes(); }

    // Text, box (width from the print position, height), shape → lines, size, width.
    void fits_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("boxWidth");
        QTest::addColumn<double>("boxHeight");
        QTest::addColumn<int>("shape");
        QTest::addColumn<int>("lines");
        QTest::addColumn<double>("points"); // 0: smaller than designed, at 50%
        QTest::addColumn<double>("scale");  // 0: as wide as the box allows
        QTest::addColumn<int>("lost");
        const double ten = width(kanji(10));
        const int asText = int(Shape::Text), asNumber = int(Shape::Number),
                  asAmount = int(Shape::Amount);
        QTest::newRow("fits") << kanji(5) << 30.0 << 6.0 << asText << 1 << 11.0 << 1.0 << 0;
        // Laid out in whole device pixels a text may come out a little wider than its
        // design: one that only just fits is drawn by its design, at its full width.
        QTest::newRow("fills the box exactly")
            << kanji(5) << width(kanji(5)) << 6.0 << asText << 1 << 11.0 << 1.0 << 0;
        QTest::newRow("fits with room for the device")
            << kanji(5) << width(kanji(5)) * 1.005 << 6.0 << asText << 1 << 11.0 << 1.0 << 0;
        QTest::newRow("a little too wide: narrower")
            << kanji(10) << 30.0 << 6.0 << asText << 1 << 11.0 << 0.0 << 0;
        QTest::newRow("at 61% still one line")
            << kanji(10) << ten * 0.61 << 9.0 << asText << 1 << 11.0 << 0.0 << 0;
        QTest::newRow("below 60% in a tall box: two lines")
            << kanji(10) << 15.0 << 9.0 << asText << 2 << 11.0 << 0.0 << 0;
        QTest::newRow("below 60% in a box too low for two lines: down to 50%")
            << kanji(10) << ten * 0.55 << 3.5 << asText << 1 << 11.0 << 0.0 << 0;
        QTest::newRow("below 50% in a low box: smaller on the same baseline")
            << kanji(10) << 15.0 << 3.5 << asText << 1 << 0.0 << 0.5 << 0;
        QTest::newRow("two small lines print larger than one narrow line")
            << kanji(10) << 15.0 << 5.0 << asText << 2 << 0.0 << 1.0 << 0;
        QTest::newRow("beyond the floor in a low box: cut")
            << kanji(40) << 10.0 << 3.5 << asText << 1 << 5.0 << 0.5 << 29;
        QTest::newRow("beyond the floor with room for two lines: both full, then cut")
            << kanji(40) << 10.0 << 4.0 << asText << 2 << 5.0 << 0.5 << 18;
        QTest::newRow("an amount ends at its place, narrower")
            << QStringLiteral("8,888,888") << 12.0 << 9.0 << asAmount << 1 << 11.0 << 0.0 << 0;
        QTest::newRow("an amount never wraps")
            << QStringLiteral("-2,147,483,648") << 12.0 << 9.0 << asAmount << 1 << 0.0 << 0.5 << 0;
        QTest::newRow("a number never wraps")
            << QStringLiteral(" -2147483648") << 8.0 << 9.0 << asNumber << 1 << 0.0 << 0.5 << 0;
        // A text field that holds a number (現金売上, 兼業割合) is a number on the paper:
        // two lines of digits would read as two numbers.
        QTest::newRow("a number typed into a text stays on its line")
            << QStringLiteral("2147483647") << 8.0 << 9.0 << asText << 1 << 0.0 << 0.5 << 0;
        QTest::newRow("full-width digits with a per cent sign stay on their line")
            << QStringLiteral("１２３４５６７８９０％") << 12.0 << 9.0 << asText << 1 << 0.0 << 0.5
            << 0;
        QTest::newRow("a number beyond the floor is cut on its line")
            << QStringLiteral("1234567890").repeated(4) << 10.0 << 9.0 << asText << 1 << 5.0 << 0.5
            << 18;
        QTest::newRow("digits among words may wrap")
            << QStringLiteral("工場1234567890") << 15.0 << 9.0 << asText << 2 << 11.0 << 1.0 << 0;
    }
    void fits() {
        QFETCH(QString, text);
        QFETCH(double, boxWidth);
        QFETCH(double, boxHeight);
        QFETCH(int, shape);
        QFETCH(int, lines);
        QFETCH(double, points);
        QFETCH(double, scale);
        QFETCH(int, lost);
        const bool right = Shape(shape) == Shape::Amount;
        const QPointF at(50, 100);
        const QRectF box = boxFrom(at, Shape(shape), boxWidth, boxHeight);
        const entryfit::Fit fit = entryfit::fit(text, at, Shape(shape), box);

        QCOMPARE(fit.lines.size(), lines);
        QCOMPARE(fit.lost.size(), lost);
        QCOMPARE(fit.lostAtStart, false);
        if (points > 0)
            QCOMPARE(fit.points, points);
        else
            QVERIFY2(fit.points < 11 && fit.points >= 5, qPrintable(QString::number(fit.points)));
        if (scale > 0)
            QCOMPARE(fit.scale, scale);
        else
            QVERIFY2(fit.scale < 1 && fit.scale >= 0.5, qPrintable(QString::number(fit.scale)));
        QCOMPARE(fit.asDesigned(),
                 QByteArray(QTest::currentDataTag()) == "fits" ||
                     QByteArray(QTest::currentDataTag()) == "fits with room for the device");
        // The lines together hold the text, less what is lost; each lies in the box.
        QString joined;
        for (const entryfit::Line& line : fit.lines) {
            joined += line.text;
            const double drawn = width(line.text, fit.points) * fit.scale;
            if (fit.cut())
                continue; // cut at the edge
            QVERIFY2(line.at.x() >= box.left() - 1e-9 && line.at.x() + drawn <= box.right() + 1e-9,
                     qPrintable(QStringLiteral("%1–%2 outside %3–%4")
                                    .arg(line.at.x())
                                    .arg(line.at.x() + drawn)
                                    .arg(box.left())
                                    .arg(box.right())));
            if (right)
                QCOMPARE(line.at.x() + drawn, at.x()); // ends at its place
            else
                QCOMPARE(line.at.x(), at.x()); // starts at its place
        }
        QCOMPARE(joined, text);
        if (lines == 1) {
            // One line keeps its baseline.
            QVERIFY(qAbs(fit.lines[0].at.y() + ascent(fit.points) - (at.y() + ascent(11))) < 1e-9);
        } else {
            const double lineHeight = entryfit::lineHeight(fit.points);
            QVERIFY(fit.lines[0].at.y() >= box.top() - 1e-9);
            QVERIFY(fit.lines[1].at.y() + lineHeight <= box.bottom() + 1e-9);
        }
    }

    // Two lines break where they are most even, but never before a closing mark.
    void breaksBetweenLines() {
        const QString text = QStringLiteral("あいうえお。かきくけこ");
        const QPointF at(50, 100);
        const entryfit::Fit fit = entryfit::fit(text, at, Shape::Text,
                                                boxFrom(at, Shape::Text, width(kanji(6)) * 0.8, 9));
        QCOMPARE(fit.lines.size(), 2);
        QCOMPARE(fit.lines[0].text, QStringLiteral("あいうえお。"));
        QCOMPARE(fit.lines[1].text, QStringLiteral("かきくけこ"));
    }

    // An amount cut at the floor loses its first characters.
    void amountCutAtTheStart() {
        const QPointF at(50, 100);
        const QString text = QStringLiteral("-2,147,483,648");
        const entryfit::Fit fit =
            entryfit::fit(text, at, Shape::Amount, boxFrom(at, Shape::Amount, 3, 9));
        QVERIFY(fit.cut());
        QVERIFY(fit.lostAtStart);
        QVERIFY(text.startsWith(fit.lost));
        QCOMPARE(fit.lines.size(), 1);
        QCOMPARE(fit.lines[0].at.x() + width(text, 5) * 0.5, at.x());
    }

    void noBoxLeavesTheTextAsDesigned() {
        const QPointF at(50, 100);
        QVERIFY(entryfit::fit(kanji(40), at, Shape::Text, QRectF()).asDesigned());
    }

    // The page printer: 機種名 of sixteen characters prints on two lines in its box on
    // both sheets alike, moved on the official sheet by the offsets; 法人名 that fits
    // prints as before.
    void printerFitsOnBothSheets_data() {
        QTest::addColumn<int>("sheet");
        QTest::addColumn<int>("right");
        QTest::addColumn<int>("down");
        QTest::addColumn<QPointF>("at"); // where the entry prints, before offsets
        QTest::newRow("A4") << int(PagePrinter::Sheet::A4) << 5 << 5 << QPointF(93, 115);
        QTest::newRow("official") << int(PagePrinter::Sheet::Official) << 0 << 0
                                  << QPointF(89, 114);
        QTest::newRow("official, offsets 3 and -2")
            << int(PagePrinter::Sheet::Official) << 3 << -2 << QPointF(89, 114);
    }
    void printerFitsOnBothSheets() {
        QFETCH(int, sheet);
        QFETCH(int, right);
        QFETCH(int, down);
        QFETCH(QPointF, at);
        const bool official = PagePrinter::Sheet(sheet) == PagePrinter::Sheet::Official;
        test::FakeData data;
        data.namedTexts = false;
        data.record.name = QStringLiteral("株式会社見本");
        data.texts[{24, 17}] = kanji(16);
        const QList<Recorded> texts =
            printPage(data, PagePrinter::Sheet(sheet), true, PrintOffsets{right, down});
        const double dx = official ? right : 0, dy = official ? down : 0;

        QList<Recorded> model;
        for (const Recorded& r : texts)
            if (r.text.startsWith(QChar(0x6F22)))
                model.append(r);
        QCOMPARE(model.size(), 2);
        QCOMPARE(model[0].x, at.x() + dx);
        QCOMPARE(model[1].x, at.x() + dx);
        QVERIFY(model[0].points < 11);
        QCOMPARE(model[0].points, model[1].points);
        QCOMPARE(model[0].text + model[1].text, kanji(16));
        QVERIFY(model[0].clip.isEmpty());
        // The pair stands inside the row of 機種名, one line under the other.
        const QRectF box = entryfit::boxOf(
            [] {
                for (const LayoutItem& item : pagelayouts::frontSecondHalf())
                    if (item.section == 24 && item.field == 17)
                        return item;
                return LayoutItem{};
            }(),
            formpictures::Page::Front, official);
        QVERIFY(model[0].y >= box.top() + dy - 0.01);
        QVERIFY(model[1].y > model[0].y);
        QVERIFY(model[1].y < box.bottom() + dy);

        // What fits prints as it always has: plain, at its place.
        const QPointF name = official ? QPointF(24, 30) : QPointF(26, 34);
        QVERIFY(std::any_of(texts.begin(), texts.end(), [&](const Recorded& r) {
            return r.text == QStringLiteral("株式会社見本") && r.points == 11 && r.percent == 100 &&
                   r.x == name.x() + dx && r.y == name.y() + dy;
        }));
    }

    // Cut at the floor, the text is clipped at its box, which moves with the offsets.
    void clipMovesWithTheOffsets() {
        test::FakeData data;
        data.namedTexts = false;
        data.texts[{50, 30}] = kanji(30); // 営業時間: after 開店, a few millimetres wide
        const QList<Recorded> plain = printPage(data, PagePrinter::Sheet::Official, false);
        const QList<Recorded> moved =
            printPage(data, PagePrinter::Sheet::Official, false, PrintOffsets{3, -2});
        QCOMPARE(plain.size(), 2);
        QCOMPARE(moved.size(), 2);
        for (int line = 0; line < 2; ++line) {
            QCOMPARE(plain[line].points, 5.0);
            QCOMPARE(plain[line].percent, 50.0);
            QVERIFY(!plain[line].clip.isEmpty());
            QCOMPARE(moved[line].clip, plain[line].clip.translated(3, -2));
            QCOMPARE(moved[line].x, plain[line].x + 3);
            QCOMPARE(moved[line].y, plain[line].y - 2);
        }
    }
};

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    EntryFitTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "entryfittest.moc"
