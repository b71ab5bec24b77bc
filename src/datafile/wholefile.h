#pragma once

#include <QByteArray>
#include <QString>
#include <QtGlobal>
#include <optional>

#ifdef Q_OS_UNIX
struct stat;
#endif

// Reading and writing a file of this computer whole. Both name no file in what they
// return: the caller knows how the user calls the file.
namespace gaikyo::wholefile {

// Far above the largest data file the program writes (a few kilobytes): anything longer
// is not one of its files, and reading on would only fill the memory.
constexpr qsizetype sizeLimit = 256 * 1024;

struct Read {
    enum class Outcome { Read, Missing, Damaged };
    Outcome outcome = Outcome::Missing;
    QByteArray bytes;
    // Damaged: why, as a sentence for the user.
    QString reason;
};

// Opens only a regular file, never waiting on one that is not (a pipe, a device); reads
// at most sizeLimit bytes and calls a longer file damaged.
Read read(const QString& hostPath);

#ifdef Q_OS_UNIX
// The same for the file `name` of an open folder; `seen`, where given, receives what the
// opened file is (size, time) when it is a regular file.
Read readAt(int folder, const char* name, struct stat* seen);
#endif

// Whether a file may be written in place when its folder takes no temporary file (a
// standard user in C:\Program Files\ may change a file the setup program made, but not
// make one beside it).
enum class InPlace { Never, WhenFolderIsClosed };

// Replaces the file with the bytes through a temporary file beside it: every write is
// checked and the old file is replaced only by a complete new one. On failure the reason
// as a sentence for the user, and the old file as it was (and no temporary file).
std::optional<QString> write(const QString& hostPath, const QByteArray& bytes,
                             InPlace inPlace = InPlace::Never);

// The name of the temporary file a save writes beside the file it replaces: the file's
// name, the program's name and a random part ("7.txt.gaikyo-k3j9x0p2qz7a.tmp"), a name
// no user chooses and no other program makes, so that a save killed half-way leaves
// a file the program can tell for its own.
QString temporaryName(const QString& fileName);
// The name of the file a temporary file of a save was to replace ("7.txt"), or nothing
// when the name is not exactly one that temporaryName() makes.
std::optional<QString> savedNameOf(const QString& fileName);

} // namespace gaikyo::wholefile
