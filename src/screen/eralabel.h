#pragma once

#include <QRect>
#include <QString>

namespace gaikyo {

class Screen;
struct EraDateBoxes;

// The Heisei years of the form, shown the way people count today: 平成38 is
// "令和8年 / 2026年", 平成30 "2018年". 令和 began on 1 May 2019, so 平成31 depends on the
// month: January to April stay "平成31年 / 2019年", May to December (or no month) are
// "令和元年 / 2019年". Nothing for a box that holds no year.
QString eraLabel(const QString& heiseiYear, const QString& month = QString());

// Adds a small label at the given place that shows eraLabel() of a date's year, as its
// boxes read (erabox), after the prefix, and keeps it up to date as the boxes change.
void addEraLabel(Screen& screen, const EraDateBoxes& date, const QString& label,
                 const QRect& geometry, const QString& prefix = QString());

} // namespace gaikyo
