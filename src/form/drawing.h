#pragma once

#include <QColor>
#include <QLineF>
#include <QList>
#include <QRectF>
#include <QSizeF>
#include <QString>
#include <Qt>

#include <array>

namespace gaikyo::formpictures {

// The form's words as the pictures' sources write them, in UTF-8.
inline QString s(const char* text) {
    return QString::fromUtf8(text);
}

// The two faces of the printed form: captions in Mincho, titles and item numbers in Gothic.
enum class Face { Mincho, Gothic };

// Rule weights of the form. Widths are in the drawing's unit (see Drawing::penWidths).
enum class Pen { Thin, Medium, Thick, Dotted };

struct Stroke {
    QLineF line;
    Pen pen = Pen::Thin;
};

struct Outline {
    QRectF rect;
    Pen pen = Pen::Thin;
    bool round = false; // an ellipse inside rect instead of a rectangle
};

// A caption fitted into its rectangle: it never leaves it. Lines are separated by '\n';
// a line that is too wide is condensed horizontally, as printed forms do.
struct Caption {
    QRectF rect;
    QString text;
    double points = 7;
    Face face = Face::Mincho;
    Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter;
    bool vertical = false; // written top to bottom, one character under the other
};

// The description of one picture of the form, in its own unit: millimetres for the page
// pictures, screen pixels for the backgrounds of the entry screens.
struct Drawing {
    QSizeF size;
    double unitsPerPoint = 25.4 / 72; // how long one typographic point is in this unit
    std::array<double, 4> penWidths{0.18, 0.3, 0.5, 0.18};
    QColor paper = Qt::white;
    QColor answer = Qt::white; // fill of the cells the user's entries go into
    QColor ink = Qt::black;

    QList<QRectF> answerAreas;
    QList<Stroke> strokes;
    QList<Outline> outlines;
    QList<Caption> captions;

    void hline(double x1, double x2, double y, Pen pen = Pen::Thin) {
        strokes.append({QLineF(x1, y, x2, y), pen});
    }
    void vline(double x, double y1, double y2, Pen pen = Pen::Thin) {
        strokes.append({QLineF(x, y1, x, y2), pen});
    }
    void box(const QRectF& rect, Pen pen = Pen::Thin) { outlines.append({rect, pen, false}); }
    void circle(const QRectF& rect, Pen pen = Pen::Thin) { outlines.append({rect, pen, true}); }
    void answerArea(const QRectF& rect) { answerAreas.append(rect); }
    void text(const QRectF& rect, const QString& text, double points, Face face = Face::Mincho,
              Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter) {
        captions.append({rect, text, points, face, alignment, false});
    }
    void verticalText(const QRectF& rect, const QString& text, double points,
                      Face face = Face::Gothic) {
        captions.append({rect, text, points, face, Qt::AlignHCenter | Qt::AlignTop, true});
    }
};

} // namespace gaikyo::formpictures
