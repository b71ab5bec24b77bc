#pragma once

#include "fileload.h"
#include "status.h"
#include "wholefile.h"

#include <QByteArray>
#include <QHash>
#include <QString>
#include <optional>

namespace gaikyo {

// The program's one file channel: every data file is read or written through it, one
// file at a time. Each operation closes the file again before it returns, whether it
// worked or not, so the channel is never left occupied; "ファイル閉鎖" still closes
// whatever is open.
class FileChannel {
public:
    static FileChannel& instance();

    bool isOpen() const { return !m_openPath.isEmpty(); }
    const QString& openPath() const { return m_openPath; }
    void close();

    // The whole file: only a regular file, never more than wholefile::sizeLimit bytes.
    // An occupied channel reads as a missing file. A damaged file is remembered (see
    // write()).
    wholefile::Read readFile(const QString& windowsPath);
    // The bytes of a file that could be read, nothing otherwise.
    std::optional<QByteArray> read(const QString& windowsPath);

    // A file whose values ended too early for its reader: remembered like a damaged one,
    // as it stands now; a file that has changed since (mended by hand) is no longer put
    // aside.
    void markDamaged(const QString& windowsPath);

    // Replaces the file whole; on failure the old file stays as it was and the message
    // names the file and the reason. A file last found damaged is first moved to the
    // trash (or, without one, kept beside under another name), so that nothing it held
    // is lost; the status then carries a notice that says so.
    Status write(const QString& windowsPath, const QByteArray& bytes,
                 wholefile::InPlace inPlace = wholefile::InPlace::Never);

    // Test seam: pretend a file is open, as after a failure in the middle of a read.
    void occupyForTest(const QString& windowsPath) { m_openPath = windowsPath; }

private:
    FileChannel() = default;
    QString m_openPath;
    // The damaged files, each with what it was like when found damaged.
    QHash<QString, QByteArray> m_damaged;
};

// Reads a file through the channel and tells how it went: missing, damaged, or its
// bytes for the caller to decode.
FileLoad readDataFile(const QString& windowsPath, QByteArray& bytes);

// After decoding a file that was read: complete, or short from the line after the last
// value it held (one value a line), or cut at a line whose text ends in half a character
// (cutLine, 0 for none); a short or cut file is remembered as damaged, so that a save
// puts it aside before replacing it.
void settleDecoded(FileLoad& load, bool complete, qsizetype valuesRead, qsizetype cutLine = 0);

} // namespace gaikyo
