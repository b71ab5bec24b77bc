#pragma once

#include <QList>
#include <QMap>
#include <QString>
#include <QStringList>
#include <QtGlobal>

// The accounts of a trial balance (残高試算表) or a monthly table (月次推移表) exported
// as CSV: the header row is found by its column names, then every row below it is one
// account, a 区分 heading (a name without figures) or a total.
namespace gaikyo::booktable {

enum class Kind {
    Balances, // one balance per account: 期末残高, 当期残高, 残高, or 借方残高 and 貸方残高
    Months, // one column per month: 4月, ４月, 2026/04, 令和8年4月 …
};

struct Row {
    QString name;
    bool heading = false;     // no figure at all: a 区分 row
    qint64 amount = 0;        // Balances, in yen
    QMap<int, qint64> months; // Months: calendar month → yen
};

struct Book {
    QList<Row> rows;
    // The balance was given as 借方残高 and 貸方残高: amount is debit minus credit, so
    // accounts kept on the credit side read negative.
    bool debitMinusCredit = false;
    QString error; // a message for the user; empty when the book was read
};

Book read(const QList<QStringList>& csvRows, Kind kind);

} // namespace gaikyo::booktable
