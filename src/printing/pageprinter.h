#pragma once

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
// and the offsets play no part.
class PagePrinter {
public:
    enum class Sheet { Official, A4 };

    PagePrinter(PrintSurface& surface, const PrintData& data, Sheet sheet,
                PrintOffsets offsets = PrintOffsets());

    // 整理番号 as typed on the print screen; without a number its boxes stay blank.
    void setReferenceNumber(std::optional<qint32> number) { m_referenceNumber = number; }
    // The calendar months of rows 1 to 12 of the monthly table; a missing one prints blank.
    void setMonths(QList<std::optional<qint32>> months) { m_months = std::move(months); }

    // Each prints one whole page and ends the document. A failure part-way abandons
    // the page: it is never sent, and the result is false.
    bool printFront(const QImage& picture);
    bool printBack(const QImage& picture);

private:
    bool begin(const QImage& picture, const QSizeF& pictureSize);
    bool printPart(const LayoutPart& part);
    bool printItem(const LayoutItem& item);
    bool at(float x, float y, const QString& text);
    std::optional<qint32> integerOf(const LayoutItem& item) const;
    QString textOf(const LayoutItem& item) const;
    bool finish(bool ok);

    PrintSurface& m_surface;
    const PrintData& m_data;
    Sheet m_sheet;
    PrintOffsets m_offsets;
    std::optional<qint32> m_referenceNumber;
    QList<std::optional<qint32>> m_months;
};

} // namespace gaikyo
