#pragma once

#include "datafile/fileload.h"
#include "recordlayouts.h"
#include "sectionrecord.h"

#include <QSet>
#include <optional>

namespace gaikyo {

// What a screen loaded of one section record file, kept so that a later save writes
// only what the screen changed, and never brings back a company deleted meanwhile.
struct LoadedSection {
    std::optional<qint32> code; // nothing until the screen has loaded the section
    bool masterExisted = false; // the company's master file was there at the load
    bool existed = false;       // the section file was there at the load
    SectionRecord loaded;       // its fields as read (empty when it was missing)
    SectionRecord shown;        // what the screen would have saved right after loading
    // Whether a file gone since the load means a deletion to ask about. A save whose write
    // failed has told the user about the file; the next save is their retry.
    bool askIfDeleted = true;
};

namespace loadedsection {

// What a load found, taken right after the screen has shown it: `shown` is what the
// screen's boxes give now.
LoadedSection taken(qint32 code, const FileLoad& load, const SectionRecord& loaded,
                    const SectionRecord& shown);

// What saving a record over a section record file comes to.
struct Plan {
    enum class Kind {
        Write,   // write `record`
        Refused, // the company was deleted and the user chose not to create it again
    };
    Kind kind = Kind::Write;
    SectionRecord record;
    // The fields (in file order) that keep the file's value instead of the screen's.
    QSet<qsizetype> fromStored;
};

// The record a screen would save, merged into the file as it is now: the screen's value
// for every field it changed since `loaded` (or that nobody else changed), the file's
// for the rest, a question for fields both sides changed. `derived` are the fields (in
// file order) the screen works out from others: they keep the screen's value here, and
// the screen works them out again from the merged record. If the company's master file
// or the section file was there at the load and is gone now, the company was deleted:
// nothing is created unless the user says so. A file that is damaged or short now is not
// merged: the screen's record replaces it (the write puts the damaged file aside first).
Plan merge(const LoadedSection& loaded, qint32 code, const RecordLayout& layout,
           const SectionRecord& typed, const QSet<qsizetype>& derived, const QString& title);

} // namespace loadedsection
} // namespace gaikyo
