#pragma once

#include "folderlisting.h"

#include <QByteArray>
#include <QFileSystemWatcher>
#include <QObject>
#include <QSet>
#include <QString>
#include <QTimer>
#include <optional>

namespace gaikyo {

// Tells when the data files of a folder appear, disappear or change, whoever changed
// them: this program, another copy of it, or another computer on a shared folder.
// The system's file-system watcher reports changes to the folder (or, while the folder
// does not exist yet, to the nearest folder above it that does); a short pause gathers
// a burst of changes into one look; and the look compares the folder's listing (name,
// size and time of each ".txt" file) with the last one, so that nothing is told when
// nothing changed. A network share seen from Linux reports only this computer's own
// changes, so the listing is also looked at every few seconds.
class FolderWatch : public QObject {
    Q_OBJECT
public:
    // The folder as the program names it ("c:\法人税事業概況書\法人名\"); `seen`, the
    // folder as the caller last saw it (signatureOf()), else as it is now.
    explicit FolderWatch(const QString& windowsFolder, QObject* parent = nullptr,
                         std::optional<QByteArray> seen = std::nullopt);

    // What a look at the folder compares: the name, size and time of each ".txt" file.
    // Safe on any thread.
    static QByteArray signatureOf(const QString& windowsFolder);
    // The same, of the files as a look of the caller's found them.
    static QByteArray signatureOf(const QList<folderlisting::FileStamp>& files);

    // The pause between a report of the system and the look at the folder.
    static constexpr int pauseMs = 250;
    // How often the folder is looked at without a report.
    static constexpr int pollMs = 5000;

    // Looks at the folder now: true, and changed() told, when its files changed since
    // the last look.
    bool lookNow();
    // Takes the folder as it is now as seen, without telling: for a list about to be
    // made from the files anyway.
    void noteCurrent();

Q_SIGNALS:
    void changed();

private:
    void watchNearest();

    QString m_folder; // on this computer
    QString m_windowsFolder;
    QFileSystemWatcher m_watcher;
    QTimer m_pause;
    QTimer m_poll;
    QByteArray m_lastListing;
};

} // namespace gaikyo
