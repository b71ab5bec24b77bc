#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

// How an export lays its table out, where its headings alone do not say: two trial
// balances side by side on the same lines, months running down the rows instead of
// across, and amount columns told apart by what their figures add up to.
namespace gaikyo::booklayout {

// Only the first rows are looked at for the heading row: title lines come before it, and
// a file whose heading is not among them has none.
constexpr qsizetype headingSearchRows = 100;

struct Table {
    QList<QStringList> rows;
    QList<qsizetype> lines;
};

// Whether a heading names the column of the account names (勘定科目, 科目 …).
using NameHeading = std::function<bool(const QString& cell)>;

// A heading row that repeats its account column with its amount columns further right
// (assets on the left, liabilities and net assets on the right): the right block's rows
// follow the left block's, each with its own line. Nothing where the file has one block.
std::optional<Table> sideBySideAsOne(const QList<QStringList>& rows, const QList<qsizetype>& lines,
                                     const NameHeading& isName);

// A monthly table whose months run down its first column and whose accounts stand in
// its heading row, turned so that the months run across; each account's line is the
// number of the column it stood in. Nothing where no column holds months one below the
// other.
std::optional<Table> monthsAcross(const QList<QStringList>& rows, const QList<qsizetype>& lines);

// Columns that compare the figures with others (前年, 差額, 対比, 構成比, 予算 …): never
// an account's own figure.
bool isComparisonHeading(const QString& key);

// The balance column of a trial balance found by what its figures add up to:
//   - opening + debit − credit (or − debit + credit) = balance on every row;
//   - debit − credit = ± balance on every row;
//   - a column that is on every row the sum of the columns before it (departments and
//     their 合計);
//   - the only column of figures that compares nothing.
// candidates: the columns that may hold figures, left to right; rows: the accounts' rows.
struct BalanceReading {
    int column = -1;
    QString how; // for the user: which columns showed it
};
std::optional<BalanceReading> balanceByContent(const QStringList& heading,
                                               const QList<QStringList>& rows,
                                               const QList<int>& candidates);

} // namespace gaikyo::booklayout
