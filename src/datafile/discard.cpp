#include "discard.h"

#include "drivec.h"
#include "filechannel.h"

#include <QDate>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QStorageInfo>

#include <optional>

#if defined(Q_OS_UNIX) && !defined(Q_OS_DARWIN)
#include <sys/stat.h>
#include <unistd.h>
#endif
#ifdef Q_OS_WIN
#include <windows.h>
#endif

namespace gaikyo::discard {

namespace {

QString withoutTrailingSeparator(QString path) {
    while (path.size() > 1 && (path.endsWith(QLatin1Char('/')) || path.endsWith(QLatin1Char('\\'))))
        path.chop(1);
    return path;
}

#if defined(Q_OS_UNIX) && !defined(Q_OS_DARWIN)
// A trash folder that is a folder, made if missing; empty when it is neither.
QString madeFolder(const QString& path) {
    QDir().mkdir(path);
    return QFileInfo(path).isDir() ? path : QString();
}

// The trash Qt will take for a file, found the way the desktop's rules find it (a
// volume's own .Trash/<uid> or .Trash-<uid>, else the home trash); empty when there is
// none. Qt itself then falls back on the current folder, and would put the file into a
// folder "files" there: the program never lets it.
QString freedesktopTrash(const QString& hostPath) {
    const QStorageInfo volume(QFileInfo(hostPath).absolutePath());
    const QString uid = QString::number(::getuid());
    if (volume.isValid() && volume != QStorageInfo(QDir::home())) {
        const QString shared = QDir(volume.rootPath()).filePath(QStringLiteral(".Trash"));
        struct stat info {};
        if (::lstat(QFile::encodeName(shared).constData(), &info) == 0 && S_ISDIR(info.st_mode) &&
            (info.st_mode & S_ISVTX)) {
            const QString own = madeFolder(shared + QLatin1Char('/') + uid);
            if (!own.isEmpty())
                return own;
        }
        const QString own =
            madeFolder(QDir(volume.rootPath()).filePath(QStringLiteral(".Trash-") + uid));
        if (!own.isEmpty())
            return own;
    }
    const QString data = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    if (data.isEmpty() || !QFileInfo(data).isDir())
        return {};
    return madeFolder(QDir(data).filePath(QStringLiteral("Trash")));
}
#endif

// Into the desktop's trash: where it is now, or nothing, with the file where it was,
// when the trash cannot take it.
std::optional<QString> toTrash(const QString& hostPath) {
    QString where;
    // A link's trash is looked for on the volume it points to: it is kept by the program.
    if (QFileInfo(hostPath).isSymLink())
        return std::nullopt;
#if defined(Q_OS_UNIX) && !defined(Q_OS_DARWIN)
    const QString trash = freedesktopTrash(hostPath);
    if (trash.isEmpty())
        return std::nullopt;
    if (!QFile::moveToTrash(hostPath, &where))
        return std::nullopt;
    // Anywhere but the trash found above (the trash changed meanwhile): back it goes.
    const QString files = QDir(trash).canonicalPath() + QStringLiteral("/files/");
    const QString landed = QFileInfo(where).canonicalFilePath();
    if (landed.startsWith(files))
        return where;
    QFile::rename(where, hostPath);
    return std::nullopt;
#elif defined(Q_OS_WIN)
    // A share or a removable drive has no recycle bin: Windows would delete for good.
    const QString root = QStorageInfo(QFileInfo(hostPath).absolutePath()).rootPath();
    if (root.isEmpty() || GetDriveTypeW(reinterpret_cast<const wchar_t*>(
                              QDir::toNativeSeparators(root).utf16())) != DRIVE_FIXED)
        return std::nullopt;
    if (!QFile::moveToTrash(hostPath, &where))
        return std::nullopt;
    return where;
#else
    if (!QFile::moveToTrash(hostPath, &where))
        return std::nullopt;
    return where;
#endif
}

// A new folder under keptFolder(): the name, or the name with " (2)", " (3)" … where it
// is taken. Empty when none can be made.
QString makeKeptFolder(const QString& name) {
    if (!drivec::createFolder(keptFolder()))
        return {};
    const QDir parent(drivec::hostPath(keptFolder()));
    for (int n = 1; n < 1000; ++n) {
        const QString candidate = n == 1 ? name : QStringLiteral("%1 (%2)").arg(name).arg(n);
        if (parent.exists(candidate))
            continue;
        if (parent.mkdir(candidate))
            return keptFolder() + candidate + QLatin1Char('\\');
    }
    return {};
}

// Moves a file or folder into a folder, under its own name, never over anything there.
bool moveInto(const QString& hostPath, const QString& folderHostPath) {
    const QFileInfo source(hostPath);
    const QString target = QDir(folderHostPath).filePath(source.fileName());
    if (QFileInfo::exists(target) || QFileInfo(target).isSymLink())
        return false;
    if (source.isDir() && !source.isSymLink())
        return QDir().rename(hostPath, target);
    // A file on another volume is copied, then removed; the copy is checked first.
    return QFile::rename(hostPath, target);
}

} // namespace

QString keptFolder() {
    return QStringLiteral("c:\\法人税事業概況書\\削除済み\\");
}

Outcome discard(const QStringList& windowsPaths, const QString& folderName) {
    Outcome outcome;
    for (const QString& windowsPath : windowsPaths) {
        const QString path = withoutTrailingSeparator(drivec::hostPath(windowsPath));
        const QFileInfo info(path);
        if (!info.exists() && !info.isSymLink())
            continue;
        if (FileChannel::instance().isOpen()) {
            outcome.stayed.append(windowsPath);
            continue;
        }
        if (const std::optional<QString> where = toTrash(path)) {
            outcome.inTrash.append(windowsPath);
            outcome.nowAt.insert(windowsPath, *where);
            continue;
        }
        if (outcome.keptIn.isEmpty())
            outcome.keptIn = makeKeptFolder(folderName);
        const QString folder = withoutTrailingSeparator(drivec::hostPath(outcome.keptIn));
        if (!outcome.keptIn.isEmpty() && moveInto(path, folder)) {
            outcome.kept.append(windowsPath);
            outcome.nowAt.insert(windowsPath, QDir(folder).filePath(info.fileName()));
        } else {
            outcome.stayed.append(windowsPath);
        }
    }
    // A folder made for files none of which could be moved into it goes again.
    if (!outcome.keptIn.isEmpty() && outcome.kept.isEmpty()) {
        QDir().rmdir(withoutTrailingSeparator(drivec::hostPath(outcome.keptIn)));
        outcome.keptIn.clear();
    }
    return outcome;
}

QString folderName(const QStringList& parts) {
    QString name = parts.join(QLatin1Char(' ')).simplified();
    // What Windows does not allow in a name, as the full-width character an input
    // method gives for it.
    static const QString forbidden = QStringLiteral("\\/:*?\"<>|");
    static const QString replacements = QStringLiteral("￥／：＊？”＜＞｜");
    for (QChar& c : name) {
        const qsizetype i = forbidden.indexOf(c);
        if (i >= 0)
            c = replacements.at(i);
        else if (c.unicode() < 0x20)
            c = QLatin1Char(' ');
    }
    constexpr qsizetype longest = 60;
    if (name.size() > longest) {
        name.truncate(longest);
        if (name.back().isHighSurrogate())
            name.chop(1);
    }
    // Windows drops a trailing dot or space.
    while (name.endsWith(QLatin1Char('.')) || name.endsWith(QLatin1Char(' ')))
        name.chop(1);
    return name.isEmpty() ? QStringLiteral("削除") : name;
}

QString today() {
    const QDate date = QDate::currentDate();
    return QStringLiteral("%1年%2月%3日").arg(date.year()).arg(date.month()).arg(date.day());
}

QString message(const Outcome& outcome, const QString& what) {
    QStringList parts;
    if (!outcome.keptIn.isEmpty())
        parts.append(QStringLiteral("ごみ箱に移せなかったため、%1を次のフォルダに移しました。"
                                    "削除はしていません。\n\n%2\n\n%3")
                         .arg(what, outcome.keptIn, outcome.kept.join(QLatin1Char('\n'))));
    if (!outcome.stayed.isEmpty())
        parts.append(QStringLiteral("次のファイルはどこにも移せなかったため、元の場所にそのまま"
                                    "残っています。\n\n%1")
                         .arg(outcome.stayed.join(QLatin1Char('\n'))));
    return parts.join(QStringLiteral("\n\n"));
}

} // namespace gaikyo::discard
