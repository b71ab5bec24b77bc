#pragma once

#include <QList>
#include <QString>
#include <QStringView>
#include <functional>
#include <optional>

#include "wholefile.h"

// The entries of a folder of this computer straight from the system: a folder of ten
// thousand data files is gone through in a few milliseconds, without a file-information
// object or a pattern for each name.
namespace gaikyo::folderlisting {

// Every name in the folder but "." and "..", in the system's order; nothing for a folder
// that does not exist.
QStringList names(const QString& hostFolder);

struct FileStamp {
    QString name;
    qint64 size = 0;
    // The time of the last change, in nanoseconds since 1970 (as precise as the system
    // keeps it).
    qint64 changed = 0;
};

// The size and time of each file (not folder) whose name ends in `suffix`, case
// ignored; only those files are looked at closely.
QList<FileStamp> files(const QString& hostFolder, QLatin1StringView suffix);

// One look at each file of a folder whose name ends in `suffix` (case ignored): its
// stamp, and for the names `wanted` picks, its bytes as wholefile::read() gives them,
// with the size and time taken from the file as it was opened.
struct FileLook {
    QString name;                        // as the folder holds it
    std::optional<FileStamp> stamp;      // a regular file's
    std::optional<wholefile::Read> read; // a wanted file's
};
QList<FileLook> lookAtFiles(const QString& hostFolder, QLatin1StringView suffix,
                            const std::function<bool(const QString& name)>& wanted);

#ifdef Q_OS_WIN
// A path of Windows with `\\?\` in front, so that a call of the system takes it beyond
// MAX_PATH, as Qt's own calls do.
std::wstring longWindowsPath(const QString& hostPath);
#endif

} // namespace gaikyo::folderlisting
