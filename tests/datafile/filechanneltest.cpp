#include "datafile/filechannel.h"
#include "datafile/drivec.h"
#include "support/testhome.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTest>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

using namespace gaikyo;

class FileChannelTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void drivePaths() {
        test::TestHome home;
#ifdef Q_OS_WIN
        const QString root = home.path() + QStringLiteral("/drive_c/");
#else
        const QString root = home.path() + QStringLiteral("/.local/share/gaikyo/drive_c/");
#endif
        QCOMPARE(drivec::hostPath(QStringLiteral("c:\\法人税\\法人名\\7.txt")),
                 root + QStringLiteral("法人税/法人名/7.txt"));
        QCOMPARE(drivec::hostPath(QStringLiteral("C:\\Program Files\\x.txt")),
                 root + QStringLiteral("Program Files/x.txt"));
    }

    void writeThenRead() {
        test::TestHome home;
        const QString path = QStringLiteral("c:\\d\\a.txt");
        QVERIFY(drivec::createFolder(QStringLiteral("c:\\d\\")));
        QVERIFY(drivec::createFolder(QStringLiteral("c:\\d\\"))); // an existing folder is fine
        QVERIFY(FileChannel::instance().write(path, "1\r\n").ok());
        QCOMPARE(FileChannel::instance().read(path), std::optional<QByteArray>("1\r\n"));
        QVERIFY(!FileChannel::instance().isOpen());
        QVERIFY(!FileChannel::instance().read(QStringLiteral("c:\\d\\missing.txt")));
    }

    // Drive C: deeper than the 260 characters of Windows' MAX_PATH: files are saved and
    // read all the same. A file name longer than a folder entry holds is refused, told.
    void longPaths() {
        test::TestHome home;
        const QString deep = home.path() + QLatin1Char('/') + QString(120, QLatin1Char('a')) +
                             QLatin1Char('/') + QString(120, QLatin1Char('b'));
#ifdef Q_OS_WIN
        qputenv(drivec::testRootVariable, (deep + QStringLiteral("/drive_c/")).toUtf8());
#else
        qputenv("HOME", deep.toUtf8());
#endif
        QVERIFY(drivec::hostPath(QStringLiteral("c:\\d\\a.txt")).size() > 260);
        QVERIFY(drivec::createFolder(QStringLiteral("c:\\d\\")));
        const QString path = QStringLiteral("c:\\d\\a.txt");
        QVERIFY(FileChannel::instance().write(path, "1\r\n").ok());
        QCOMPARE(FileChannel::instance().read(path), std::optional<QByteArray>("1\r\n"));

        const QString tooLong = QStringLiteral("c:\\d\\") + QString(300, QLatin1Char('x'));
        const Status status = FileChannel::instance().write(tooLong, "1\r\n");
        QVERIFY(!status.ok());
        QVERIFY2(status.message().contains(QStringLiteral("名前が長すぎます")),
                 qPrintable(status.message()));
        QVERIFY(!FileChannel::instance().isOpen());
    }

    void writeWithoutFolderFails() {
        test::TestHome home;
        const Status status =
            FileChannel::instance().write(QStringLiteral("c:\\nowhere\\a.txt"), "x");
        QVERIFY(!status.ok());
        QVERIFY(status.message().contains(QStringLiteral("c:\\nowhere\\")));
    }

    // A write that cannot finish leaves the old file whole.
    void failedWriteKeepsOldFile() {
#ifdef Q_OS_WIN
        QSKIP("folder permissions through chmod are POSIX; the Windows cases are in faultstest");
#else
        if (::geteuid() == 0)
            QSKIP("a read-only folder is still writable for root");
#endif
        test::TestHome home;
        const QString path = QStringLiteral("c:\\d\\a.txt");
        home.write(path, "old\r\n");
        const QString folder = drivec::hostPath(QStringLiteral("c:\\d\\"));
        QFile::setPermissions(folder, QFile::ReadOwner | QFile::ExeOwner);
        const Status status = FileChannel::instance().write(path, "new\r\n");
        QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QVERIFY(!status.ok());
        QCOMPARE(home.read(path), QByteArray("old\r\n"));
    }

    void fileReplacedByFolder() {
        test::TestHome home;
        const QString path = QStringLiteral("c:\\d\\a.txt");
        QDir().mkpath(drivec::hostPath(path));
        QVERIFY(!FileChannel::instance().read(path));
        QVERIFY(!FileChannel::instance().write(path, "x").ok());
        QVERIFY(QFileInfo(drivec::hostPath(path)).isDir());
    }

    // An occupied channel refuses every open until "ファイル閉鎖" closes it.
    void occupiedChannel() {
        test::TestHome home;
        const QString path = QStringLiteral("c:\\d\\a.txt");
        home.write(path, "1\r\n");
        FileChannel::instance().occupyForTest(QStringLiteral("c:\\d\\other.txt"));
        QVERIFY(!FileChannel::instance().read(path));
        QVERIFY(!FileChannel::instance().write(path, "2\r\n").ok());
        FileChannel::instance().close();
        QVERIFY(FileChannel::instance().read(path));
    }
};

QTEST_GUILESS_MAIN(FileChannelTest)
#include "filechanneltest.moc"
