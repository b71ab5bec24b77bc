#include "businessyear.h"

#include <limits>

namespace gaikyo::businessyear {

namespace {

// 64 bits, so that no Heisei year of the 32-bit range overflows on the way.
qint64 gregorianYear(qint32 heiseiYear) {
    return qint64(1988) + heiseiYear;
}

} // namespace

bool isLeapYear(qint32 heiseiYear) {
    const qint64 year = gregorianYear(heiseiYear);
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int daysInMonth(qint32 heiseiYear, int month) {
    switch (month) {
    case 2:
        return isLeapYear(heiseiYear) ? 29 : 28;
    case 4:
    case 6:
    case 9:
    case 11:
        return 30;
    default:
        return 31;
    }
}

End endOf(const Date& start) {
    if (start.month < 1 || start.month > 12)
        return {std::nullopt, QStringLiteral("開始の月は1から12までの数字で入力してください。")};
    if (start.day < 1 || start.day > daysInMonth(start.year, start.month))
        return {std::nullopt, QStringLiteral("平成%1年%2月には%3日がありません。開始の日を確かめて"
                                             "ください。")
                                  .arg(start.year)
                                  .arg(start.month)
                                  .arg(start.day)};
    if (start.year == std::numeric_limits<qint32>::max())
        return {std::nullopt, QStringLiteral("開始の年が大きすぎます。")};

    const qint32 year = start.year + 1;
    const int lastDay = daysInMonth(year, start.month);
    if (start.day > lastDay) // 29 February: the month a year later lacks the day
        return {Date{year, start.month, lastDay}, {}};
    if (start.day > 1)
        return {Date{year, start.month, start.day - 1}, {}};
    // A start on the 1st ends on the last day of the month before.
    if (start.month == 1)
        return {Date{start.year, 12, 31}, {}};
    return {Date{year, start.month - 1, daysInMonth(year, start.month - 1)}, {}};
}

qint32 nextEndDay(qint32 endYear, qint32 endMonth, qint32 endDay) {
    if (endMonth != 2 || endDay != daysInMonth(endYear, 2) ||
        endYear == std::numeric_limits<qint32>::max())
        return endDay;
    return daysInMonth(endYear + 1, 2);
}

} // namespace gaikyo::businessyear
