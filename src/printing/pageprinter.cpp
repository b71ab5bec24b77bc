#include "pageprinter.h"

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
    m_page = formpictures::Page::Front;
    // Two halves in one document; each starts with the unit and the font.
    bool ok =
        begin(picture, formpictures::frontPrintSize) && printPart(pagelayouts::frontFirstHalf());
    ok = ok && m_surface.setUnitMillimetres() && m_surface.setFont(formFont, formFontPoints) &&
         printPart(pagelayouts::frontSecondHalf());
    return finish(ok);
}

bool PagePrinter::printBack(const QImage& picture) {
    m_page = formpictures::Page::Back;
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

bool PagePrinter::inRange(double left, double top) const {
    constexpr double lowest = std::numeric_limits<qint32>::min();
    constexpr double highest = std::numeric_limits<qint32>::max();
    return left >= lowest && left <= highest && top >= lowest && top <= highest;
}

bool PagePrinter::at(float x, float y, const QString& text) {
    if (text.isEmpty())
        return true;
    const double left = double(x) + m_offsets.right;
    const double top = double(y) + m_offsets.down;
    if (!inRange(left, top))
        return false;
    m_surface.setX(float(left));
    m_surface.setY(float(top));
    return m_surface.printText(text);
}

bool PagePrinter::scaledAt(const entryfit::Line& line, const entryfit::Fit& fit,
                           const QRectF& box) {
    const double left = line.at.x() + m_offsets.right;
    const double top = line.at.y() + m_offsets.down;
    if (!inRange(left, top))
        return false;
    m_surface.setX(float(left));
    m_surface.setY(float(top));
    // Only a text cut at the floor needs its box's edge.
    const QRectF clip = fit.cut() ? box.translated(m_offsets.right, m_offsets.down) : QRectF();
    return m_surface.printScaledText(line.text, fit.points, fit.scale, clip);
}

bool PagePrinter::printEntry(const LayoutItem& item, float x, float y, const QString& text) {
    if (text.isEmpty())
        return true;
    const QRectF box = entryfit::boxOf(item, m_page, m_sheet == Sheet::Official);
    const entryfit::Fit fit = entryfit::fit(text, QPointF(x, y), entryfit::shapeOf(item), box);
    if (fit.asDesigned()) {
        if (item.kind != LayoutItem::Kind::Amount)
            return at(x, y, text);
        // The printed text, commas included, ends at X like the column's rule.
        return at(float(x - m_surface.textWidth(text)), y, text);
    }
    for (const entryfit::Line& line : fit.lines)
        if (!scaledAt(line, fit, box))
            return false;
    return true;
}

bool PagePrinter::printItem(const LayoutItem& item) {
    const bool official = m_sheet == Sheet::Official;
    const QList<float>& xs = official ? item.officialX : item.a4X;
    const float y = official ? item.officialY : item.a4Y;

    if (item.kind != LayoutItem::Kind::DigitBoxes && item.kind != LayoutItem::Kind::DigitSplit)
        return printEntry(item, xs.first(), y, m_values.printedText(item));

    // Digit boxes keep their own rule: one character a box.
    const std::optional<qint32> value = m_values.integer(item);
    if (!value)
        return true; // nothing to print: the boxes stay blank
    const QStringList perBox = item.kind == LayoutItem::Kind::DigitBoxes
                                   ? printvalues::digitBoxes(*value, int(xs.size()))
                                   : printvalues::digitSplit(*value, int(xs.size()));
    for (qsizetype box = 0; box < xs.size(); ++box)
        if (!at(xs.at(box), y, perBox.at(box)))
            return false;
    return true;
}

} // namespace gaikyo
