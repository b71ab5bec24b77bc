#pragma once

#include "booktable.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <functional>

namespace gaikyo {

// Where an account stands in the books: in the manufacturing costs (製造原価報告書) or
// the rest of the cost of sales, its 減価償却費, 地代家賃 and 租税公課 belong to the
// cost of sales; elsewhere to 販売費及び一般管理費.
// Unknown: under a heading the reader does not know, after the cost of sales; an account
// whose box depends on the section goes into none.
enum class AccountSection { Any, CostOfSales, Manufacturing, Other, Unknown };

// The part of the statements an account stands in, in the order a profit-and-loss
// statement runs, then the balance sheet's: what a total the file does not have is
// worked out from.
enum class StatementPart {
    Unknown,
    Sales,
    CostOfSales,
    Manufacturing,
    Expenses, // 販売費及び一般管理費
    NonOperatingIncome,
    NonOperatingExpenses,
    SpecialGains,
    SpecialLosses,
    Taxes, // 法人税、住民税及び事業税
    Assets,
    Liabilities,
    NetAssets,
};

// How the rows of a book hang together: which rows are accounts, which are the
// sub-accounts (補助科目) of an account, which are headings, and which are totals of
// which other rows, whether the total stands above its accounts (a tree) or below them.
// Every yen of the file is counted once: in its account, never again in a total.
namespace bookstructure {

enum class Role {
    Heading,    // a name without figures: a section or a group of the rows below it
    Account,    // an account: its own figure, or the sum of its sub-accounts
    SubAccount, // a 補助科目 of the account it belongs to; never added on top of it
    Total,      // a total of other rows (its members), or a total repeated from elsewhere
    Difference, // a profit line (売上総利益, 営業利益 …): no sum of rows
};

struct Node {
    int row = -1; // index into the book's rows; -1: an account named only by its 補助科目
    QString name;
    QString key;
    qsizetype line = 0;
    Role role = Role::Account;
    // The yen the node stands for: its own figures, or for an account that has none the
    // sum of its sub-accounts, for a heading the sum of what stands under it.
    booktable::Amounts amounts;
    std::optional<qint64> fileTotal; // the row's own 合計 column (monthly tables)
    QList<int> members;              // Total: the rows it sums; Account: its sub-accounts
    // Total: its members are known, standing under it or adding up to it. A total that
    // only repeats one from elsewhere in the file (当期製品製造原価 in the 損益計算書)
    // has none.
    bool certain = false;
    AccountSection section = AccountSection::Other;
    // The section follows from the order of the statement, not from a heading the reader
    // knows: the confirmation says so beside the figure.
    bool sectionGuessed = false;
    StatementPart part = StatementPart::Unknown;
    // The headings and totals it stands under, innermost first, as accounts compare.
    QStringList groups;
    // Figures of the row (or of a sub-account) that could not be read, by amount key.
    QList<int> unreadableKeys;
};

struct Structure {
    QList<Node> nodes; // in the order of the file
    // Totals of the file that disagree with the rows they sum, each with both figures.
    QStringList disagreements;
    // Rows that cannot be placed.
    QStringList notes;
    bool overflow = false; // a sum did not fit: the file's figures are impossible
};

// knownAccount: whether a name is an account the form's boxes know, so that rows below
// it are its sub-accounts rather than accounts of their own.
Structure analyse(const booktable::Book& book,
                  const std::function<bool(const QString& key)>& knownAccount);

// Profit lines: 売上総利益, 営業損失, 税引前当期純損益 …
bool isDifferenceLine(const QString& key);
// A name that groups accounts (売上原価, 材料費, 販売費及び一般管理費, 流動資産 …): a
// row so named is a total where rows next to it add up to it.
bool isGroupName(const QString& key);
// Accounts that reduce the group they stand in (期末商品棚卸高, 減価償却累計額,
// 売上値引 …): where a file shows them as positive figures they are taken off.
bool isContraAccount(const QString& key);
// The section that rows under a heading of this name belong to.
AccountSection sectionAfter(const QString& key, AccountSection current);
// The part of the statements that rows under a heading of this name stand in.
StatementPart partAfter(const QString& key, StatementPart current);
// Parts kept on the credit side: sales, income, gains, liabilities and net assets.
bool isCreditPart(StatementPart part);
// A name a heading of a statement's section may carry, so that it says nothing of the
// section by itself (経費, 人件費 …) or does say it.
bool isKnownHeading(const QString& key);

// Whether a file's total agrees with the sum of its rows. Figures in a unit of more than a
// yen (千円) are each cut to the unit by the program that wrote them, the total as well:
// they may differ by one unit a row.
bool agrees(const booktable::Amounts& total, const booktable::Amounts& sum, qsizetype rows,
            qint64 unitYen);

// "1,234,567円"
QString yenText(qint64 yen);
// "4月" for a month key, "決算整理" for the closing entries, nothing for a balance.
QString amountKeyName(int key);

} // namespace bookstructure
} // namespace gaikyo
