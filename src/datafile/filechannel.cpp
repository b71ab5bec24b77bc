#include "filechannel.h"

#include "drivec.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace gaikyo {

FileChannel& FileChannel::instance() {
    static FileChannel channel;
    return channel;
}

void FileChannel::close() {
    m_openPath.clear();
}

std::optional<QByteArray> FileChannel::read(const QString& windowsPath) {
    if (isOpen())
        return std::nullopt;
    QFile file(drivec::hostPath(windowsPath));
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    m_openPath = windowsPath;
    const QByteArray bytes = file.readAll();
    const bool failed = file.error() != QFileDevice::NoError;
    file.close();
    m_openPath.clear();
    if (failed)
        return std::nullopt;
    return bytes;
}

Status FileChannel::write(const QString& windowsPath, const QByteArray& bytes) {
    if (isOpen())
        return Status::failure(
            QStringLiteral("ほかのファイルが開いたままです。メインメニューの「ファイル閉鎖」を押し"
                           "てから、もう一度登録してください。"));
    const QString hostPath = drivec::hostPath(windowsPath);
    if (!QFileInfo(hostPath).absoluteDir().exists())
        return Status::failure(
            QStringLiteral("保存先のフォルダ「%1」がありません。先に会社登録をしてください。")
                .arg(windowsPath.left(windowsPath.lastIndexOf(QLatin1Char('\\')) + 1)));
    QSaveFile file(hostPath);
    // Unbuffered: a write that stops part-way (a full disk) then reports how much it
    // wrote. Through Qt's buffer the shortfall went unnoticed at commit, and a truncated
    // file replaced the whole one.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return Status::failure(QStringLiteral("ファイル「%1」を書き込めません。（%2）")
                                   .arg(windowsPath, file.errorString()));
    m_openPath = windowsPath;
    const bool written = file.write(bytes) == bytes.size();
    const bool committed = written && file.commit();
    if (!committed)
        file.cancelWriting();
    m_openPath.clear();
    if (!committed)
        return Status::failure(
            QStringLiteral(
                "ファイル「%1」を書き込めませんでした。元のファイルはそのままです。（%2）")
                .arg(windowsPath, file.errorString()));
    return {};
}

} // namespace gaikyo
