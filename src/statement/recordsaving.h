#pragma once

#include "datafile/fileload.h"
#include "recordlayouts.h"
#include "sectionrecord.h"

#include <QString>
#include <optional>

namespace gaikyo::recordsaving {

// The title of every message of a "登録実行".
QString saveTitle();

// Writes a screen's record for the company its code box names. When that cannot be
// done the user is told why and false comes back: nothing was written, and the screen
// leaves its boxes as typed.
// A notice that came with a save (a damaged file put aside) is shown as well.
bool saveOrWarn(std::optional<qint32> code, const RecordLayout& layout,
                const SectionRecord& record);

// After "ＤＡＴＡ": a damaged or short file is named, with what is shown of it and what
// the next save does with it. Nothing is said about a missing or whole file.
void tellIfDamaged(const FileLoad& load);

// How many of a record's fields a load filled: all of a whole file, those before the
// first missing line of a short one, none of a damaged one.
qsizetype fieldsHeld(const FileLoad& load, qsizetype fieldCount);

} // namespace gaikyo::recordsaving
