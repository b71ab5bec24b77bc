#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

namespace gaikyo {

// Where an account stands in a trial balance: under a 売上原価 / 製造原価 heading its
// 減価償却費, 地代家賃 and 租税公課 belong to the cost of sales, elsewhere to 販管費.
enum class AccountSection { Any, CostOfSales, Other };

// A box of the form that accounts fill.
struct FormField {
    int id = 0;      // the box number (主要科目) or the table column (月別の売上高等)
    QString caption; // as the confirmation and the user's own mapping file name it
    bool creditSide = false; // kept on the credit side: 売上, profits, liabilities, net assets
    bool inYen = false;      // 源泉徴収税額 is asked for in yen, everything else in 千円
};

// Which account of the books goes into which box of the form: a table kept here, which
// the user may extend with a file of their own in the data folder, one line an account:
//     雑収入,売上（収入）高
//     -売上値引,売上高       (a leading minus subtracts the account)
// The box may be named by its caption or by an account the table already knows.
class AccountMapping {
public:
    enum class Kind { TrialBalance, MonthlyTable };

    static AccountMapping builtIn(Kind kind);
    // "c:\法人税事業概況書\科目対応.txt"
    static QString userFile();

    Kind kind() const { return m_kind; }
    const QList<FormField>& fields() const { return m_fields; }
    const FormField& field(int id) const;

    struct Match {
        int field = 0;
        int sign = 1;       // -1: the account is subtracted (営業損失, 売上値引 …)
        bool total = false; // the file's own total of the box (資産合計, 人件費 …)
    };
    std::optional<Match> match(const QString& accountName, AccountSection section) const;

    // Adds the lines of a user mapping file; returns a note for each line it cannot use.
    QStringList addUserLines(const QString& text);
    // Adds the user's file when there is one.
    QStringList addUserFile();

    // A subtotal (…計, …合計) or a profit line (…利益, …損失, …損益): no account of its own.
    static bool isTotalLine(const QString& name);
    // The section that the rows below a 区分 heading belong to.
    static AccountSection sectionAfter(const QString& heading, AccountSection current);

private:
    struct Entry {
        QString key;
        int field = 0;
        int sign = 1;
        bool total = false;
        AccountSection section = AccountSection::Any;
    };

    std::optional<Match> find(const QString& key, AccountSection section) const;
    std::optional<int> fieldNamed(const QString& name) const;

    Kind m_kind = Kind::TrialBalance;
    QList<FormField> m_fields;
    QList<Entry> m_userEntries; // looked at first
    QList<Entry> m_entries;
};

} // namespace gaikyo
