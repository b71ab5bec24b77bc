#pragma once

#include "entryfit.h"
#include "itemvalues.h"
#include "pagelayout.h"

#include <QImage>
#include <QList>
#include <optional>

namespace gaikyo {

class PrintData;
class PrintSurface;

// The print offsets typed on the print screen, in whole millimetres.
struct PrintOffsets {
    qint32 right = 0;
    qint32 down = 0;
};

// Prints the pages of the form from the layout tables. On the official sheet every
// item moves by the print offsets; on A4 copy paper the picture of the form goes first
// and the offsets play no part. An entry wider than its box on the form is drawn
// narrower inside it (see entryfit); one that fits prints as it always has.
class PagePrinter {
public:
    enum class Sheet { Official, A4 };

    PagePrinter(PrintSurface& surface, const PrintData& data, Sheet sheet,
                PrintOffsets offsets = PrintOffsets());

    // See ItemValues.
    void setReferenceNumber(std::optional<qint32> number) { m_values.setReferenceNumber(number); }
    void setMonths(QList<std::optional<qint32>> months) { m_values.setMonths(std::move(months)); }

    // Each prints one whole page and ends the document. A failure part-way abandons
    // the page: it is never sent, and the result is false.
    bool printFront(const QImage& picture);
    bool printBack(const QImage& picture);

private:
    bool begin(const QImage& picture, const QSizeF& pictureSize);
    bool printPart(const LayoutPart& part);
    bool printItem(const LayoutItem& item);
    bool printEntry(const LayoutItem& item, float x, float y, const QString& text);
    bool at(float x, float y, const QString& text);
    bool scaledAt(const entryfit::Line& line, const entryfit::Fit& fit, const QRectF& box);
    bool inRange(double left, double top) const;
    bool finish(bool ok);

    PrintSurface& m_surface;
    ItemValues m_values;
    Sheet m_sheet;
    PrintOffsets m_offsets;
    formpictures::Page m_page = formpictures::Page::Front;
};

} // namespace gaikyo
