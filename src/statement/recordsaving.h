#pragma once

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
bool saveOrWarn(std::optional<qint32> code, const RecordLayout& layout,
                const SectionRecord& record);

} // namespace gaikyo::recordsaving
