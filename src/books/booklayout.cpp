#include "booklayout.h"

#include "bookfigures.h"

#include <algorithm>

namespace gaikyo::booklayout {

namespace {

using bookfigures::Figure;

// Rows enough to tell columns apart by their figures; more would only cost time.
constexpr qsizetype sampledRows = 2000;
// A rule holds only where it is shown by so many rows with figures of their own.
constexpr int rowsShowingRule = 3;
// Every four columns of a wider table would be many to try; an export's trial balance has
// a handful of amount columns.
constexpr qsizetype maxColumnsCompared = 16;

QString cell(const QStringList& row, qsizetype column) {
    return column >= 0 && column < row.size() ? row.at(column) : QString();
}

QString keyOf(const QString& cell) {
    return bookfigures::accountKey(bookfigures::folded(cell));
}

// The figures of the sampled rows, column by column: nothing for an empty cell; rows with
// a cell that is no figure are left out.
struct Figures {
    QList<QList<std::optional<qint64>>> byColumn; // [candidate][row]
    qsizetype rows = 0;
};

Figures figuresOf(const QList<QStringList>& rows, const QList<int>& candidates) {
    Figures f;
    f.byColumn.resize(candidates.size());
    for (qsizetype r = 0; r < std::min(rows.size(), sampledRows); ++r) {
        QList<std::optional<qint64>> values;
        bool readable = true;
        bool any = false;
        for (const int column : candidates) {
            const Figure figure = bookfigures::figure(cell(rows.at(r), column));
            readable = readable && figure.kind != Figure::Kind::Unreadable;
            any = any || figure.kind == Figure::Kind::Read;
            values.append(figure.kind == Figure::Kind::Read ? std::optional<qint64>(figure.yen)
                                                            : std::nullopt);
        }
        if (!readable || !any)
            continue;
        for (qsizetype c = 0; c < candidates.size(); ++c)
            f.byColumn[c].append(values.at(c));
        ++f.rows;
    }
    return f;
}

qint64 at(const Figures& f, qsizetype column, qsizetype row) {
    return f.byColumn.at(column).at(row).value_or(0);
}

int nonZero(const Figures& f, qsizetype column) {
    int n = 0;
    for (qsizetype r = 0; r < f.rows; ++r)
        n += at(f, column, r) != 0 ? 1 : 0;
    return n;
}

QString headingText(const QStringList& heading, int column) {
    const QString text = cell(heading, column).trimmed();
    return text.isEmpty() ? QStringLiteral("%1列目").arg(column + 1) : text;
}

// 合計, 計, 総計, 全社: a column that adds up others.
bool isTotalHeading(const QString& cell) {
    const QString key = keyOf(cell);
    return key.endsWith(QStringLiteral("計")) || key == QStringLiteral("全社") ||
           key == QStringLiteral("全体") || key == QStringLiteral("全部門");
}

// opening ± debit ∓ credit = balance on every row, or without an opening column.
std::optional<BalanceReading> byMovements(const QStringList& heading, const Figures& f,
                                          const QList<int>& candidates) {
    const qsizetype n = candidates.size();
    if (n > maxColumnsCompared)
        return std::nullopt;
    const auto holds = [&](qsizetype a, qsizetype d, qsizetype c, qsizetype b) {
        int moving = 0;
        for (qsizetype r = 0; r < f.rows; ++r) {
            // A profit line (営業利益 …) may give its balance alone: it neither shows nor
            // breaks the rule.
            if (!f.byColumn.at(d).at(r) && !f.byColumn.at(c).at(r) &&
                (a < 0 || !f.byColumn.at(a).at(r)))
                continue;
            const qint64 opening = a < 0 ? 0 : at(f, a, r);
            const qint64 debit = at(f, d, r);
            const qint64 credit = at(f, c, r);
            const qint64 balance = at(f, b, r);
            qint64 moved = 0;
            qint64 debitSide = 0;
            qint64 creditSide = 0;
            if (__builtin_sub_overflow(debit, credit, &moved) ||
                __builtin_add_overflow(opening, moved, &debitSide) ||
                __builtin_sub_overflow(opening, moved, &creditSide))
                return false;
            if (debitSide != balance && creditSide != balance)
                return false;
            moving += debit != 0 || credit != 0 ? 1 : 0;
        }
        return moving >= rowsShowingRule && nonZero(f, b) >= rowsShowingRule;
    };
    // Without an opening column, three columns of which one is the difference of two
    // others could be anything: the two must be headed as debit and credit.
    const auto movementHeadings = [&](qsizetype d, qsizetype c) {
        const QString debit = keyOf(cell(heading, candidates.at(d)));
        const QString credit = keyOf(cell(heading, candidates.at(c)));
        return debit.contains(QStringLiteral("借")) && credit.contains(QStringLiteral("貸"));
    };
    for (qsizetype b = n - 1; b >= 2; --b)
        for (qsizetype c = b - 1; c >= 1; --c)
            for (qsizetype d = c - 1; d >= 0; --d)
                for (qsizetype a = d - 1; a >= -1; --a)
                    if ((a >= 0 || movementHeadings(d, c)) && holds(a, d, c, b)) {
                        const QString opening = a < 0 ? QString()
                                                      : QStringLiteral("「%1」").arg(
                                                            headingText(heading, candidates.at(a)));
                        return BalanceReading{candidates.at(b),
                                              QStringLiteral("%1「%2」「%3」から「%4」になる")
                                                  .arg(opening,
                                                       headingText(heading, candidates.at(d)),
                                                       headingText(heading, candidates.at(c)),
                                                       headingText(heading, candidates.at(b)))};
                    }
    return std::nullopt;
}

// A column that is on every row the sum of the columns just before it (departments and
// their 合計). Columns of months are no parts: their sum is a year's flow, which says
// nothing of a balance.
std::optional<BalanceReading> bySum(const QStringList& heading, const Figures& f,
                                    const QList<int>& candidates, bool headedAsTotal) {
    const qsizetype n = candidates.size();
    if (n > 3 * maxColumnsCompared)
        return std::nullopt;
    for (qsizetype t = n - 1; t >= 2; --t) {
        if (headedAsTotal != isTotalHeading(cell(heading, candidates.at(t))))
            continue;
        for (qsizetype s = 0; s + 2 <= t; ++s) {
            bool months = false;
            for (qsizetype p = s; p < t; ++p)
                months = months || bookfigures::calendarMonth(cell(heading, candidates.at(p)));
            if (months)
                continue;
            bool holds = nonZero(f, t) >= rowsShowingRule;
            for (qsizetype r = 0; r < f.rows && holds; ++r) {
                qint64 sum = 0;
                for (qsizetype p = s; p < t && holds; ++p)
                    holds = bookfigures::addTo(sum, at(f, p, r));
                holds = holds && sum == at(f, t, r);
            }
            if (holds)
                return BalanceReading{candidates.at(t),
                                      QStringLiteral("「%1」から「%2」までを足すと「%3」になる")
                                          .arg(headingText(heading, candidates.at(s)),
                                               headingText(heading, candidates.at(t - 1)),
                                               headingText(heading, candidates.at(t)))};
        }
    }
    return std::nullopt;
}

} // namespace

bool isComparisonHeading(const QString& cell) {
    const QString key = keyOf(cell);
    for (const char* part : {"前年", "昨年", "前期比", "前月比", "差額", "差異", "増減", "対比",
                             "比率", "構成比", "予算", "達成率", "比較", "%", "前期実績", "前々期"})
        if (key.contains(QString::fromUtf8(part)))
            return true;
    // 売上高比, 対前年比: a ratio.
    return key == QStringLiteral("前期") || key == QStringLiteral("前期金額") ||
           key.endsWith(QStringLiteral("比"));
}

std::optional<BalanceReading> balanceByContent(const QStringList& heading,
                                               const QList<QStringList>& rows,
                                               const QList<int>& candidates) {
    // A table wider than this is no trial balance whose columns its figures could tell.
    if (candidates.size() > 4 * maxColumnsCompared)
        return std::nullopt;
    QList<int> columns;
    for (const int column : candidates)
        if (!isComparisonHeading(cell(heading, column)))
            columns.append(column);
    const Figures f = figuresOf(rows, columns);
    QList<int> withFigures;
    QList<qsizetype> kept;
    for (qsizetype c = 0; c < columns.size(); ++c)
        if (std::any_of(f.byColumn.at(c).cbegin(), f.byColumn.at(c).cend(),
                        [](const std::optional<qint64>& v) { return v.has_value(); })) {
            withFigures.append(columns.at(c));
            kept.append(c);
        }
    Figures used;
    used.rows = f.rows;
    for (const qsizetype c : kept)
        used.byColumn.append(f.byColumn.at(c));
    if (f.rows < rowsShowingRule)
        return std::nullopt;
    if (withFigures.size() == 1)
        return BalanceReading{
            withFigures.first(),
            QStringLiteral("金額の列は「%1」だけ").arg(headingText(heading, withFigures.first()))};
    if (std::optional<BalanceReading> r = bySum(heading, used, withFigures, true))
        return r;
    if (std::optional<BalanceReading> r = byMovements(heading, used, withFigures))
        return r;
    return bySum(heading, used, withFigures, false);
}

std::optional<Table> sideBySideAsOne(const QList<QStringList>& rows, const QList<qsizetype>& lines,
                                     const NameHeading& isName) {
    for (qsizetype h = 0; h < std::min(rows.size(), headingSearchRows); ++h) {
        const QStringList& heading = rows.at(h);
        QStringList keys;
        for (const QString& c : heading)
            keys.append(keyOf(c));
        const auto first = std::find_if(heading.cbegin(), heading.cend(),
                                        [&](const QString& c) { return isName(c); });
        if (first == heading.cend())
            continue;
        const qsizetype i = first - heading.cbegin();
        const qsizetype j = keys.indexOf(keys.at(i), i + 1);
        if (j < 0)
            continue;
        // The left block's headings, up to the gap between the blocks, stand again on the
        // right.
        qsizetype width = j - i;
        while (width > 1 && keys.at(i + width - 1).isEmpty())
            --width;
        if (width < 2 || j + width > keys.size() || keys.mid(i, width) != keys.mid(j, width))
            continue;
        Table t;
        for (qsizetype r = 0; r <= h; ++r) {
            t.rows.append(r == h ? heading.mid(0, j) : rows.at(r));
            t.lines.append(lines.value(r, r + 1));
        }
        QList<QStringList> right;
        QList<qsizetype> rightLines;
        for (qsizetype r = h + 1; r < rows.size(); ++r) {
            const QStringList& row = rows.at(r);
            t.rows.append(row.mid(0, j));
            t.lines.append(lines.value(r, r + 1));
            QStringList block = QList<QString>(i) + row.mid(j, width);
            if (std::any_of(block.cbegin(), block.cend(),
                            [](const QString& c) { return !c.trimmed().isEmpty(); })) {
                right.append(block);
                rightLines.append(lines.value(r, r + 1));
            }
        }
        t.rows += right;
        t.lines += rightLines;
        return t;
    }
    return std::nullopt;
}

std::optional<Table> monthsAcross(const QList<QStringList>& rows, const QList<qsizetype>& lines) {
    constexpr int monthsInARow = 3;
    // Twelve months, a closing, half years and totals: a turned table has no more rows;
    // and no chart of accounts has more accounts across.
    constexpr qsizetype maxRowsDown = 40;
    constexpr qsizetype maxAccountsAcross = 2000;
    const qsizetype searched = std::min(rows.size(), headingSearchRows);
    for (qsizetype r = 1; r + monthsInARow <= searched; ++r) {
        const QStringList& row = rows.at(r);
        for (qsizetype m = 0; m < row.size(); ++m) {
            bool run = true;
            for (qsizetype k = 0; k < monthsInARow && run; ++k)
                run = bookfigures::calendarMonth(cell(rows.at(r + k), m)).has_value();
            if (!run)
                continue;
            // The row above the first month heads the accounts; the months, and the totals
            // after them, run down to the first row that is neither.
            const qsizetype h = r - 1;
            const QStringList& heading = rows.at(h);
            if (heading.size() > maxAccountsAcross)
                return std::nullopt;
            qsizetype end = r;
            while (end < rows.size() && end - r < maxRowsDown &&
                   !cell(rows.at(end), m).trimmed().isEmpty())
                ++end;
            const qsizetype width = heading.size();
            Table t;
            for (qsizetype q = 0; q < h; ++q) {
                t.rows.append(rows.at(q));
                t.lines.append(lines.value(q, q + 1));
            }
            QStringList across{QStringLiteral("勘定科目")};
            for (qsizetype q = r; q < end; ++q)
                across.append(cell(rows.at(q), m));
            t.rows.append(across);
            t.lines.append(lines.value(h, h + 1));
            for (qsizetype c = 0; c < width; ++c) {
                if (c == m || cell(heading, c).trimmed().isEmpty())
                    continue;
                QStringList account{cell(heading, c)};
                for (qsizetype q = r; q < end; ++q)
                    account.append(cell(rows.at(q), c));
                t.rows.append(account);
                t.lines.append(c + 1); // an account is found by its column
            }
            return t;
        }
    }
    return std::nullopt;
}

} // namespace gaikyo::booklayout
