#include "newyearfigures.h"

#include "datafile/filechannel.h"
#include "datafile/itemfields.h"
#include "loadedsection.h"
#include "sectionfile.h"

#include <optional>

namespace gaikyo::newyearfigures {

namespace {

using monthlytable::cell;

const QString title = QStringLiteral("翌期更新");

// A section file as it is now: its bytes, to put back, and its record.
struct Current {
    FileLoad load;
    QByteArray bytes;
    SectionRecord record;
};

Current read(qint32 code, const RecordLayout& layout) {
    Current now;
    now.record = SectionRecord::emptyFor(layout);
    now.load = sectionfile::load(code, layout, now.record);
    if (now.load.loaded())
        now.bytes = FileChannel::instance().read(now.load.windowsPath).value_or(QByteArray());
    return now;
}

// The new record written through the save every screen uses: merged with the file as it
// is now, so that a change saved elsewhere since the reading is asked about, not lost.
Status write(qint32 code, const RecordLayout& layout, const Current& now,
             const SectionRecord& next) {
    const LoadedSection loaded{code, true, true, now.record, now.record};
    const loadedsection::Plan plan = loadedsection::merge(loaded, code, layout, next, {}, title);
    if (plan.kind == loadedsection::Plan::Kind::Refused)
        return Status::failure(
            QStringLiteral("「%1」は書き換えていません。").arg(now.load.windowsPath));
    return sectionfile::save(code, layout, plan.record);
}

} // namespace

SectionRecord mainAccounts(const SectionRecord& lastYear) {
    SectionRecord next = lastYear;
    // Items 7 and 10 are the fields up to 42, in the boxes' order; 8 and 9 follow.
    for (int field = static_cast<int>(MainAccount::Sales);
         field <= static_cast<int>(MainAccount::ReceivedFromRepresentative); ++field)
        next.integers[field - 1] = 0;
    return next;
}

SectionRecord monthlyTable(const SectionRecord& lastYear) {
    SectionRecord next = lastYear;
    // The table follows the nine texts, column by column.
    for (int column = 1; column <= monthlytable::columns; ++column) {
        next.integers[cell(monthlytable::previousRow, column) - 1] =
            lastYear.integers.at(cell(monthlytable::totalRow, column) - 1);
        for (int row = 1; row <= monthlytable::totalRow; ++row)
            next.integers[cell(row, column) - 1] = 0;
    }
    return next;
}

Status start(qint32 code) {
    const RecordLayout& accounts = layouts::section(30);
    const RecordLayout& table = layouts::section(60);
    const Current accountsNow = read(code, accounts);
    const Current tableNow = read(code, table);
    for (const Current* now : {&accountsNow, &tableNow})
        if (!now->load.loaded() && now->load.outcome != FileLoad::Outcome::Missing)
            return Status::failure(now->load.problem() +
                                   QStringLiteral("\n新しい年度の数字は始めていません。どのファイル"
                                                  "もそのままです。"));

    const bool hasAccounts = accountsNow.load.loaded();
    if (hasAccounts) {
        const Status written = write(code, accounts, accountsNow, mainAccounts(accountsNow.record));
        if (!written.ok())
            return Status::failure(written.message() +
                                   QStringLiteral("\n新しい年度の数字は始めていません。どのファイル"
                                                  "もそのままです。"));
    }
    if (tableNow.load.loaded()) {
        const Status written = write(code, table, tableNow, monthlyTable(tableNow.record));
        if (!written.ok()) {
            // Both files or neither: item 7 goes back to what it held.
            QString after;
            if (hasAccounts && !FileChannel::instance()
                                    .write(accountsNow.load.windowsPath, accountsNow.bytes)
                                    .ok())
                after =
                    QStringLiteral("\n「%1」は空にしたままです。前の数字は年度の控えにあります。")
                        .arg(accountsNow.load.windowsPath);
            return Status::failure(written.message() +
                                   QStringLiteral("\n新しい年度の数字は始めていません。") + after);
        }
    }
    return {};
}

} // namespace gaikyo::newyearfigures
