// The two page pictures under the A4 prints: every printed entry must land on clean paper
// inside its own box or on its own line, with the picture stretched as the prints stretch it.
#include "form/formpictures.h"
#include "printing/pagelayout.h"

#include <QGuiApplication>
#include <QSet>
#include <QTest>

#include <cmath>

using namespace gaikyo;
using Kind = LayoutItem::Kind;

namespace {

enum class Side { Front, Back };

// Where a value comes from, as the A4 items of the page layouts give it.
namespace source {
constexpr int master = 0;
constexpr int numberBox = 1;
constexpr int monthOrder = 2;
} // namespace source

struct A4Item {
    int source; // one of the above, or a section record file's number
    int field;
    Kind kind;
    QList<float> xs;
    float y;
};

// Every entry of the A4 print of one side, from the print's own layout tables.
const QList<A4Item>& a4Items(Side side) {
    const auto collect = [](const QList<const LayoutPart*>& parts) {
        QList<A4Item> items;
        for (const LayoutPart* part : parts)
            for (const LayoutItem& item : *part) {
                int from = item.section;
                if (item.source == LayoutItem::Source::Header)
                    from = source::master;
                else if (item.source == LayoutItem::Source::ReferenceNumber)
                    from = source::numberBox;
                else if (item.source == LayoutItem::Source::Month)
                    from = source::monthOrder;
                const Kind kind = item.kind == Kind::MonthNumber ? Kind::Number : item.kind;
                items.append({from, item.field, kind, item.a4X, item.a4Y});
            }
        return items;
    };
    static const QList<A4Item> front =
        collect({&pagelayouts::frontFirstHalf(), &pagelayouts::frontSecondHalf()});
    static const QList<A4Item> back = collect({&pagelayouts::backPage()});
    return side == Side::Front ? front : back;
}

struct Page {
    QImage image;
    double pxPerMmX;
    double pxPerMmY;
};

// The A4 prints draw the 2481 × 3507 picture into 210 × 291 mm (front) and 209 × 292 mm
// (back) from the origin; these factors turn print millimetres into picture pixels.
const Page& page(Side side) {
    static const Page front{formpictures::frontPage(), 2481 / 210.0, 3507 / 291.0};
    static const Page back{formpictures::backPage(), 2481 / 209.0, 3507 / 292.0};
    return side == Side::Front ? front : back;
}

bool isInk(const QImage& image, int x, int y) {
    return qGray(image.pixel(x, y)) < 128;
}

// The first ink pixel met walking from (x, y) by (dx, dy) for at most limit pixels, or -1.
int walkToInk(const QImage& image, int x, int y, int dx, int dy, int limit) {
    for (int step = 1; step <= limit; ++step) {
        const int px = x + dx * step, py = y + dy * step;
        if (px < 0 || py < 0 || px >= image.width() || py >= image.height())
            return -1;
        if (isInk(image, px, py))
            return step;
    }
    return -1;
}

// The ink pixels inside a rectangle given in print millimetres.
int inkInside(const Page& p, double x0, double y0, double x1, double y1) {
    int count = 0;
    const int left = static_cast<int>(std::floor(x0 * p.pxPerMmX));
    const int right = static_cast<int>(std::ceil(x1 * p.pxPerMmX));
    const int top = static_cast<int>(std::floor(y0 * p.pxPerMmY));
    const int bottom = static_cast<int>(std::ceil(y1 * p.pxPerMmY));
    for (int y = top; y < bottom; ++y)
        for (int x = left; x < right; ++x)
            count += isInk(p.image, x, y);
    return count;
}

QString describe(const A4Item& item, double x) {
    return QStringLiteral("%1/%2 at %3, %4").arg(item.source).arg(item.field).arg(x).arg(item.y);
}

} // namespace

Q_DECLARE_METATYPE(Side)

class PagePicturesTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void pictureFormat_data();
    void pictureFormat();
    void everyPrintedFieldHasAPlace_data();
    void everyPrintedFieldHasAPlace();
    void entryPlaceIsClear_data();
    void entryPlaceIsClear();
    void digitBoxesSurroundTheirPlaces_data();
    void digitBoxesSurroundTheirPlaces();
    void eraWordsFollowTheDates();
};

void PagePicturesTest::pictureFormat_data() {
    QTest::addColumn<Side>("side");
    QTest::newRow("front") << Side::Front;
    QTest::newRow("back") << Side::Back;
}

void PagePicturesTest::pictureFormat() {
    QFETCH(Side, side);
    const QImage& image = page(side).image;
    QCOMPARE(image.format(), QImage::Format_Mono);
    QCOMPARE(image.size(), QSize(2481, 3507));
    QCOMPARE(qRound(image.dotsPerMeterX() * 0.0254), 300);
    QCOMPARE(qRound(image.dotsPerMeterY() * 0.0254), 300);
    // Black rules and captions on white paper: a real share of ink, far from all of it.
    qint64 ink = 0;
    for (int y = 0; y < image.height(); y += 3)
        for (int x = 0; x < image.width(); x += 3)
            ink += isInk(image, x, y);
    const double share = double(ink) / ((image.width() / 3) * (image.height() / 3));
    QVERIFY2(share > 0.02 && share < 0.25, qPrintable(QString::number(share)));
}

// Every field the layouts print (their source tables) has a place on the A4 page.
void PagePicturesTest::everyPrintedFieldHasAPlace_data() {
    QTest::addColumn<Side>("side");
    QTest::addColumn<int>("source");
    QTest::addColumn<QList<int>>("fields");
    auto range = [](int first, int last, QList<int> extra = {}) {
        QList<int> fields = extra;
        for (int f = first; f <= last; ++f)
            fields.append(f);
        return fields;
    };
    QTest::newRow("front master") << Side::Front << source::master << range(3, 13);
    QTest::newRow("front 整理番号") << Side::Front << source::numberBox << QList<int>{0};
    QTest::newRow("front 21") << Side::Front << 21 << range(1, 5);
    QTest::newRow("front 22") << Side::Front << 22 << range(1, 25, {27});
    QTest::newRow("front 23") << Side::Front << 23 << range(1, 17);
    QTest::newRow("front 24") << Side::Front << 24 << range(1, 30);
    QTest::newRow("front 25") << Side::Front << 25 << range(1, 23, {25});
    QTest::newRow("front 26") << Side::Front << 26 << range(1, 2);
    QTest::newRow("front 30") << Side::Front << 30 << range(1, 48);
    QTest::newRow("back 40") << Side::Back << 40 << range(1, 23, {26, 27});
    QTest::newRow("back 50") << Side::Back << 50 << range(1, 43);
    QTest::newRow("back 60") << Side::Back << 60 << range(6, 135, {1, 2, 3, 4});
    QTest::newRow("back month order") << Side::Back << source::monthOrder << range(1, 12);
}

void PagePicturesTest::everyPrintedFieldHasAPlace() {
    QFETCH(Side, side);
    QFETCH(int, source);
    QFETCH(QList<int>, fields);
    const auto& items = a4Items(side);
    QSet<int> placed;
    for (const auto& item : items)
        if (item.source == source)
            placed.insert(item.field);
    QCOMPARE(placed, QSet<int>(fields.begin(), fields.end()));
}

// The room one character takes at each place must be clean paper: at least 3 × 3.5 mm
// from the place (a leading space widens a Number to 4 mm; an Amount ends at its x).
void PagePicturesTest::entryPlaceIsClear_data() {
    QTest::addColumn<Side>("side");
    QTest::addColumn<double>("x0");
    QTest::addColumn<double>("y0");
    QTest::addColumn<double>("x1");
    QTest::addColumn<double>("y1");
    for (Side side : {Side::Front, Side::Back}) {
        const auto& items = a4Items(side);
        for (const auto& item : items)
            for (double x : item.xs) {
                double from = x, to = x + 3;
                if (item.kind == Kind::Number || item.kind == Kind::DigitSplit)
                    to = x + 4;
                if (item.kind == Kind::Amount) {
                    from = x - 3;
                    to = x + 1;
                }
                const QString name =
                    (side == Side::Front ? QStringLiteral("front ") : QStringLiteral("back ")) +
                    describe(item, x);
                QTest::newRow(qPrintable(name))
                    << side << from << double(item.y) << to << item.y + 3.5;
            }
    }
}

void PagePicturesTest::entryPlaceIsClear() {
    QFETCH(Side, side);
    QFETCH(double, x0);
    QFETCH(double, y0);
    QFETCH(double, x1);
    QFETCH(double, y1);
    QCOMPARE(inkInside(page(side), x0, y0, x1, y1), 0);
}

// Each box of a digit-box group is drawn around its own place: walking out from the
// middle of the character, a rule is met on every side within a couple of millimetres,
// never inside the character's room, and the whole box inside those rules is clean.
void PagePicturesTest::digitBoxesSurroundTheirPlaces_data() {
    QTest::addColumn<Side>("side");
    QTest::addColumn<double>("x");
    QTest::addColumn<double>("y");
    QTest::addColumn<double>("width");
    for (Side side : {Side::Front, Side::Back}) {
        const auto& items = a4Items(side);
        for (const auto& item : items) {
            if (item.kind != Kind::DigitBoxes && item.kind != Kind::DigitSplit)
                continue;
            const double width = item.kind == Kind::DigitSplit ? 4 : 3;
            for (double x : item.xs)
                QTest::newRow(qPrintable(describe(item, x)))
                    << side << double(x) << double(item.y) << width;
        }
    }
}

void PagePicturesTest::digitBoxesSurroundTheirPlaces() {
    QFETCH(Side, side);
    QFETCH(double, x);
    QFETCH(double, y);
    QFETCH(double, width);
    const Page& p = page(side);
    const int cx = qRound((x + width / 2) * p.pxPerMmX);
    const int cy = qRound((y + 1.75) * p.pxPerMmY);
    const int reachX = qRound(4.5 * p.pxPerMmX);
    const int reachY = qRound(4.5 * p.pxPerMmY);
    const int leftStep = walkToInk(p.image, cx, cy, -1, 0, reachX);
    const int rightStep = walkToInk(p.image, cx, cy, 1, 0, reachX);
    const int upStep = walkToInk(p.image, cx, cy, 0, -1, reachY);
    const int downStep = walkToInk(p.image, cx, cy, 0, 1, reachY);
    QVERIFY2(leftStep > 0 && rightStep > 0 && upStep > 0 && downStep > 0, "box not closed");
    const double left = (cx - leftStep) / p.pxPerMmX, right = (cx + rightStep) / p.pxPerMmX;
    const double top = (cy - upStep) / p.pxPerMmY, bottom = (cy + downStep) / p.pxPerMmY;
    // The rules lie around the character's room, close to it.
    QVERIFY2(left < x && left > x - 2.5, qPrintable(QString::number(left)));
    QVERIFY2(right > x + width && right < x + width + 2.5, qPrintable(QString::number(right)));
    QVERIFY2(top < y && top > y - 2.5, qPrintable(QString::number(top)));
    QVERIFY2(bottom > y + 3.5 && bottom < y + 6, qPrintable(QString::number(bottom)));
    // The box is centred on its character, give or take a millimetre.
    const double offCentre = (left + right) / 2 - (x + width / 2);
    QVERIFY2(std::abs(offCentre) < 1.2, qPrintable(QString::number(offCentre)));
    // The whole box is clean.
    const double pixelX = 1 / p.pxPerMmX, pixelY = 1 / p.pxPerMmY;
    QCOMPARE(inkInside(p, left + 2 * pixelX, top + 2 * pixelY, right - pixelX, bottom - pixelY), 0);
}

// The era words of 事業年度 follow each date: a picture for a year from 平成 into 令和
// differs from the 平成 one in the 至 word alone, and the 令和 one in both words.
void PagePicturesTest::eraWordsFollowTheDates() {
    using erayear::Era;
    const QImage heisei = formpictures::frontPage(Era::Heisei, Era::Heisei);
    const QImage across = formpictures::frontPage(Era::Heisei, Era::Reiwa);
    const QImage reiwa = formpictures::frontPage(Era::Reiwa, Era::Reiwa);
    QCOMPARE(heisei, formpictures::frontPage());
    const double perMmX = 2481 / 210.0, perMmY = 3507 / 291.0;
    // The two era words, in print millimetres: 自 above 33 mm, 至 below.
    const QRect start(QPoint(int(116.8 * perMmX), int(26.6 * perMmY)),
                      QPoint(int(123.3 * perMmX), int(33.0 * perMmY)));
    const QRect end(QPoint(int(116.8 * perMmX), int(33.0 * perMmY)),
                    QPoint(int(123.3 * perMmX), int(39.4 * perMmY)));
    const auto differences = [](const QImage& a, const QImage& b, const QRect& inside) {
        int in = 0, out = 0;
        for (int y = 0; y < a.height(); ++y)
            for (int x = 0; x < a.width(); ++x)
                if (a.pixelIndex(x, y) != b.pixelIndex(x, y))
                    ++(inside.contains(x, y) ? in : out);
        return std::pair{in, out};
    };
    const auto [endWord, elsewhere] = differences(heisei, across, end);
    QVERIFY(endWord > 0);
    QCOMPARE(elsewhere, 0);
    const auto [startWord, rest] = differences(across, reiwa, start);
    QVERIFY(startWord > 0);
    QCOMPARE(rest, 0);
}

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    PagePicturesTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "pagepicturestest.moc"
