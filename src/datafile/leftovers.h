#pragma once

#include "discard.h"

#include <QRegularExpression>
#include <QString>
#include <QStringList>
#include <chrono>

namespace gaikyo::leftovers {

// What a clean-up of a folder did.
struct Cleared {
    // Temporary files that held nothing the file beside them lacks: in the trash, or
    // where the trash could not take them, in a folder of the program's own (`moved`
    // says which).
    int discarded = 0;
    discard::Outcome moved;
    // Temporary files that held what may be the only copy of a save cut short, now under
    // a name the user sees (their paths as the program names them).
    QStringList keptAside;
};

// A save writes a temporary file beside the file it replaces (wholefile::temporaryName),
// then puts it in the file's place; a save killed half-way leaves that temporary file
// behind. Clears such files from a folder: only files the program named so, only beside
// a name of its own files (`ownNames` matches the whole name, "7.txt"), and only those
// older than `olderThan`, so that a save going on right now, on this or another
// computer, is never touched. Any other file of the folder, whatever its name, stays.
// A temporary file whose bytes all stand at the start of the file beside it (an empty
// one included) holds nothing of value and goes to the trash (or, where the trash cannot
// take it, into a folder under discard::keptFolder()); any other may hold the
// only copy of what was being saved and is renamed to
// "<file>.中断された保存-<its time>.txt" beside the file.
Cleared clearSaveLeftovers(const QString& windowsFolder, const QRegularExpression& ownNames,
                           std::chrono::seconds olderThan = std::chrono::hours(1));

// The message that tells the user where the kept copies are.
QString keptAsideMessage(const QStringList& keptAside);

} // namespace gaikyo::leftovers
