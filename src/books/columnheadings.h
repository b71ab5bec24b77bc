#pragma once

#include <QDate>
#include <QString>
#include <optional>

// What a column's heading says about the figures under it beyond the amount it names:
// whether they are the books' actual figures or a plan or a comparison, which view of
// the same figures they are (税込 / 税抜, 決算整理前 / 決算整理後, 累計), and which
// business year they belong to (2025年3月期, 令和6年度, 第12期, a date range …).
namespace gaikyo::columnheadings {

// The business year being filed, from the company's record.
struct BusinessYear {
    QDate start;
    QDate end;
    bool isValid() const { return start.isValid() && end.isValid() && start < end; }
};

// 見込, 予算, 計画, 目標, 予測: figures the books do not hold yet.
bool isPlan(const QString& cell);
// 実績, 当期, 残高, 決算: the books' own figures.
bool isActual(const QString& cell);
// A plan, or a comparison with other figures (前年, 差額, 構成比 …).
bool isPlanOrComparison(const QString& cell);

// One view of the same accounts' figures.
struct View {
    QString base;            // the heading without the view's words, as accounts compare
    int adjusted = 0;        // -1 決算整理前, 1 決算整理後, 0 not said
    int taxed = 0;           // 1 税込, -1 税抜, 0 not said
    bool cumulative = false; // 累計: each month holds the year so far
    bool operator==(const View&) const = default;
};
View viewOf(const QString& cell);

// Whether a text (a title line, a heading) says its months hold the year so far: 累計,
// 累計額, 期首からの累計, 年初来 … (a column headed only 累計 or 年間累計 is the year's
// total, which is no view).
bool saysCumulative(const QString& text);

// The business year a heading names.
struct Period {
    std::optional<QDate> end;           // the last day (or month: the day is 1) of the year named
    std::optional<int> fiscalStartYear; // 2024年度, 令和6年度: the year in which it starts
    std::optional<int> term;            // 第12期
    bool current = false;               // 当期
    QString text;                       // the heading as written
};
std::optional<Period> periodOf(const QString& cell);

// Whether a period is the business year: its end falls in the business year's last
// month, or its 年度 starts in the year the business year starts.
bool isYear(const Period& period, const BusinessYear& year);
// Whether a period ends before the business year does.
bool isOlder(const Period& period, const BusinessYear& year);

// "令和6年4月1日～令和7年3月31日"
QString yearText(const BusinessYear& year);

} // namespace gaikyo::columnheadings
