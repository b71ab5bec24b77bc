#include "filechannel.h"

#include "discard.h"
#include "drivec.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace gaikyo {

namespace {

QString folderOf(const QString& windowsPath) {
    return windowsPath.left(windowsPath.lastIndexOf(QLatin1Char('\\')) + 1);
}

// Where a damaged file was put before a save replaced it.
struct SetAside {
    QString hostPath; // where it is now
    bool inTrash = false;
    QString keptIn; // the program's folder it went to, where the trash could not take it
};

// Into the trash, or where the trash cannot take it, into a folder of the program's own:
// never deleted, and nothing else replaced.
std::optional<SetAside> setAside(const QString& windowsPath) {
    const discard::Outcome outcome = discard::discard(
        {windowsPath},
        discard::folderName({QStringLiteral("壊れていたファイル"), discard::today()}));
    const auto at = outcome.nowAt.constFind(windowsPath);
    if (at == outcome.nowAt.cend())
        return std::nullopt;
    return SetAside{*at, !outcome.inTrash.isEmpty(), outcome.keptIn};
}

void putBack(const SetAside& aside, const QString& hostPath) {
    if (!QFile::rename(aside.hostPath, hostPath))
        return;
    if (!aside.inTrash) {
        // The folder made for it alone goes again.
        QDir().rmdir(QFileInfo(aside.hostPath).absolutePath());
        return;
    }
    // The trash's note of where the file came from goes with it.
    const QFileInfo trashed(aside.hostPath);
    QFile::remove(
        trashed.dir().filePath(QStringLiteral("../info/%1.trashinfo").arg(trashed.fileName())));
}

// What a file is like: where a link points, whether and why it is damaged, and its
// bytes (as a hash).
QByteArray fingerprint(const QString& hostPath) {
    const QFileInfo info(hostPath);
    if (!info.exists() && !info.isSymLink())
        return {};
    const wholefile::Read read = wholefile::read(hostPath);
    return info.symLinkTarget().toUtf8() + '\n' + QByteArray::number(int(read.outcome)) + '\n' +
           read.reason.toUtf8() + '\n' +
           QCryptographicHash::hash(read.bytes, QCryptographicHash::Sha1);
}

} // namespace

FileChannel& FileChannel::instance() {
    static FileChannel channel;
    return channel;
}

void FileChannel::close() {
    m_openPath.clear();
}

void FileChannel::markDamaged(const QString& windowsPath) {
    m_damaged.insert(windowsPath, fingerprint(drivec::hostPath(windowsPath)));
}

wholefile::Read FileChannel::readFile(const QString& windowsPath) {
    if (isOpen())
        return {};
    m_openPath = windowsPath;
    wholefile::Read result = wholefile::read(drivec::hostPath(windowsPath));
    m_openPath.clear();
    if (result.outcome == wholefile::Read::Outcome::Damaged)
        markDamaged(windowsPath);
    return result;
}

std::optional<QByteArray> FileChannel::read(const QString& windowsPath) {
    wholefile::Read result = readFile(windowsPath);
    if (result.outcome != wholefile::Read::Outcome::Read)
        return std::nullopt;
    return std::move(result.bytes);
}

Status FileChannel::write(const QString& windowsPath, const QByteArray& bytes,
                          wholefile::InPlace inPlace) {
    if (isOpen())
        return Status::failure(
            QStringLiteral("ほかのファイルが開いたままです。メインメニューの「ファイル閉鎖」を押し"
                           "てから、もう一度登録してください。"));
    const QString hostPath = drivec::hostPath(windowsPath);
    if (!QFileInfo(hostPath).absoluteDir().exists())
        return Status::failure(
            QStringLiteral("保存先のフォルダ「%1」がありません。先に会社登録をしてください。")
                .arg(folderOf(windowsPath)));

    std::optional<SetAside> asideCopy;
    const auto damaged = m_damaged.constFind(windowsPath);
    // A folder in the file's place is never put aside: it may hold anything.
    if (damaged != m_damaged.cend() && !damaged->isEmpty() && !QFileInfo(hostPath).isDir() &&
        *damaged == fingerprint(hostPath)) {
        asideCopy = setAside(windowsPath);
        if (!asideCopy)
            return Status::failure(
                QStringLiteral("ファイル「%1」は壊れていますが、ごみ箱にもフォルダ「削除済み」にも"
                               "移せないため保存しませんでした。元のファイルはそのままです。")
                    .arg(windowsPath));
    }

    m_openPath = windowsPath;
    const std::optional<QString> failure = wholefile::write(hostPath, bytes, inPlace);
    m_openPath.clear();
    if (failure) {
        // The damaged file goes back where it was: a failed save changes nothing.
        if (asideCopy)
            putBack(*asideCopy, hostPath);
        return Status::failure(
            QStringLiteral("ファイル「%1」を保存できませんでした。%2\n元のファイルはそのままです。")
                .arg(windowsPath, *failure));
    }
    m_damaged.remove(windowsPath);
    if (!asideCopy)
        return {};
    if (asideCopy->inTrash)
        return Status::doneWithNotice(
            QStringLiteral("壊れていたファイル「%1」はごみ箱に移してから保存しました。ごみ箱から"
                           "元に戻せます。")
                .arg(windowsPath));
    return Status::doneWithNotice(
        QStringLiteral("壊れていたファイル「%1」はごみ箱に移せなかったため、次のフォルダに移して"
                       "から保存しました。\n%2")
            .arg(windowsPath, asideCopy->keptIn));
}

void settleDecoded(FileLoad& load, bool complete, qsizetype valuesRead, qsizetype cutLine) {
    if (complete && cutLine == 0)
        return;
    if (complete) {
        load.outcome = FileLoad::Outcome::Cut;
        load.cutLine = int(cutLine);
    } else {
        load.outcome = FileLoad::Outcome::Short;
        load.missingFromLine = int(valuesRead) + 1;
    }
    FileChannel::instance().markDamaged(load.windowsPath);
}

FileLoad readDataFile(const QString& windowsPath, QByteArray& bytes) {
    FileLoad load;
    load.windowsPath = windowsPath;
    wholefile::Read result = FileChannel::instance().readFile(windowsPath);
    switch (result.outcome) {
    case wholefile::Read::Outcome::Read:
        bytes = std::move(result.bytes);
        load.outcome = FileLoad::Outcome::Loaded;
        break;
    case wholefile::Read::Outcome::Missing:
        load.outcome = FileLoad::Outcome::Missing;
        break;
    case wholefile::Read::Outcome::Damaged:
        load.outcome = FileLoad::Outcome::Damaged;
        load.reason = result.reason;
        break;
    }
    return load;
}

} // namespace gaikyo
