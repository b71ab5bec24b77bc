#pragma once

#include <QFont>
#include <QString>

namespace gaikyo {

// The font of the printed form, sized in points.
QFont printFont(const QString& family, double points);

// The width of a text in millimetres, measured at a high resolution so that every
// surface measures alike.
double textWidthMillimetres(const QFont& font, const QString& text);
// Texts drawn narrower or smaller are laid out at this many times their size and drawn
// scaled down: each character's advance is rounded to whole device pixels, and so the
// rounding does not add up along a line. Such a text comes out as wide as its design on
// every device.
inline constexpr double exactLayoutMagnification = 16;

// By the font's design, so laid out: the width of a text, how far below the top of a
// character cell its baseline lies, and how high one line is, in millimetres.
double designWidthMillimetres(const QFont& font, const QString& text);
double designAscentMillimetres(const QFont& font);
double designLineHeightMillimetres(const QFont& font);

} // namespace gaikyo
