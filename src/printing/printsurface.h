#pragma once

#include <QImage>
#include <QRectF>
#include <QString>

namespace gaikyo {

// One page of one document, measured in millimetres from the top-left corner of the
// printable area. A text is drawn with the top-left corner of its first character cell
// at the current position. An operation that returns false has failed, and the print
// is abandoned.
class PrintSurface {
public:
    virtual ~PrintSurface() = default;

    virtual bool setUnitMillimetres() = 0;
    virtual bool setFont(const QString& family, double points) = 0;
    virtual bool drawPicture(const QImage& picture, const QRectF& millimetres) = 0;
    virtual void setX(float millimetres) = 0;
    virtual void setY(float millimetres) = 0;
    virtual bool printText(const QString& text) = 0;
    // Prints a text in the current font's family drawn narrower or smaller: characters
    // `points` high, each `scale` of its natural width, the top-left corner of the first
    // character cell at the current position. Nothing is drawn outside a clip rectangle
    // (millimetres) that is not empty.
    virtual bool printScaledText(const QString& text, double points, double scale,
                                 const QRectF& clip) = 0;
    // Width of the text in the current font, in millimetres.
    virtual double textWidth(const QString& text) = 0;
    // The page goes to the printer.
    virtual bool endDocument() = 0;
    // A print that failed part-way: the partial page is thrown away, never sent.
    virtual void abandon() = 0;
};

} // namespace gaikyo
