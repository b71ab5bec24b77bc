// Both pages printed with every entry at the longest the screens accept keep each entry
// inside the box our drawing of the form gives it, measured on the pages rendered at
// 300 dpi: on A4 the ink of no entry meets the ink of the picture and none leaves its
// box; on the official sheet, moved by the print offsets, none leaves its box.
//
// The entries are printed in groups whose boxes lie at least 4 mm apart, so that every
// ink pixel is known to be its group's: ink outside the boxes of its group is an entry
// leaving its box. Digit boxes, digit splits and numbers print whatever the data (0 prints
// a 0), so they stand on every page of their side, each in its own box.
#include "form/entryboxes.h"
#include "form/formpictures.h"
#include "printing/entryfit.h"
#include "printing/itemvalues.h"
#include "printing/pagelayout.h"
#include "printing/pageprinter.h"
#include "printing/pdfexport.h"
#include "printing/printcheck.h"
#include "screen/application.h"
#include "screen/fonts.h"
#include "shell/screens.h"
#include "statement/recordlayouts.h"
#include "support/longestentries.h"
#include "support/pdftools.h"
#include "support/testprogram.h"

#include <QFile>
#include <QGuiApplication>
#include <QTemporaryDir>
#include <QTest>

#include <cmath>
#include <limits>

using namespace gaikyo;
using formpictures::Page;
using Kind = LayoutItem::Kind;

namespace {

constexpr int dpi = 300;
constexpr double apart = 4; // millimetres between the boxes of one group

struct Entry {
    const LayoutItem* item;
    Page page;
    QString text; // what it prints; the digits of digit boxes
    bool always;  // printed whatever the data
};

QList<const LayoutPart*> partsOf(Page page) {
    if (page == Page::Front)
        return {&pagelayouts::frontFirstHalf(), &pagelayouts::frontSecondHalf()};
    return {&pagelayouts::backPage()};
}

const QList<std::optional<qint32>> allMonths(12, 12);

ItemValues valuesOf(const PrintData& data) {
    ItemValues values(data);
    values.setMonths(allMonths);
    values.setReferenceNumber(88888888);
    return values;
}

QList<Entry> entriesOf(Page page, const PrintData& data) {
    const ItemValues values = valuesOf(data);
    QList<Entry> entries;
    for (const LayoutPart* part : partsOf(page))
        for (const LayoutItem& item : *part) {
            const bool digits = item.kind == Kind::DigitBoxes || item.kind == Kind::DigitSplit;
            const bool always = digits || item.kind == Kind::Number;
            QString text;
            if (digits) {
                if (const std::optional<qint32> value = values.integer(item))
                    text = QString::number(*value);
            } else {
                text = values.printedText(item);
            }
            if (!text.isEmpty())
                entries.append({&item, page, text, always});
        }
    return entries;
}

QString nameOf(const Entry& entry) {
    const LayoutItem& item = *entry.item;
    const QString side =
        entry.page == Page::Front ? QStringLiteral("front") : QStringLiteral("back");
    switch (item.source) {
    case LayoutItem::Source::Header:
        return QStringLiteral("%1 header/%2").arg(side).arg(item.field);
    case LayoutItem::Source::ReferenceNumber:
        return QStringLiteral("%1 整理番号").arg(side);
    case LayoutItem::Source::Month:
        return QStringLiteral("%1 month/%2").arg(side).arg(item.field);
    case LayoutItem::Source::Field:
        break;
    }
    return QStringLiteral("%1 %2/%3").arg(side).arg(item.section).arg(item.field);
}

// The gap between two rectangles, 0 when they touch or overlap.
double gap(const QRectF& a, const QRectF& b) {
    const double dx = std::max({0.0, a.left() - b.right(), b.left() - a.right()});
    const double dy = std::max({0.0, a.top() - b.bottom(), b.top() - a.bottom()});
    return std::max(dx, dy);
}

QRectF a4Box(const Entry& entry) {
    return entryfit::boxOf(*entry.item, entry.page, false);
}

// The entries that do not always print, in groups whose boxes lie apart.
QList<QList<Entry>> groups(const QList<Entry>& entries) {
    QList<QList<Entry>> all;
    for (const Entry& entry : entries) {
        if (entry.always)
            continue;
        auto group = std::find_if(all.begin(), all.end(), [&](const QList<Entry>& members) {
            return std::all_of(members.begin(), members.end(), [&](const Entry& member) {
                return gap(a4Box(member), a4Box(entry)) >= apart;
            });
        });
        if (group == all.end())
            all.append({entry});
        else
            group->append(entry);
    }
    return all;
}

// The longest entries with every entry that does not always print emptied, but those of
// the group; and the months of the group.
test::FakeData only(const test::FakeData& longest, const QList<Entry>& all,
                    const QList<Entry>& group, QList<std::optional<qint32>>& months) {
    test::FakeData data = longest;
    months = allMonths;
    for (const Entry& entry : all) {
        const LayoutItem& item = *entry.item;
        const bool kept = std::any_of(group.begin(), group.end(),
                                      [&](const Entry& member) { return member.item == &item; });
        if (entry.always || kept)
            continue;
        switch (item.source) {
        case LayoutItem::Source::Field:
            data.texts.remove({item.section, item.field});
            data.integers[{item.section, item.field}] = 0; // prints nothing but in digits
            break;
        case LayoutItem::Source::Header: {
            CompanyRecord& r = data.record;
            const QHash<int, QString*> lines{{3, &r.name},
                                             {4, &r.address},
                                             {5, &r.telephone},
                                             {12, &r.homePage},
                                             {13, &r.respondent}};
            if (QString* text = lines.value(item.field))
                text->clear();
            break;
        }
        case LayoutItem::Source::Month:
            months[item.field - 1] = std::nullopt;
            break;
        case LayoutItem::Source::ReferenceNumber:
            break;
        }
    }
    return data;
}

// One page of the PDF: a side printed with one group.
struct Job {
    Page page;
    QList<Entry> group;
    test::FakeData data;
    QList<std::optional<qint32>> months;
};

QByteArray print(const QList<Job>& jobs, PagePrinter::Sheet sheet, PrintOffsets offsets) {
    QImage blank(formpictures::pagePixels, QImage::Format_Mono);
    blank.fill(1);
    blank.setDotsPerMeterX(formpictures::pageDotsPerMeter);
    blank.setDotsPerMeterY(formpictures::pageDotsPerMeter);
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("pages.pdf"));
    const Status written =
        writePdf(path, QStringLiteral("entries"), int(jobs.size()), [&](PrintSurface& surface) {
            for (const Job& job : jobs) {
                PagePrinter printer(surface, job.data, sheet, offsets);
                printer.setReferenceNumber(88888888);
                printer.setMonths(job.months);
                if (!(job.page == Page::Front ? printer.printFront(blank)
                                              : printer.printBack(blank)))
                    return false;
            }
            return true;
        });
    QFile file(path);
    if (!written.ok() || !file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

// Where an entry's ink goes wrong: how much, its extent, and the first place.
struct Stray {
    int pixels = 0;
    double left = 1e9, right = -1e9, top = 1e9, bottom = -1e9;
    void add(double x, double y) {
        ++pixels;
        left = std::min(left, x);
        right = std::max(right, x);
        top = std::min(top, y);
        bottom = std::max(bottom, y);
    }
    QString where() const {
        return QStringLiteral("%1 px from %2, %3 to %4, %5 mm")
            .arg(pixels)
            .arg(left, 0, 'f', 2)
            .arg(top, 0, 'f', 2)
            .arg(right, 0, 'f', 2)
            .arg(bottom, 0, 'f', 2);
    }
};

struct Sheet {
    bool official;
    PrintOffsets offsets;
    bool widestNumbers = false; // every number not in digit boxes at -2,147,483,648
};

// The longest entries with every number that is not in digit boxes at its widest: the
// screens take any 32-bit number there.
test::FakeData withWidestNumbers(const test::FakeData& longest) {
    test::FakeData data = longest;
    for (const LayoutPart* part : partsOf(Page::Front) + partsOf(Page::Back))
        for (const LayoutItem& item : *part)
            if (item.source == LayoutItem::Source::Field &&
                (item.kind == Kind::Amount || item.kind == Kind::Grouped ||
                 item.kind == Kind::Number || item.kind == Kind::Tick))
                data.integers[{item.section, item.field}] = std::numeric_limits<qint32>::min();
    return data;
}

// What is wrong on the pages of one sheet; empty when every entry stays in its box (and on
// A4 clear of the picture).
QStringList faultsOn(const Sheet& sheet, const test::FakeData& longest) {
    QList<Job> jobs;
    QHash<int, QList<Entry>> always; // by page
    for (const Page page : {Page::Front, Page::Back}) {
        const QList<Entry> entries = entriesOf(page, longest);
        for (const Entry& entry : entries)
            if (entry.always)
                always[int(page)].append(entry);
        for (const QList<Entry>& group : groups(entries)) {
            Job job{page, group, {}, {}};
            job.data = only(longest, entries, group, job.months);
            jobs.append(job);
        }
    }
    const QByteArray pdf =
        print(jobs, sheet.official ? PagePrinter::Sheet::Official : PagePrinter::Sheet::A4,
              sheet.official ? sheet.offsets : PrintOffsets{});
    const QList<QImage> pages = test::renderPdfPages(pdf, dpi);
    if (pages.size() != jobs.size())
        return {QStringLiteral("pdftoppm (poppler-utils) renders %1 of %2 pages")
                    .arg(pages.size())
                    .arg(jobs.size())};

    QStringList faults;
    const double shiftX = sheet.official ? sheet.offsets.right : 0;
    const double shiftY = sheet.official ? sheet.offsets.down : 0;
    for (qsizetype p = 0; p < jobs.size(); ++p) {
        const Job& job = jobs[p];
        const QImage picture =
            job.page == Page::Front ? formpictures::frontPage() : formpictures::backPage();
        const QSizeF stretch =
            job.page == Page::Front ? formpictures::frontPrintSize : formpictures::backPrintSize;
        QList<Entry> present = job.group + always.value(int(job.page));
        QList<QRectF> boxes;
        for (const Entry& entry : std::as_const(present))
            boxes.append(entryfit::boxOf(*entry.item, entry.page, sheet.official)
                             .translated(shiftX, shiftY));
        QList<int> inside(present.size(), 0);
        QHash<int, Stray> outside, meeting;
        const QImage image = pages[p].convertToFormat(QImage::Format_Grayscale8);
        const double toMm = 25.4 / dpi;
        // Half a pixel of slack: the pixel's centre may lie just across the box's edge.
        const double slack = toMm / 2;
        for (int y = 0; y < image.height(); ++y) {
            const uchar* row = image.constScanLine(y);
            for (int x = 0; x < image.width(); ++x) {
                if (row[x] >= 128)
                    continue;
                const double mx = (x + 0.5) * toMm, my = (y + 0.5) * toMm;
                qsizetype owner = -1;
                double nearest = 1e9;
                for (qsizetype i = 0; i < boxes.size(); ++i) {
                    const double d = gap(boxes[i], QRectF(mx, my, 0, 0));
                    if (d < nearest) {
                        nearest = d;
                        owner = i;
                    }
                }
                if (owner < 0)
                    continue;
                if (nearest <= slack)
                    ++inside[owner];
                else
                    outside[int(owner)].add(mx, my);
                if (!sheet.official) {
                    const int px = int(mx * picture.width() / stretch.width());
                    const int py = int(my * picture.height() / stretch.height());
                    if (px < picture.width() && py < picture.height() &&
                        qGray(picture.pixel(px, py)) < 128)
                        meeting[int(owner)].add(mx, my);
                }
            }
        }
        for (auto o = outside.cbegin(); o != outside.cend(); ++o)
            faults << QStringLiteral("%1 \"%2\" leaves its box: %3")
                          .arg(nameOf(present[o.key()]), present[o.key()].text, o->where());
        for (auto m = meeting.cbegin(); m != meeting.cend(); ++m)
            faults << QStringLiteral("%1 \"%2\" meets the picture: %3")
                          .arg(nameOf(present[m.key()]), present[m.key()].text, m->where());
        for (qsizetype i = 0; i < job.group.size(); ++i)
            if (inside[i] == 0)
                faults << QStringLiteral("%1 prints nothing in its box").arg(nameOf(present[i]));
    }
    faults.removeDuplicates();
    return faults;
}

QString captionOf(const LayoutItem& item) {
    switch (item.source) {
    case LayoutItem::Source::Header: {
        const QHash<int, QString> captions{{3, QStringLiteral("法人名")},
                                           {4, QStringLiteral("納税地")},
                                           {5, QStringLiteral("電話番号")},
                                           {12, QStringLiteral("ホームページアドレス")},
                                           {13, QStringLiteral("応答者氏名")}};
        return captions.value(item.field);
    }
    case LayoutItem::Source::Month:
        return QStringLiteral("%1行目の月").arg(item.field);
    case LayoutItem::Source::Field: {
        const RecordLayout& layout = layouts::section(item.section);
        const qsizetype index = item.field - 1;
        return index < layout.texts.size()
                   ? layout.texts.at(index).caption
                   : layout.integers.at(index - layout.texts.size()).caption;
    }
    case LayoutItem::Source::ReferenceNumber:
        break;
    }
    return QString();
}

} // namespace

Q_DECLARE_METATYPE(Sheet)

class EntriesFitTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { fonts::installSubstitutes(); }

    void entriesStayInTheirBoxes_data() {
        QTest::addColumn<Sheet>("sheet");
        QTest::newRow("A4 under the picture") << Sheet{false, {}};
        QTest::newRow("official sheet") << Sheet{true, {0, 0}};
        QTest::newRow("official sheet, 3 mm right") << Sheet{true, {3, 0}};
        QTest::newRow("official sheet, 2 mm down") << Sheet{true, {0, 2}};
        QTest::newRow("official sheet, 3 mm left and 2 mm up") << Sheet{true, {-3, -2}};
        QTest::newRow("A4, the widest numbers") << Sheet{false, {}, true};
    }
    void entriesStayInTheirBoxes() {
        QFETCH(Sheet, sheet);
        test::TestProgram program;
        const test::LongestEntries longest(program.app);
        const QStringList faults = faultsOn(sheet, sheet.widestNumbers ? withWidestNumbers(longest)
                                                                       : test::FakeData(longest));
        for (const QString& fault : faults)
            qWarning().noquote() << fault;
        QVERIFY2(faults.isEmpty(), "entries leave their boxes (listed above)");
    }

    // Every entry that does not print as designed, with how it prints and whether the
    // check before printing names it: each one narrower than 80% and each one cut, and
    // no other.
    void theCheckNamesWhatShrinks() {
        test::TestProgram program;
        const test::LongestEntries longest(program.app);
        const ItemValues values = valuesOf(longest);
        const QStringList check = printcheck::lines(values, printcheck::Pages::Both);
        QStringList faults;
        int named = 0;
        for (const Page page : {Page::Front, Page::Back})
            for (const Entry& entry : entriesOf(page, longest)) {
                const LayoutItem& item = *entry.item;
                if (entry.item->kind == Kind::DigitBoxes || item.kind == Kind::DigitSplit)
                    continue;
                const entryfit::Fit fit =
                    entryfit::fit(entry.text, QPointF(item.a4X.first(), item.a4Y),
                                  entryfit::shapeOf(item), a4Box(entry));
                if (fit.asDesigned())
                    continue;
                const QString percent = QString::number(int(std::floor(fit.widthPercent())));
                const QString caption = captionOf(item);
                const bool shouldName = fit.cut() || fit.widthPercent() < 80;
                const bool isNamed = std::any_of(check.begin(), check.end(), [&](const QString& l) {
                    return l.contains(caption + QStringLiteral(" は")) &&
                           (fit.cut() ? l.contains(fit.lost)
                                      : l.contains(QStringLiteral(" %1% ").arg(percent)));
                });
                named += isNamed;
                qInfo().noquote() << QStringLiteral("| %1 %2 | %3 characters | %4% | %5 pt | "
                                                    "%6 lines | %7 |")
                                         .arg(nameOf(entry), caption)
                                         .arg(entry.text.size())
                                         .arg(fit.widthPercent(), 0, 'f', 1)
                                         .arg(fit.points, 0, 'f', 2)
                                         .arg(fit.lines.size())
                                         .arg(isNamed ? QStringLiteral("named")
                                                      : QStringLiteral("not named"));
                if (shouldName != isNamed)
                    faults << nameOf(entry);
            }
        for (const QString& line : check)
            qInfo().noquote() << "check:" << line;
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QStringLiteral(", "))));
        QVERIFY(named > 0);
    }
};

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    EntriesFitTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "entriesfittest.moc"
