#include "folderwatch.h"

#include "drivec.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QHashFunctions>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#endif

namespace gaikyo {

FolderWatch::FolderWatch(const QString& windowsFolder, QObject* parent,
                         std::optional<QByteArray> seen)
    : QObject(parent), m_folder(QDir::cleanPath(drivec::hostPath(windowsFolder))),
      m_windowsFolder(windowsFolder) {
    m_pause.setSingleShot(true);
    m_pause.setInterval(pauseMs);
    connect(&m_pause, &QTimer::timeout, this, [this] { lookNow(); });
    connect(&m_watcher, &QFileSystemWatcher::directoryChanged, this, [this] {
        // A folder above may have gained the watched one: watch the nearest again.
        watchNearest();
        m_pause.start();
    });
    m_poll.setInterval(pollMs);
    connect(&m_poll, &QTimer::timeout, this, [this] {
        watchNearest();
        lookNow();
    });
    watchNearest();
    m_lastListing = seen ? std::move(*seen) : signatureOf(windowsFolder);
    m_poll.start();
}

void FolderWatch::watchNearest() {
    QString nearest = m_folder;
    while (!QFileInfo(nearest).isDir()) {
        const QString above = QFileInfo(nearest).path();
        if (above == nearest)
            return;
        nearest = above;
    }
    const QStringList watched = m_watcher.directories();
    if (watched.size() == 1 && watched.first() == nearest)
        return;
    if (!watched.isEmpty())
        m_watcher.removePaths(watched);
    m_watcher.addPath(nearest);
}

QByteArray FolderWatch::signatureOf(const QString& windowsFolder, QSet<QString>* lowerNames) {
    // A sum of one hash for each file (name, size, time of the last change), so that the
    // order the folder lists its files in does not count and nothing needs sorting; the
    // files' times are read without building a date for each (a thousand files a look).
    quint64 sum = 0;
    quint64 count = 0;
    QDirIterator it(drivec::hostPath(windowsFolder), {QStringLiteral("*.txt")},
                    QDir::Files | QDir::Hidden);
    while (it.hasNext()) {
        it.next();
        qint64 size = 0;
        qint64 time = 0;
#ifdef Q_OS_UNIX
        struct stat info {};
        if (::stat(QFile::encodeName(it.filePath()).constData(), &info) == 0) {
            size = info.st_size;
            time = qint64(info.st_mtim.tv_sec) * 1000000000 + info.st_mtim.tv_nsec;
        }
#else
        const QFileInfo info = it.fileInfo();
        size = info.size();
        time = info.lastModified().toMSecsSinceEpoch();
#endif
        sum += qHashMulti(0x9e3779b97f4a7c15u, it.fileName(), size, time);
        ++count;
        if (lowerNames)
            lowerNames->insert(it.fileName().toLower());
    }
    QByteArray signature;
    signature.append(reinterpret_cast<const char*>(&sum), sizeof sum);
    signature.append(reinterpret_cast<const char*>(&count), sizeof count);
    return signature;
}

void FolderWatch::noteCurrent() {
    m_pause.stop();
    m_lastListing = signatureOf(m_windowsFolder);
}

bool FolderWatch::lookNow() {
    m_pause.stop();
    QByteArray now = signatureOf(m_windowsFolder);
    if (now == m_lastListing)
        return false;
    m_lastListing = std::move(now);
    Q_EMIT changed();
    return true;
}

} // namespace gaikyo
