#pragma once

#include <QString>
#include <optional>

namespace gaikyo {
class Screen;
}

// Fills a screen's boxes from the books an accounting program exports: item 7 主要科目
// from a trial balance, item 17 月別の売上高等 from a monthly table. The user picks the
// file, sees what will go where and what does not fit, and confirms; the boxes change,
// nothing is saved until "登録実行".
namespace gaikyo::bookimport {

inline const QString trialBalanceCaption = QStringLiteral("試算表から取込");
inline const QString monthlyTableCaption = QStringLiteral("推移表から取込");

// The button actions. company: the code of the company the screen shows, whose business
// year picks its column where a file shows several years.
void importTrialBalance(Screen& screen, std::optional<qint32> company = {});
// rowMonths: the calendar month of each row of the table, as the company's business year
// orders them (empty when the screen could not work them out).
void importMonthlyTable(Screen& screen, const QList<int>& rowMonths,
                        std::optional<qint32> company = {});

} // namespace gaikyo::bookimport
