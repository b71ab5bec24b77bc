#include "testhome.h"

#include "datafile/cp932.h"
#include "datafile/drivec.h"
#include "datafile/filechannel.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringList>

namespace gaikyo::test {

TestHome::TestHome() : m_oldHome(qgetenv("HOME")) {
    qputenv("HOME", m_dir.path().toLocal8Bit());
    qunsetenv("XDG_DATA_HOME");
#ifdef Q_OS_WIN
    // Drive C: is a folder of the test's own: the real drive is never touched.
    QDir(m_dir.path()).mkdir(QStringLiteral("drive_c"));
    qputenv(drivec::testRootVariable, (m_dir.path() + QStringLiteral("/drive_c/")).toUtf8());
#endif
    FileChannel::instance().close();
}

TestHome::~TestHome() {
    FileChannel::instance().close();
    qputenv("HOME", m_oldHome);
#ifdef Q_OS_WIN
    qunsetenv(drivec::testRootVariable);
#endif
}

void TestHome::write(const QString& windowsPath, const QByteArray& bytes) const {
    const QString host = drivec::hostPath(windowsPath);
    QDir().mkpath(QFileInfo(host).absolutePath());
    QFile file(host);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        qFatal("cannot write test file %s", qPrintable(host));
}

QByteArray TestHome::read(const QString& windowsPath) const {
    QFile file(drivec::hostPath(windowsPath));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

bool TestHome::exists(const QString& windowsPath) const {
    return QFileInfo::exists(drivec::hostPath(windowsPath));
}

QByteArray fixture(const QString& relativePath) {
    QFile file(QStringLiteral(GAIKYO_TEST_DATA "/") + relativePath);
    if (!file.open(QIODevice::ReadOnly))
        qFatal("missing fixture %s", qPrintable(relativePath));
    return file.readAll();
}

QByteArray crlfFile(const QStringList& lines) {
    QString text;
    for (const QString& line : lines)
        text += line + QStringLiteral("\r\n");
    const std::optional<QByteArray> bytes = cp932::encode(text);
    if (!bytes)
        qFatal("test text outside code page 932");
    return *bytes;
}

} // namespace gaikyo::test
