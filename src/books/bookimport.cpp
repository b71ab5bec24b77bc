#include "bookimport.h"

#include "bookcsv.h"
#include "bookfigures.h"
#include "datafile/numbers.h"
#include "screen/filechooser.h"
#include "screen/importconfirmation.h"
#include "screen/messages.h"
#include "screen/screen.h"

#include <QFileInfo>
#include <QLocale>
#include <QStandardPaths>
#include <functional>
#include <limits>

namespace gaikyo::bookimport {

namespace {

using booktable::Book;
using booktable::Row;

// Yen by calendar month; a balance is kept under month 0.
using Amounts = QMap<int, qint64>;

struct Gathered {
    bool fromTotal = false;
    Amounts yen;
    QStringList sources;
};

using Fields = QMap<int, Gathered>;

Amounts amountsOf(const Row& row, bool months) {
    return months ? Amounts(row.months) : Amounts{{0, row.amount}};
}

QString amountText(qint64 value, bool inYen) {
    return QLocale(QLocale::Japanese).toString(value) +
           (inYen ? QStringLiteral("円") : QStringLiteral("千円"));
}

// Adds up each box's accounts in yen. A row that is the file's own total of a box wins
// over the box's accounts, wherever it stands.
Fields gather(const Book& book, const AccountMapping& mapping, bool months, QStringList& unmapped) {
    Fields fields;
    AccountSection section = AccountSection::Other;
    for (const Row& row : book.rows) {
        if (row.heading) {
            section = AccountMapping::sectionAfter(row.name, section);
            continue;
        }
        const Amounts amounts = amountsOf(row, months);
        const std::optional<AccountMapping::Match> match = mapping.match(row.name, section);
        if (!match) {
            qint64 sum = 0;
            for (const qint64 yen : amounts)
                sum += yen;
            if (sum != 0 && !AccountMapping::isTotalLine(row.name))
                unmapped.append(QStringLiteral("%1　%2").arg(
                    row.name, amountText(bookfigures::thousands(sum), false)));
            continue;
        }
        const FormField& field = mapping.field(match->field);
        // Split balances carry their side themselves; a single balance column shows each
        // account the way it is kept, so 営業損失 or 売上値引 subtract.
        const int factor = book.debitMinusCredit ? (field.creditSide ? -1 : 1) : match->sign;
        Gathered& g = fields[match->field];
        if (g.fromTotal)
            continue;
        if (match->total)
            g = Gathered{true, {}, {}};
        for (auto it = amounts.cbegin(); it != amounts.cend(); ++it)
            g.yen[it.key()] += factor * it.value();
        g.sources.append(row.name.trimmed());
    }
    return fields;
}

qint64 yenOf(const Fields& fields, int id) {
    return fields.value(id).yen.value(0);
}

// The totals of 主要科目 that follow from other boxes, where the file has no row of
// its own for them. 営業損益, 税引前当期損益 and the balance-sheet totals would need
// every account of the file, so they are taken only from the file's total rows.
void completeTotals(Fields& fields, const AccountMapping& mapping, QStringList& notes) {
    const auto computed = [&](int id, qint64 yen, const QString& how) {
        fields.insert(id, Gathered{false, {{0, yen}}, {how}});
    };
    if (!fields.contains(3) && fields.contains(5))
        computed(3, yenOf(fields, 4) + yenOf(fields, 5) - yenOf(fields, 8),
                 QStringLiteral("計算：期首棚卸高＋原材料費（仕入高）－期末棚卸高"));
    if (!fields.contains(11) && fields.contains(1) && fields.contains(3))
        computed(11, yenOf(fields, 1) - yenOf(fields, 3),
                 QStringLiteral("計算：売上（収入）高－売上（収入）原価"));
    if (!fields.contains(35) && fields.contains(20) && fields.contains(30))
        computed(35, yenOf(fields, 20) - yenOf(fields, 30),
                 QStringLiteral("計算：資産の部合計－負債の部合計"));
    for (const int id : {17, 19, 20, 30})
        if (!fields.contains(id))
            notes.append(QStringLiteral("「%1」はファイルに合計の行がないため取り込みません。")
                             .arg(mapping.field(id).caption));
}

// The figure a box receives, or nothing (with a note) when it does not fit a box.
std::optional<qint32> boxValue(qint64 yen, const FormField& field, const QString& name,
                               QStringList& notes) {
    const qint64 value = field.inYen ? yen : bookfigures::thousands(yen);
    if (value < std::numeric_limits<qint32>::min() || value > std::numeric_limits<qint32>::max()) {
        notes.append(QStringLiteral("「%1」は金額が大きすぎるため取り込みません。").arg(name));
        return std::nullopt;
    }
    return static_cast<qint32>(value);
}

// Whether the box holds something the user typed that the import would change.
bool typedOver(const QString& current, qint32 value) {
    const QString text = current.trimmed();
    return !text.isEmpty() && strictInteger(text) != value;
}

QString lastFolder;

std::optional<QString> chooseFile(const QString& title) {
    if (lastFolder.isEmpty())
        lastFolder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    const std::optional<QString> path = filechooser::askOpenPath(
        {title, lastFolder,
         QStringLiteral("CSVファイル (*.csv *.CSV *.txt *.TXT);;すべてのファイル (*)")});
    if (path)
        lastFolder = QFileInfo(*path).absolutePath();
    return path;
}

// Shows the plan, and fills the boxes the user lets it fill. Returns whether it did.
bool confirmAndFill(Screen& screen, const QString& title, const QString& path, const Plan& plan) {
    if (plan.fills.isEmpty()) {
        QString text = QStringLiteral("「%1」から取り込める科目が見つかりませんでした。")
                           .arg(QFileInfo(path).fileName());
        if (!plan.unmapped.isEmpty())
            text += QStringLiteral("\n\nどの欄にも当てはまらない科目：\n") +
                    plan.unmapped.mid(0, 10).join(QLatin1Char('\n'));
        text += QStringLiteral("\n\n%1 に「勘定科目,欄」の行を書き足すと、その科目も取り込めます。")
                    .arg(AccountMapping::userFile());
        messages::warn(title, text);
        return false;
    }
    importconfirmation::Request request{
        title, QFileInfo(path).fileName(), {}, plan.unmapped, plan.notes};
    for (const Fill& fill : plan.fills) {
        const QString current = screen.text(fill.box).trimmed();
        request.lines.append({fill.field, amountText(fill.value, fill.inYen),
                              fill.sources.join(QStringLiteral("＋")),
                              typedOver(current, fill.value) ? current : QString()});
    }
    const importconfirmation::Answer answer = importconfirmation::ask(request);
    if (!answer.import)
        return false;
    for (const Fill& fill : plan.fills)
        if (answer.replaceTyped || !typedOver(screen.text(fill.box), fill.value))
            screen.setText(fill.box, groupedDisplay(fill.value));
    return true;
}

// The steps both buttons share: pick a file, read its table, plan, confirm, fill.
bool run(Screen& screen, const QString& title, booktable::Kind kind,
         const std::function<Plan(const Book&, const AccountMapping&)>& planner) {
    const std::optional<QString> path = chooseFile(title);
    if (!path)
        return false;
    const bookcsv::Table csv = bookcsv::readFile(*path);
    if (!csv.error.isEmpty()) {
        messages::warn(title, csv.error);
        return false;
    }
    const Book book = booktable::read(csv.rows, kind);
    if (!book.error.isEmpty()) {
        messages::warn(title, book.error);
        return false;
    }
    AccountMapping mapping = AccountMapping::builtIn(kind == booktable::Kind::Balances
                                                         ? AccountMapping::Kind::TrialBalance
                                                         : AccountMapping::Kind::MonthlyTable);
    const QStringList mappingNotes = mapping.addUserFile();
    Plan plan = planner(book, mapping);
    plan.notes = mappingNotes + plan.notes;
    return confirmAndFill(screen, title, *path, plan);
}

} // namespace

Plan planTrialBalance(const Book& book, const AccountMapping& mapping) {
    Plan plan;
    Fields fields = gather(book, mapping, false, plan.unmapped);
    completeTotals(fields, mapping, plan.notes);
    for (const FormField& field : mapping.fields()) {
        if (!fields.contains(field.id))
            continue;
        const Gathered& g = fields.value(field.id);
        if (const std::optional<qint32> value =
                boxValue(g.yen.value(0), field, field.caption, plan.notes))
            plan.fills.append({QStringLiteral("Text%1").arg(field.id), field.caption, *value,
                               field.inYen, g.sources});
    }
    return plan;
}

Plan planMonthlyTable(const Book& book, const AccountMapping& mapping, const QList<int>& rowMonths,
                      const MonthlyBoxes& boxes) {
    Plan plan;
    const Fields fields = gather(book, mapping, true, plan.unmapped);
    for (const FormField& field : mapping.fields()) {
        if (!fields.contains(field.id))
            continue;
        const Gathered& g = fields.value(field.id);
        // Each month goes to the row of the same calendar month, whichever month the
        // file starts with.
        for (int row = 1; row <= rowMonths.size(); ++row) {
            const int month = rowMonths.at(row - 1);
            if (!g.yen.contains(month))
                continue;
            const QString name = QStringLiteral("%1　%2月").arg(field.caption).arg(month);
            if (const std::optional<qint32> value =
                    boxValue(g.yen.value(month), field, name, plan.notes))
                plan.fills.append(
                    {boxes.cell(row, field.id), name, *value, field.inYen, g.sources});
        }
    }
    return plan;
}

void importTrialBalance(Screen& screen) {
    run(screen, trialBalanceCaption, booktable::Kind::Balances, &planTrialBalance);
}

void importMonthlyTable(Screen& screen, const MonthlyBoxes& boxes) {
    // The rows follow the business year as the month labels show it.
    QList<int> rowMonths;
    for (int row = 1; row <= 12; ++row)
        rowMonths.append(readInteger(screen.text(boxes.monthLabel(row))));
    for (int month = 1; month <= 12; ++month)
        if (!rowMonths.contains(month)) {
            messages::warn(monthlyTableCaption,
                           QStringLiteral("会社の事業年度の始まりの月がわからないため、月の行を"
                                          "決められません。先に会社の登録（事業年度）を確かめて"
                                          "ください。"));
            return;
        }
    const auto planner = [&rowMonths, &boxes](const Book& book, const AccountMapping& mapping) {
        return planMonthlyTable(book, mapping, rowMonths, boxes);
    };
    if (!run(screen, monthlyTableCaption, booktable::Kind::Months, planner))
        return;
    // 計 of the six money columns, summed as saving sums it.
    for (int column = 1; column <= 6; ++column) {
        qint64 sum = 0;
        for (int row = 1; row <= 12; ++row)
            sum += readInteger(screen.text(boxes.cell(row, column)));
        if (sum >= std::numeric_limits<qint32>::min() && sum <= std::numeric_limits<qint32>::max())
            screen.setText(boxes.cell(13, column), groupedDisplay(static_cast<qint32>(sum)));
    }
}

} // namespace gaikyo::bookimport
