#include "loadedsection.h"

#include "datafile/cp932.h"
#include "datafile/drivec.h"
#include "datafile/filechannel.h"
#include "datafile/numbers.h"
#include "registry/companypaths.h"
#include "screen/fieldmerge.h"
#include "sectionfile.h"

#include <QFileInfo>

namespace gaikyo::loadedsection {

namespace {

bool masterFileExists(qint32 code) {
    return QFileInfo::exists(drivec::hostPath(paths::masterFile(code)));
}

// Deleting a company removes its files, never their folders: a file missing from a
// folder that is not there (or is a file) is a fault of the folder, which the write
// reports.
bool folderExists(const QString& windowsFolder) {
    return QFileInfo(drivec::hostPath(windowsFolder)).isDir();
}

// A field's value as the file holds it, and as a question shows it: texts in the code
// page's own characters, integers with digit-group commas (0 as empty), as the screens
// show them.
QString valueAt(const SectionRecord& record, qsizetype field) {
    if (field < record.texts.size())
        return cp932::toCodePageForms(record.texts.at(field));
    return groupedDisplay(record.integers.at(field - record.texts.size()));
}

void copyField(SectionRecord& to, const SectionRecord& from, qsizetype field) {
    if (field < to.texts.size())
        to.texts[field] = from.texts.at(field);
    else
        to.integers[field - to.texts.size()] = from.integers.at(field - to.texts.size());
}

// The section file as it is now.
struct Stored {
    FileLoad load;
    FileLoad::Outcome read = FileLoad::Outcome::Missing; // as the channel read it
    QByteArray bytes;
    SectionRecord record;
};

Stored readStored(const QString& file, const RecordLayout& layout) {
    Stored now;
    now.record = SectionRecord::emptyFor(layout);
    now.load = readDataFile(file, now.bytes);
    now.read = now.load.outcome;
    if (now.load.loaded()) {
        qsizetype cutLine = 0;
        const qsizetype read = sectionfile::decode(now.bytes, layout, now.record, &cutLine);
        settleDecoded(now.load, read == layout.fieldCount(), read, cutLine);
    }
    return now;
}

Plan decide(const LoadedSection& loaded, qint32 code, const RecordLayout& layout,
            const SectionRecord& typed, const QSet<qsizetype>& derived, const Stored& now,
            const QString& title) {
    const bool sameCompany = loaded.code == code;
    // Deleting a company takes its master file and its section files: either gone since
    // the load means the company was deleted (and perhaps registered anew by someone).
    if (sameCompany && loaded.askIfDeleted) {
        const bool masterGone =
            loaded.masterExisted && !masterFileExists(code) && folderExists(paths::masterFolder());
        const bool fileGone = loaded.existed && now.load.outcome == FileLoad::Outcome::Missing &&
                              folderExists(paths::statementFolder());
        if ((masterGone || fileGone) &&
            !fieldmerge::askRecreate(title, code,
                                     masterGone ? paths::masterFile(code) : now.load.windowsPath))
            return {Plan::Kind::Refused, typed, {}};
    }
    if (!now.load.readWhole())
        return {Plan::Kind::Write, typed, {}};

    const SectionRecord empty = SectionRecord::emptyFor(layout);
    const SectionRecord& base = sameCompany && loaded.existed ? loaded.loaded : empty;
    const SectionRecord& shown = sameCompany ? loaded.shown : empty;
    const QList<RecordField> captions = layout.texts + layout.integers;
    QList<fieldmerge::Field> fields;
    for (qsizetype i = 0; i < layout.fieldCount(); ++i)
        fields.append({captions.at(i).caption, valueAt(base, i), valueAt(shown, i),
                       valueAt(typed, i), valueAt(now.record, i), derived.contains(i)});
    const QList<fieldmerge::Take> takes = fieldmerge::resolve(fields, title, now.load.windowsPath);

    Plan plan{Plan::Kind::Write, typed, {}};
    for (qsizetype i = 0; i < takes.size(); ++i) {
        if (takes.at(i) == fieldmerge::Take::Stored && fields.at(i).typed != fields.at(i).stored) {
            copyField(plan.record, now.record, i);
            plan.fromStored.insert(i);
        }
    }
    return plan;
}

} // namespace

LoadedSection taken(qint32 code, const FileLoad& load, const SectionRecord& loaded,
                    const SectionRecord& shown) {
    return {code, masterFileExists(code), load.outcome != FileLoad::Outcome::Missing, loaded,
            shown};
}

Plan merge(const LoadedSection& loaded, qint32 code, const RecordLayout& layout,
           const SectionRecord& typed, const QSet<qsizetype>& derived, const QString& title) {
    const std::optional<QString> file = sectionfile::path(code, layout);
    // No file to merge with (a code without section files), or a channel taken: the
    // write says why it cannot be done.
    if (!file || FileChannel::instance().isOpen())
        return {Plan::Kind::Write, typed, {}};
    constexpr int rounds = 3;
    for (int round = 1;; ++round) {
        const Stored now = readStored(*file, layout);
        const Plan plan = decide(loaded, code, layout, typed, derived, now, title);
        if (plan.kind == Plan::Kind::Refused || round == rounds)
            return plan;
        // A question may have stood open while someone else saved: merge again then.
        QByteArray again;
        if (readDataFile(*file, again).outcome == now.read && again == now.bytes)
            return plan;
    }
}

} // namespace gaikyo::loadedsection
