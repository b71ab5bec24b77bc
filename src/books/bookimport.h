#pragma once

#include "accountmapping.h"
#include "booktable.h"

#include <QList>
#include <QString>
#include <QStringList>

namespace gaikyo {
class Screen;
}

// Fills a screen's boxes from the books an accounting program exports: item 7 主要科目
// from a trial balance, item 17 月別の売上高等 from a monthly table. The user picks the
// file, sees what will go where and confirms; the boxes change, nothing is saved until
// "登録実行".
namespace gaikyo::bookimport {

inline const QString trialBalanceCaption = QStringLiteral("試算表から取込");
inline const QString monthlyTableCaption = QStringLiteral("推移表から取込");

struct Fill {
    QString box;
    QString field;
    qint32 value = 0; // 千円, or yen for 源泉徴収税額
    bool inYen = false;
    QStringList sources;
};

struct Plan {
    QList<Fill> fills;
    QStringList unmapped;
    QStringList notes;
};

// The boxes of the monthly table, as its screen names them.
struct MonthlyBoxes {
    QString (*cell)(int row, int column); // row 13 holds 計
    QString (*monthLabel)(int row);
};

Plan planTrialBalance(const booktable::Book& book, const AccountMapping& mapping);
// rowMonths: the calendar month of each of the table's twelve rows.
Plan planMonthlyTable(const booktable::Book& book, const AccountMapping& mapping,
                      const QList<int>& rowMonths, const MonthlyBoxes& boxes);

// The button actions.
void importTrialBalance(Screen& screen);
void importMonthlyTable(Screen& screen, const MonthlyBoxes& boxes);

} // namespace gaikyo::bookimport
