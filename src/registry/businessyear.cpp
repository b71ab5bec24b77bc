#include "businessyear.h"

#include "datafile/erayear.h"

#include <limits>
#include <tuple>

namespace gaikyo::businessyear {

namespace {

// 64 bits, so that no Heisei year of the 32-bit range overflows on the way.
qint64 gregorianYear(qint32 heiseiYear) {
    return qint64(1988) + heiseiYear;
}

// The last Western year a business year may have: later ones are typing slips.
constexpr qint64 lastWesternYear = 9999;

// Why a date is not a day of the calendar in its era, and which part of it is wrong,
// naming which end of the year it is ("開始", "終わり"); nothing for a real day.
// `withinEras`: only dates from 平成元年1月8日 on (the arithmetic of endOf() and after()
// works on any year).
std::optional<DateProblem> problemOfDate(const Date& date, const QString& which,
                                         bool withinEras = true) {
    if (date.month < 1 || date.month > 12)
        return DateProblem{
            DateProblem::Part::Month,
            QStringLiteral("%1の月は1から12までの数字で入力してください。").arg(which)};
    if (withinEras && date.year < 1)
        return DateProblem{DateProblem::Part::Year,
                           QStringLiteral("%1の年が平成元年（1989年）より前です。").arg(which)};
    if (gregorianYear(date.year) > lastWesternYear)
        return DateProblem{DateProblem::Part::Year,
                           QStringLiteral("%1の年が大きすぎます。").arg(which)};
    if (date.day < 1 || date.day > daysInMonth(date.year, date.month))
        return DateProblem{DateProblem::Part::Day,
                           QStringLiteral("%1%2月には%3日がありません。%4の日を確かめてください。")
                               .arg(erayear::shownYear(date.year, date.month))
                               .arg(date.month)
                               .arg(date.day)
                               .arg(which)};
    // 平成 began on 8 January 1989; the days before are 昭和64年.
    if (withinEras && date.year == 1 && date.month == 1 && date.day < 8)
        return DateProblem{DateProblem::Part::Day,
                           QStringLiteral("平成元年1月%1日はありません。平成は元年1月8日からです。"
                                          "%2の日を確かめてください。")
                               .arg(date.day)
                               .arg(which)};
    return std::nullopt;
}

QString dateProblem(const Date& date, const QString& which) {
    const std::optional<DateProblem> problem = problemOfDate(date, which, false);
    return problem ? problem->text : QString();
}

bool operator<(const Date& a, const Date& b) {
    return std::tie(a.year, a.month, a.day) < std::tie(b.year, b.month, b.day);
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

std::optional<DateProblem> problemOf(const Date& date, const QString& which) {
    return problemOfDate(date, which);
}

std::optional<YearProblem> problemOf(const Date& start, const Date& end) {
    using Part = DateProblem::Part;
    if (const std::optional<DateProblem> problem = problemOfDate(start, QStringLiteral("開始")))
        return YearProblem{YearProblem::Side::Start, problem->part, problem->text};
    if (const std::optional<DateProblem> problem = problemOfDate(end, QStringLiteral("終わり")))
        return YearProblem{YearProblem::Side::End, problem->part, problem->text};
    const QString startText = erayear::shownDate(start.year, start.month, start.day);
    const QString endText = erayear::shownDate(end.year, end.month, end.day);
    if (end < start)
        return YearProblem{
            YearProblem::Side::End, Part::Year,
            QStringLiteral("終わりの日（%1）が開始の日（%2）より前です。").arg(endText, startText)};
    // At most twelve months: a year starting on the given day ends by endOf() at the latest.
    const End latest = endOf(start);
    if (latest.date && *latest.date < end)
        return YearProblem{
            YearProblem::Side::End, Part::Year,
            QStringLiteral("事業年度が12か月を超えています（%1から%2まで）。%1に始まる事業年度"
                           "は%3までに終わります。")
                .arg(startText, endText,
                     erayear::shownDate(latest.date->year, latest.date->month, latest.date->day))};
    return std::nullopt;
}

} // namespace gaikyo::businessyear
