// The business year's one check and the era reading on any input: a year typed into a
// box (any text, any era, any month), and any six stored numbers. Nothing may overflow,
// and what the check lets through is a year the calendar has.
#include "datafile/erayear.h"
#include "datafile/numbers.h"
#include "fuzzsupport.h"
#include "registry/businessyear.h"
#include "registry/companylist.h"

#include <QDate>
#include <cstring>

using namespace gaikyo;

namespace {

qint32 numberAt(const uint8_t* data) {
    qint32 value;
    std::memcpy(&value, data, sizeof value);
    return value;
}

// A stored date the check passed, as the calendar reads it.
QDate calendarDate(const businessyear::Date& date) {
    return QDate(int(1988 + qint64(date.year)), date.month, date.day);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 25)
        return 0;
    const businessyear::Date start{numberAt(data), numberAt(data + 4), numberAt(data + 8)};
    const businessyear::Date end{numberAt(data + 12), numberAt(data + 16), numberAt(data + 20)};
    const std::optional<businessyear::YearProblem> problem = businessyear::problemOf(start, end);
    if (!problem) {
        const QDate first = calendarDate(start);
        const QDate last = calendarDate(end);
        fuzz::check(first.isValid() && last.isValid());
        fuzz::check(first <= last && first.daysTo(last) < 366);
        fuzz::check(!erayear::shownDate(start.year, start.month, start.day).isEmpty());
    } else {
        fuzz::check(!problem->text.isEmpty());
    }
    companylist::itemText(7, QStringLiteral("見本"), start.year, start.month, start.day);

    // The rest as a typed year, in either era, at the month of the start.
    const QString typed =
        QString::fromUtf8(reinterpret_cast<const char*>(data + 25), qsizetype(size - 25));
    const erayear::Era chosen = data[24] & 1 ? erayear::Era::Reiwa : erayear::Era::Heisei;
    const erayear::Typed year = erayear::parse(typed, chosen, start.month);
    if (year.kind == erayear::Typed::Kind::Year)
        fuzz::check(year.storedYear.has_value() && year.problem.isEmpty());
    else
        fuzz::check(!year.storedYear.has_value());
    if (year.kind == erayear::Typed::Kind::NotInEra)
        fuzz::check(!year.problem.isEmpty());
    const std::optional<qint32> whole = wholeNumber(typed);
    fuzz::check(!whole || strictInteger(typed) == whole);
    return 0;
}
