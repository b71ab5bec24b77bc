#pragma once

#include <QString>
#include <QtGlobal>
#include <optional>

// The pieces of an accounting program's export that are read the same way everywhere:
// its figures, its account names, its month headings and its display unit. Every reader
// here is called for each cell of files of many thousand rows, so none builds a regular
// expression as it goes.
namespace gaikyo::bookfigures {

// Full-width letters, digits and signs as their ASCII forms and the ideographic space as
// a space; other compatibility forms (half-width katakana, ㈱ …) folded as Unicode's
// compatibility normalisation folds them.
QString folded(const QString& text);

// A cell of an amount column.
struct Figure {
    enum class Kind {
        Empty,      // nothing written: no figure
        Read,       // yen holds the figure
        Unreadable, // something is written that is no figure (1e9, 19 digits, 12%)
    };
    Kind kind = Kind::Empty;
    qint64 yen = 0;
};

// A figure as accounting programs write it: digit-group commas, full-width digits, a
// minus sign before or after, △ or ▲, or parentheses for a negative, a yen sign or 円.
// A lone dash is zero. The figure is in units of unitYen yen (1,000 for a file in 千円);
// a fraction counts down to the yen and is cut off below it.
Figure figure(const QString& text, qint64 unitYen = 1);

// The figure of a cell in yen, or nothing when the cell holds none.
std::optional<qint64> yen(const QString& text);

// Thousands of yen with the part below 1,000 cut off (千円未満切捨て), towards zero
// for negatives as well.
qint64 thousands(qint64 yen);

// Adds to a sum of yen; false (and the sum unchanged) where the sum would overflow.
bool addTo(qint64& sum, qint64 yen);

// An account name compared without its width, spaces, a leading account code and the
// brackets that mark headings: "【 売上高 】", "４１１ 売上高" and "売上高" are alike.
QString accountKey(const QString& name);

// How deep a name is indented by leading spaces: a half-width space counts one, an
// ideographic space two.
int indentOf(const QString& name);

// The calendar month of a column heading: 4月, ４月, 04月, 4月度, 2025/04, 2025-4,
// 2025年4月, 令和7年4月, R7.4 …; nothing for any other heading (合計, 上半期合計, 構成比).
std::optional<int> calendarMonth(const QString& heading);

// A column of the closing entries (決算整理): the year's adjustments, in no month.
bool isClosingColumn(const QString& heading);

// The yen of one unit of a display unit: 円 1, 千円 1,000, 万円 10,000, 百万円 1,000,000.
std::optional<qint64> unitYen(const QString& unit);

// The display unit a title line or a column heading names ("表示単位：千円",
// "(単位:円)", "金額単位 千円", "期末残高（千円）"): the unit as written, or nothing
// where the text names none.
std::optional<QString> statedUnit(const QString& text);

} // namespace gaikyo::bookfigures
