#include "datafile/wholefile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#include <unistd.h>
#endif

using namespace gaikyo;

namespace {

// Set in the copy of this program that writes as another user: the file to replace.
constexpr const char* childVariable = "GAIKYO_READONLY_WRITE";
const QByteArray newBytes("new\r\n");
const QByteArray oldBytes("old\r\n");
const QString readOnlyMessage =
    QStringLiteral("読み取り専用のファイルです。書き込みが許可されていません。");

// The write a child does: prints the reason of a refusal, exits 1 on one.
int writeAsChild() {
    const std::optional<QString> failure =
        wholefile::write(qEnvironmentVariable(childVariable), newBytes);
    if (failure)
        fputs(failure->toUtf8().constData(), stdout);
    return failure ? 1 : 0;
}

} // namespace

class ReadOnlyTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // A file without write permission for the one who saves is refused with the
    // read-only message, before any temporary file is written, whoever runs the
    // program: the administrator (whom the system lets write anything, so the bits
    // themselves count) and an ordinary user (whose folder would let a new file take the
    // old one's place). The file keeps its bytes and its mode.
    void readOnlyIsRefused_data() {
        QTest::addColumn<int>("mode");
        QTest::addColumn<bool>("asNobody");   // run by the user "nobody"
        QTest::addColumn<bool>("nobodyOwns"); // the file belongs to "nobody"
        QTest::addColumn<bool>("refused");
        QTest::newRow("0444, administrator") << 0444 << false << false << true;
        QTest::newRow("0400, administrator") << 0400 << false << false << true;
        QTest::newRow("0644, administrator") << 0644 << false << false << false;
        QTest::newRow("0444, own file of a user") << 0444 << true << true << true;
        QTest::newRow("0644, own file of a user") << 0644 << true << true << false;
        QTest::newRow("0644, another's file, folder open to all") << 0644 << true << false << true;
        QTest::newRow("0666, another's file") << 0666 << true << false << false;
    }
    void readOnlyIsRefused() {
#ifndef Q_OS_UNIX
        QSKIP("permission bits and setpriv are the Unix systems'; Windows' read-only attribute "
              "is checked in the same place");
#else
        QFETCH(int, mode);
        QFETCH(bool, asNobody);
        QFETCH(bool, nobodyOwns);
        QFETCH(bool, refused);
        const bool root = ::geteuid() == 0;
        if (!root && asNobody)
            QSKIP("running as another user (setpriv) needs the administrator");
        if (asNobody && QStandardPaths::findExecutable(QStringLiteral("setpriv")).isEmpty())
            QSKIP("setpriv is missing");
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        QVERIFY(::chmod(QFile::encodeName(dir.path()).constData(), 0777) == 0);
        const QString path = dir.filePath(QStringLiteral("7021.txt"));
        {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly));
            QCOMPARE(file.write(oldBytes), oldBytes.size());
        }
        QVERIFY(::chmod(QFile::encodeName(path).constData(), mode_t(mode)) == 0);
        if (nobodyOwns)
            QCOMPARE(QProcess::execute(QStringLiteral("chown"), {QStringLiteral("nobody"), path}),
                     0);

        QString failure;
        if (asNobody) {
            QProcess child;
            QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
            environment.insert(QString::fromLatin1(childVariable), path);
            child.setProcessEnvironment(environment);
            child.start(QStringLiteral("setpriv"),
                        {QStringLiteral("--reuid=nobody"), QStringLiteral("--regid=nogroup"),
                         QStringLiteral("--clear-groups"),
                         QCoreApplication::applicationFilePath()});
            QVERIFY(child.waitForFinished(30000));
            failure = QString::fromUtf8(child.readAllStandardOutput());
            QCOMPARE(child.exitCode() != 0, refused);
        } else {
            const std::optional<QString> written = wholefile::write(path, newBytes);
            QCOMPARE(written.has_value(), refused);
            failure = written.value_or(QString());
        }

        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), refused ? oldBytes : newBytes);
        struct stat info {};
        QCOMPARE(::stat(QFile::encodeName(path).constData(), &info), 0);
        QCOMPARE(int(info.st_mode & 07777), mode);
        // Nothing but the file: no temporary file was left (or written) beside it.
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden),
                 QStringList{QStringLiteral("7021.txt")});
        if (refused)
            QCOMPARE(failure, readOnlyMessage);
#endif
    }
};

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsSet(childVariable)) {
        QCoreApplication app(argc, argv);
        return writeAsChild();
    }
    QCoreApplication app(argc, argv);
    ReadOnlyTest test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "readonlytest.moc"
