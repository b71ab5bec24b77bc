#include "datafile/filechannel.h"
#include "datafile/drivec.h"
#include "support/testhome.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTest>

#include <sys/stat.h>
#include <unistd.h>

using namespace gaikyo;

class FileChannelTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void drivePaths() {
        test::TestHome home;
        const QString root = home.path() + QStringLiteral("/.local/share/gaikyo/drive_c/");
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

    void writeWithoutFolderFails() {
        test::TestHome home;
        const Status status =
            FileChannel::instance().write(QStringLiteral("c:\\nowhere\\a.txt"), "x");
        QVERIFY(!status.ok());
        QVERIFY(status.message().contains(QStringLiteral("c:\\nowhere\\")));
    }

    // A write that cannot finish leaves the old file whole.
    void failedWriteKeepsOldFile() {
        if (::geteuid() == 0)
            QSKIP("a read-only folder is still writable for root");
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

    // Files read ahead give what a read gives, once; a write through the channel drops
    // what was read ahead of it.
    void readAhead() {
        test::TestHome home;
        const QString a = QStringLiteral("c:\\d\\a.txt");
        const QString b = QStringLiteral("c:\\d\\b.txt");
        const QString missing = QStringLiteral("c:\\d\\missing.txt");
        const QString pipe = QStringLiteral("c:\\d\\pipe.txt");
        home.write(a, "a1\r\n");
        home.write(b, "b1\r\n");
        QVERIFY(::mkfifo(QFile::encodeName(drivec::hostPath(pipe)).constData(), 0600) == 0);
        FileChannel& channel = FileChannel::instance();
        channel.readAhead({a, b, missing, pipe});

        QCOMPARE(channel.read(a), std::optional<QByteArray>("a1\r\n"));
        QVERIFY(!channel.read(missing));
        QCOMPARE(channel.readFile(pipe).outcome, wholefile::Read::Outcome::Damaged);
        QVERIFY(channel.write(b, "b2\r\n").ok());
        QCOMPARE(channel.read(b), std::optional<QByteArray>("b2\r\n"));
        // Taken once: the next read is of the file as it is now.
        home.write(a, "a2\r\n");
        QCOMPARE(channel.read(a), std::optional<QByteArray>("a2\r\n"));

        // An occupied channel refuses a file read ahead as it refuses any other.
        channel.readAhead({a});
        channel.occupyForTest(b);
        QVERIFY(!channel.read(a));
        channel.close();
        QCOMPARE(channel.read(a), std::optional<QByteArray>("a2\r\n"));
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
