// The box of every printed entry is read off our drawing of the form: every entry of the
// print layouts has one, its print position lies in it, the picture has no ink inside
// it, and it reaches the next rule or caption on the side where the entry grows.
#include "form/entryboxes.h"
#include "form/formpictures.h"
#include "printing/entryfit.h"
#include "printing/pagelayout.h"

#include <QGuiApplication>
#include <QTest>

using namespace gaikyo;
using formpictures::Page;
using Kind = LayoutItem::Kind;

namespace {

struct Side {
    Page page;
    QImage picture;
    QSizeF stretch; // millimetres the A4 print stretches the picture to
    QList<const LayoutPart*> parts;
};

QList<Side> sides() {
    return {{Page::Front,
             formpictures::frontPage(),
             formpictures::frontPrintSize,
             {&pagelayouts::frontFirstHalf(), &pagelayouts::frontSecondHalf()}},
            {Page::Back,
             formpictures::backPage(),
             formpictures::backPrintSize,
             {&pagelayouts::backPage()}}};
}

QString nameOf(Page page, const LayoutItem& item) {
    return QStringLiteral("%1 %2 %3/%4")
        .arg(page == Page::Front ? QStringLiteral("front") : QStringLiteral("back"))
        .arg(int(item.source))
        .arg(item.section)
        .arg(item.field);
}

bool inkAt(const Side& side, double x, double y) {
    const int px = int(x * side.picture.width() / side.stretch.width());
    const int py = int(y * side.picture.height() / side.stretch.height());
    return px >= 0 && py >= 0 && px < side.picture.width() && py < side.picture.height() &&
           qGray(side.picture.pixel(px, py)) < 128;
}

// Ink of the picture in the rectangle, sampled at its pixels.
bool inkIn(const Side& side, const QRectF& rect) {
    const double step = 25.4 / 300 / 2;
    for (double y = rect.top(); y <= rect.bottom(); y += step)
        for (double x = rect.left(); x <= rect.right(); x += step)
            if (inkAt(side, x, y))
                return true;
    return false;
}

} // namespace

class EntryBoxesTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void everyEntryHasItsBox() {
        QStringList faults;
        int boxes = 0;
        for (const Side& side : sides())
            for (const LayoutPart* part : side.parts)
                for (const LayoutItem& item : *part) {
                    const QString name = nameOf(side.page, item);
                    const QRectF box = entryfit::boxOf(item, side.page, false);
                    if (box.isEmpty()) {
                        faults << name + QStringLiteral(": no box");
                        continue;
                    }
                    ++boxes;
                    // A mark's cell may start a little before the inside of its square: the
                    // ink of the mark starts later.
                    for (float x : item.a4X)
                        if (x < box.left() - 0.15 || x > box.right())
                            faults << QStringLiteral("%1: X %2 outside %3–%4")
                                          .arg(name)
                                          .arg(x)
                                          .arg(box.left())
                                          .arg(box.right());
                    if (item.a4Y < box.top() - 0.1 || item.a4Y >= box.bottom())
                        faults << QStringLiteral("%1: Y %2 outside %3–%4")
                                      .arg(name)
                                      .arg(item.a4Y)
                                      .arg(box.top())
                                      .arg(box.bottom());
                    // A row of digit boxes has its dividers inside.
                    if (item.kind == Kind::DigitBoxes || item.kind == Kind::DigitSplit)
                        continue;
                    if (inkIn(side, box))
                        faults << name + QStringLiteral(": the picture has ink inside the box");
                    // The box reaches the rule or caption beyond it where the entry grows.
                    const bool right = entryfit::shapeOf(item) != entryfit::Shape::Amount;
                    const double reach = 2;
                    const QRectF beyond =
                        right ? QRectF(box.right() + 0.05, box.top(), reach, box.height())
                              : QRectF(box.left() - 0.05 - reach, box.top(), reach, box.height());
                    if (!inkIn(side, beyond))
                        faults << name + QStringLiteral(": no rule or caption within %1 mm of "
                                                        "its box")
                                             .arg(reach);
                }
        for (const QString& fault : std::as_const(faults))
            qWarning().noquote() << fault;
        QVERIFY2(faults.isEmpty(), "boxes do not agree with the picture (listed above)");
        QCOMPARE(boxes, int(formpictures::entryBoxes().size()));
    }
};

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    EntryBoxesTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "entryboxestest.moc"
