#pragma once

#include <QString>

namespace gaikyo {

// Deletes a file of drive C: by moving it to the desktop's trash, from where the user
// can restore it; where there is no trash it is removed. A missing file is skipped.
bool discardFile(const QString& windowsPath);

} // namespace gaikyo
