#pragma once

#include "columnheadings.h"

#include <QList>
#include <QMap>
#include <QString>
#include <QStringList>
#include <QtGlobal>
#include <functional>
#include <optional>

// The accounts of a trial balance (残高試算表) or a monthly table (月次推移表) exported
// as CSV. The heading row is found by its column names; title lines above it may state
// the display unit. Every row below it is one account, a sub-account (補助科目), a
// heading or a total, with its name in whichever of the name columns (区分 / 中区分 /
// 小区分 / 勘定科目 / 補助科目) holds text on that row.
namespace gaikyo::booktable {

enum class Kind {
    Balances, // one balance per account: 期末残高, 当期残高, 残高, or 借方残高 and 貸方残高
    Months, // one column per month: 4月, 4月度, 2025/04, 令和7年4月, R7.4 …
};

// The figures of a row in yen: a balance under balanceKey, months under their calendar
// month, the closing entries (決算整理) under closingKey.
using Amounts = QMap<int, qint64>;
inline constexpr int balanceKey = 0;
inline constexpr int closingKey = 13;

struct Unreadable {
    QString column;       // the column's heading
    QString text;         // the cell as written
    int key = balanceKey; // the amount it stands for; -1: the row's own 合計
};

struct Row {
    qsizetype line = 0; // the line of the file the row begins on
    QString name;       // as written, without surrounding spaces
    QString key;        // the name as accounts are compared
    // How deep the row stands: its name column, then its indentation. A row below a
    // shallower one belongs to it.
    int depth = 0;
    bool bracketed = false; // 【…】, […], 〔…〕: a heading of a section
    bool figures = false;   // some amount cell holds something, readable or not
    Amounts amounts;
    std::optional<qint64> fileTotal; // Months: the row's own 合計 column
    QList<Unreadable> unreadable;
    // The row has fewer cells than its amount columns need: a row cut short, none of whose
    // figures is used.
    bool cut = false;
    // A 補助科目 row: its account as the row itself names it (empty: the account above).
    bool subAccount = false;
    QString account;
    int accountDepth = 0; // the depth of the column that names the account
    QString statement; // the 帳票 column: 製造原価報告書, 損益計算書, 貸借対照表 …
    QStringList outerNames; // shallower name columns filled on the same row, outermost first
};

// Which columns of a file hold what, as the user confirms it where the reader cannot
// tell: the heading row, the column of the account names and the amount columns.
struct ColumnChoice {
    qsizetype headingRow = -1; // index into the rows of the file
    int nameColumn = -1;
    int balanceColumn = -1;      // Balances: the balance at the end of the period
    QMap<int, int> monthColumns; // Months: column → calendar month
    bool operator==(const ColumnChoice&) const = default;
};

struct Book {
    QList<Row> rows;
    // The balance was given as 借方残高 and 貸方残高: amounts are debit minus credit, so
    // accounts kept on the credit side read negative.
    bool debitMinusCredit = false;
    QString unit;               // the display unit the file states; empty when none
    qint64 unitYen = 1;         // the yen of one unit of the file's figures
    bool closingColumn = false; // Months: a 決算整理 column was read
    QStringList notes;          // rows with figures but no name …
    QString error;              // a message for the user; empty when the book was read
    // The columns as they were read, or with an error where the reader is unsure, its
    // best guess for the user to confirm or correct (columns it has no guess for are -1).
    ColumnChoice columns;
    bool unsure = false; // no reading of the columns passes the checks: ask the user
    // The table was turned: a row's line is the number of the column it stood in.
    bool turned = false;
    // Months: the file's month columns held the year so far (累計); the rows hold each
    // month's own figure, worked out as the difference to the month before.
    bool cumulative = false;
    bool cancelled = false;
};

// Told how far the reading has come (rows of all); returns false to stop.
using Progress = std::function<bool(qint64 done, qint64 total)>;

// choice: the columns as the user chose them; without it the reader finds them itself.
// year: the business year being filed, which picks its column among several years'.
Book read(const QList<QStringList>& csvRows, Kind kind, const QList<qsizetype>& lines = {},
          const Progress& progress = {}, const std::optional<ColumnChoice>& choice = {},
          const columnheadings::BusinessYear& year = {});

// The amount columns of a choice whose headings are of a plan or a comparison (計画,
// 見込, 前期 …): a choice that should not be taken again without asking.
bool choosesPlanOrComparison(const QList<QStringList>& csvRows, const ColumnChoice& choice);

} // namespace gaikyo::booktable
