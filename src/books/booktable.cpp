#include "booktable.h"

#include "bookfigures.h"

#include <optional>

namespace gaikyo::booktable {

namespace {

struct Columns {
    int account = -1;
    int group = -1;   // a 区分 column
    int balance = -1; // one balance column
    int debit = -1;   // or 借方残高 and 貸方残高
    int credit = -1;
    QMap<int, int> months; // column → calendar month
    QString duplicateMonth;
};

int columnOf(const QStringList& keys, std::initializer_list<const char*> names) {
    for (const char* name : names) {
        const qsizetype at = keys.indexOf(QString::fromUtf8(name));
        if (at >= 0)
            return static_cast<int>(at);
    }
    return -1;
}

Columns columnsOf(const QStringList& cells) {
    QStringList keys;
    for (const QString& cell : cells)
        keys.append(bookfigures::accountKey(cell));
    Columns c;
    c.account =
        columnOf(keys, {"勘定科目", "科目", "科目名", "勘定科目名", "勘定科目名称", "科目名称"});
    c.group = columnOf(keys, {"区分"});
    c.balance = columnOf(keys, {"期末残高", "当期残高", "当月残高", "残高", "差引残高"});
    c.debit = columnOf(keys, {"借方残高"});
    c.credit = columnOf(keys, {"貸方残高"});
    QMap<int, int> seen; // calendar month → column
    for (int i = 0; i < cells.size(); ++i) {
        const std::optional<int> month = bookfigures::calendarMonth(cells.at(i));
        if (!month || i == c.account)
            continue;
        if (seen.contains(*month) && c.duplicateMonth.isEmpty())
            c.duplicateMonth = QString::number(*month);
        seen.insert(*month, i);
        c.months.insert(i, *month);
    }
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

Row rowOf(const QStringList& cells, const Columns& c, Kind kind) {
    Row row;
    row.name = cell(cells, c.account).trimmed();
    if (kind == Kind::Months) {
        for (auto it = c.months.cbegin(); it != c.months.cend(); ++it)
            if (const std::optional<qint64> yen = bookfigures::yen(cell(cells, it.key())))
                row.months.insert(it.value(), *yen);
        row.heading = row.months.isEmpty();
        return row;
    }
    if (c.balance >= 0) {
        const std::optional<qint64> yen = bookfigures::yen(cell(cells, c.balance));
        row.heading = !yen;
        row.amount = yen.value_or(0);
        return row;
    }
    const std::optional<qint64> debit = bookfigures::yen(cell(cells, c.debit));
    const std::optional<qint64> credit = bookfigures::yen(cell(cells, c.credit));
    row.heading = !debit && !credit;
    row.amount = debit.value_or(0) - credit.value_or(0);
    return row;
}

} // namespace

Book read(const QList<QStringList>& csvRows, Kind kind) {
    Book book;
    qsizetype headerAt = -1;
    bool accountColumnSeen = false;
    Columns columns;
    for (qsizetype i = 0; i < csvRows.size() && headerAt < 0; ++i) {
        const Columns c = columnsOf(csvRows.at(i));
        if (c.account < 0)
            continue;
        accountColumnSeen = true;
        if (hasAmounts(c, kind)) {
            headerAt = i;
            columns = c;
        }
    }
    if (headerAt < 0) {
        book.error =
            accountColumnSeen
                ? missingAmountsMessage(kind)
                : QStringLiteral("見出しの行（勘定科目または科目の列）が見つかりません。"
                                 "会計ソフトから書き出したCSVファイルか確かめてください。");
        return book;
    }
    if (kind == Kind::Months && !columns.duplicateMonth.isEmpty()) {
        book.error = QStringLiteral("%1月の列が二つ以上あります。1年分の月次推移表を選んで"
                                    "ください。")
                         .arg(columns.duplicateMonth);
        return book;
    }
    book.debitMinusCredit = kind == Kind::Balances && columns.balance < 0;

    QString group;
    for (qsizetype i = headerAt + 1; i < csvRows.size(); ++i) {
        const QStringList& cells = csvRows.at(i);
        // A 区分 column names the group of the rows below it, as a heading row does.
        const QString rowGroup = cell(cells, columns.group).trimmed();
        if (!rowGroup.isEmpty() && rowGroup != group) {
            group = rowGroup;
            Row heading;
            heading.name = rowGroup;
            heading.heading = true;
            book.rows.append(heading);
        }
        Row row = rowOf(cells, columns, kind);
        if (!row.name.isEmpty())
            book.rows.append(row);
    }
    return book;
}

} // namespace gaikyo::booktable
