#pragma once

#include "bookstructure.h"
#include "datafile/itemfields.h"

#include <QHash>
#include <QList>
#include <QSet>
#include <QString>
#include <QStringList>
#include <optional>

namespace gaikyo {

// An item 7 box as a FormField's id.
constexpr int fieldId(MainAccount account) {
    return static_cast<int>(account);
}

// A box of the form that accounts fill.
struct FormField {
    int id = 0;      // the box number (主要科目) or the table column (月別の売上高等)
    QString caption; // as the confirmation and the user's own mapping file name it
    bool creditSide = false; // kept on the credit side: 売上, profits, liabilities, net assets
    bool inYen = false;      // 源泉徴収税額 is asked for in yen, everything else in 千円
    // The box holds the size of its accounts whatever their sign in the file (期末棚卸高,
    // which a statement shows as taken off).
    bool size = false;
};

// Which account of the books goes into which box of the form: a table kept here, which
// the user may extend with a file of their own in the data folder, one line an account:
//     雑収入,売上（収入）高
//     -売上値引,売上高       (a leading minus subtracts the account)
//     法定福利費,-           (or 法定福利費,対象外: the account goes into no box)
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
        int sign = 1;          // -1: the account is taken off (売上値引, 仕入値引 …)
        bool excluded = false; // the user's file leaves the account out
        bool byUser = false;
    };
    // The box of an account: as the user's file says, else as the group it stands under
    // says (the rows of 材料費 make 原材料費), else by its own name in its section.
    std::optional<Match> match(const QString& key, AccountSection section,
                               const QStringList& groups = {}) const;
    // The box whose whole figure a row of the file states (資産の部合計, 売上原価 …).
    std::optional<int> totalOf(const QString& key) const;
    // The box whose accounts a group of this name gathers (人件費, 材料費 …).
    std::optional<int> groupOf(const QString& key) const;
    // Whether the table knows the name as an account (not as a total of the file).
    bool knows(const QString& key) const;
    // The part of the statements the standard account lists give the name, where they give
    // it one part only (前払費用: the assets); Unknown otherwise.
    StatementPart partOf(const QString& key) const;
    // Whether the lists name the account among the costs of sales or of a cost report.
    bool listedAsCost(const QString& key) const { return m_costNames.contains(key); }

    // An account of the standard account lists (standardaccounts.txt).
    struct StandardAccount {
        QString industry;
        QString place; // 流動資産, 売上原価, 原価報告書/経費 …
        QString name;
        int sign = 1; // -1: taken off its box (売上値引高)
        QString box;  // the caption of its box; empty: no box
        qsizetype line = 0;
    };
    static const QList<StandardAccount>& standardAccounts();
    // The section and the groups an account of the lists stands in by its place.
    static AccountSection sectionOfPlace(const QString& place);
    static QStringList groupsOfPlace(const QString& place);

    // Adds the lines of a user mapping file; returns a note for each line it cannot use.
    QStringList addUserLines(const QString& text);
    // Adds the user's file when there is one; a file that cannot be used is named, with
    // why.
    QStringList addUserFile();

private:
    struct Entry {
        QString key;
        int field = 0;
        int sign = 1;
        AccountSection section = AccountSection::Any;
        bool excluded = false;
    };
    struct Group {
        QString key;
        int field = 0;
        QStringList excludedKeys;
    };

    std::optional<Match> byName(const QString& key, AccountSection section) const;
    std::optional<int> fieldNamed(const QString& name) const;

    Kind m_kind = Kind::TrialBalance;
    QList<FormField> m_fields;
    QList<Entry> m_userEntries; // looked at first
    QList<Entry> m_entries;
    QHash<QString, QList<qsizetype>> m_entriesByKey; // m_entries by key, in their order
    QList<Entry> m_totals;
    QList<Group> m_groups;
    QSet<QString> m_known;                 // the accounts' names, looked up for each row
    QHash<QString, StatementPart> m_parts; // by the standard account lists
    QSet<QString> m_costNames;
};

} // namespace gaikyo
