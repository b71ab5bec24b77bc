#pragma once

#include <QString>
#include <QtGlobal>
#include <optional>

// The business year's calendar: dates are kept as a Heisei year, a month and a day, and
// Heisei year Y is the Gregorian year 1988 + Y (so leap years follow from that).
namespace gaikyo::businessyear {

struct Date {
    qint32 year = 0; // 平成
    qint32 month = 0;
    qint32 day = 0;
    friend bool operator==(const Date&, const Date&) = default;
};

bool isLeapYear(qint32 heiseiYear);
// The number of days of a month (1–12) in a Heisei year.
int daysInMonth(qint32 heiseiYear, int month);

// The end of a business year or why there is none.
struct End {
    std::optional<Date> date;
    QString problem; // a plain sentence for the user when there is no date
};

// A business year that starts on the given day lasts twelve months: it ends on the day
// before the same date a year later, or on the last day of that month where the month
// lacks the day (a start on 29 February). A month outside 1–12 or a day the month does
// not have gives no end.
End endOf(const Date& start);

// The business year that follows one ending on the given day: it starts the day after
// and ends by endOf(). An end month outside 1–12 or a day the month does not have gives
// no year.
struct Next {
    std::optional<Date> start;
    std::optional<Date> end;
    QString problem; // a plain sentence for the user when there is no year
};
Next after(const Date& end);

// What makes a date no day of the calendar in its era: a month outside 1–12, a day the
// month lacks, a year before 平成元年 or a day of 平成元年 before 8 January (昭和64), a
// Western year after 9999.
struct DateProblem {
    enum class Part { Year, Month, Day };
    Part part;
    QString text; // a plain sentence for the user
};
// `which` names the date in the sentence ("開始", "終わり").
std::optional<DateProblem> problemOf(const Date& date, const QString& which);

// The one check of a business year, for everything that stores or prints one: both
// dates real days of their era, the end not before the start and at most twelve months
// after it (a first year may be shorter).
struct YearProblem {
    enum class Side { Start, End };
    Side side;
    DateProblem::Part part; // the box the user should look at
    QString text;
};
std::optional<YearProblem> problemOf(const Date& start, const Date& end);

} // namespace gaikyo::businessyear
