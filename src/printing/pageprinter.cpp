#include "pageprinter.h"

#include "datafile/numbers.h"
#include "form/formpictures.h"
#include "printsurface.h"
#include "printvalues.h"

#include <limits>

namespace gaikyo {

namespace {

const QString formFont = QStringLiteral("MS 明朝");
constexpr double formFontPoints = 11;

} // namespace

PagePrinter::PagePrinter(PrintSurface& surface, const PrintData& data, Sheet sheet,
                         PrintOffsets offsets)
    : m_surface(surface), m_values(data), m_sheet(sheet),
      m_offsets(sheet == Sheet::Official ? offsets : PrintOffsets{}) {}

bool PagePrinter::begin(const QImage& picture, const QSizeF& pictureSize) {
    if (!m_surface.setUnitMillimetres())
        return false;
    if (m_sheet == Sheet::A4) {
        // The picture is stretched to a fixed rectangle from the printable area's corner.
        if (!m_surface.drawPicture(picture, QRectF(QPointF(0, 0), pictureSize)))
            return false;
        if (!m_surface.setUnitMillimetres())
            return false;
    }
    return m_surface.setFont(formFont, formFontPoints);
}

bool PagePrinter::finish(bool ok) {
    if (ok && m_surface.endDocument())
        return true;
    m_surface.abandon();
    return false;
}

bool PagePrinter::printFront(const QImage& picture) {
    // Two halves in one document; each starts with the unit and the font.
    bool ok =
        begin(picture, formpictures::frontPrintSize) && printPart(pagelayouts::frontFirstHalf());
    ok = ok && m_surface.setUnitMillimetres() && m_surface.setFont(formFont, formFontPoints) &&
         printPart(pagelayouts::frontSecondHalf());
    return finish(ok);
}

bool PagePrinter::printBack(const QImage& picture) {
    // The back page has always been printed in the front page's font.
    return finish(begin(picture, formpictures::backPrintSize) &&
                  printPart(pagelayouts::backPage()));
}

bool PagePrinter::printPart(const LayoutPart& part) {
    for (const LayoutItem& item : part)
        if (!printItem(item))
            return false;
    return true;
}

bool PagePrinter::at(float x, float y, const QString& text) {
    if (text.isEmpty())
        return true;
    const double left = double(x) + m_offsets.right;
    const double top = double(y) + m_offsets.down;
    constexpr double lowest = std::numeric_limits<qint32>::min();
    constexpr double highest = std::numeric_limits<qint32>::max();
    if (left < lowest || left > highest || top < lowest || top > highest)
        return false;
    m_surface.setX(float(left));
    m_surface.setY(float(top));
    return m_surface.printText(text);
}

bool PagePrinter::printItem(const LayoutItem& item) {
    const bool official = m_sheet == Sheet::Official;
    const QList<float>& xs = official ? item.officialX : item.a4X;
    const float y = official ? item.officialY : item.a4Y;

    if (item.kind == LayoutItem::Kind::Text)
        return at(xs.first(), y, m_values.text(item));

    const std::optional<qint32> value = m_values.integer(item);
    if (!value)
        return true; // nothing to print: the boxes stay blank
    switch (item.kind) {
    case LayoutItem::Kind::Number:
    case LayoutItem::Kind::MonthNumber:
        return at(xs.first(), y, printvalues::number(*value));
    case LayoutItem::Kind::Tick:
        return *value == 0 ? true : at(xs.first(), y, printvalues::number(*value));
    case LayoutItem::Kind::Grouped:
        return at(xs.first(), y, groupedDisplay(*value));
    case LayoutItem::Kind::Amount: {
        // The printed text, commas included, ends at X like the column's rule.
        const QString grouped = groupedDisplay(*value);
        return at(float(xs.first() - m_surface.textWidth(grouped)), y, grouped);
    }
    case LayoutItem::Kind::DigitBoxes: {
        const QStringList perBox = printvalues::digitBoxes(*value, int(xs.size()));
        for (qsizetype box = 0; box < xs.size(); ++box)
            if (!at(xs.at(box), y, perBox.at(box)))
                return false;
        return true;
    }
    case LayoutItem::Kind::DigitSplit: {
        const QStringList fromLeft = printvalues::digitSplit(*value, int(xs.size()));
        for (qsizetype box = 0; box < xs.size(); ++box)
            if (!at(xs.at(box), y, fromLeft.at(box)))
                return false;
        return true;
    }
    case LayoutItem::Kind::Text:
        break;
    }
    return true;
}

} // namespace gaikyo
