#pragma once

#include "status.h"

#include <QByteArray>
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

    // The whole file, or nothing when it does not exist, cannot be read, or the channel
    // is occupied.
    std::optional<QByteArray> read(const QString& windowsPath);

    // Replaces the file whole; on failure the old file stays as it was.
    Status write(const QString& windowsPath, const QByteArray& bytes);

    // Test seam: pretend a file is open, as after a failure in the middle of a read.
    void occupyForTest(const QString& windowsPath) { m_openPath = windowsPath; }

private:
    FileChannel() = default;
    QString m_openPath;
};

} // namespace gaikyo
