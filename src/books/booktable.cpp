#include "booktable.h"

#include "bookfigures.h"
#include "booklayout.h"

#include <QMultiHash>
#include <QSet>

#include <algorithm>
#include <iterator>

namespace gaikyo::booktable {

namespace {

using bookfigures::Figure;
using booklayout::headingSearchRows;

enum class NameRole { None, Level, Account, SubAccount, Combined, Code };

// What a heading says about a column of names.
NameRole nameRole(const QString& key) {
    static const QSet<QString> levels{QStringLiteral("区分"),     QStringLiteral("大区分"),
                                      QStringLiteral("中区分"),   QStringLiteral("小区分"),
                                      QStringLiteral("科目区分"), QStringLiteral("分類"),
                                      QStringLiteral("大分類"),   QStringLiteral("中分類"),
                                      QStringLiteral("小分類"),   QStringLiteral("表示区分")};
    static const QSet<QString> accounts{
        QStringLiteral("勘定科目"),   QStringLiteral("科目"),         QStringLiteral("科目名"),
        QStringLiteral("勘定科目名"), QStringLiteral("勘定科目名称"), QStringLiteral("科目名称"),
        QStringLiteral("項目"),       QStringLiteral("項目名")};
    static const QSet<QString> subAccounts{QStringLiteral("補助科目"), QStringLiteral("補助科目名"),
                                           QStringLiteral("補助科目名称"), QStringLiteral("補助")};
    static const QSet<QString> combined{QStringLiteral("勘定科目/補助科目"),
                                        QStringLiteral("科目/補助科目"),
                                        QStringLiteral("勘定科目・補助科目")};
    if (levels.contains(key))
        return NameRole::Level;
    if (accounts.contains(key))
        return NameRole::Account;
    if (subAccounts.contains(key))
        return NameRole::SubAccount;
    if (combined.contains(key))
        return NameRole::Combined;
    if (key.endsWith(QStringLiteral("コード")) || key.endsWith(QStringLiteral("CD")) ||
        key == QStringLiteral("No") || key == QStringLiteral("NO") || key == QStringLiteral("番号"))
        return NameRole::Code;
    return NameRole::None;
}

bool isStatementHeading(const QString& key) {
    return key == QStringLiteral("帳票") || key == QStringLiteral("出力帳票") ||
           key == QStringLiteral("帳票種別") || key == QStringLiteral("帳票名") ||
           key == QStringLiteral("帳票区分") || key == QStringLiteral("決算書区分");
}

bool isYearTotalHeading(const QString& key) {
    return key == QStringLiteral("合計") || key == QStringLiteral("年間合計") ||
           key == QStringLiteral("期間合計") || key == QStringLiteral("通期合計") ||
           key == QStringLiteral("累計") || key == QStringLiteral("年計");
}

struct Heading {
    QString key; // without a unit in brackets
    std::optional<QString> unit;
};

// "期末残高（千円）": the heading and the unit it states.
Heading headingOf(const QString& cell) {
    Heading h;
    QString text = bookfigures::folded(cell).trimmed();
    if (text.endsWith(QLatin1Char(')')) || text.endsWith(QLatin1Char(']'))) {
        const qsizetype open =
            std::max(text.lastIndexOf(QLatin1Char('(')), text.lastIndexOf(QLatin1Char('[')));
        if (open > 0) {
            h.unit = bookfigures::statedUnit(text.mid(open));
            if (h.unit)
                text = text.left(open);
        }
    }
    h.key = bookfigures::accountKey(text);
    return h;
}

struct Columns {
    QList<int> names; // outermost first; code columns left out
    int account = -1;
    int subAccount = -1;
    bool combined = false;
    int statement = -1;
    int balance = -1;
    int debit = -1;
    int credit = -1;
    QMap<int, int> months; // column → calendar month
    int closing = -1;
    int total = -1;
    QString duplicateMonth;
    QMap<int, QString> units; // column → the unit its heading states
    QStringList keys;
    QStringList notes;       // which view or year of the figures was taken, and why
    QString periodError;     // the file has years, none of them the business year
    bool cumulative = false; // the month headings say 累計
};

// What picks among columns that show the same figures in several ways.
struct Context {
    columnheadings::BusinessYear year;
    // The books keep their figures without the consumption tax (税抜経理): the file has
    // a 仮払消費税 or 仮受消費税 account with figures.
    bool taxExcluded = false;
};

// The best of several views of the same figures: the year's own months rather than
// the year so far, after the closing entries rather than before, and the tax as the
// books keep it.
int viewRank(const columnheadings::View& v, const Context& context) {
    const int taxed = v.taxed == 0 ? 1 : ((v.taxed < 0) == context.taxExcluded ? 2 : 0);
    return (v.cumulative ? 0 : 100) + (v.adjusted + 1) * 10 + taxed;
}

// What the view taken is, in the ways in which the views of the file differ.
QString viewWords(const columnheadings::View& v, const QList<columnheadings::View>& all,
                  const Context& context) {
    const auto differ = [&all](auto member) {
        return std::any_of(all.cbegin(), all.cend(), [&](const columnheadings::View& o) {
            return o.*member != all.first().*member;
        });
    };
    QStringList words;
    if (differ(&columnheadings::View::cumulative))
        words.append(v.cumulative ? QStringLiteral("累計") : QStringLiteral("月ごとの金額"));
    if (differ(&columnheadings::View::adjusted))
        words.append(v.adjusted > 0   ? QStringLiteral("決算整理後の金額")
                     : v.adjusted < 0 ? QStringLiteral("決算整理前の金額")
                                      : QStringLiteral("決算整理の前後を言わない列"));
    if (differ(&columnheadings::View::taxed))
        words.append(context.taxExcluded
                         ? QStringLiteral("帳簿の税抜経理（仮払・仮受消費税の科目があるため）")
                         : QStringLiteral("帳簿の税込経理（仮払・仮受消費税の科目がないため）"));
    return words.join(QStringLiteral("、"));
}

int firstOf(const QStringList& keys, std::initializer_list<const char*> names) {
    for (const char* name : names) {
        const qsizetype at = keys.indexOf(QString::fromUtf8(name));
        if (at >= 0)
            return static_cast<int>(at);
    }
    return -1;
}

// Among columns that show the same figures in several views, the one to read; a note
// names the columns left alone.
int oneView(const QStringList& cells, const QList<int>& columns, const Context& context,
            QStringList& notes) {
    if (columns.size() < 2)
        return columns.value(0, -1);
    int best = columns.first();
    int bestRank = -1;
    QList<columnheadings::View> views;
    for (const int column : columns)
        views.append(columnheadings::viewOf(cells.at(column)));
    for (const int column : columns) {
        const int rank = viewRank(columnheadings::viewOf(cells.at(column)), context);
        if (rank > bestRank) {
            best = column;
            bestRank = rank;
        }
    }
    QStringList others;
    for (const int column : columns)
        if (column != best)
            others.append(QStringLiteral("「%1」").arg(cells.at(column).trimmed()));
    notes.append(QStringLiteral("同じ科目の金額の%1の列は足さずに、%2の「%3」の列を読みました。")
                     .arg(others.join(QStringLiteral("・")),
                          viewWords(columnheadings::viewOf(cells.at(best)), views, context),
                          cells.at(best).trimmed()));
    return best;
}

// A comparison statement of several business years: the column of the year being filed,
// by its heading; else, where the headings name no dates (第12期, 当期), the newest.
void yearColumn(const QStringList& cells, Columns& c, const QSet<int>& nameColumns,
                const Context& context) {
    struct Dated {
        int column;
        columnheadings::Period period;
    };
    QList<Dated> periods;
    for (int i = 0; i < cells.size(); ++i) {
        if (nameColumns.contains(i) || i == c.statement ||
            columnheadings::isPlanOrComparison(cells.at(i)))
            continue;
        if (const std::optional<columnheadings::Period> p =
                columnheadings::periodOf(columnheadings::viewOf(cells.at(i)).base))
            periods.append({i, *p});
    }
    if (periods.isEmpty())
        return;
    const columnheadings::BusinessYear& year = context.year;
    QList<int> matching;
    bool dated = false;
    bool anyNotOlder = false;
    for (const Dated& d : periods) {
        dated = dated || d.period.end || d.period.fiscalStartYear;
        if (columnheadings::isYear(d.period, year))
            matching.append(d.column);
        // A period that ends before the business year starts is an earlier year.
        const bool older =
            d.period.end ? *d.period.end < year.start : columnheadings::isOlder(d.period, year);
        anyNotOlder = anyNotOlder || !older;
    }
    if (!matching.isEmpty()) {
        c.balance = oneView(cells, matching, context, c.notes);
        if (periods.size() > 1 || !year.isValid())
            c.notes.append(QStringLiteral("年度ごとの列のうち、この会社の事業年度（%1）の「%2」の"
                                          "列を読みました。")
                               .arg(columnheadings::yearText(year), cells.at(c.balance).trimmed()));
        return;
    }
    if (dated && year.isValid() && !anyNotOlder) {
        QStringList named;
        for (const Dated& d : periods)
            named.append(QStringLiteral("「%1」").arg(d.period.text));
        c.periodError =
            QStringLiteral("ファイルの金額の列（%1）は、どれもこの会社の事業年度（%2）より前の"
                           "年度のものです。この事業年度の列がある試算表を書き出してください。")
                .arg(named.join(QStringLiteral("・")), columnheadings::yearText(year));
        return;
    }
    if (dated || periods.size() < 2)
        return; // the content or the user decides
    // 第10期, 第11期, 第12期 or 前々期, 前期, 当期: the newest is the year being filed.
    const auto newest =
        std::max_element(periods.cbegin(), periods.cend(), [](const Dated& a, const Dated& b) {
            return std::pair(a.period.current, a.period.term.value_or(0)) <
                   std::pair(b.period.current, b.period.term.value_or(0));
        });
    c.balance = newest->column;
    c.notes.append(QStringLiteral("年度ごとの列のうち、いちばん新しい「%1」の列をこの事業年度の金額"
                                  "として読みました。")
                       .arg(cells.at(c.balance).trimmed()));
}

Columns columnsOf(const QStringList& cells, Kind kind, const Context& context = {}) {
    Columns c;
    QStringList bases; // the headings without the words of their view (税込, 決算整理後 …)
    for (int i = 0; i < cells.size(); ++i) {
        const Heading h = headingOf(cells.at(i));
        c.keys.append(h.key);
        bases.append(cells.at(i).size() > 200 ? h.key : columnheadings::viewOf(h.key).base);
        if (h.unit)
            c.units.insert(i, *h.unit);
    }
    // The name columns: from the first heading of names on, over every column headed as
    // one or not headed at all, up to the first column with another heading.
    int first = -1;
    for (int i = 0; i < c.keys.size() && first < 0; ++i) {
        const NameRole role = nameRole(c.keys.at(i));
        if (role != NameRole::None && role != NameRole::Code)
            first = i;
    }
    if (first >= 0) {
        for (int i = first; i < c.keys.size(); ++i) {
            const QString& key = c.keys.at(i);
            const NameRole role = key.isEmpty() ? NameRole::Level : nameRole(key);
            if (role == NameRole::None)
                break;
            if (role == NameRole::Code)
                continue;
            c.names.append(i);
            if (role == NameRole::Account && c.account < 0)
                c.account = i;
            if (role == NameRole::SubAccount)
                c.subAccount = i;
            if (role == NameRole::Combined) {
                c.account = i;
                c.combined = true;
            }
        }
    }
    for (int i = 0; i < c.keys.size(); ++i)
        if (isStatementHeading(c.keys.at(i)))
            c.statement = i;
    const QSet<int> nameColumns(c.names.cbegin(), c.names.cend());
    // The columns of a heading, in each view in which the file shows it.
    const auto views = [&](int at) {
        QList<int> same;
        for (int i = 0; i < bases.size(); ++i)
            if (!nameColumns.contains(i) && bases.at(i) == bases.at(at))
                same.append(i);
        return same;
    };
    const auto amountColumn = [&](std::initializer_list<const char*> names) {
        int at = firstOf(c.keys, names);
        if (at < 0 || nameColumns.contains(at))
            at = firstOf(bases, names);
        if (at < 0 || nameColumns.contains(at))
            return -1;
        return oneView(cells, views(at), context, c.notes);
    };
    c.balance = amountColumn({"期末残高", "当期残高", "当月残高", "期間残高", "当期末残高",
                              "当月末残高", "月末残高", "残高", "差引残高"});
    if (c.balance < 0) {
        c.debit = amountColumn({"借方残高", "期末借方残高", "当期借方残高"});
        const QList<int> credits = [&] {
            const int at = firstOf(bases, {"貸方残高", "期末貸方残高", "当期貸方残高"});
            return at < 0 || nameColumns.contains(at) ? QList<int>{} : views(at);
        }();
        // The credit side in the view taken for the debit side.
        for (const int column : credits)
            if (c.debit >= 0 &&
                columnheadings::viewOf(cells.at(column)).adjusted ==
                    columnheadings::viewOf(cells.at(c.debit)).adjusted &&
                columnheadings::viewOf(cells.at(column)).taxed ==
                    columnheadings::viewOf(cells.at(c.debit)).taxed)
                c.credit = column;
    }
    if (c.balance < 0 && (c.debit < 0 || c.credit < 0))
        c.balance = amountColumn({"金額", "当期金額", "当期"});
    if (kind == Kind::Balances && c.balance < 0 && (c.debit < 0 || c.credit < 0)) {
        // Columns headed by their view alone (税込, 税抜, 決算整理後): the balance in each.
        QList<int> viewsOnly;
        for (int i = 0; i < bases.size(); ++i)
            if (!nameColumns.contains(i) && bases.at(i).isEmpty() && !c.keys.at(i).isEmpty() &&
                !booklayout::isComparisonHeading(cells.at(i)))
                viewsOnly.append(i);
        if (viewsOnly.size() >= 2)
            c.balance = oneView(cells, viewsOnly, context, c.notes);
    }
    if (kind == Kind::Balances && c.balance < 0 && (c.debit < 0 || c.credit < 0) &&
        !c.names.isEmpty())
        yearColumn(cells, c, nameColumns, context);
    if (kind == Kind::Months) {
        // Months in several views (当月 and 累計, 税込 and 税抜): one view is read.
        QMap<int, int> monthOf;  // column → calendar month
        QMap<int, int> bestRank; // calendar month → the rank of its best view
        for (int i = 0; i < cells.size(); ++i) {
            if (nameColumns.contains(i) || booklayout::isComparisonHeading(cells.at(i)) ||
                cells.at(i).size() > 200)
                continue;
            std::optional<int> month = bookfigures::calendarMonth(cells.at(i));
            if (!month && !bases.at(i).isEmpty() && bases.at(i) != c.keys.at(i))
                month = bookfigures::calendarMonth(bases.at(i));
            if (month)
                monthOf.insert(i, *month);
        }
        // Months of more than one year (2025年4月 … beside 2024年4月 …): the months of the
        // business year being filed, where their headings name the year.
        if (context.year.isValid()) {
            QList<int> outside;
            int inside = 0;
            for (auto it = monthOf.cbegin(); it != monthOf.cend(); ++it) {
                const std::optional<columnheadings::Period> p =
                    columnheadings::periodOf(columnheadings::viewOf(cells.at(it.key())).base);
                if (!p || !p->end)
                    continue;
                const QDate first(p->end->year(), p->end->month(), 1);
                if (first < QDate(context.year.start.year(), context.year.start.month(), 1) ||
                    first > context.year.end)
                    outside.append(it.key());
                else
                    ++inside;
            }
            if (!outside.isEmpty() && inside >= 2) {
                QStringList named;
                for (const int column : outside.mid(0, 3))
                    named.append(QStringLiteral("「%1」").arg(cells.at(column).trimmed()));
                c.notes.append(
                    QStringLiteral("この会社の事業年度（%1）の月の列だけを読み、%2%3の列は"
                                   "読みませんでした。")
                        .arg(columnheadings::yearText(context.year), named.join(u'・'),
                             outside.size() > 3 ? QStringLiteral("など") : QString()));
                for (const int column : outside)
                    monthOf.remove(column);
            }
        }
        QMap<int, QList<int>> rankColumns; // rank → its month columns
        for (auto it = monthOf.cbegin(); it != monthOf.cend(); ++it)
            rankColumns[viewRank(columnheadings::viewOf(cells.at(it.key())), context)].append(
                it.key());
        QList<int> taken = rankColumns.isEmpty() ? QList<int>{} : rankColumns.last();
        if (rankColumns.size() > 1 && taken.size() >= 2) {
            const int first = taken.first();
            const QString sample = cells.at(first).trimmed();
            QStringList others;
            QList<columnheadings::View> views;
            for (auto it = rankColumns.cbegin(); it != rankColumns.cend(); ++it)
                views.append(columnheadings::viewOf(cells.at(it->first())));
            for (auto it = rankColumns.cbegin(); it != std::prev(rankColumns.cend()); ++it)
                others.append(QStringLiteral("「%1」").arg(cells.at(it->first()).trimmed()));
            c.notes.append(QStringLiteral("同じ月の金額の%1などの列は足さずに、%2の「%3」などの列を"
                                          "読みました。")
                               .arg(others.join(QStringLiteral("・")),
                                    viewWords(columnheadings::viewOf(sample), views, context),
                                    sample));
        } else if (rankColumns.size() > 1) {
            taken = monthOf.keys();
        }
        QMap<int, int> seen; // calendar month → column
        for (int i = 0; i < cells.size(); ++i) {
            if (nameColumns.contains(i) || booklayout::isComparisonHeading(cells.at(i)))
                continue;
            if (taken.contains(i)) {
                const int month = monthOf.value(i);
                if (seen.contains(month) && c.duplicateMonth.isEmpty())
                    c.duplicateMonth = QString::number(month);
                seen.insert(month, i);
                c.months.insert(i, month);
                c.cumulative = c.cumulative || columnheadings::viewOf(cells.at(i)).cumulative;
            } else if (monthOf.contains(i)) {
                continue;
            } else if (bookfigures::isClosingColumn(cells.at(i)) && c.closing < 0) {
                c.closing = i;
            } else if (isYearTotalHeading(c.keys.at(i)) && c.total < 0) {
                c.total = i;
            }
        }
        // Months headed but the names' column not: the first column holds the names.
        if (c.names.isEmpty() && c.months.size() >= 2 && !c.months.contains(0) &&
            c.keys.value(0).isEmpty())
            c.names.append(0);
    }
    return c;
}

// The columns as the user chose them.
Columns chosenColumns(const QStringList& cells, const ColumnChoice& choice, Kind kind) {
    Columns c;
    for (int i = 0; i < cells.size(); ++i) {
        const Heading h = headingOf(cells.at(i));
        c.keys.append(h.key);
        if (h.unit && (i == choice.balanceColumn || choice.monthColumns.contains(i)))
            c.units.insert(i, *h.unit);
    }
    c.names.append(choice.nameColumn);
    c.account = choice.nameColumn;
    if (kind == Kind::Months)
        c.months = choice.monthColumns;
    else
        c.balance = choice.balanceColumn;
    return c;
}

bool hasAmounts(const Columns& c, Kind kind) {
    if (kind == Kind::Months)
        return c.months.size() >= 2;
    return c.balance >= 0 || (c.debit >= 0 && c.credit >= 0);
}

QString cell(const QStringList& row, int column) {
    return column >= 0 && column < row.size() ? row.at(column) : QString();
}

QString missingAmountsMessage(Kind kind) {
    if (kind == Kind::Months)
        return QStringLiteral(
            "月ごとの金額の列（4月、2026/04 など）が見つかりません。"
            "会計ソフトから書き出した月次推移表のCSVファイルか確かめてください。");
    return QStringLiteral("金額の列（期末残高、当期残高、残高、または借方残高と貸方残高）が"
                          "見つかりません。会計ソフトから書き出した残高試算表のCSVファイルか"
                          "確かめてください。");
}

QString unknownUnitMessage(const QString& unit) {
    return QStringLiteral("ファイルの表示単位「%1」がわかりません。金額を円または千円で書き出した"
                          "ファイルを選んでください。")
        .arg(unit);
}

bool isBracketed(const QString& name) {
    const QString s = bookfigures::folded(name).trimmed();
    static const QString openers = QStringLiteral("【[〔《<");
    static const QString closers = QStringLiteral("】]〕》>");
    if (s.size() < 2)
        return false;
    const qsizetype open = openers.indexOf(s.front());
    return open >= 0 && s.back() == closers.at(open);
}

class Reader {
public:
    Reader(const Columns& c, Kind kind, qint64 titleUnit, const QStringList& headingCells)
        : m_c(c) {
        const auto unitOf = [&](int column) {
            if (const auto stated = c.units.constFind(column); stated != c.units.cend())
                return bookfigures::unitYen(*stated).value_or(titleUnit);
            return titleUnit;
        };
        const auto add = [&](int column, int key) {
            if (column >= 0)
                m_amountColumns.append(
                    {column, key, unitOf(column), cell(headingCells, column).trimmed()});
        };
        if (kind == Kind::Months) {
            for (auto it = c.months.cbegin(); it != c.months.cend(); ++it)
                add(it.key(), it.value());
            add(c.closing, closingKey);
        } else if (c.balance >= 0) {
            add(c.balance, balanceKey);
        } else {
            add(c.debit, debitKey);
            add(c.credit, creditKey);
        }
        if (c.total >= 0)
            m_totalColumn = {c.total, 0, unitOf(c.total), cell(headingCells, c.total).trimmed()};
        for (const AmountColumn& a : m_amountColumns)
            m_lastColumn = std::max(m_lastColumn, a.column);
        m_lastColumn = std::max(m_lastColumn, m_totalColumn.column);
    }

    qsizetype columnsNeeded() const { return m_lastColumn + 1; }

    // Whether a cell other than the names holds something.
    bool writtenBesideNames(const QStringList& cells) const {
        for (int i = 0; i < cells.size(); ++i)
            if (!m_c.names.contains(i) && !cells.at(i).trimmed().isEmpty())
                return true;
        return false;
    }

    // Nothing for a row without a name.
    std::optional<Row> row(const QStringList& cells, qsizetype line) const {
        Row row;
        row.line = line;
        if (!names(cells, row))
            return std::nullopt;
        row.statement = cell(cells, m_c.statement).trimmed();
        std::optional<qint64> debit;
        std::optional<qint64> credit;
        for (const AmountColumn& a : m_amountColumns) {
            const QString text = cell(cells, a.column);
            const Figure f = bookfigures::figure(text, a.unitYen);
            if (f.kind == Figure::Kind::Empty)
                continue;
            row.figures = true;
            if (f.kind == Figure::Kind::Unreadable) {
                row.unreadable.append({a.heading, text.trimmed(), a.key < 0 ? balanceKey : a.key});
                continue;
            }
            if (a.key == debitKey)
                debit = f.yen;
            else if (a.key == creditKey)
                credit = f.yen;
            else
                row.amounts.insert(a.key, f.yen);
        }
        if (debit || credit)
            row.amounts.insert(balanceKey, debit.value_or(0) - credit.value_or(0));
        if (cells.size() <= m_lastColumn && writtenBesideNames(cells)) {
            // Cut short: what stands may be a part of a figure, and what is missing no zero.
            row.cut = true;
            row.figures = true;
            row.amounts.clear();
            row.unreadable.clear();
            for (const AmountColumn& a : m_amountColumns)
                row.unreadable.append({a.heading, QString(), a.key < 0 ? balanceKey : a.key});
            return row;
        }
        if (m_totalColumn.column >= 0) {
            const QString text = cell(cells, m_totalColumn.column);
            const Figure f = bookfigures::figure(text, m_totalColumn.unitYen);
            if (f.kind == Figure::Kind::Read)
                row.fileTotal = f.yen;
            else if (f.kind == Figure::Kind::Unreadable)
                row.unreadable.append({m_totalColumn.heading, text.trimmed(), -1});
        }
        return row;
    }

    // Whether an amount cell of a row without a name holds a figure other than zero.
    bool hasFigure(const QStringList& cells) const {
        for (const AmountColumn& a : m_amountColumns) {
            const Figure f = bookfigures::figure(cell(cells, a.column), a.unitYen);
            if (f.kind == Figure::Kind::Unreadable || (f.kind == Figure::Kind::Read && f.yen != 0))
                return true;
        }
        return false;
    }

    // Whether the row repeats the heading row (a page break of a printed export).
    bool isHeadingAgain(const QStringList& cells) const {
        if (m_amountColumns.isEmpty())
            return false;
        const AmountColumn& a = m_amountColumns.first();
        return !a.heading.isEmpty() && cell(cells, a.column).trimmed() == a.heading;
    }

private:
    static constexpr int debitKey = -1;
    static constexpr int creditKey = -2;

    struct AmountColumn {
        int column = -1;
        int key = 0;
        qint64 unitYen = 1;
        QString heading;
    };

    bool names(const QStringList& cells, Row& row) const {
        int deepest = -1;
        for (qsizetype i = 0; i < m_c.names.size(); ++i)
            if (!cell(cells, m_c.names.at(i)).trimmed().isEmpty())
                deepest = static_cast<int>(i);
        if (deepest < 0)
            return false;
        const int column = m_c.names.at(deepest);
        const QString written = cell(cells, column);
        row.name = written.trimmed();
        row.depth = deepest * 1000 + bookfigures::indentOf(written);
        for (int i = 0; i < deepest; ++i) {
            const QString outer = cell(cells, m_c.names.at(i)).trimmed();
            if (!outer.isEmpty()) {
                row.outerNames.append(outer);
                row.accountDepth = i * 1000;
            }
        }
        if (column == m_c.subAccount) {
            row.subAccount = true;
            row.account = row.outerNames.value(row.outerNames.size() - 1);
        } else if (m_c.combined) {
            // "普通預金／Ａ銀行": an account and its sub-account in one column.
            const QString f = bookfigures::folded(row.name);
            const qsizetype slash = f.indexOf(QLatin1Char('/'));
            if (slash > 0 && slash < f.size() - 1) {
                row.subAccount = true;
                row.account = row.name.left(slash).trimmed();
                row.name = row.name.mid(slash + 1).trimmed();
            }
        }
        row.key = bookfigures::accountKey(row.name);
        row.bracketed = isBracketed(row.name);
        return !row.key.isEmpty();
    }

    const Columns& m_c;
    QList<AmountColumn> m_amountColumns;
    AmountColumn m_totalColumn;
    int m_lastColumn = -1;
};

bool isNumberCell(const QString& text) {
    return bookfigures::figure(text).kind == Figure::Kind::Read;
}

// Where the reader finds no columns it can justify, its best guess for the user to
// confirm: the heading row is the last row before the figures begin, the names stand
// in the first column that holds text below it, and the figures in the columns that
// hold numbers.
ColumnChoice guessedColumns(const QList<QStringList>& rows, Kind kind) {
    ColumnChoice guess;
    const qsizetype searched = std::min(rows.size(), headingSearchRows);
    const auto words = [&rows](qsizetype i) {
        return std::count_if(rows.at(i).cbegin(), rows.at(i).cend(), [](const QString& t) {
            return !t.trimmed().isEmpty() && !isNumberCell(t);
        });
    };
    // The heading is the last row of two words or more before the first row of figures;
    // in a trial balance, rows of section headings ([売上高]) may stand between them.
    const qsizetype between = kind == Kind::Balances ? 8 : 1;
    for (qsizetype i = 1; i < searched && guess.headingRow < 0; ++i) {
        const QStringList& row = rows.at(i);
        if (!std::any_of(row.cbegin(), row.cend(), isNumberCell))
            continue;
        for (qsizetype h = i - 1; h >= 0 && h >= i - between; --h)
            if (words(h) >= 2) {
                guess.headingRow = h;
                break;
            }
    }
    if (guess.headingRow < 0)
        return guess;
    const QStringList& heading = rows.at(guess.headingRow);
    const qsizetype sample = std::min(rows.size(), guess.headingRow + 1 + headingSearchRows);
    qsizetype width = heading.size();
    for (qsizetype r = guess.headingRow + 1; r < sample; ++r)
        width = std::max(width, rows.at(r).size());
    // The question shows a few columns; a table of thousands is guessed at its first.
    width = std::min<qsizetype>(width, 256);
    int actual = -1; // a column headed as the books' own figures (実績, 当期, 残高)
    int plain = -1;  // the last column of figures headed as neither plan nor comparison
    bool plainIsPlanLike = false;
    int planned = -1;
    for (int column = 0; column < width; ++column) {
        int text = 0;
        int numbers = 0;
        int round = 0; // figures in whole ten thousands, as plans are made
        for (qsizetype r = guess.headingRow + 1; r < sample; ++r) {
            const QString value = cell(rows.at(r), column).trimmed();
            if (value.isEmpty())
                continue;
            const bookfigures::Figure f = bookfigures::figure(value);
            (f.kind == Figure::Kind::Read ? numbers : text)++;
            round += f.kind == Figure::Kind::Read && f.yen % 10000 == 0 ? 1 : 0;
        }
        if (guess.nameColumn < 0 && text > numbers) {
            guess.nameColumn = column;
            continue;
        }
        const QString headingCell = cell(heading, column);
        if (guess.nameColumn < 0 || numbers == 0 || numbers < text ||
            booklayout::isComparisonHeading(headingCell))
            continue;
        if (kind == Kind::Months) {
            if (columnheadings::isPlan(headingCell))
                continue;
            if (const std::optional<int> month = bookfigures::calendarMonth(headingCell))
                guess.monthColumns.insert(column, *month);
        } else if (columnheadings::isPlan(headingCell)) {
            planned = column;
        } else if (columnheadings::isActual(headingCell)) {
            if (actual < 0)
                actual = column;
        } else {
            // The balance stands last, after the movements; a column of round figures
            // only is more likely a plan than the books.
            const bool planLike = numbers >= 3 && round == numbers;
            if (!planLike || plain < 0 || plainIsPlanLike) {
                plain = column;
                plainIsPlanLike = planLike;
            }
        }
    }
    if (kind == Kind::Balances)
        guess.balanceColumn = actual >= 0 ? actual : plain >= 0 ? plain : planned;
    return guess;
}

// The books keep their figures without the consumption tax where a 仮払消費税 or
// 仮受消費税 account holds a figure.
bool keepsTaxApart(const QList<QStringList>& rows) {
    constexpr qsizetype looked = 20000;
    for (qsizetype r = 0; r < std::min(rows.size(), looked); ++r) {
        const QStringList& row = rows.at(r);
        bool named = false;
        for (const QString& text : row) {
            if (text.size() > 200)
                continue;
            if (text.contains(QStringLiteral("仮払消費税")) ||
                text.contains(QStringLiteral("仮受消費税")))
                named = true;
            else if (named && bookfigures::figure(text).kind == Figure::Kind::Read &&
                     bookfigures::figure(text).yen != 0)
                return true;
        }
    }
    return false;
}

// A monthly table whose months hold the year so far: by its headings or title, or by
// its figures (the last month is the row's 合計 where the months do not add up to it;
// without a 合計 column, every account's figures rising month by month). Each month
// becomes the difference to the month before.
void monthsFromRunningTotals(Book& book, const QList<int>& monthKeys, bool saidSo) {
    if (monthKeys.size() < 2)
        return;
    int totalled = 0;
    int lastIsTotal = 0;
    int addsUp = 0; // rows whose months add up to their 合計: months of their own
    int withMonths = 0;
    int rising = 0;
    for (const Row& row : book.rows) {
        QList<qint64> values;
        for (const int key : monthKeys)
            if (row.amounts.contains(key))
                values.append(row.amounts.value(key));
        const int nonZero = static_cast<int>(
            std::count_if(values.cbegin(), values.cend(), [](qint64 v) { return v != 0; }));
        if (nonZero < 2 || row.cut)
            continue;
        if (row.fileTotal) {
            qint64 sum = 0;
            bool fits = true;
            for (const qint64 v : values)
                fits = fits && bookfigures::addTo(sum, v);
            if (fits && sum != *row.fileTotal) {
                ++totalled;
                lastIsTotal += values.last() == *row.fileTotal ? 1 : 0;
            }
            addsUp += fits && sum == *row.fileTotal ? 1 : 0;
        }
        if (nonZero >= 4) {
            ++withMonths;
            bool up = true;
            int steps = 0;
            for (qsizetype i = 1; i < values.size() && up; ++i) {
                const qint64 a = values.at(i - 1) < 0 ? -values.at(i - 1) : values.at(i - 1);
                const qint64 b = values.at(i) < 0 ? -values.at(i) : values.at(i);
                up = b >= a;
                steps += b > a ? 1 : 0;
            }
            rising += up && steps >= 3 ? 1 : 0;
        }
    }
    // A title that speaks of 累計 (a table with a 累計 column) says nothing against
    // months that add up to their 合計.
    if (addsUp >= 3 && addsUp > totalled)
        return;
    QString why;
    if (saidSo)
        why = QStringLiteral("表題か見出しに「累計」とある");
    else if (totalled >= 3 && lastIsTotal * 10 >= totalled * 9)
        why = QStringLiteral("どの科目も最後の月の金額が合計の列と同じ");
    else if (withMonths >= 5 && rising * 10 >= withMonths * 9)
        why = QStringLiteral("どの科目の金額も月を追って増えるだけの");
    if (why.isEmpty())
        return;
    for (Row& row : book.rows) {
        qint64 before = 0;
        bool unknown = false; // the month before could not be read
        QSet<int> unreadable;
        for (const Unreadable& u : row.unreadable)
            unreadable.insert(u.key);
        for (const int key : monthKeys) {
            if (unreadable.contains(key)) {
                unknown = true;
                continue;
            }
            if (!row.amounts.contains(key))
                continue;
            const qint64 sofar = row.amounts.value(key);
            if (unknown) {
                row.amounts.remove(key);
                row.unreadable.append({QString(), QString(), key});
                unknown = false;
            } else {
                row.amounts[key] = sofar - before;
            }
            before = sofar;
        }
    }
    book.cumulative = true;
    book.notes.prepend(QStringLiteral("月ごとの列は期首からの累計です（%1ため）。各月の金額は、"
                                      "前の月の累計との差として読みました。")
                           .arg(why));
}

// A row as pages of the same table repeat it: its names and its figures.
QString rowSignature(const Row& row) {
    QString s = row.outerNames.join(QChar(0x1f)) + QChar(0x1e) + row.name + QChar(0x1e);
    for (auto it = row.amounts.cbegin(); it != row.amounts.cend(); ++it)
        s += QString::number(it.key()) + QLatin1Char(':') + QString::number(it.value()) +
             QLatin1Char(';');
    return s;
}

// The rows read so far by their signatures, made only once a heading row stands again.
struct Signatures {
    QList<QString> of; // of each row read
    QMultiHash<QString, qsizetype> rows;
    void extend(const Book& book, qsizetype upTo) {
        while (of.size() < upTo) {
            of.append(rowSignature(book.rows.at(of.size())));
            rows.insert(of.last(), of.size() - 1);
        }
    }
};

// A page after a repeated heading row that holds the same rows, with the same figures,
// as rows read before it is the same table printed again: it is read once.
void dropRepeatedPage(Book& book, qsizetype pageStart, Signatures& signatures) {
    if (pageStart < 0 || book.rows.size() - pageStart < 2)
        return;
    signatures.extend(book, pageStart);
    const qsizetype size = book.rows.size() - pageStart;
    QList<QString> page;
    for (qsizetype k = 0; k < size; ++k)
        page.append(rowSignature(book.rows.at(pageStart + k)));
    for (const qsizetype at : signatures.rows.values(page.first())) {
        if (at + size > pageStart)
            continue;
        bool same = true;
        for (qsizetype k = 1; k < size && same; ++k)
            same = signatures.of.at(at + k) == page.at(k);
        if (!same)
            continue;
        book.notes.append(QStringLiteral("%1行目から%2行目までは、前にある%3行目から%4行目までと"
                                         "同じ科目と金額の繰り返しのため、一度だけ数えました。")
                              .arg(book.rows.at(pageStart).line)
                              .arg(book.rows.last().line)
                              .arg(book.rows.at(at).line)
                              .arg(book.rows.at(at + size - 1).line));
        book.rows.resize(pageStart);
        return;
    }
}

Book readTable(const QList<QStringList>& csvRows, Kind kind, const QList<qsizetype>& lines,
               const Progress& progress, const std::optional<ColumnChoice>& choice,
               const columnheadings::BusinessYear& year) {
    Book book;
    Context context;
    context.year = year;
    // Only a file whose headings speak of the tax needs to know how its books keep it.
    bool taxHeadings = false;
    for (qsizetype i = 0; i < std::min(csvRows.size(), headingSearchRows) && !taxHeadings; ++i)
        for (const QString& text : csvRows.at(i))
            if (text.size() <= 200 &&
                (text.contains(QStringLiteral("税込")) || text.contains(QStringLiteral("税抜")) ||
                 text.contains(QStringLiteral("税別")))) {
                taxHeadings = true;
                break;
            }
    context.taxExcluded = taxHeadings && keepsTaxApart(csvRows);
    qsizetype headerAt = -1;
    bool nameColumnSeen = false;
    Columns columns;
    QString titleUnit;
    if (choice && choice->headingRow >= 0 && choice->headingRow < csvRows.size() &&
        choice->nameColumn >= 0) {
        headerAt = choice->headingRow;
        columns = chosenColumns(csvRows.at(headerAt), *choice, kind);
        for (qsizetype i = 0; i < headerAt; ++i)
            for (const QString& text : csvRows.at(i))
                if (const std::optional<QString> unit = bookfigures::statedUnit(text);
                    unit && titleUnit.isEmpty())
                    titleUnit = *unit;
    }
    qsizetype namesAt = -1; // the first heading row of names without amounts it names
    for (qsizetype i = 0; i < std::min(csvRows.size(), headingSearchRows) && headerAt < 0; ++i) {
        const Columns c = columnsOf(csvRows.at(i), kind, context);
        if (!c.names.isEmpty()) {
            nameColumnSeen = true;
            if (!c.periodError.isEmpty()) {
                book.error = c.periodError;
                return book;
            }
            if (hasAmounts(c, kind)) {
                headerAt = i;
                columns = c;
                continue;
            }
            if (namesAt < 0) {
                namesAt = i;
                columns = c;
            }
        }
        // A title line may state the unit of the whole file.
        for (const QString& text : csvRows.at(i))
            if (const std::optional<QString> unit = bookfigures::statedUnit(text);
                unit && titleUnit.isEmpty())
                titleUnit = *unit;
    }
    if (headerAt < 0 && namesAt >= 0 && kind == Kind::Balances) {
        // No heading names the balance: the figures may show it.
        const QStringList& heading = csvRows.at(namesAt);
        qsizetype width = heading.size();
        for (qsizetype i = namesAt + 1; i < std::min(csvRows.size(), namesAt + 1 + 2000); ++i)
            width = std::max(width, csvRows.at(i).size());
        QList<int> candidates;
        for (int i = 0; i < width; ++i)
            if (!columns.names.contains(i) && i != columns.statement &&
                nameRole(columns.keys.value(i)) != NameRole::Code)
                candidates.append(i);
        if (const std::optional<booklayout::BalanceReading> found =
                booklayout::balanceByContent(heading, csvRows.mid(namesAt + 1), candidates)) {
            headerAt = namesAt;
            columns.balance = found->column;
            book.notes.append(QStringLiteral("「%1」の列を期末の残高として読みました（%2ため）。")
                                  .arg(cell(heading, found->column).trimmed(), found->how));
        }
    }
    if (headerAt < 0) {
        book.error =
            nameColumnSeen
                ? missingAmountsMessage(kind)
                : QStringLiteral("見出しの行（勘定科目または科目の列）が見つかりません。"
                                 "会計ソフトから書き出したCSVファイルか確かめてください。");
        book.unsure = true;
        book.columns = guessedColumns(csvRows, kind);
        return book;
    }
    if (kind == Kind::Months && !columns.duplicateMonth.isEmpty()) {
        book.error = QStringLiteral("%1月の列が二つ以上あります。1年分の月次推移表を選んで"
                                    "ください。")
                         .arg(columns.duplicateMonth);
        return book;
    }
    qint64 unitYen = 1;
    if (!titleUnit.isEmpty()) {
        const std::optional<qint64> known = bookfigures::unitYen(titleUnit);
        if (!known) {
            book.error = unknownUnitMessage(titleUnit);
            return book;
        }
        unitYen = *known;
        book.unit = bookfigures::accountKey(titleUnit);
        book.unitYen = unitYen;
    }
    for (const QString& unit : columns.units) {
        if (!bookfigures::unitYen(unit)) {
            book.error = unknownUnitMessage(unit);
            return book;
        }
        if (book.unit.isEmpty()) {
            book.unit = bookfigures::accountKey(unit);
            book.unitYen = *bookfigures::unitYen(unit);
        }
    }
    book.debitMinusCredit = kind == Kind::Balances && columns.balance < 0;
    book.closingColumn = kind == Kind::Months && columns.closing >= 0;
    book.notes += columns.notes;
    bool saysCumulative = columns.cumulative;
    for (qsizetype i = 0; i < headerAt && !saysCumulative; ++i)
        for (const QString& text : csvRows.at(i))
            saysCumulative = saysCumulative || columnheadings::saysCumulative(text);

    book.columns.headingRow = headerAt;
    book.columns.nameColumn = columns.account >= 0 ? columns.account : columns.names.value(0, -1);
    book.columns.balanceColumn = columns.balance;
    book.columns.monthColumns = columns.months;
    const Reader reader(columns, kind, unitYen, csvRows.at(headerAt));
    // Where the heading row stands again, the rows after it: a page of a printout.
    qsizetype pageStart = -1;
    Signatures signatures;
    book.rows.reserve(csvRows.size() - headerAt);
    // A printout saved as text repeats its page heading on every page: the heading row
    // again, and above it the title lines the file begins with (the table's name, the
    // company, the date). Neither is a row of the books.
    QSet<qsizetype> pageTitle;
    {
        const auto text = [](const QStringList& cells) {
            QStringList filled;
            for (const QString& c : cells)
                if (!c.trimmed().isEmpty())
                    filled.append(c.trimmed());
            return filled.join(QChar(0x1f));
        };
        QSet<QString> titles;
        for (qsizetype i = 0; i < headerAt; ++i)
            if (const QString t = text(csvRows.at(i)); !t.isEmpty())
                titles.insert(t);
        for (qsizetype i = headerAt + 1; i < csvRows.size() && !titles.isEmpty(); ++i)
            if (reader.isHeadingAgain(csvRows.at(i)))
                for (qsizetype t = i - 1; t > headerAt && t >= i - 3; --t) {
                    if (!titles.contains(text(csvRows.at(t))))
                        break;
                    pageTitle.insert(t);
                }
    }
    for (qsizetype i = headerAt + 1; i < csvRows.size(); ++i) {
        if (progress && i % 4096 == 0 && !progress(i, csvRows.size())) {
            book.cancelled = true;
            return book;
        }
        const QStringList& cells = csvRows.at(i);
        const qsizetype line = i < lines.size() ? lines.at(i) : i + 1;
        if (reader.isHeadingAgain(cells)) {
            dropRepeatedPage(book, pageStart, signatures);
            pageStart = book.rows.size();
            continue;
        }
        if (pageTitle.contains(i))
            continue;
        std::optional<Row> row = reader.row(cells, line);
        if (!row) {
            // Figures without a name cannot be placed; say so where they are not nothing.
            if (reader.hasFigure(cells))
                book.notes.append(
                    QStringLiteral("%1行目は科目名のない行のため、その金額は取り込みません。")
                        .arg(line));
            continue;
        }
        if (row->cut)
            book.notes.append(QStringLiteral("%1行目「%2」は、見出しの%3列のうち%4列しかない"
                                             "途中で切れた行のため、その金額は取り込みません。")
                                  .arg(row->line)
                                  .arg(row->name)
                                  .arg(reader.columnsNeeded())
                                  .arg(cells.size()));
        book.rows.append(std::move(*row));
    }
    dropRepeatedPage(book, pageStart, signatures);
    if (kind == Kind::Months) {
        QList<int> monthKeys; // in the order of the file's columns
        for (auto it = columns.months.cbegin(); it != columns.months.cend(); ++it)
            monthKeys.append(it.value());
        monthsFromRunningTotals(book, monthKeys, saysCumulative);
    }
    return book;
}

bool isNameHeading(const QString& cell) {
    const NameRole role = nameRole(headingOf(cell).key);
    return role == NameRole::Account || role == NameRole::Combined;
}

} // namespace

bool choosesPlanOrComparison(const QList<QStringList>& csvRows, const ColumnChoice& choice) {
    const QStringList heading = csvRows.value(choice.headingRow);
    QList<int> amounts = choice.monthColumns.keys();
    if (choice.balanceColumn >= 0)
        amounts.append(choice.balanceColumn);
    return std::any_of(amounts.cbegin(), amounts.cend(), [&heading](int column) {
        return columnheadings::isPlanOrComparison(cell(heading, column));
    });
}

Book read(const QList<QStringList>& csvRows, Kind kind, const QList<qsizetype>& lines,
          const Progress& progress, const std::optional<ColumnChoice>& choice,
          const columnheadings::BusinessYear& year) {
    if (choice)
        return readTable(csvRows, kind, lines, progress, choice, year);
    // Two trial balances side by side on the same lines: the right one's rows follow.
    if (const std::optional<booklayout::Table> one =
            booklayout::sideBySideAsOne(csvRows, lines, isNameHeading)) {
        Book book = readTable(one->rows, kind, one->lines, progress, {}, year);
        if (book.error.isEmpty() || book.cancelled) {
            book.notes.prepend(
                QStringLiteral("左右二つに並んだ表として、右側の科目も読みました。"));
            return book;
        }
    }
    Book book = readTable(csvRows, kind, lines, progress, {}, year);
    if (book.error.isEmpty() || book.cancelled || kind != Kind::Months)
        return book;
    // Months running down the rows, accounts across.
    if (const std::optional<booklayout::Table> across = booklayout::monthsAcross(csvRows, lines)) {
        Book turned = readTable(across->rows, kind, across->lines, progress, {}, year);
        if (turned.error.isEmpty() || turned.cancelled) {
            turned.turned = true;
            turned.notes.prepend(
                QStringLiteral("月が縦に並ぶ表として、縦と横を入れ替えて読みました。"
                               "科目の場所は、ファイルの列の番号で示します。"));
            return turned;
        }
    }
    return book;
}

} // namespace gaikyo::booktable
