#pragma once

#include <QRegularExpression>
#include <QString>
#include <chrono>

namespace gaikyo::leftovers {

// A save first writes a temporary file beside the file it replaces ("7.txt.AbC123"),
// then puts it in the file's place. A save killed half-way leaves that temporary file
// behind. Removes such files from a folder: only those beside a name of the program's
// own files (`ownNames` matches the whole name, "7.txt"), and only those older than
// `olderThan`, so that a save going on right now, on this or another computer, is never
// touched. Returns how many were removed.
int removeOldSaveLeftovers(const QString& windowsFolder, const QRegularExpression& ownNames,
                           std::chrono::seconds olderThan = std::chrono::hours(1));

} // namespace gaikyo::leftovers
