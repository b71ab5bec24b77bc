#include "businessyear.h"

#include "datafile/erayear.h"

#include <limits>

namespace gaikyo::businessyear {

namespace {

// 64 bits, so that no Heisei year of the 32-bit range overflows on the way.
qint64 gregorianYear(qint32 heiseiYear) {
    return qint64(1988) + heiseiYear;
}

// Why a date is not a day of the calendar, naming which end of the year it is ("開始",
// "終わり"); empty for a real day.
QString dateProblem(const Date& date, const QString& which) {
    if (date.month < 1 || date.month > 12)
        return QStringLiteral("%1の月は1から12までの数字で入力してください。").arg(which);
    if (date.day < 1 || date.day > daysInMonth(date.year, date.month))
        return QStringLiteral("%1%2月には%3日がありません。%4の日を確かめてください。")
            .arg(erayear::shownYear(date.year, date.month))
            .arg(date.month)
            .arg(date.day)
            .arg(which);
    if (date.year == std::numeric_limits<qint32>::max())
        return QStringLiteral("%1の年が大きすぎます。").arg(which);
    return {};
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
    const QString problem = dateProblem(start, QStringLiteral("開始"));
    if (!problem.isEmpty())
        return {std::nullopt, problem};

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

Next after(const Date& end) {
    const QString problem = dateProblem(end, QStringLiteral("終わり"));
    if (!problem.isEmpty())
        return {std::nullopt, std::nullopt, problem};

    Date start{end.year, end.month, end.day + 1};
    if (start.day > daysInMonth(end.year, end.month)) {
        start.day = 1;
        if (++start.month > 12) {
            start.month = 1;
            ++start.year;
        }
    }
    const End next = endOf(start);
    if (!next.date) // only a start in the last year number has no end
        return {std::nullopt, std::nullopt, QStringLiteral("終わりの年が大きすぎます。")};
    return {start, next.date, {}};
}

} // namespace gaikyo::businessyear
