#include "monthorder.h"

namespace gaikyo::monthorder {

QList<int> fromStartMonth(int startMonth) {
    const int first = (startMonth >= 1 && startMonth <= 11) ? startMonth : 12;
    QList<int> months;
    for (int row = 0; row < 12; ++row)
        months.append((first - 1 + row) % 12 + 1);
    return months;
}

} // namespace gaikyo::monthorder
