#pragma once

#include <QList>
#include <QStringList>

namespace gaikyo {

class ItemValues;

namespace printcheck {

// The business year the company's file holds, when it is no year: a date the calendar
// lacks (令和7年13月40日), an end before the start, more than twelve months. One finding
// of the dates as they would print and why.
QList<QStringList> impossibleBusinessYear(const ItemValues& values);

} // namespace printcheck
} // namespace gaikyo
