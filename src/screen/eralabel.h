#pragma once

#include <QRect>
#include <QString>

namespace gaikyo {

class Screen;

// The Heisei years of the form, shown the way people count today: 平成31 is
// "令和元年 / 2019年", 平成38 "令和8年 / 2026年", 平成30 "2018年". Nothing for a box that
// holds no year.
QString eraLabel(const QString& heiseiYear);

// Adds a small label at the given place that shows eraLabel() of a year box, after the
// prefix, and keeps it up to date as the box changes.
void addEraLabel(Screen& screen, const QString& yearBox, const QString& label,
                 const QRect& geometry, const QString& prefix = QString());

} // namespace gaikyo
