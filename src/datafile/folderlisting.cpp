#include "folderlisting.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>

#include <cstring>

#ifdef Q_OS_WIN
#include <windows.h>
#else
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace gaikyo::folderlisting {

#ifdef Q_OS_WIN

std::wstring longWindowsPath(const QString& hostPath) {
    QString path =
        QDir::toNativeSeparators(QDir::cleanPath(QFileInfo(hostPath).absoluteFilePath()));
    if (path.startsWith(QLatin1StringView("\\\\")))
        path = QStringLiteral("\\\\?\\UNC\\") + path.mid(2);
    else
        path = QStringLiteral("\\\\?\\") + path;
    return path.toStdWString();
}

namespace {

bool isDotOrDotDot(QStringView name) {
    return name == u"." || name == u"..";
}

// Calls `each` with every entry of the folder as Windows lists it, size and time included.
template <typename Each> void forEachEntry(const QString& hostFolder, Each each) {
    const std::wstring pattern = longWindowsPath(hostFolder) + L"\\*";
    WIN32_FIND_DATAW entry;
    const HANDLE find = FindFirstFileExW(pattern.c_str(), FindExInfoBasic, &entry,
                                         FindExSearchNameMatch, nullptr, FIND_FIRST_EX_LARGE_FETCH);
    if (find == INVALID_HANDLE_VALUE)
        return;
    do {
        const QString name = QString::fromWCharArray(entry.cFileName);
        if (!isDotOrDotDot(name))
            each(name, entry);
    } while (FindNextFileW(find, &entry));
    FindClose(find);
}

} // namespace

QStringList names(const QString& hostFolder) {
    QStringList found;
    forEachEntry(hostFolder,
                 [&found](const QString& name, const WIN32_FIND_DATAW&) { found.append(name); });
    return found;
}

QList<FileStamp> files(const QString& hostFolder, QLatin1StringView suffix) {
    QList<FileStamp> found;
    forEachEntry(hostFolder, [&](const QString& name, const WIN32_FIND_DATAW& entry) {
        if (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY ||
            !name.endsWith(suffix, Qt::CaseInsensitive))
            return;
        // A file time counts tenths of a microsecond since 1601.
        constexpr qint64 from1601To1970 = 116444736000000000;
        const qint64 ticks = qint64(quint64(entry.ftLastWriteTime.dwHighDateTime) << 32 |
                                    entry.ftLastWriteTime.dwLowDateTime);
        found.append({name, qint64(quint64(entry.nFileSizeHigh) << 32 | entry.nFileSizeLow),
                      (ticks - from1601To1970) * 100});
    });
    return found;
}

QList<FileLook> lookAtFiles(const QString& hostFolder, QLatin1StringView suffix,
                            const std::function<bool(const QString& name)>& wanted) {
    QHash<QString, FileStamp> stamps;
    for (FileStamp& stamp : files(hostFolder, suffix))
        stamps.insert(stamp.name, std::move(stamp));
    QList<FileLook> looks;
    for (const QString& name : names(hostFolder)) {
        if (!name.endsWith(suffix, Qt::CaseInsensitive))
            continue;
        FileLook look{name, {}, {}};
        if (const auto found = stamps.constFind(name); found != stamps.cend())
            look.stamp = *found;
        if (wanted(name))
            look.read = wholefile::read(QDir(hostFolder).filePath(name));
        looks.append(std::move(look));
    }
    return looks;
}

#else

namespace {

bool endsWith(const char* name, std::size_t length, QLatin1StringView suffix) {
    return length >= std::size_t(suffix.size()) &&
           QLatin1StringView(name + length - suffix.size(), suffix.size())
                   .compare(suffix, Qt::CaseInsensitive) == 0;
}

// Calls `each` with the folder's open descriptor and every entry's name as the system
// holds it.
template <typename Each> void forEachEntry(const QString& hostFolder, Each each) {
    DIR* folder = ::opendir(QFile::encodeName(hostFolder).constData());
    if (!folder)
        return;
    while (const dirent* entry = ::readdir(folder)) {
        const std::size_t length = std::strlen(entry->d_name);
        if (!(length == 1 && entry->d_name[0] == '.') &&
            !(length == 2 && entry->d_name[0] == '.' && entry->d_name[1] == '.'))
            each(::dirfd(folder), entry->d_name, length);
    }
    ::closedir(folder);
}

FileStamp stampOf(QString name, const struct stat& info) {
    return {std::move(name), qint64(info.st_size),
            qint64(info.st_mtim.tv_sec) * 1000000000 + info.st_mtim.tv_nsec};
}

// The file a link points to, as a look through Qt's listing would see it.
std::optional<FileStamp> stampAt(int folder, const char* name, const QString& decodedName) {
    struct stat info {};
    if (::fstatat(folder, name, &info, 0) != 0 || !S_ISREG(info.st_mode))
        return std::nullopt;
    return stampOf(decodedName, info);
}

QString decodedName(const char* name, std::size_t length) {
    return QFile::decodeName(QByteArray::fromRawData(name, qsizetype(length)));
}

} // namespace

QStringList names(const QString& hostFolder) {
    QStringList found;
    forEachEntry(hostFolder, [&found](int, const char* name, std::size_t length) {
        found.append(decodedName(name, length));
    });
    return found;
}

QList<FileStamp> files(const QString& hostFolder, QLatin1StringView suffix) {
    QList<FileStamp> found;
    forEachEntry(hostFolder, [&](int folder, const char* name, std::size_t length) {
        if (!endsWith(name, length, suffix))
            return;
        if (std::optional<FileStamp> stamp = stampAt(folder, name, decodedName(name, length)))
            found.append(std::move(*stamp));
    });
    return found;
}

QList<FileLook> lookAtFiles(const QString& hostFolder, QLatin1StringView suffix,
                            const std::function<bool(const QString& name)>& wanted) {
    QList<FileLook> looks;
    forEachEntry(hostFolder, [&](int folder, const char* name, std::size_t length) {
        if (!endsWith(name, length, suffix))
            return;
        FileLook look{decodedName(name, length), {}, {}};
        if (wanted(look.name)) {
            // Opened once, relative to the folder: its size and time come with the bytes.
            struct stat info {};
            info.st_mode = 0;
            look.read = wholefile::readAt(folder, name, &info);
            if (S_ISREG(info.st_mode))
                look.stamp = stampOf(look.name, info);
        }
        if (!look.stamp)
            look.stamp = stampAt(folder, name, look.name);
        looks.append(std::move(look));
    });
    return looks;
}

#endif

} // namespace gaikyo::folderlisting
