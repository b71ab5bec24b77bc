#include "longestentries.h"

#include "pdftools.h"

#include "printing/pagelayout.h"
#include "printing/pageprinter.h"
#include "printing/pdfexport.h"
#include "screen/application.h"
#include "shell/screens.h"
#include "statement/recordlayouts.h"

#include <QDir>
#include <QFile>
#include <QMap>
#include <QTemporaryDir>

#include <algorithm>

namespace gaikyo::test {

namespace {

// Entries print in "MS 明朝" 11 pt: a digit or comma takes half of the 11 pt cell.
constexpr double digitMillimetres = 11 * 25.4 / 72 / 2;

QString screenOfSection(int section) {
    if (section <= 26)
        return screens::sections;
    switch (section) {
    case 30:
        return screens::mainAccounts;
    case 40:
        return screens::businessForm;
    case 50:
        return screens::taxAccountant;
    default:
        return screens::monthlyTable;
    }
}

// The longest text a box accepts: its limit, or where it has none, as many full-width
// characters as the box shows, and at least one (a mark box shows one mark).
int longestText(const Screen& screen, const QString& box) {
    const Control& c = screen.control(box);
    if (c.maxLength > 0)
        return c.maxLength;
    const double points = c.font.points > 0 ? c.font.points : screen.defaultFont().points;
    const double width =
        screen.unit() == Screen::Unit::Twips ? c.geometry.width() / 15.0 : c.geometry.width();
    return std::max(1, int((width - 6) / (points * 96 / 72)));
}

int groupedWidth(int digits) {
    return digits + (digits - 1) / 3; // characters, commas included
}

// The most digits whose grouped text, with 1 mm to spare, fits the room.
int digitsFitting(double millimetres) {
    int digits = 1;
    while (groupedWidth(digits + 1) * digitMillimetres + 1 <= millimetres)
        ++digits;
    return digits;
}

// How many digits each amount column of the monthly table holds on the official sheet:
// the room from the right edge of the column on its left (for the first column, from the
// end of a two-digit month number) to its own right edge.
QMap<float, int> monthlyColumnDigits() {
    QList<float> rightEdges;
    float monthX = 0;
    for (const LayoutItem& item : pagelayouts::backPage()) {
        if (item.kind == LayoutItem::Kind::Amount && !rightEdges.contains(item.officialX.first()))
            rightEdges.append(item.officialX.first());
        if (item.kind == LayoutItem::Kind::MonthNumber)
            monthX = item.officialX.first();
    }
    std::sort(rightEdges.begin(), rightEdges.end());
    QMap<float, int> digits;
    double previous = monthX + 3 * digitMillimetres; // a space and two digits
    for (float edge : std::as_const(rightEdges)) {
        digits[edge] = digitsFitting(edge - previous);
        previous = edge;
    }
    return digits;
}

qint32 eights(int digits) {
    qint32 value = 0;
    for (int i = 0; i < digits; ++i)
        value = value * 10 + 8;
    return value;
}

// The widest number an integer item can show: one digit a box; a tick one digit; 出資割合
// a percentage; a monthly fee up to the 千円 unit beside it; a monthly amount what its
// column holds.
int longestNumber(const LayoutItem& item, const QMap<float, int>& columnDigits) {
    switch (item.kind) {
    case LayoutItem::Kind::DigitBoxes:
    case LayoutItem::Kind::DigitSplit:
        return int(item.a4X.size());
    case LayoutItem::Kind::Tick:
        return 1;
    case LayoutItem::Kind::Number:
        return 3;
    case LayoutItem::Kind::Grouped:
        return 5;
    case LayoutItem::Kind::Amount:
        return columnDigits.value(item.officialX.first());
    default:
        return 0;
    }
}

QList<const LayoutPart*> allParts() {
    return {&pagelayouts::frontFirstHalf(), &pagelayouts::frontSecondHalf(),
            &pagelayouts::backPage()};
}

} // namespace

LongestEntries::LongestEntries(Application& app) {
    namedTexts = false;
    const auto fill = [](int count) { return QString(count, QChar(0x6F22)); }; // 漢
    for (int section : layouts::sectionNumbers()) {
        const RecordLayout& layout = layouts::section(section);
        const Screen* screen = app.screen(screenOfSection(section));
        for (qsizetype i = 0; i < layout.texts.size(); ++i) {
            const QString& box = layout.texts.at(i).box;
            if (!box.isEmpty() && screen->has(box))
                texts[{section, int(i + 1)}] = fill(longestText(*screen, box));
        }
    }
    const QMap<float, int> columnDigits = monthlyColumnDigits();
    for (const LayoutPart* part : allParts())
        for (const LayoutItem& item : *part)
            if (item.source == LayoutItem::Source::Field) {
                const int digits = longestNumber(item, columnDigits);
                if (digits > 0)
                    integers[{item.section, item.field}] = eights(digits);
            }
    const Screen* registration = app.screen(screens::registration);
    record.name = fill(longestText(*registration, QStringLiteral("Text3")));
    record.address = fill(longestText(*registration, QStringLiteral("Text5")));
    // The longest telephone number there is, with its hyphens.
    record.telephone = QStringLiteral("888-8888-8888");
    record.homePage =
        QString(longestText(*registration, QStringLiteral("Text4")) * 2, QLatin1Char('W'));
    record.respondent = fill(longestText(*registration, QStringLiteral("Text6")));
    record.startYear = record.endYear = 88;
    record.startMonth = record.endMonth = 88;
    record.startDay = record.endDay = 88;
}

namespace {

QByteArray printPages(const PrintData& data, PagePrinter::Sheet sheet, const QImage& front,
                      const QImage& back) {
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("pages.pdf"));
    QList<std::optional<qint32>> months;
    for (int m = 0; m < 12; ++m)
        months.append(12);
    const Status written = writePdf(path, QStringLiteral("FB1005"), 2, [&](PrintSurface& surface) {
        PagePrinter frontPrinter(surface, data, sheet);
        frontPrinter.setReferenceNumber(88888888);
        if (!frontPrinter.printFront(front))
            return false;
        PagePrinter backPrinter(surface, data, sheet);
        backPrinter.setMonths(months);
        return backPrinter.printBack(back);
    });
    QFile file(path);
    if (!written.ok() || !file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

} // namespace

QByteArray printA4Pages(const PrintData& data, const QImage& front, const QImage& back) {
    return printPages(data, PagePrinter::Sheet::A4, front, back);
}

QByteArray printOfficialPages(const PrintData& data) {
    return printPages(data, PagePrinter::Sheet::Official, QImage(), QImage());
}

} // namespace gaikyo::test
