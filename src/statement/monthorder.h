#pragma once

#include <QList>

namespace gaikyo::monthorder {

// The calendar months of the monthly table's twelve rows: the business year's first
// month, then the following ones, wrapping after December. A first month of 12, or
// one that is no month at all, gives 12, 1, 2, … 11.
QList<int> fromStartMonth(int startMonth);

} // namespace gaikyo::monthorder
