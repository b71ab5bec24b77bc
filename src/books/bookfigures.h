#pragma once

#include <QString>
#include <QtGlobal>
#include <optional>

// The pieces of an accounting program's export that are read the same way everywhere:
// its figures in yen, its account names and its month headings.
namespace gaikyo::bookfigures {

// A figure in yen as accounting programs write it: digit-group commas, full-width
// digits, a minus sign, △ or ▲, or parentheses for a negative, a yen sign or 円; a
// fraction is dropped. A lone dash is zero. Empty or other text gives nothing.
std::optional<qint64> yen(const QString& text);

// Thousands of yen with the part below 1,000 cut off (千円未満切捨て), towards zero
// for negatives as well.
qint64 thousands(qint64 yen);

// An account name compared without its width, spaces, a leading account code and the
// brackets that mark headings: "【 売上高 】", "４１１ 売上高" and "売上高" are alike.
QString accountKey(const QString& name);

// The calendar month of a column heading: 4月, ４月, 04月, 2026/04, 2026-4, 2026年4月,
// 令和8年4月, R8.4 …; nothing for any other heading.
std::optional<int> calendarMonth(const QString& heading);

} // namespace gaikyo::bookfigures
