#include "datafile/discard.h"
#include "datafile/drivec.h"
#include "support/testhome.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTest>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

using namespace gaikyo;

namespace {

const QString folder = QStringLiteral("c:\\法人税事業概況書\\概況書\\");

// How the trash of the test's home and of the data folder's volume are made.
enum class Setup {
    UsableTrash,         // the home's trash, on the volume of the data
    HomeTrashIsAFile,    // ~/.local/share/Trash is a plain file
    NoDataFolderInHome,  // ~/.local/share missing altogether (Qt's trash has no place)
    TmpfsTrashIsAFile,   // data on its own tmpfs whose .Trash-<uid> is a file; home trash fine
    TmpfsAndNoHomeTrash, // the same, and the home's trash a plain file too
};

enum class Fate { InTrash, Kept };

#ifdef Q_OS_LINUX
// Every file of a folder tree, as paths relative to it.
QStringList filesUnder(const QString& root) {
    QStringList found;
    QDirIterator it(root, QDir::Files | QDir::Hidden | QDir::System, QDirIterator::Subdirectories);
    while (it.hasNext())
        found.append(QDir(root).relativeFilePath(it.next()));
    found.sort();
    return found;
}

// A tmpfs over drive C: for the test's life, when the test may mount one.
class TmpfsDriveC {
public:
    bool mount(const QString& path) {
        QDir().mkpath(path);
        m_path = path;
        m_mounted =
            QProcess::execute(QStringLiteral("mount"),
                              {QStringLiteral("-t"), QStringLiteral("tmpfs"), QStringLiteral("-o"),
                               QStringLiteral("size=4m"), QStringLiteral("tmpfs"), path}) == 0;
        return m_mounted;
    }
    ~TmpfsDriveC() {
        if (m_mounted)
            QProcess::execute(QStringLiteral("umount"), {m_path});
    }

private:
    QString m_path;
    bool m_mounted = false;
};
#endif

} // namespace

Q_DECLARE_METATYPE(Setup)
Q_DECLARE_METATYPE(Fate)

class DiscardTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // Files and a folder of a company discarded under every kind of trash: each goes to
    // the trash or, where the trash cannot take it, into the data folder's own folder
    // 削除済み under its own name, bytes as they were; nothing is deleted, nothing lands
    // anywhere else (Qt would make a folder "files" in the current folder).
    void discardNeverDestroys_data() {
        QTest::addColumn<Setup>("setup");
        QTest::addColumn<Fate>("fate");
        QTest::newRow("usable trash") << Setup::UsableTrash << Fate::InTrash;
        QTest::newRow("home trash a plain file") << Setup::HomeTrashIsAFile << Fate::Kept;
        QTest::newRow("no ~/.local/share") << Setup::NoDataFolderInHome << Fate::Kept;
        QTest::newRow("tmpfs whose .Trash-uid is a file") << Setup::TmpfsTrashIsAFile << Fate::Kept;
        QTest::newRow("tmpfs, and the home trash a file")
            << Setup::TmpfsAndNoHomeTrash << Fate::Kept;
    }
    void discardNeverDestroys() {
#ifndef Q_OS_LINUX
        QSKIP("the trash of the desktop's rules (freedesktop.org) is Linux's");
#else
        QFETCH(Setup, setup);
        QFETCH(Fate, fate);
        test::TestHome home;
        const QString trashPath = home.path() + QStringLiteral("/.local/share/Trash");
        TmpfsDriveC tmpfs;
        const bool onTmpfs =
            setup == Setup::TmpfsTrashIsAFile || setup == Setup::TmpfsAndNoHomeTrash;
        if (onTmpfs) {
            if (::geteuid() != 0)
                QSKIP("mounting a tmpfs needs the administrator");
            QVERIFY(tmpfs.mount(drivec::root()));
            QFile volumeTrash(drivec::root() + QStringLiteral(".Trash-%1").arg(::getuid()));
            QVERIFY(volumeTrash.open(QIODevice::WriteOnly));
        }
        if (setup == Setup::NoDataFolderInHome) {
            // Drive C: elsewhere than under ~/.local/share, which does not exist.
            QVERIFY(!QFileInfo::exists(home.path() + QStringLiteral("/.local")));
        } else {
            QVERIFY(QDir().mkpath(home.path() + QStringLiteral("/.local/share")));
            if (setup == Setup::HomeTrashIsAFile || setup == Setup::TmpfsAndNoHomeTrash) {
                QFile plain(trashPath);
                QVERIFY(plain.open(QIODevice::WriteOnly));
                QVERIFY(plain.write("not a folder") > 0);
            }
        }
        if (setup == Setup::NoDataFolderInHome)
            qputenv("XDG_DATA_HOME", (home.path() + QStringLiteral("/nowhere")).toUtf8());

        const QStringList names{QStringLiteral("7021.txt"), QStringLiteral("月7.txt")};
        QStringList windowsPaths;
        for (const QString& name : names) {
            home.write(folder + name, name.toUtf8() + "\r\n");
            windowsPaths.append(folder + name);
        }
        const QString keptYears = QStringLiteral("c:\\法人税事業概況書\\過年度\\7\\");
        home.write(keptYears + QStringLiteral("令和6年\\7.txt"), "kept year\r\n");
        windowsPaths.append(keptYears);
        windowsPaths.append(folder + QStringLiteral("7022.txt")); // missing: skipped

        // Qt puts a file whose trash it cannot find into "files" of the current folder.
        const QString current = QDir::currentPath();
        QVERIFY(QDir::setCurrent(home.path()));
        const discard::Outcome outcome = discard::discard(
            windowsPaths, discard::folderName({QStringLiteral("7"), QStringLiteral("株式会社/見本"),
                                               QStringLiteral("2026年12月11日")}));
        QDir::setCurrent(current);
        qunsetenv("XDG_DATA_HOME");

        QVERIFY(outcome.stayed.isEmpty());
        QVERIFY(!QFileInfo::exists(home.path() + QStringLiteral("/files")));
        for (const QString& name : names)
            QVERIFY(!QFileInfo::exists(drivec::hostPath(folder + name)));
        QVERIFY(!QFileInfo::exists(drivec::hostPath(keptYears)));
        if (fate == Fate::InTrash) {
            QCOMPARE(outcome.inTrash.size(), 3);
            QVERIFY(outcome.keptIn.isEmpty());
            QCOMPARE(filesUnder(trashPath + QStringLiteral("/files")),
                     (QStringList{QStringLiteral("7/令和6年/7.txt"), QStringLiteral("7021.txt"),
                                  QStringLiteral("月7.txt")}));
            QVERIFY(discard::message(outcome, QStringLiteral("会社のファイル")).isEmpty());
            return;
        }
        // The folder named after the company and the day, the name's slash made harmless.
        const QString kept = QStringLiteral("c:\\法人税事業概況書\\削除済み\\7 株式会社／見本 "
                                            "2026年12月11日\\");
        QCOMPARE(outcome.keptIn, kept);
        QCOMPARE(outcome.kept.size(), 3);
        QCOMPARE(filesUnder(drivec::hostPath(kept)),
                 (QStringList{QStringLiteral("7/令和6年/7.txt"), QStringLiteral("7021.txt"),
                              QStringLiteral("月7.txt")}));
        QCOMPARE(home.read(kept + QStringLiteral("月7.txt")), QByteArray("月7.txt\r\n"));
        const QString told = discard::message(outcome, QStringLiteral("会社のファイル"));
        QVERIFY2(told.contains(kept) && told.contains(QStringLiteral("削除はしていません")),
                 qPrintable(told));
#endif
    }

    // A second discarding under the same name never goes into the first one's folder:
    // what was kept there stays as it was.
    void keptFolderIsNeverReused() {
#ifndef Q_OS_LINUX
        QSKIP("needs a trash that can be made unusable (Linux)");
#else
        test::TestHome home;
        QVERIFY(QDir().mkpath(home.path() + QStringLiteral("/.local/share")));
        QFile plain(home.path() + QStringLiteral("/.local/share/Trash"));
        QVERIFY(plain.open(QIODevice::WriteOnly));
        const QString file = folder + QStringLiteral("7021.txt");
        QString firstFolder;
        for (const QByteArray& bytes : {QByteArray("first\r\n"), QByteArray("second\r\n")}) {
            home.write(file, bytes);
            const discard::Outcome outcome = discard::discard({file}, QStringLiteral("7 見本"));
            QCOMPARE(outcome.kept, QStringList{file});
            if (firstFolder.isEmpty()) {
                firstFolder = outcome.keptIn;
                QCOMPARE(firstFolder, QStringLiteral("c:\\法人税事業概況書\\削除済み\\7 見本\\"));
            } else {
                QCOMPARE(outcome.keptIn,
                         QStringLiteral("c:\\法人税事業概況書\\削除済み\\7 見本 (2)\\"));
            }
            QCOMPARE(home.read(outcome.keptIn + QStringLiteral("7021.txt")), bytes);
        }
        QCOMPARE(home.read(firstFolder + QStringLiteral("7021.txt")), QByteArray("first\r\n"));
#endif
    }

    void folderNames_data() {
        QTest::addColumn<QStringList>("parts");
        QTest::addColumn<QString>("name");
        QTest::newRow("plain") << QStringList{"7", "株式会社見本", "2026年12月11日"}
                               << QStringLiteral("7 株式会社見本 2026年12月11日");
        QTest::newRow("Windows' forbidden characters")
            << QStringList{"7", "A/B\\C:D*E?F\"G<H>I|J"}
            << QStringLiteral("7 A／B￥C：D＊E？F”G＜H＞I｜J");
        QTest::newRow("no name") << QStringList{"7", "", "2026年12月11日"}
                                 << QStringLiteral("7 2026年12月11日");
        QTest::newRow("a trailing dot") << QStringList{"見本."} << QStringLiteral("見本");
        QTest::newRow("very long")
            << QStringList{QString(200, QChar(u'長'))} << QString(60, QChar(u'長'));
        QTest::newRow("nothing left") << QStringList{" . "} << QStringLiteral("削除");
    }
    void folderNames() {
        QFETCH(QStringList, parts);
        QFETCH(QString, name);
        QCOMPARE(discard::folderName(parts), name);
    }
};

QTEST_GUILESS_MAIN(DiscardTest)
#include "discardtest.moc"
