#pragma once

#include "drawing.h"

#include <QList>

// Building blocks of the two page pictures, in millimetres of the printed A4 page.
namespace gaikyo::formpictures::pageparts {

// One box per printed character. xs are the places where the characters print (in any
// order); for a digit split each digit follows a space, so its character is one space
// further right. The boxes span top to bottom and share their dividers.
void digitBoxes(Drawing& d, QList<double> xs, double top, double bottom, bool split = false);
// The outer frame of such a row of boxes.
QRectF digitBoxFrame(QList<double> xs, double top, double bottom, bool split = false);

// The small square a tick mark prints into when its top-left corner is at (x, y).
QRectF markBox(double x, double y);
void mark(Drawing& d, double x, double y);

// A tick option: its square, and its label to the right up to the x of right.
void option(Drawing& d, double x, double y, const QString& label, double right, double points = 6);

// Row boundaries between text rows printed at ys: halfway between the bottom of one row's
// characters and the top of the next; first and last are given.
QList<double> rowBounds(const QList<double>& ys, double first, double last);

// Characters of the front and back prints are "MS 明朝" 11 pt: one character cell is
// this high, and half as wide for digits and Latin letters.
inline constexpr double characterHeight = 11 * 25.4 / 72;
inline constexpr double digitWidth = characterHeight / 2;

} // namespace gaikyo::formpictures::pageparts
