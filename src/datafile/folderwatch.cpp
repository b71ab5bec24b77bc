#include "folderwatch.h"

#include "drivec.h"

#include "folderlisting.h"

#include <QDir>
#include <QFileInfo>
#include <QHashFunctions>

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

QByteArray FolderWatch::signatureOf(const QString& windowsFolder) {
    return signatureOf(
        folderlisting::files(drivec::hostPath(windowsFolder), QLatin1StringView(".txt")));
}

QByteArray FolderWatch::signatureOf(const QList<folderlisting::FileStamp>& files) {
    // A sum of one hash for each file (name, size, time of the last change), so that the
    // order the folder lists its files in does not count and nothing needs sorting.
    quint64 sum = 0;
    quint64 count = 0;
    for (const folderlisting::FileStamp& file : files) {
        sum += qHashMulti(0x9e3779b97f4a7c15u, file.name, file.size, file.changed);
        ++count;
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
