#pragma once

#include "form/entryboxes.h"
#include "pagelayout.h"

#include <QList>
#include <QPointF>
#include <QRectF>
#include <QString>

namespace gaikyo {

// How an entry prints inside its box on the form. An entry that fits prints as it always
// has: one line in the form's font, from its print position. A wider one is drawn
// narrower at the same position and baseline. Far too wide, it wraps onto two lines at a
// smaller size where the box is tall enough and the characters come out larger that way.
// Below the floor of legibility (half a character's width, 5 pt) it prints at the floor,
// cut at the edge of its box.
namespace entryfit {

inline constexpr double designedPoints = 11;
inline constexpr double wrapBelow = 0.6;
inline constexpr double narrowest = 0.5;
inline constexpr double smallestPoints = 5;
// A text printed as designed is laid out in whole device pixels: at 300 and 600 dpi each
// character of 11 pt comes out 0.36% wider than the font's design. An entry fits as
// designed with this much to spare.
inline constexpr double deviceAllowance = 0.004;

// How an entry is laid out: a text from its print position, on two lines where need be;
// a number from its print position, on one line; an amount of item 17 ending at its print
// position, on one line.
enum class Shape { Text, Number, Amount };

struct Line {
    QString text;
    QPointF at; // the top-left corner of its first character cell, in millimetres
};

struct Fit {
    double points = designedPoints;
    double scale = 1; // each character's share of its natural width
    QList<Line> lines;
    QString lost;             // what the box cannot show even at the floor
    bool lostAtStart = false; // an amount loses its first characters

    bool designed = false; // prints as it always has, in the font as the device lays it out

    bool asDesigned() const { return designed; }
    bool cut() const { return !lost.isEmpty(); }
    // The width a character prints at against the designed character, in percent.
    double widthPercent() const { return 100 * scale * points / designedPoints; }
};

// Whether an entry is a number (signed, grouped, a fraction, a per cent sign), which is
// never broken over two lines.
bool readsAsNumber(const QString& text);

// The fit of a text printed at `at` into box (both in millimetres on the same page). An
// empty box leaves the text as designed. A text that reads as a number fits as a number.
Fit fit(const QString& text, QPointF at, Shape shape, const QRectF& box);

// The form's font at a size, by its design (see exactLayoutMagnification), in
// millimetres: the width of a text, the baseline below the top of the cell, and the
// height of a line.
const QString& fontFamily();
double textWidth(const QString& text, double points);
double ascent(double points);
double lineHeight(double points);

// What the layout says of an item: its shape, and its box on its page and sheet, before
// print offsets.
Shape shapeOf(const LayoutItem& item);
QRectF boxOf(const LayoutItem& item, formpictures::Page page, bool officialSheet);

} // namespace entryfit
} // namespace gaikyo
