#include "bookimport.h"

#include "bookcsv.h"
#include "bookfigures.h"
#include "bookplan.h"
#include "bookstructure.h"
#include "booktable.h"
#include "columnmemory.h"
#include "datafile/itemfields.h"
#include "datafile/numbers.h"
#include "registry/masterfile.h"
#include "screen/boxnames.h"
#include "screen/columnchoice.h"
#include "screen/filechooser.h"
#include "screen/importconfirmation.h"
#include "screen/messages.h"
#include "screen/progress.h"
#include "screen/screen.h"
#include "screen/shorttext.h"

#include <QFileInfo>
#include <QStandardPaths>
#include <algorithm>
#include <functional>
#include <limits>

namespace gaikyo::bookimport {

namespace {

using bookplan::Plan;
using booktable::Book;

// The business year in the company's master file; nothing usable where there is none.
columnheadings::BusinessYear businessYear(std::optional<qint32> company) {
    CompanyRecord record;
    if (!company || !masterfile::read(*company, 13, record))
        return {};
    // The files count years from 平成1 = 1989.
    return {QDate(1988 + record.startYear, record.startMonth, record.startDay),
            QDate(1988 + record.endYear, record.endMonth, record.endDay)};
}

using Planner =
    std::function<Plan(const Book&, const bookstructure::Structure&, const AccountMapping&)>;

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
         QStringLiteral(
             "CSVファイル (*.csv *.CSV *.txt *.TXT *.tsv *.TSV);;すべてのファイル (*)")});
    if (path)
        lastFolder = QFileInfo(*path).absolutePath();
    return path;
}

// Shows the plan, and fills the boxes the user lets it fill. Returns whether it did.
bool confirmAndFill(Screen& screen, const QString& title, const QString& fileName,
                    const Plan& plan) {
    if (plan.fills.isEmpty()) {
        QString text =
            QStringLiteral("「%1」から取り込める科目が見つかりませんでした。").arg(fileName);
        for (const QString& note : plan.notes.mid(0, 5))
            text += QLatin1Char('\n') + shorttext::shortened(note);
        if (!plan.unmapped.isEmpty()) {
            text += QStringLiteral("\n\nどの欄にも当てはまらない科目：");
            for (const QString& account : plan.unmapped.mid(0, 10))
                text += QLatin1Char('\n') + shorttext::shortened(account);
        }
        text += QStringLiteral("\n\n%1 に「勘定科目,欄」の行を書き足すと、その科目も取り込めます。")
                    .arg(AccountMapping::userFile());
        messages::warn(title, text);
        return false;
    }
    importconfirmation::Request request{title,      fileName,           {},           plan.unmapped,
                                        plan.notes, plan.disagreements, plan.excluded};
    for (const bookplan::Fill& fill : plan.fills) {
        const QString current = screen.text(textBox(fill.box)).trimmed();
        request.lines.append({fill.field, bookplan::amountText(fill.value, fill.inYen),
                              fill.sources.join(QStringLiteral("＋")),
                              typedOver(current, fill.value) ? current : QString()});
    }
    const importconfirmation::Answer answer = importconfirmation::ask(request);
    if (!answer.import)
        return false;
    for (const bookplan::Fill& fill : plan.fills)
        if (answer.replaceTyped || !typedOver(screen.text(textBox(fill.box)), fill.value))
            screen.setText(textBox(fill.box), groupedDisplay(fill.value));
    return true;
}

booktable::ColumnChoice fromAnswer(const columnchoice::Choice& c) {
    return {c.headingRow, c.nameColumn, c.balanceColumn, c.monthColumns};
}

columnchoice::Choice toQuestion(const booktable::ColumnChoice& c) {
    return {c.headingRow, c.nameColumn, c.balanceColumn, c.monthColumns};
}

bool hasFigures(const Book& book) {
    return std::any_of(book.rows.cbegin(), book.rows.cend(),
                       [](const booktable::Row& row) { return !row.amounts.isEmpty(); });
}

// The file's first rows as the column choice shows them: enough to see the title lines,
// the heading and the first accounts.
constexpr qsizetype rowsShown = 20;

// How the columns of the file were settled.
struct ReadBook {
    Book book;
    bool remembered = false;                       // as kept from an earlier choice
    std::optional<booktable::ColumnChoice> chosen; // as the user chose them now
    QStringList notes;
    bool stop = false; // cancelled, or the user was told why nothing can be read
};

// Reads the table: with the columns kept for this layout where they still fit, else as
// the reader finds them; where the reader is unsure, or a kept choice no longer fits,
// the user marks the columns.
// closeProgress: the progress window goes before a message or the question shows.
ReadBook readBook(const QString& title, const QString& fileName, booktable::Kind kind,
                  const bookcsv::Table& csv, const booktable::Progress& progress,
                  const std::function<void()>& closeProgress,
                  const columnheadings::BusinessYear& year) {
    ReadBook result;
    columnmemory::Lookup kept = columnmemory::find(csv.rows, kind);
    result.notes = kept.notes;
    // A kept choice of a plan's or a comparison's column (計画, 前期) is never read again
    // without a question: the user is asked, from the reader's own guess.
    const bool planKept =
        kept.remembered && booktable::choosesPlanOrComparison(csv.rows, *kept.remembered);
    if (planKept) {
        result.notes.append(QStringLiteral("前回選んだ列は計画や比較の列のため、その読み方は"
                                           "使わずに、列を選び直していただきました。"));
        kept.remembered.reset();
        kept.fits = false;
    }
    if (kept.remembered && kept.fits) {
        result.book = booktable::read(csv.rows, kind, csv.lines, progress, kept.remembered, year);
        result.remembered =
            !result.book.cancelled && result.book.error.isEmpty() && hasFigures(result.book);
    }
    if (!result.remembered)
        result.book = booktable::read(csv.rows, kind, csv.lines, progress, {}, year);
    if (result.book.cancelled) {
        result.stop = true;
        return result;
    }
    closeProgress();
    // A file in which the reader finds no row with figures below it has no columns to
    // choose: its message says what is missing.
    const bool ask =
        kept.remembered || planKept || (result.book.unsure && result.book.columns.headingRow >= 0);
    if (result.remembered || !ask) {
        if (!result.book.error.isEmpty()) {
            messages::warn(title, shorttext::shortened(result.book.error));
            result.stop = true;
        }
        return result;
    }
    columnchoice::Request request{title,
                                  fileName,
                                  kind == booktable::Kind::Balances ? columnchoice::Amounts::Balance
                                                                    : columnchoice::Amounts::Months,
                                  {},
                                  toQuestion(kept.remembered.value_or(result.book.columns))};
    // Where the heading stands further down, the rows show it with accounts below it.
    request.rows = csv.rows.mid(0, std::max(rowsShown, request.guess.headingRow + 6));
    for (;;) {
        const columnchoice::Answer answer = columnchoice::ask(request);
        if (!answer.chosen) {
            result.stop = true;
            return result;
        }
        const booktable::ColumnChoice chosen = fromAnswer(answer.choice);
        result.book = booktable::read(csv.rows, kind, csv.lines, {}, chosen, year);
        if (result.book.error.isEmpty() && hasFigures(result.book)) {
            result.chosen = chosen;
            return result;
        }
        messages::warn(
            title, result.book.error.isEmpty()
                       ? QStringLiteral("選んだ列からは金額が一つも読み取れませんでした。見出しの"
                                        "行と金額の列を選び直してください。")
                       : shorttext::shortened(result.book.error));
        request.guess = answer.choice;
    }
}

// The steps both buttons share: pick a file, read its table, plan, confirm, fill.
bool run(Screen& screen, const QString& title, booktable::Kind kind, const Planner& planner,
         const columnheadings::BusinessYear& year) {
    const std::optional<QString> path = chooseFile(title);
    if (!path)
        return false;
    const QString fileName = QFileInfo(*path).fileName();
    // Reading a large export takes a moment: the window says so and can stop it. Half the
    // way is the reading of the text, half the reading of its rows.
    std::unique_ptr<progress::Indicator> indicator =
        progress::start({title, QStringLiteral("「%1」を読んでいます。").arg(fileName)});
    constexpr qint64 steps = 1000;
    const bookcsv::Table csv = bookcsv::readFile(*path, [&](qint64 done, qint64 total) {
        return indicator->update(total > 0 ? done * (steps / 2) / total : 0, steps);
    });
    if (csv.cancelled)
        return false;
    if (!csv.error.isEmpty()) {
        indicator.reset();
        messages::warn(title, shorttext::shortened(csv.error));
        return false;
    }
    const booktable::Progress reading = [&](qint64 done, qint64 total) {
        return !indicator ||
               indicator->update(steps / 2 + (total > 0 ? done * (steps / 2) / total : 0), steps);
    };
    ReadBook read = readBook(
        title, fileName, kind, csv, reading, [&] { indicator.reset(); }, year);
    indicator.reset();
    if (read.stop)
        return false;
    const Book& book = read.book;
    AccountMapping mapping = AccountMapping::builtIn(kind == booktable::Kind::Balances
                                                         ? AccountMapping::Kind::TrialBalance
                                                         : AccountMapping::Kind::MonthlyTable);
    const QStringList mappingNotes = mapping.addUserFile();
    const bookstructure::Structure structure =
        bookstructure::analyse(book, [&mapping](const QString& key) { return mapping.knows(key); });
    Plan plan = planner(book, structure, mapping);
    if (!plan.error.isEmpty()) {
        messages::warn(title, shorttext::shortened(plan.error));
        return false;
    }
    QStringList first = csv.notes + mappingNotes + read.notes;
    if (read.remembered)
        first = QStringList{QStringLiteral("前回選んだ列の読み方で読みました。"),
                            QStringLiteral("列を選び直すには、%1 からこの見出しの行を消して"
                                           "ください。")
                                .arg(columnmemory::file())} +
                first;
    if (read.chosen)
        first.prepend(
            QStringLiteral("選んだ列の読み方で読みました。取り込むと、同じ見出しのファイル"
                           "は次から同じ読み方で読みます。"));
    if (!book.unit.isEmpty() && book.unit != QStringLiteral("円"))
        first.prepend(
            QStringLiteral("ファイルの金額は%1単位です（表示単位：%1）。").arg(book.unit));
    plan.notes = first + plan.notes;
    if (!confirmAndFill(screen, title, fileName, plan))
        return false;
    if (read.chosen) {
        const Status kept = columnmemory::remember(csv.rows, kind, *read.chosen);
        if (!kept.ok())
            messages::warn(title, QStringLiteral("取り込みは済みましたが、選んだ列の読み方は"
                                                 "覚えられませんでした。\n") +
                                      kept.message());
        else if (!kept.notice().isEmpty())
            messages::inform(title, kept.notice());
    }
    return true;
}

} // namespace

void importTrialBalance(Screen& screen, std::optional<qint32> company) {
    run(screen, trialBalanceCaption, booktable::Kind::Balances, &bookplan::trialBalance,
        businessYear(company));
}

void importMonthlyTable(Screen& screen, const QList<int>& rowMonths,
                        std::optional<qint32> company) {
    using namespace monthlytable;
    for (int month = 1; month <= 12; ++month)
        if (!rowMonths.contains(month)) {
            messages::warn(monthlyTableCaption,
                           QStringLiteral("会社の事業年度の始まりの月がわからないため、月の行を"
                                          "決められません。先に会社の登録（事業年度）を確かめて"
                                          "ください。"));
            return;
        }
    const auto planner = [&rowMonths](const Book& book, const bookstructure::Structure& structure,
                                      const AccountMapping& mapping) {
        return bookplan::monthlyTable(book, structure, mapping, rowMonths);
    };
    if (!run(screen, monthlyTableCaption, booktable::Kind::Months, planner, businessYear(company)))
        return;
    // 計 of the six money columns: the sum of the months as the boxes show them, as saving
    // sums it.
    QStringList tooLarge;
    for (int column = SalesFirst; column <= Labour; ++column) {
        qint64 sum = 0;
        for (int row = 1; row <= monthRows; ++row)
            sum += readInteger(screen.text(textBox(cell(row, column))));
        if (sum >= std::numeric_limits<qint32>::min() && sum <= std::numeric_limits<qint32>::max())
            screen.setText(textBox(cell(totalRow, column)),
                           groupedDisplay(static_cast<qint32>(sum)));
        else
            tooLarge.append(QString::number(column));
    }
    if (!tooLarge.isEmpty())
        messages::warn(monthlyTableCaption,
                       QStringLiteral("月々の金額を足すと大きすぎるため、計は前のままにしました。"
                                      "月々の金額を確かめてください。"));
}

} // namespace gaikyo::bookimport
