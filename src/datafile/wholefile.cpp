#include "wholefile.h"

#include "folderlisting.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <cerrno>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif
#ifdef Q_OS_WIN
#include <io.h>
#include <windows.h>
#endif

namespace gaikyo::wholefile {

namespace {

const QString notAFile = QStringLiteral("ふつうのファイルではありません。");
const QString tooLarge = QStringLiteral("データのファイルとしては大きすぎます。");
const QString readOnlyFile =
    QStringLiteral("読み取り専用のファイルです。書き込みが許可されていません。");

Read damaged(const QString& reason) {
    return {Read::Outcome::Damaged, {}, reason};
}

QString readFailureReason(int error) {
    switch (error) {
    case EACCES:
    case EPERM:
        return QStringLiteral("読み取りが許可されていません。");
    case EISDIR:
        return notAFile;
    default:
        return QStringLiteral("ファイルを読み取れません。");
    }
}

// The reason of a failed write in the user's words, from the system's error number.
QString writeFailureReason(int error) {
    switch (error) {
    case ENOSPC:
#ifdef EDQUOT
    case EDQUOT:
#endif
        return QStringLiteral("ディスクの空き容量が足りません。");
    case EFBIG:
        return QStringLiteral("ファイルの大きさの上限を超えます。");
    case EACCES:
    case EPERM:
        return QStringLiteral("書き込みが許可されていません。");
    case EROFS:
        return QStringLiteral("書き込みのできない場所（読み取り専用）です。");
    case EISDIR:
        return QStringLiteral("同じ名前のフォルダがあります。");
    case ENOENT:
    case ENOTDIR:
        return QStringLiteral("保存先のフォルダがありません。");
    case EIO:
        return QStringLiteral("ディスクの読み書きでエラーが起きました。");
    case ENAMETOOLONG:
        return QStringLiteral("ファイルの名前が長すぎます。");
    default:
        return QStringLiteral("書き込みに失敗しました（エラー番号 %1）。").arg(error);
    }
}

// Why a file could not be replaced, as only Windows knows it (errno stays silent there):
// a read-only file, or one that another program holds open.
std::optional<QString> windowsObstacle(const QString& hostPath) {
#ifdef Q_OS_WIN
    // A name longer than a folder entry can hold (255 UTF-16 units on NTFS).
    if (QFileInfo(hostPath).fileName().size() > 255)
        return writeFailureReason(ENAMETOOLONG);
    const std::wstring path = QDir::toNativeSeparators(hostPath).toStdWString();
    const DWORD attributes = GetFileAttributesW(path.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES)
        return std::nullopt;
    if (attributes & FILE_ATTRIBUTE_READONLY)
        return readOnlyFile;
    const HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE | DELETE,
                                    FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                    OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file != INVALID_HANDLE_VALUE) {
        CloseHandle(file);
        return std::nullopt;
    }
    switch (GetLastError()) {
    case ERROR_SHARING_VIOLATION:
    case ERROR_LOCK_VIOLATION:
        return QStringLiteral("ほかのプログラムがファイルを開いています。そのプログラムを閉じてから"
                              "もう一度登録してください。");
    case ERROR_ACCESS_DENIED:
        return writeFailureReason(EACCES);
    default:
        return std::nullopt;
    }
#else
    Q_UNUSED(hostPath);
    return std::nullopt;
#endif
}

// Whether the file is marked read-only, whoever asks: Windows' read-only attribute; on
// other systems no write permission for this user, judged from the permission bits
// themselves for the administrator, whom the system lets write anything.
bool isReadOnly(const QString& hostPath) {
#ifdef Q_OS_WIN
    const DWORD attributes = GetFileAttributesW(folderlisting::longWindowsPath(hostPath).c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY);
#else
    const QByteArray name = QFile::encodeName(hostPath);
    struct stat info {};
    if (::stat(name.constData(), &info) != 0)
        return false;
    if ((info.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0)
        return true;
    if (::geteuid() == 0)
        return false;
    return ::faccessat(AT_FDCWD, name.constData(), W_OK, AT_EACCESS) != 0 && errno == EACCES;
#endif
}

} // namespace

#ifdef Q_OS_UNIX
Read readAt(int folder, const char* name, struct stat* seen) {
    // Non-blocking, so that a pipe put where a file should be cannot hold the program;
    // the type is taken from the opened file itself, not from a look before opening.
    const int fd = ::openat(folder, name, O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        const int error = errno;
        if (error == ENOENT || error == ENOTDIR)
            return {};
        return damaged(readFailureReason(error));
    }
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(fd);
        return damaged(notAFile);
    }
    if (seen)
        *seen = info;
    if (info.st_size > sizeLimit) {
        ::close(fd);
        return damaged(tooLarge);
    }
    // Read straight into the result, one byte more than the file's size so that a file
    // growing while it is read is seen, and never more than the limit allows.
    QByteArray bytes(qsizetype(info.st_size) + 1, Qt::Uninitialized);
    qsizetype got = 0;
    for (;;) {
        if (got == bytes.size()) {
            if (bytes.size() > sizeLimit)
                break;
            bytes.resize(sizeLimit + 1);
        }
        const ssize_t n = ::read(fd, bytes.data() + got, size_t(bytes.size() - got));
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0) {
            ::close(fd);
            return damaged(readFailureReason(EIO));
        }
        if (n == 0)
            break;
        got += n;
        // A regular file that gives less than asked for has ended: no second read.
        if (got < bytes.size())
            break;
    }
    ::close(fd);
    bytes.truncate(got);
    if (bytes.size() > sizeLimit)
        return damaged(tooLarge);
    return {Read::Outcome::Read, bytes, {}};
}
#endif

Read read(const QString& hostPath) {
#ifdef Q_OS_UNIX
    return readAt(AT_FDCWD, QFile::encodeName(hostPath).constData(), nullptr);
#else
    const QFileInfo info(hostPath);
    if (!info.exists())
        return {};
    if (!info.isFile())
        return damaged(notAFile);
    QFile file(hostPath);
    if (!file.open(QIODevice::ReadOnly))
        return damaged(readFailureReason(EACCES));
    // A file that grows while it is read stops here as well.
    QByteArray bytes = file.read(sizeLimit + 1);
    if (file.error() != QFileDevice::NoError)
        return damaged(readFailureReason(EIO));
    if (bytes.size() > sizeLimit)
        return damaged(tooLarge);
    return {Read::Outcome::Read, bytes, {}};
#endif
}

namespace {

const QLatin1StringView temporaryMark(".gaikyo-");
const QLatin1StringView temporaryEnd(".tmp");
constexpr int randomLength = 12;

// Letters and digits in lower case: the name stays the same on a system that does not
// tell case apart.
QString randomPart() {
    static const char characters[] = "0123456789abcdefghijklmnopqrstuvwxyz";
    QString part;
    for (int i = 0; i < randomLength; ++i)
        part.append(QLatin1Char(
            characters[QRandomGenerator::global()->bounded(int(sizeof characters - 1))]));
    return part;
}

// Puts the complete temporary file in the file's place in one step.
bool replaceWith(const QString& temporaryPath, const QString& hostPath) {
#ifdef Q_OS_WIN
    if (MoveFileExW(folderlisting::longWindowsPath(temporaryPath).c_str(),
                    folderlisting::longWindowsPath(hostPath).c_str(),
                    MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        return true;
    errno = GetLastError() == ERROR_ACCESS_DENIED ? EACCES : EIO;
    return false;
#else
    return ::rename(QFile::encodeName(temporaryPath).constData(),
                    QFile::encodeName(hostPath).constData()) == 0;
#endif
}

// The bytes on the disk before the file takes the old one's place: a power cut after it
// leaves the old file or the new one, never an empty one.
void syncToDisk(QFile& file) {
#ifdef Q_OS_WIN
    _commit(file.handle());
#else
    ::fsync(file.handle());
#endif
}

// Into the file itself, where its folder takes no temporary file.
std::optional<QString> writeInPlace(const QString& hostPath, const QByteArray& bytes) {
    QFile file(hostPath);
    errno = 0;
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Unbuffered)) {
        const int error = errno;
        if (const std::optional<QString> obstacle = windowsObstacle(hostPath))
            return obstacle;
        return writeFailureReason(error != 0 ? error : EACCES);
    }
    errno = 0;
    if (file.write(bytes) != bytes.size()) {
        const int error = errno;
        return writeFailureReason(error != 0 ? error : EIO);
    }
    return std::nullopt;
}

} // namespace

QString temporaryName(const QString& fileName) {
    // A folder entry holds 255 bytes: a very long name is cut to fit. Its temporary file
    // then stands beside no file, and the clean-up of killed saves leaves it alone.
    const qsizetype added = temporaryMark.size() + randomLength + temporaryEnd.size();
    QString name = fileName;
    while (!name.isEmpty() && name.toUtf8().size() + added > 255) {
        name.chop(1);
        if (!name.isEmpty() && name.back().isHighSurrogate())
            name.chop(1);
    }
    return name + temporaryMark + randomPart() + temporaryEnd;
}

std::optional<QString> savedNameOf(const QString& fileName) {
    static const QRegularExpression pattern(
        QStringLiteral("\\A(.+)\\.gaikyo-[0-9a-z]{%1}\\.tmp\\z").arg(randomLength));
    const QRegularExpressionMatch match = pattern.match(fileName);
    if (!match.hasMatch())
        return std::nullopt;
    return match.captured(1);
}

std::optional<QString> write(const QString& hostPath, const QByteArray& bytes, InPlace inPlace) {
    QFileInfo target(hostPath);
    if (!target.absoluteDir().exists())
        return writeFailureReason(ENOENT);
    if (target.isDir())
        return writeFailureReason(EISDIR);
    // A pipe or a device would take the bytes (or wait for a reader) instead of a file.
    if (target.exists() && !target.isFile())
        return notAFile;
    // A link stays a link: the file it points to is replaced.
    if (target.isSymbolicLink())
        target = QFileInfo(target.symLinkTarget());
    const QString path = target.absoluteFilePath();
    const bool existed = target.exists();
    // A new file would be put in its place without a word (the folder allows it); the
    // user made it read-only to keep it as it is.
    if (existed && isReadOnly(path))
        return readOnlyFile;

    QFile temporary(target.dir().filePath(temporaryName(target.fileName())));
    // Unbuffered: a write that stops part-way (a full disk) reports how much it wrote,
    // and errno still tells why. Until the old file's permissions are copied over, only
    // its owner may read the new one.
    const QIODevice::OpenMode mode =
        QIODevice::WriteOnly | QIODevice::NewOnly | QIODevice::Unbuffered;
    errno = 0;
    const bool opened = existed
                            ? temporary.open(mode, QFileDevice::ReadOwner | QFileDevice::WriteOwner)
                            : temporary.open(mode);
    if (!opened) {
        const int error = errno;
        if (existed && inPlace == InPlace::WhenFolderIsClosed)
            return writeInPlace(path, bytes);
        if (const std::optional<QString> obstacle = windowsObstacle(path))
            return obstacle;
        if (existed && !target.isWritable())
            return writeFailureReason(EACCES);
        return writeFailureReason(error != 0 ? error : EACCES);
    }
    errno = 0;
    if (temporary.write(bytes) != bytes.size()) {
        const int error = errno;
        temporary.remove();
        return writeFailureReason(error != 0 ? error : EIO);
    }
    if (existed)
        temporary.setPermissions(target.permissions());
    syncToDisk(temporary);
    temporary.close();
    errno = 0;
    if (!replaceWith(temporary.fileName(), path)) {
        const int error = errno;
        temporary.remove();
        if (const std::optional<QString> obstacle = windowsObstacle(path))
            return obstacle;
        return writeFailureReason(error != 0 ? error : EIO);
    }
    return std::nullopt;
}

} // namespace gaikyo::wholefile
