#pragma once

#include "companyrecord.h"

#include <optional>

namespace gaikyo {

// What a screen loaded of a company's master file, kept so that a later save writes only
// what the screen changed, and never brings back a company deleted meanwhile.
struct LoadedCompany {
    std::optional<qint32> code; // nothing until the screen has loaded a company
    bool existed = false;       // the master file was there
    CompanyRecord loaded;       // its lines as read
    CompanyRecord shown;        // what the screen would have saved right after loading
    // Whether a file gone since the load means a deletion to ask about. A save whose write
    // failed has told the user about the file; the next save is their retry.
    bool askIfDeleted = true;
};

namespace loadedcompany {

// What saving a record over a company's master file comes to.
struct Plan {
    enum class Kind {
        Write,     // write `record`
        Unchanged, // the file already holds `record`: nothing to write
        Refused,   // the company was deleted and the user chose not to create it again
    };
    Kind kind = Kind::Write;
    CompanyRecord record;
    // Whether some field keeps the file's value instead of the screen's.
    bool tookStored = false;
};

// The record a screen would save, merged into the master file as it is now: the screen's
// value for every field it changed since `loaded` (or that nobody else changed), the
// file's for the rest, a question for fields both sides changed. A file that was there
// at the load and is gone now is created again only if the user says so. A file that is
// damaged or short now is not merged: the screen's record replaces it (the write puts the
// damaged file aside first). A question may stand open while someone else saves: the
// file is read once more afterwards, and merged again if it changed.
Plan merge(const LoadedCompany& loaded, const CompanyRecord& typed, const QString& title);

} // namespace loadedcompany
} // namespace gaikyo
