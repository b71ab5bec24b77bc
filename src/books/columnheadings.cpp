#include "columnheadings.h"

#include "bookfigures.h"
#include "booklayout.h"

#include <QRegularExpression>

namespace gaikyo::columnheadings {

namespace {

// The heading folded to ASCII digits and letters, without its spaces.
QString compact(const QString& cell) {
    const QString folded = bookfigures::folded(cell);
    QString s;
    s.reserve(folded.size());
    for (const QChar c : folded)
        if (!c.isSpace())
            s.append(c);
    return s;
}

QString keyOf(const QString& cell) {
    return bookfigures::accountKey(bookfigures::folded(cell));
}

bool containsAny(const QString& key, std::initializer_list<const char16_t*> parts) {
    for (const char16_t* part : parts)
        if (key.contains(QString::fromUtf16(part)))
            return true;
    return false;
}

// The Western year of an era's year: 令和7 is 2025.
std::optional<int> westernYear(const QString& era, const QString& year) {
    const int n = year == QStringLiteral("元") ? 1 : year.toInt();
    if (n < 1 || n > 99)
        return std::nullopt;
    const QString e = era.toUpper();
    if (e == QStringLiteral("令和") || e == QStringLiteral("R"))
        return 2018 + n;
    if (e == QStringLiteral("平成") || e == QStringLiteral("H"))
        return 1988 + n;
    if (e == QStringLiteral("昭和") || e == QStringLiteral("S"))
        return 1925 + n;
    return std::nullopt;
}

} // namespace

bool isPlan(const QString& cell) {
    return containsAny(keyOf(cell),
                       {u"見込", u"予算", u"計画", u"目標", u"予測", u"見通", u"予定"});
}

bool isActual(const QString& cell) {
    const QString key = keyOf(cell);
    if (isPlanOrComparison(cell))
        return false;
    return key.contains(QStringLiteral("実績")) || key.startsWith(QStringLiteral("当期")) ||
           key.contains(QStringLiteral("残高")) || key.contains(QStringLiteral("決算"));
}

bool isPlanOrComparison(const QString& cell) {
    return isPlan(cell) || booklayout::isComparisonHeading(cell);
}

View viewOf(const QString& cell) {
    View v;
    // Called for every heading cell of wide files: most name no view at all.
    if (!cell.contains(QStringLiteral("税")) && !cell.contains(QStringLiteral("整理")) &&
        !cell.contains(QStringLiteral("決算")) && !cell.contains(QStringLiteral("累計"))) {
        v.base = bookfigures::accountKey(cell);
        return v;
    }
    QString s = compact(cell);
    const auto take = [&s](std::initializer_list<const char16_t*> words) {
        bool found = false;
        for (const char16_t* word : words) {
            const QString w = QString::fromUtf16(word);
            if (s.contains(w)) {
                s.remove(w);
                found = true;
            }
        }
        return found;
    };
    if (take({u"決算整理後", u"整理後", u"決算後"}))
        v.adjusted = 1;
    else if (take({u"決算整理前", u"整理前", u"決算前"}))
        v.adjusted = -1;
    if (take({u"税込み", u"税込"}))
        v.taxed = 1;
    else if (take({u"税抜き", u"税抜", u"税別"}))
        v.taxed = -1;
    // 4月累計, 累計4月: a month of the year so far. A heading of 累計 alone is the
    // year's total.
    const QString before = s;
    if (take({u"累計額", u"累計"}) && !keyOf(s).isEmpty())
        v.cumulative = true;
    else
        s = before;
    // What the words stood in: (税込), 【税抜】, a separator.
    static const QRegularExpression emptyBrackets(QStringLiteral("[(\\[【〔<《][)\\]】〕>》]"));
    s.remove(emptyBrackets);
    while (!s.isEmpty() && QStringLiteral("・/_-:").contains(s.back()))
        s.chop(1);
    while (!s.isEmpty() && QStringLiteral("・/_-:").contains(s.front()))
        s.remove(0, 1);
    v.base = bookfigures::accountKey(s);
    return v;
}

bool saysCumulative(const QString& text) {
    const QString key = keyOf(text);
    if (key.size() > 200)
        return false;
    if (key == QStringLiteral("累計") || key == QStringLiteral("年間累計") ||
        key == QStringLiteral("累計合計") || key == QStringLiteral("期間累計"))
        return false;
    return containsAny(key, {u"累計", u"年初来", u"期首から"});
}

std::optional<Period> periodOf(const QString& cell) {
    const QString s = compact(cell);
    if (s.isEmpty() || s.size() > 60)
        return std::nullopt;
    Period p;
    p.text = cell.trimmed();
    // 第12期
    static const QRegularExpression term(QStringLiteral("第(\\d{1,3})期"));
    if (const QRegularExpressionMatch m = term.match(s); m.hasMatch())
        p.term = m.captured(1).toInt();
    // 2024年度, 令和6年度
    static const QRegularExpression fiscal(
        QStringLiteral("(?:(令和|平成|昭和|R|H|S)(元|\\d{1,2})|(\\d{4}))年度"),
        QRegularExpression::CaseInsensitiveOption);
    if (const QRegularExpressionMatch m = fiscal.match(s); m.hasMatch()) {
        p.fiscalStartYear = m.captured(3).isEmpty() ? westernYear(m.captured(1), m.captured(2))
                                                    : std::optional<int>(m.captured(3).toInt());
        return p.fiscalStartYear ? std::optional(p) : std::nullopt;
    }
    // 2025年3月期, 2025/03, 令和7年3月31日, R7.3.31, a range of two dates: the last one.
    static const QRegularExpression date(
        QStringLiteral("(?:(令和|平成|昭和|R|H|S)(元|\\d{1,2})|(\\d{4}))[年/.\\-](\\d{1,2})"
                       "(?:月)?(?:[/.\\-]?(\\d{1,2})日?)?"),
        QRegularExpression::CaseInsensitiveOption);
    QRegularExpressionMatchIterator it = date.globalMatch(s);
    while (it.hasNext()) {
        const QRegularExpressionMatch m = it.next();
        const std::optional<int> year = m.captured(3).isEmpty()
                                            ? westernYear(m.captured(1), m.captured(2))
                                            : std::optional<int>(m.captured(3).toInt());
        const int month = m.captured(4).toInt();
        if (!year || month < 1 || month > 12)
            continue;
        const int day = m.captured(5).isEmpty() ? 1 : m.captured(5).toInt();
        const QDate d(*year, month, day);
        if (d.isValid())
            p.end = d;
    }
    const QString key = keyOf(cell);
    p.current = key == QStringLiteral("当期") || key == QStringLiteral("当期実績") ||
                key == QStringLiteral("当期金額") || key == QStringLiteral("当期末");
    if (!p.end && !p.term && !p.current)
        return std::nullopt;
    return p;
}

bool isYear(const Period& period, const BusinessYear& year) {
    if (!year.isValid())
        return false;
    if (period.fiscalStartYear)
        return *period.fiscalStartYear == year.start.year();
    if (period.end)
        return period.end->year() == year.end.year() && period.end->month() == year.end.month();
    return false;
}

bool isOlder(const Period& period, const BusinessYear& year) {
    if (!year.isValid())
        return false;
    if (period.fiscalStartYear)
        return *period.fiscalStartYear < year.start.year();
    if (period.end)
        return period.end->year() * 12 + period.end->month() <
               year.end.year() * 12 + year.end.month();
    return false;
}

QString yearText(const BusinessYear& year) {
    const auto date = [](const QDate& d) {
        const int y = d.year();
        // The era of the date: 令和 from 1 May 2019.
        if (d >= QDate(2019, 5, 1))
            return QStringLiteral("令和%1年%2月%3日")
                .arg(y == 2019 ? QStringLiteral("元") : QString::number(y - 2018))
                .arg(d.month())
                .arg(d.day());
        return QStringLiteral("平成%1年%2月%3日")
            .arg(y == 1989 ? QStringLiteral("元") : QString::number(y - 1988))
            .arg(d.month())
            .arg(d.day());
    };
    return date(year.start) + QStringLiteral("～") + date(year.end);
}

} // namespace gaikyo::columnheadings
