#include "folderlisting.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

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

} // namespace

QStringList names(const QString& hostFolder) {
    QStringList found;
    forEachEntry(hostFolder, [&found](int, const char* name, std::size_t length) {
        found.append(QFile::decodeName(QByteArray::fromRawData(name, qsizetype(length))));
    });
    return found;
}

QList<FileStamp> files(const QString& hostFolder, QLatin1StringView suffix) {
    QList<FileStamp> found;
    forEachEntry(hostFolder, [&](int folder, const char* name, std::size_t length) {
        if (!endsWith(name, length, suffix))
            return;
        // The file a link points to, as a look through Qt's listing would see it.
        struct stat info {};
        if (::fstatat(folder, name, &info, 0) != 0 || !S_ISREG(info.st_mode))
            return;
        found.append({QFile::decodeName(QByteArray::fromRawData(name, qsizetype(length))),
                      qint64(info.st_size),
                      qint64(info.st_mtim.tv_sec) * 1000000000 + info.st_mtim.tv_nsec});
    });
    return found;
}

#endif

} // namespace gaikyo::folderlisting
