#pragma once

#include <QFont>
#include <QString>

namespace gaikyo {

// The font of the printed form, sized in points.
QFont printFont(const QString& family, double points);

// The width of a text in millimetres, measured at a high resolution so that every
// surface measures alike.
double textWidthMillimetres(const QFont& font, const QString& text);

} // namespace gaikyo
