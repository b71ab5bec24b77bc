// The reader of the books' exports on any bytes: the text into rows, the rows into a
// book of accounts, how they hang together, and what would be filled, for both buttons.
// Every row keeps the line it began on, nothing runs on for ever, and no box gets a
// figure that does not fit it.
#include "books/accountmapping.h"
#include "books/bookcsv.h"
#include "books/bookplan.h"
#include "books/bookstructure.h"
#include "books/booktable.h"
#include "fuzzsupport.h"

using namespace gaikyo;

namespace {

// The built-in mappings, made once: making them takes longer than reading a small input.
const AccountMapping& builtInMapping(booktable::Kind kind) {
    static const AccountMapping balances =
        AccountMapping::builtIn(AccountMapping::Kind::TrialBalance);
    static const AccountMapping months =
        AccountMapping::builtIn(AccountMapping::Kind::MonthlyTable);
    return kind == booktable::Kind::Balances ? balances : months;
}

void plan(const bookcsv::Table& table, booktable::Kind kind,
          const columnheadings::BusinessYear& year = {}) {
    const booktable::Book book = booktable::read(table.rows, kind, table.lines, {}, {}, year);
    if (!book.error.isEmpty()) {
        fuzz::check(book.rows.isEmpty());
        return;
    }
    const AccountMapping& mapping = builtInMapping(kind);
    const bookstructure::Structure structure =
        bookstructure::analyse(book, [&mapping](const QString& key) { return mapping.knows(key); });
    // Every row of the book is a node; accounts named only by their sub-accounts add some.
    fuzz::check(structure.nodes.size() >= book.rows.size());
    for (const bookstructure::Node& node : structure.nodes)
        for (const int member : node.members)
            fuzz::check(member >= 0 && member < structure.nodes.size());
    const bookplan::Plan p = kind == booktable::Kind::Balances
                                 ? bookplan::trialBalance(book, structure, mapping)
                                 : bookplan::monthlyTable(book, structure, mapping,
                                                          {4, 5, 6, 7, 8, 9, 10, 11, 12, 1, 2, 3});
    // Sums that do not fit are refused, never filled.
    fuzz::check(!structure.overflow || !p.error.isEmpty());
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray bytes = fuzz::fileBytes(data, size);
    const bookcsv::Table table = bookcsv::parse(bytes);
    fuzz::check(table.rows.size() == table.lines.size());
    if (!table.error.isEmpty())
        fuzz::check(table.rows.isEmpty() || table.error.contains(QStringLiteral("CSV")));
    // Rows begin on lines in order, and never past the last line of the text.
    const qsizetype lineEnds = bytes.count('\n') + bytes.count('\r') + 1;
    qsizetype previous = 0;
    for (int i = 0; i < table.rows.size(); ++i) {
        const qsizetype line = table.lines.at(i);
        fuzz::check(line > previous && line <= lineEnds);
        previous = line;
        fuzz::check(!table.rows.at(i).isEmpty());
    }
    if (!table.error.isEmpty())
        return 0;
    plan(table, booktable::Kind::Balances);
    plan(table, booktable::Kind::Months);
    // A business year picks a column among several years'.
    const columnheadings::BusinessYear year{QDate(2024, 4, 1), QDate(2025, 3, 31)};
    plan(table, booktable::Kind::Balances, year);
    plan(table, booktable::Kind::Months, year);
    return 0;
}
