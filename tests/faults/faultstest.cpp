// Faults from outside the program — a disk that fills up, folders in the wrong place,
// damaged files, files that vanish, texts and numbers no file can hold — driven through
// the real screens. For each: the old file stays whole, the user is told where the
// program tells at all, and the program goes on working.
#include "faultprogram.h"

#include "datafile/discard.h"
#include "datafile/numbers.h"
#include "screen/filechooser.h"
#include "statement/recordscreen.h"

#include <QDeadlineTimer>
#include <QFile>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QTest>
#include <csignal>
#include <functional>
#include <utility>
#ifdef Q_OS_UNIX
#include <pwd.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#else
#include <windows.h>
#undef MessageBox // the program's own message box, not the Win32 function
#endif

using namespace gaikyo;
using namespace Qt::StringLiterals;
using test::FaultProgram;

namespace {

// Where a save happens, and what it writes.
enum class Saver { Registration, Section, PrintHeader };

QString savedFile(Saver saver) {
    return saver == Saver::Section ? paths::sectionFile(7, 21) : paths::masterFile(7);
}

// Opens the screen that saves, as the user would, with the company's values in it.
Screen& openSaver(FaultProgram& p, Saver saver) {
    switch (saver) {
    case Saver::Registration:
        return p.registration();
    case Saver::Section:
        return p.sections();
    case Saver::PrintHeader:
        return p.print();
    }
    Q_UNREACHABLE();
}

// Puts a new text into the screen's name or first text box and saves.
void save(Screen& screen, Saver saver, const QString& text) {
    const bool section = saver == Saver::Section;
    screen.setText(section ? QStringLiteral("Text1") : QStringLiteral("Text3"), text);
    screen.click(saver == Saver::Registration ? QStringLiteral("Command12")
                 : section                    ? QStringLiteral("Command5")
                                              : QStringLiteral("Command9"));
}

// A later, normal save on the same screen works and lands in the file.
void saveWorksAgain(FaultProgram& p, Screen& screen, Saver saver) {
    p.messages.clear();
    save(screen, saver, QStringLiteral("株式会社その後"));
    QVERIFY2(p.messages.shown().isEmpty(), qPrintable(p.messages.shown().value(0).text));
    QVERIFY(p.home.read(savedFile(saver)).contains(test::crlfFile({"\"株式会社その後\""})));
    QCOMPARE(p.platform.ends, 0);
}

#ifdef Q_OS_UNIX
// A write that stops after this many bytes, as on a full disk: the process's file size
// limit makes the write fail part-way, for root as for anyone.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) {
        getrlimit(RLIMIT_FSIZE, &m_old);
        m_oldHandler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limited = m_old;
        limited.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limited);
    }
    ~FileSizeLimit() {
        setrlimit(RLIMIT_FSIZE, &m_old);
        std::signal(SIGXFSZ, m_oldHandler);
    }

private:
    rlimit m_old{};
    void (*m_oldHandler)(int) = nullptr;
};

// Runs a save in a child process that the system kills once the save has written
// `bytes` bytes of its new file (the file size limit with its signal left to end the
// process, as a power cut or a killed program ends a save). True when it was killed so.
bool killedPartWay(const std::function<void()>& save, rlim_t bytes) {
    const pid_t child = fork();
    if (child == 0) {
        const rlimit noCore{0, 0};
        setrlimit(RLIMIT_CORE, &noCore);
        std::signal(SIGXFSZ, SIG_DFL);
        rlimit limited{};
        getrlimit(RLIMIT_FSIZE, &limited);
        limited.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limited);
        save();
        _exit(0);
    }
    int status = 0;
    return child > 0 && waitpid(child, &status, 0) == child && WIFSIGNALED(status) &&
           WTERMSIG(status) == SIGXFSZ;
}

// Root writes into any folder, and CI runs the tests as root: there, a test that needs
// a folder the program may not write into runs as the unprivileged user "nobody" while
// this lives (effective user and group only, so root comes back afterwards). Create
// the test's drive C: after it, so that it belongs to that user.
class UnprivilegedUser {
public:
    UnprivilegedUser() {
        if (geteuid() != 0)
            return;
        const passwd* nobody = getpwnam("nobody");
        if (!nobody || setegid(nobody->pw_gid) != 0)
            return;
        if (seteuid(nobody->pw_uid) != 0) {
            setegid(0);
            return;
        }
        m_switched = true;
        qInfo("run as the unprivileged user nobody (uid %u), not as root", nobody->pw_uid);
    }
    ~UnprivilegedUser() {
        if (!m_switched)
            return;
        if (seteuid(0) != 0 || setegid(0) != 0)
            qFatal("cannot return to root");
    }
    // Whether the folder permissions of the test hold for the code under test.
    bool permissionsHold() const { return m_switched || geteuid() != 0; }

private:
    bool m_switched = false;
};
#else
// Windows has neither a file size limit for a process (setrlimit) nor the user "nobody"
// (seteuid): the cases that need them are skipped there, with these reasons.
constexpr const char* noFileSizeLimit =
    "no per-process file size limit (setrlimit RLIMIT_FSIZE) on Windows";
constexpr const char* noUnprivilegedUser =
    "no chmod folder permissions or seteuid to the user nobody on Windows";

// The file held open by "another program" that lets others read it but not change,
// rename or delete it, as an editor or a spreadsheet does.
class LockedFile {
public:
    explicit LockedFile(const QString& hostPath)
        : m_handle(CreateFileW(
              reinterpret_cast<LPCWSTR>(QDir::toNativeSeparators(hostPath).utf16()), GENERIC_READ,
              FILE_SHARE_READ, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr)) {}
    ~LockedFile() { release(); }
    bool isLocked() const { return m_handle != INVALID_HANDLE_VALUE; }
    void release() {
        if (m_handle != INVALID_HANDLE_VALUE)
            CloseHandle(std::exchange(m_handle, INVALID_HANDLE_VALUE));
    }

private:
    HANDLE m_handle;
};
#endif

enum class Injection {
    FullDiskPartWay,
    FileIsFolder,
    FolderIsFile,
    UnwritableFolder,
    LockedFile,  // Windows: another program holds the file open
    ReadOnlyFile // Windows: the file's read-only attribute
};

QString hostPath(const QString& windowsPath) {
    return drivec::hostPath(windowsPath);
}

QString folderOf(const QString& windowsPath) {
    return windowsPath.left(windowsPath.lastIndexOf(QLatin1Char('\\')) + 1);
}

// A literal with NUL bytes in it, whole.
template <std::size_t N> QByteArray bytesOf(const char (&literal)[N]) {
    return QByteArray(literal, N - 1);
}

QByteArray garbage(int size, quint32 seed) {
    QRandomGenerator random(seed);
    QByteArray bytes(size, Qt::Uninitialized);
    for (char& b : bytes)
        b = char(random.bounded(256));
    return bytes;
}

} // namespace

// How a file beside a data file came to be there, and what the clean-up of killed saves
// is to do with it.
enum class Made { UserCopy, KilledChangingText, KilledSavingSameText, KilledBeforeFirstByte };
enum class Fate { Stays, InTrash, KeptAside };

Q_DECLARE_METATYPE(Saver)
Q_DECLARE_METATYPE(Injection)
Q_DECLARE_METATYPE(Made)
Q_DECLARE_METATYPE(Fate)

class FaultsTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void failedWrite_data() {
        QTest::addColumn<Injection>("injection");
        QTest::addColumn<Saver>("saver");
        const struct {
            const char* name;
            Injection injection;
        } injections[] = {
            {"disk full part-way", Injection::FullDiskPartWay},
            {"file replaced by a folder", Injection::FileIsFolder},
            {"folder replaced by a file", Injection::FolderIsFile},
            {"unwritable folder", Injection::UnwritableFolder},
#ifdef Q_OS_WIN
            {"file held open by another program", Injection::LockedFile},
            {"read-only file", Injection::ReadOnlyFile},
#endif
        };
        const struct {
            const char* name;
            Saver saver;
        } savers[] = {{"registration", Saver::Registration},
                      {"section 1", Saver::Section},
                      {"print header", Saver::PrintHeader}};
        for (const auto& injection : injections)
            for (const auto& saver : savers)
                QTest::addRow("%s, %s", injection.name, saver.name)
                    << injection.injection << saver.saver;
    }
    void failedWrite() {
        QFETCH(Injection, injection);
        QFETCH(Saver, saver);
#ifdef Q_OS_WIN
        if (injection == Injection::FullDiskPartWay)
            QSKIP(noFileSizeLimit);
        if (injection == Injection::UnwritableFolder)
            QSKIP(noUnprivilegedUser);
        std::optional<LockedFile> lock;
#else
        std::optional<UnprivilegedUser> user;
        if (injection == Injection::UnwritableFolder) {
            user.emplace();
            if (!user->permissionsHold())
                QSKIP("running as root, and no unprivileged user to switch to");
        }
#endif
        FaultProgram p;
        Screen& screen = openSaver(p, saver);
        const QString file = savedFile(saver);
        const QString folder = hostPath(folderOf(file));
        switch (injection) {
        case Injection::FullDiskPartWay:
            break;
        case Injection::FileIsFolder:
            QVERIFY(QFile::remove(hostPath(file)));
            p.home.write(file + QStringLiteral("\\inside.txt"), "kept");
            break;
        case Injection::FolderIsFile: {
            QVERIFY(QDir(folder).removeRecursively());
            // Windows 10 frees a removed folder's name at once; Wine only when the last
            // handle on it closes, and the company list's folder watch holds one.
            QFile replacement(hostPath(folderOf(file).chopped(1)));
            const QDeadlineTimer deadline(3000);
            while (!replacement.open(QIODevice::WriteOnly) && !deadline.hasExpired())
                QTest::qWait(50);
#ifdef Q_OS_WIN
            if (!replacement.isOpen())
                QSKIP("Wine keeps a removed folder's name while a folder watch holds it");
#endif
            QVERIFY(replacement.isOpen());
            QVERIFY(replacement.write("a file where the folder was") > 0);
            break;
        }
        case Injection::UnwritableFolder:
            QVERIFY(QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::ExeOwner));
            break;
        case Injection::LockedFile:
#ifdef Q_OS_WIN
            lock.emplace(hostPath(file));
            QVERIFY(lock->isLocked());
#endif
            break;
        case Injection::ReadOnlyFile:
            QVERIFY(QFile::setPermissions(hostPath(file), QFileDevice::ReadOwner));
            break;
        }
        const QByteArray before =
            p.snapshot(injection == Injection::FolderIsFile ? folderOf(file).chopped(1) : file);

        {
#ifdef Q_OS_UNIX
            std::optional<FileSizeLimit> limit;
            if (injection == Injection::FullDiskPartWay)
                limit.emplace(64);
#endif
            save(screen, saver, QStringLiteral("株式会社書きかけ"));
        }
        QCOMPARE(p.messages.shown().size(), 1);
        QCOMPARE(p.messages.shown().first().icon, MessageBox::Icon::Exclamation);
        // The reason in plain Japanese, the file as the user knows it, no path of this
        // computer.
        const QString told = p.messages.shown().first().text;
        const char* reason = "";
        switch (injection) {
        case Injection::FullDiskPartWay:
            reason = "ファイルの大きさの上限を超えます";
            break;
        case Injection::FileIsFolder:
            reason = "同じ名前のフォルダがあります";
            break;
        case Injection::FolderIsFile:
            reason = "フォルダ";
            break;
        case Injection::UnwritableFolder:
            reason = "書き込みが許可されていません";
            break;
        case Injection::LockedFile:
            reason = "ほかのプログラムがファイルを開いています";
            break;
        case Injection::ReadOnlyFile:
            reason = "読み取り専用";
            break;
        }
        QVERIFY2(told.contains(QString::fromUtf8(reason)), qPrintable(told));
        QVERIFY2(told.contains(folderOf(file)), qPrintable(told));
        QVERIFY2(!told.contains(p.home.path()) && !told.contains(QLatin1Char('/')),
                 qPrintable(told));
        QCOMPARE(
            p.snapshot(injection == Injection::FolderIsFile ? folderOf(file).chopped(1) : file),
            before);
        // No half-written file or temporary copy is left beside it.
        if (injection != Injection::FolderIsFile)
            QCOMPARE(QDir(folder)
                         .entryList(QDir::Files | QDir::Hidden)
                         .filter(QStringLiteral("書きかけ")),
                     QStringList());

        // The user puts things right; the same save then works.
        switch (injection) {
        case Injection::FullDiskPartWay:
            break;
        case Injection::FileIsFolder:
            QVERIFY(QDir(hostPath(file)).removeRecursively());
            break;
        case Injection::FolderIsFile:
            QVERIFY(QFile::remove(folder.chopped(1)));
            QVERIFY(QDir().mkpath(folder));
            break;
        case Injection::UnwritableFolder:
            QVERIFY(QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                                      QFileDevice::ExeOwner));
            break;
        case Injection::LockedFile:
#ifdef Q_OS_WIN
            lock->release();
#endif
            break;
        case Injection::ReadOnlyFile:
            QVERIFY(QFile::setPermissions(hostPath(file),
                                          QFileDevice::ReadOwner | QFileDevice::WriteOwner));
            break;
        }
        saveWorksAgain(p, screen, saver);
    }

    void damagedRead_data() {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QByteArray>("bytes");
        const QByteArray whole = masterfile::bytes(test::sampleCompany(7), nullptr);
        const QByteArray section = test::crlfFile({"\"一行目\"", "\"\"", "\"\""});
        // Ends inside the double-byte 見 of line 3.
        const QByteArray midCharacter = whole.left(whole.indexOf(test::crlfFile({"\"株"})) + 6);
        const QByteArray withNuls = bytesOf("7\r\n\"ab\0cd\"\r\n\0\0\r\n15\0\r\n");
        const struct {
            const char* name;
            QByteArray bytes;
        } damages[] = {
            {"ends early", whole.left(whole.size() / 3)},
            {"ends inside a character", midCharacter},
            {"empty", QByteArray()},
            {"random bytes", garbage(4096, 8)},
            {"invalid Shift_JIS",
             QByteArray("7\r\n\"\x81\x20\xff\xfd\xa0\x80\"\r\n\"\x82\"\r\n\x9f")},
            {"NUL bytes", QByteArray(300, '\0')},
            {"NULs inside the values", withNuls},
            {"unclosed quote", QByteArray("7\r\n\"no end")},
            {"CR only, no LF", QByteArray(2000, '\r')},
            {"one long line", QByteArray(1 << 20, 'x')},
        };
        for (const auto& d : damages) {
            QTest::addRow("master file, %s", d.name) << paths::masterFile(7) << d.bytes;
            QTest::addRow("section file, %s", d.name) << paths::sectionFile(7, 21) << d.bytes;
            QTest::addRow("registry file, %s", d.name) << paths::registryFile(7) << d.bytes;
        }
        QTest::newRow("section file, valid then garbage")
            << paths::sectionFile(7, 21) << section + garbage(100, 3);
    }
    void damagedRead() {
        QFETCH(QString, file);
        QFETCH(QByteArray, bytes);
        FaultProgram p;
        p.home.write(file, bytes);

        // Everything that reads the file: the lists, the call-ups, the sections screen,
        // the print screen and a print.
        p.menu().click(QStringLiteral("Command17"));
        p.menu().refillRegistryList();
        p.callUp(QStringLiteral("7"));
        p.sections().click(QStringLiteral("Command15"));
        auto& registration = *p.app.screenAs<RegistrationScreen>(screens::registration);
        registration.callUp(7);
        p.print().click(QStringLiteral("Command11"));

        // Reading changed nothing in the damaged file (the print screen's save rewrites
        // only the master file, and only from its boxes).
        if (file != paths::masterFile(7))
            QCOMPARE(p.home.read(file), bytes);
        QCOMPARE(p.platform.ends, 0);

        // With the file mended, the program works as before.
        p.messages.clear();
        p.home.write(paths::masterFile(7), masterfile::bytes(test::sampleCompany(7), nullptr));
        p.home.write(paths::sectionFile(7, 21), test::crlfFile(QStringList(5, "\"\"")));
        p.callUp(QStringLiteral("7"));
        QCOMPARE(p.menu().text(QStringLiteral("Text2")), QStringLiteral("株式会社見本"));
        p.print().click(QStringLiteral("Command11"));
        QCOMPARE(p.printers.operations.value(p.printers.operations.size() - 1),
                 QStringLiteral("end"));
        QVERIFY(p.messages.shown().isEmpty());
    }

    // The company list was filled, then the master file went away (or was spoilt)
    // before the user clicked its item: the call-up finds nothing and says nothing.
    void masterFileGoneBeforeCallUp_data() {
        QTest::addColumn<QString>("how");
        QTest::newRow("deleted") << "deleted";
        QTest::newRow("emptied") << "emptied";
        QTest::newRow("became a folder") << "folder";
    }
    void masterFileGoneBeforeCallUp() {
        QFETCH(QString, how);
        FaultProgram p;
        p.home.write(paths::masterFile(8), masterfile::bytes(test::sampleCompany(8), nullptr));
        p.menu().click(QStringLiteral("Command17"));
        QCOMPARE(p.menu().items(QStringLiteral("List2")).size(), 2);

        const QString host = hostPath(paths::masterFile(7));
        QVERIFY(QFile::remove(host));
        if (how == QStringLiteral("emptied"))
            p.home.write(paths::masterFile(7), {});
        else if (how == QStringLiteral("folder"))
            QVERIFY(QDir().mkpath(host));

        const QString nameBefore = p.menu().text(QStringLiteral("Text2"));
        p.menu().clickItem(QStringLiteral("List2"), 0);
        QVERIFY(p.messages.shown().isEmpty());
        QCOMPARE(p.menu().text(QStringLiteral("Text2")), nameBefore);
        QVERIFY(!p.app.existing(screens::sections) ||
                !p.app.existing(screens::sections)->isShown());

        // The next company still comes up, and a refill leaves the lost one out.
        p.menu().clickItem(QStringLiteral("List2"), 1);
        QCOMPARE(p.menu().text(QStringLiteral("Text1")), QStringLiteral("8"));
        QCOMPARE(p.menu().text(QStringLiteral("Text2")), QStringLiteral("株式会社見本"));
        QVERIFY(p.app.existing(screens::sections)->isShown());
        p.menu().click(QStringLiteral("Command17"));
        QCOMPARE(p.menu().items(QStringLiteral("List2")).size(), 1);
    }

    // A text no file can hold (pasted, or put there by the program) is refused on save
    // with a message naming the field; the file keeps what it had.
    void unstorableText_data() {
        QTest::addColumn<Saver>("saver");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("told");
        const QList<std::pair<const char*, Saver>> savers = {{"registration", Saver::Registration},
                                                             {"section 1", Saver::Section},
                                                             {"print header", Saver::PrintHeader}};
        for (const auto& [name, saver] : savers) {
            QTest::addRow("%s, double quote", name) << saver << "株式会社\"見本\""
                                                    << "\"";
            QTest::addRow("%s, CR", name) << saver << "株式\r会社"
                                          << "改行";
            QTest::addRow("%s, LF", name) << saver << "株式\n会社"
                                          << "改行";
            QTest::addRow("%s, 𠮷", name) << saver << "𠮷野家"
                                          << "𠮷";
            QTest::addRow("%s, lone surrogate", name) << saver << QString(QChar(0xD842)) << "";
        }
    }
    void unstorableText() {
        QFETCH(Saver, saver);
        QFETCH(QString, text);
        QFETCH(QString, told);
        FaultProgram p;
        const QByteArray before = p.home.read(savedFile(saver));
        Screen& screen = openSaver(p, saver);
        save(screen, saver, text);
        QCOMPARE(p.messages.shown().size(), 1);
        QVERIFY2(p.messages.shown().first().text.contains(told),
                 qPrintable(p.messages.shown().first().text));
        QCOMPARE(p.home.read(savedFile(saver)), before);
        saveWorksAgain(p, screen, saver);
    }

    // Numbers no box should hold. Strict boxes refuse them (the call-up silently, the
    // registration with a message); the data-entry boxes read them as 0.
    void absurdNumber_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("strictlyValid");
        QTest::addColumn<qint32>("value");
        QTest::newRow("99999999999") << "99999999999" << false << 0;
        QTest::newRow("2147483648") << "2147483648" << false << 0;
        QTest::newRow("-2147483649") << "-2147483649" << false << 0;
        QTest::newRow("ASCII -0") << "-0" << true << 0;
        QTest::newRow("minus sign −0") << "−0" << false << 0;
        QTest::newRow("1e3") << "1e3" << false << 0;
        QTest::newRow("full width ２３") << "２３" << true << 23;
        QTest::newRow("NUL") << QString(QChar(0)) << false << 0;
        QTest::newRow("2147483647") << "2147483647" << true << 2147483647;
        QTest::newRow("-2147483648") << "-2147483648" << true << qint32(-2147483647 - 1);
    }
    void absurdNumber() {
        QFETCH(QString, typed);
        QFETCH(bool, strictlyValid);
        QFETCH(qint32, value);
        FaultProgram p;
        const QByteArray master = p.home.read(paths::masterFile(7));

        // The main menu's code box: a bad code ends the call-up silently.
        p.callUp(typed);
        QVERIFY(p.messages.shown().isEmpty());
        QCOMPARE(p.platform.ends, 0);

        // The registration's 整理番号: refused with a message, the file untouched.
        p.messages.clear();
        RegistrationScreen& registration = p.registration();
        registration.setText(QStringLiteral("Text7"), typed);
        registration.click(QStringLiteral("Command12"));
        QCOMPARE(p.messages.shown().size(), strictlyValid ? 0 : 1);
        if (!strictlyValid)
            QCOMPARE(p.home.read(paths::masterFile(7)), master);
        else
            QVERIFY(p.home.read(paths::masterFile(7))
                        .contains("\r\n" + QByteArray::number(value) + "\r\n"));

        // A data-entry box: what cannot be read is saved as 0, without a word.
        p.messages.clear();
        SectionsScreen& sections = p.sections();
        sections.click(QStringLiteral("Command2")); // section 2
        sections.setText(QStringLiteral("Text18"), typed);
        sections.click(QStringLiteral("Command6"));
        QVERIFY(p.messages.shown().isEmpty());
        const QByteArray saved = p.home.read(paths::sectionFile(7, 22));
        QVERIFY(saved.contains("\r\n" + QByteArray::number(value) + "\r\n"));

        saveWorksAgain(p, sections, Saver::Section);
    }

    // Print offsets at and beyond the ends of the 32-bit range. An item that would land
    // beyond the range of positions abandons the page with a message; otherwise the page
    // prints, items far off the sheet. A4 copy paper takes no offsets. No overflow
    // anywhere, and the master file is saved as it was.
    void absurdOffsets_data() {
        QTest::addColumn<QString>("right");
        QTest::addColumn<QString>("down");
        QTest::addColumn<QString>("button");
        QTest::addColumn<bool>("printed");
        for (const char* button : {"Command11", "Command12", "Command13", "Command14"}) {
            const bool a4 = qstrcmp(button, "Command13") == 0 || qstrcmp(button, "Command14") == 0;
            QTest::addRow("largest, %s", button) << "2147483647"
                                                 << "2147483647" << button << a4;
            QTest::addRow("smallest, %s", button) << "-2147483648"
                                                  << "-2147483648" << button << true;
            QTest::addRow("beyond: read as 0, %s", button) << "99999999999"
                                                           << "-99999999999" << button << true;
            QTest::addRow("largest down only, %s", button) << "0"
                                                           << "2147483647" << button << a4;
        }
    }
    void absurdOffsets() {
        QFETCH(QString, right);
        QFETCH(QString, down);
        QFETCH(QString, button);
        QFETCH(bool, printed);
        FaultProgram p;
        const QByteArray master = p.home.read(paths::masterFile(7));
        PrintScreen& screen = p.print();
        screen.setText(QStringLiteral("Text7"), right);
        screen.setText(QStringLiteral("Text8"), down);
        screen.click(button);
        QCOMPARE(p.printers.operations.contains(QStringLiteral("end")), printed);
        QCOMPARE(p.messages.shown().size(), printed ? 0 : 1);
        if (!printed)
            QVERIFY(p.messages.shown().first().text.contains(QStringLiteral("印刷できません")));
        QCOMPARE(p.home.read(paths::masterFile(7)), master);

        // The next print with ordinary offsets is as always.
        screen.setText(QStringLiteral("Text7"), QStringLiteral("0"));
        screen.setText(QStringLiteral("Text8"), QStringLiteral("0"));
        screen.click(QStringLiteral("Command11"));
        QVERIFY(p.printers.operations.contains(QStringLiteral("text 24 30 \"株式会社見本\"")));
    }
    // A PDF saved over an earlier one where the write cannot be finished: the earlier PDF
    // stays byte for byte, no temporary file is left, and the user is told why.
    void pdfOverOldPdf_data() {
        QTest::addColumn<Injection>("injection");
        QTest::newRow("disk full part-way") << Injection::FullDiskPartWay;
        QTest::newRow("unwritable folder") << Injection::UnwritableFolder;
        QTest::newRow("folder in the PDF's place") << Injection::FileIsFolder;
    }
    void pdfOverOldPdf() {
        QFETCH(Injection, injection);
#ifdef Q_OS_WIN
        if (injection == Injection::FullDiskPartWay)
            QSKIP(noFileSizeLimit);
        if (injection == Injection::UnwritableFolder)
            QSKIP(noUnprivilegedUser);
#else
        std::optional<UnprivilegedUser> user;
        if (injection == Injection::UnwritableFolder) {
            user.emplace();
            if (!user->permissionsHold())
                QSKIP("running as root, and no unprivileged user to switch to");
        }
#endif
        FaultProgram p;
        const QString folder = p.home.path() + QStringLiteral("/pdf");
        const QString pdf = folder + QStringLiteral("/7_株式会社見本_FB1005.pdf");
        QVERIFY(QDir().mkpath(folder));
        const QByteArray old = "%PDF-1.4 the earlier statement\n%%EOF\n";
        if (injection == Injection::FileIsFolder) {
            QVERIFY(QDir().mkpath(pdf));
        } else {
            QFile file(pdf);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(old);
        }
        int asked = 0;
        const filechooser::Handler previous =
            filechooser::install([&](const filechooser::SaveRequest&) -> std::optional<QString> {
                ++asked;
                return pdf;
            });
        if (injection == Injection::UnwritableFolder)
            QVERIFY(QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::ExeOwner));
        PrintScreen& screen = p.print();
        {
#ifdef Q_OS_UNIX
            std::optional<FileSizeLimit> limit;
            if (injection == Injection::FullDiskPartWay)
                limit.emplace(4096);
#endif
            screen.click(QStringLiteral("Command21"));
        }
        filechooser::install(previous);
        QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                          QFileDevice::ExeOwner);
        QCOMPARE(asked, 1);
        QCOMPARE(p.messages.shown().size(), 1);
        const QString told = p.messages.shown().first().text;
        QVERIFY2(told.contains(QStringLiteral("保存できませんでした")), qPrintable(told));
        const char* reason = injection == Injection::FullDiskPartWay ? "上限を超えます"
                             : injection == Injection::UnwritableFolder
                                 ? "書き込みが許可されていません"
                                 : "同じ名前のフォルダがあります";
        QVERIFY2(told.contains(QString::fromUtf8(reason)), qPrintable(told));
        if (injection == Injection::FileIsFolder) {
            QVERIFY(QFileInfo(pdf).isDir());
        } else {
            QFile file(pdf);
            QVERIFY(file.open(QIODevice::ReadOnly));
            QCOMPARE(file.readAll(), old);
        }
        QCOMPARE(QDir(folder).entryList(QDir::Files | QDir::Hidden).size(),
                 injection == Injection::FileIsFolder ? 0 : 1);
    }

    // Something that is not a file where a data file should be: a pipe that nobody
    // writes into, or a link to the system's endless zero device. Every screen that
    // reads it goes on (nothing waits, nothing reads without end), the screens that
    // show the file say it is damaged and name it, and the next save of the section
    // puts the thing in the trash and writes a real file.
    void specialFileInPlace_data() {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("kind");
        for (const char* kind : {"fifo", "zero"}) {
            QTest::addRow("section file, %s", kind) << paths::sectionFile(7, 21) << kind;
            QTest::addRow("master file, %s", kind) << paths::masterFile(7) << kind;
            QTest::addRow("registry file, %s", kind) << paths::registryFile(7) << kind;
        }
    }
    void specialFileInPlace() {
        QFETCH(QString, file);
        QFETCH(QString, kind);
#ifdef Q_OS_WIN
        QSKIP(kind == QStringLiteral("fifo") ? "no FIFOs (mkfifo) on Windows"
                                             : "no /dev/zero on Windows");
#else
        FaultProgram p;
        const QString host = hostPath(file);
        QFile::remove(host);
        QVERIFY(QDir().mkpath(QFileInfo(host).path()));
        if (kind == QStringLiteral("fifo"))
            QCOMPARE(mkfifo(QFile::encodeName(host).constData(), 0600), 0);
        else
            QVERIFY(QFile::link(QStringLiteral("/dev/zero"), host));

        p.menu().click(QStringLiteral("Command17"));
        p.menu().refillRegistryList();
        p.callUp(QStringLiteral("7"));
        SectionsScreen& sections = p.sections();
        sections.click(QStringLiteral("Command15"));
        auto& registration = *p.app.screenAs<RegistrationScreen>(screens::registration);
        registration.callUp(7);
        p.print().click(QStringLiteral("Command11"));
        QCOMPARE(p.platform.ends, 0);

        if (file == paths::registryFile(7))
            return; // read only for the lists and the call-up; nothing to say or save
        QStringList told;
        for (const MessageBox& box : p.messages.shown())
            told.append(box.text);
        QVERIFY2(told.join(QLatin1Char('\n'))
                     .contains(QStringLiteral("ファイル「%1」は壊れています").arg(file)),
                 qPrintable(told.join(QLatin1Char('\n'))));

        if (file != paths::sectionFile(7, 21))
            return;
        // The save puts the pipe or link aside and writes a real file in its place.
        sections.click(QStringLiteral("Command15"));
        p.messages.clear();
        sections.setText(QStringLiteral("Text1"), QStringLiteral("新しい一行目"));
        sections.click(QStringLiteral("Command5"));
        // A link is not put in the trash (Qt would look for the trash of the volume it
        // points to): it is moved into the data folder's own folder 削除済み instead.
        const bool fifo = kind == QStringLiteral("fifo");
        const QString keptFolder =
            discard::keptFolder() +
            discard::folderName({QStringLiteral("壊れていたファイル"), discard::today()}) +
            QLatin1Char('\\');
        QVERIFY2(p.messages.shown().size() == 1 &&
                     p.messages.shown().first().text.contains(
                         fifo ? QStringLiteral("ごみ箱に移して") : keptFolder),
                 qPrintable(p.messages.shown().value(0).text));
        QVERIFY(QFileInfo(host).isFile() && !QFileInfo(host).isSymLink());
        QVERIFY(p.home.read(file).startsWith(test::crlfFile({"\"新しい一行目\""})));
        const QFileInfo trashed(p.home.path() +
                                QStringLiteral("/.local/share/Trash/files/7021.txt"));
        QVERIFY(fifo ? trashed.exists()
                     : QFileInfo(hostPath(keptFolder + QStringLiteral("7021.txt"))).isSymLink());
#endif
    }

    // Company 8 printed, then company 9 handed to the print screen whose master file is
    // missing, short or damaged: the screen empties its header and print data and names
    // company 9's file; nothing of company 8 is printed, offered as a PDF or saved, and
    // no file changes. Company 9's own sections are there, ready to print.
    void printAfterAnotherCompany_data() {
        QTest::addColumn<QString>("damage");
        QTest::newRow("missing master file") << "missing";
        QTest::newRow("short master file") << "short";
        QTest::newRow("empty master file") << "empty";
        QTest::newRow("master file is a pipe") << "fifo";
    }
    void printAfterAnotherCompany() {
        QFETCH(QString, damage);
        FaultProgram p;
        p.home.write(paths::sectionFile(9, 21),
                     test::crlfFile({"\"九番の事業\""}) + test::crlfFile(QStringList(4, "\"\"")));
        CompanyRecord nine = test::sampleCompany(9);
        nine.name = QStringLiteral("九番工業");
        const QByteArray whole = masterfile::bytes(nine, nullptr);
        const QString file9 = paths::masterFile(9);
        if (damage == QStringLiteral("short"))
            p.home.write(file9, whole.left(whole.indexOf("\r\n15\r\n"))); // lines 1–5
        else if (damage == QStringLiteral("empty"))
            p.home.write(file9, {});
        else if (damage == QStringLiteral("fifo"))
#ifdef Q_OS_WIN
            QSKIP("no FIFOs (mkfifo) on Windows");
#else
            QCOMPARE(mkfifo(QFile::encodeName(hostPath(file9)).constData(), 0600), 0);
#endif

        PrintScreen& screen = p.print(8);
        screen.click(QStringLiteral("Command11"));
        QVERIFY(p.printers.operations.contains(QStringLiteral("text 24 30 \"八番商事株式会社\"")));
        QVERIFY2(p.messages.shown().isEmpty(), qPrintable(p.messages.shown().value(0).text));
        p.printers.operations.clear();
        const QByteArray folderBefore = p.snapshot(paths::masterFolder());

        p.print(9);
        QCOMPARE(p.messages.shown().size(), 1);
        QVERIFY2(p.messages.shown().first().text.contains(file9),
                 qPrintable(p.messages.shown().first().text));
        for (const char* box : {"Text1", "Text2", "Text3", "Text4", "Text5", "Text12", "Text13",
                                "Text14", "Text15", "Text17", "Text18", "Text19"})
            QVERIFY2(screen.text(QString::fromLatin1(box)).isEmpty(), box);
        QCOMPARE(screen.printData().company().name, QString());
        QCOMPARE(screen.printData().text(21, 1), QString());

        // Every print, the PDF, the preview and the header's save: nothing goes out, and
        // each time the user hears about company 9's file again.
        int asked = 0;
        const filechooser::Handler previous =
            filechooser::install([&](const filechooser::SaveRequest&) -> std::optional<QString> {
                ++asked;
                return p.home.path() + QStringLiteral("/out.pdf");
            });
        screen.setText(QStringLiteral("Text3"), QStringLiteral("手で打った名前"));
        for (const char* button : {"Command11", "Command12", "Command13", "Command14", "Command21",
                                   "Command22", "Command9"}) {
            p.messages.clear();
            screen.click(QString::fromLatin1(button));
            QCOMPARE(p.messages.shown().size(), 1);
            QVERIFY2(p.messages.shown().first().text.contains(QStringLiteral("9")), button);
        }
        filechooser::install(previous);
        QCOMPARE(asked, 0);
        QVERIFY(!QFile::exists(p.home.path() + QStringLiteral("/out.pdf")));
        QCOMPARE(p.printers.operations, QStringList());
        QCOMPARE(p.printers.previewPages.size(), 0);
        QCOMPARE(p.snapshot(paths::masterFolder()), folderBefore);

        // Once company 9 is registered, it prints as itself.
        QFile::remove(hostPath(file9));
        p.home.write(file9, whole);
        p.messages.clear();
        p.print(9).click(QStringLiteral("Command11"));
        QVERIFY(p.messages.shown().isEmpty());
        QVERIFY(p.printers.operations.contains(QStringLiteral("text 24 30 \"九番工業\"")));
        QVERIFY(!p.printers.operations.join(QLatin1Char('\n')).contains(QStringLiteral("八番")));
    }

    // A record file that ends early (20 of the 48 values of 主要科目): the 20 show, the
    // message names the file and the first missing line; the next 登録実行 puts the
    // damaged file in the trash, says so, and writes the 20 values and the one typed.
    // The same for a master file on the registration screen.
    void shortFileIsKeptInTheTrash_data() {
        QTest::addColumn<bool>("master");
        QTest::newRow("主要科目, 20 of 48 values") << false;
        QTest::newRow("master file, 9 of 15 lines") << true;
    }
    void shortFileIsKeptInTheTrash() {
        QFETCH(bool, master);
        FaultProgram p;
        const QString file = master ? paths::masterFile(7) : paths::sectionFile(7, 30);
        QStringList values;
        if (master)
            values = QStringList{
                "7", "\"ミホン\"", "\"株式会社見本\"", "\"東京都\"", "\"03-1111-2222\"", "15", "4",
                "1", "16"};
        else
            for (int i = 1; i <= 20; ++i)
                values.append(QString::number(i * 100));
        const QByteArray damaged = test::crlfFile(values);
        p.home.write(file, damaged);

        Screen* screen = nullptr;
        if (master) {
            screen = &p.registration();
        } else {
            p.menu().setText(QStringLiteral("Text1"), QStringLiteral("7"));
            p.menu().click(QStringLiteral("Command19"));
            screen = p.app.existing(screens::mainAccounts);
        }
        QVERIFY(screen);
        QCOMPARE(p.messages.shown().size(), 1);
        const QString told = p.messages.shown().first().text;
        QVERIFY2(told.contains(file) &&
                     told.contains(QStringLiteral("%1行目").arg(values.size() + 1)),
                 qPrintable(told));

        // What the file holds is shown; the next field is empty, and the user fills it.
        QString nextBox;
        if (master) {
            QCOMPARE(screen->text(QStringLiteral("Text3")), QStringLiteral("株式会社見本"));
            QCOMPARE(screen->text(QStringLiteral("Text17")), QStringLiteral("16"));
            QCOMPARE(screen->text(QStringLiteral("Text18")), QStringLiteral("0"));
            screen->setText(QStringLiteral("Text18"), QStringLiteral("3"));
            screen->setText(QStringLiteral("Text19"), QStringLiteral("31"));
        } else {
            const RecordLayout& layout = layouts::section(30);
            for (int i = 0; i < 20; ++i)
                QCOMPARE(screen->text(layout.integers.at(i).box), groupedDisplay((i + 1) * 100));
            nextBox = layout.integers.at(20).box;
            QCOMPARE(screen->text(nextBox), QString());
            screen->setText(nextBox, QStringLiteral("2100"));
        }

        p.messages.clear();
        screen->click(master ? QStringLiteral("Command12") : RecordScreen::saveButton);
        QCOMPARE(p.messages.shown().size(), 1);
        QCOMPARE(p.messages.shown().first().icon, MessageBox::Icon::Information);
        // Wine gives programs no Recycle Bin: there the file is kept beside instead.
        QVERIFY2(p.messages.shown().first().text.contains(QStringLiteral("ごみ箱")) ||
                     (QSysInfo::productType() == QStringLiteral("windows") &&
                      p.messages.shown().first().text.contains(QStringLiteral("として残して"))),
                 qPrintable(p.messages.shown().first().text));
#ifndef Q_OS_WIN // Windows' Recycle Bin is no folder of the test's home
        const QString trashed = p.home.path() + QStringLiteral("/.local/share/Trash/files/") +
                                file.mid(file.lastIndexOf(QLatin1Char('\\')) + 1);
        QFile inTrash(trashed);
        QVERIFY(inTrash.open(QIODevice::ReadOnly));
        QCOMPARE(inTrash.readAll(), damaged);
#endif

        const QByteArray saved = p.home.read(file);
        if (master) {
            CompanyRecord record;
            QVERIFY(masterfile::read(7, 15, record));
            QCOMPARE(record.name, QStringLiteral("株式会社見本"));
            QCOMPARE(record.telephone, QStringLiteral("03-1111-2222"));
            QCOMPARE(record.endMonth, 3);
        } else {
            QStringList expected = values;
            expected.append(QStringLiteral("2100"));
            QVERIFY(saved.startsWith(test::crlfFile(expected)));
        }
        // The next save is an ordinary one: nothing more goes to the trash. (The
        // registration screen closes after a save; the user calls the company up again.)
        p.messages.clear();
        if (master)
            screen = &p.registration();
        screen->click(master ? QStringLiteral("Command12") : RecordScreen::saveButton);
        QVERIFY2(p.messages.shown().isEmpty(), qPrintable(p.messages.shown().value(0).text));
    }

    // The clean-up a little after the start (MainMenu::clearSaveLeftovers) takes away
    // only the temporary files of the program's own saves, killed half-way: the copies
    // the user keeps beside the data, old or new, all stay, as do files that earlier
    // versions named like "7.txt.AbCdEf" (they may as well be the user's). What a killed
    // save left goes to the trash when the file beside holds all of it, and is otherwise
    // kept under a name the user sees and told once.
    void saveLeftovers_data() {
        QTest::addColumn<Made>("made");
        QTest::addColumn<QString>("file"); // a user's copy
        QTest::addColumn<int>("ageMinutes");
        QTest::addColumn<Fate>("fate");
        const QString master = paths::masterFile(7);
        const QString section = paths::sectionFile(7, 21);
        const QString pledgeFile = u"c:\\Program Files\\法人税事業概況書の誓約書.txt"_s;
        const struct {
            const char* name;
            QString file;
        } copies[] = {
            {"7.txt.backup", master + u".backup"_s},
            {"7.txt.OLD123", master + u".OLD123"_s},
            {"7021.txt.202504", section + u".202504"_s},
            {"7021.txt.bak", section + u".bak"_s},
            {"月7.txt.コピー", paths::statementFolder() + u"月7.txt.コピー"_s},
            {"pledge .backup", pledgeFile + u".backup"_s},
            {"an earlier version's name 7.txt.AbCdEf", master + u".AbCdEf"_s},
            {"7.txt.gaikyo.tmp", master + u".gaikyo.tmp"_s},
        };
        for (const auto& copy : copies) {
            QTest::addRow("user's %s, a year old", copy.name)
                << Made::UserCopy << copy.file << 365 * 24 * 60 << Fate::Stays;
            QTest::addRow("user's %s, new", copy.name)
                << Made::UserCopy << copy.file << 0 << Fate::Stays;
        }
        QTest::newRow("save killed part-way, two hours ago")
            << Made::KilledChangingText << QString() << 120 << Fate::KeptAside;
        QTest::newRow("save of the same text killed part-way")
            << Made::KilledSavingSameText << QString() << 120 << Fate::InTrash;
        QTest::newRow("save killed before its first byte")
            << Made::KilledBeforeFirstByte << QString() << 120 << Fate::InTrash;
        QTest::newRow("save killed half an hour ago (may be going on)")
            << Made::KilledChangingText << QString() << 30 << Fate::Stays;
    }
    void saveLeftovers() {
        QFETCH(Made, made);
        QFETCH(QString, file);
        QFETCH(int, ageMinutes);
        QFETCH(Fate, fate);
        FaultProgram p;
        const QString folder = paths::statementFolder();
        SectionsScreen& screen = p.sections();
        save(screen, Saver::Section, QStringLiteral("株式会社保存済み"));
        const QByteArray saved = p.home.read(paths::sectionFile(7, 21));
        if (made == Made::UserCopy) {
            p.home.write(file, "利用者の控え\r\n");
        } else {
#ifdef Q_OS_UNIX
            const bool same = made == Made::KilledSavingSameText;
            QVERIFY(killedPartWay(
                [&] {
                    save(screen, Saver::Section, same ? u"株式会社保存済み"_s : u"株式会社中断"_s);
                },
                made == Made::KilledBeforeFirstByte ? 0 : 40));
            const QStringList left =
                QDir(hostPath(folder)).entryList({u"*.gaikyo-*.tmp"_s}, QDir::Files);
            QCOMPARE(left.size(), 1);
            QVERIFY2(QRegularExpression(u"\\A7021\\.txt\\.gaikyo-[0-9a-z]{12}\\.tmp\\z"_s)
                         .match(left.first())
                         .hasMatch(),
                     qPrintable(left.first()));
            file = folder + left.first();
#else
            QSKIP(noFileSizeLimit);
#endif
        }
        const QByteArray content = p.home.read(file);
        {
            QFile aged(hostPath(file));
            QVERIFY(aged.open(QIODevice::ReadWrite));
            QVERIFY(aged.setFileTime(QDateTime::currentDateTime().addSecs(-60 * ageMinutes),
                                     QFileDevice::FileModificationTime));
        }

        p.messages.clear();
        p.menu().clearSaveLeftovers();
        const QString name = file.mid(file.lastIndexOf(QLatin1Char('\\')) + 1);
        QCOMPARE(p.home.exists(file), fate == Fate::Stays);
        if (fate == Fate::Stays)
            QCOMPARE(p.home.read(file), content);
#ifndef Q_OS_WIN // Windows' Recycle Bin is no folder of the test's home
        QCOMPARE(QFile::exists(p.home.path() + u"/.local/share/Trash/files/"_s + name),
                 fate == Fate::InTrash);
#endif
        const QStringList aside =
            QDir(hostPath(folder)).entryList({u"7021.txt.中断された保存-*.txt"_s}, QDir::Files);
        QCOMPARE(aside.size(), fate == Fate::KeptAside ? 1 : 0);
        if (fate == Fate::KeptAside) {
            QCOMPARE(p.home.read(folder + aside.first()), content);
            QCOMPARE(p.messages.shown().size(), 1);
            QCOMPARE(p.messages.shown().first().icon, MessageBox::Icon::Information);
            QVERIFY2(p.messages.shown().first().text.contains(folder + aside.first()),
                     qPrintable(p.messages.shown().first().text));
        } else {
            QVERIFY2(p.messages.shown().isEmpty(), qPrintable(p.messages.shown().value(0).text));
        }
        // The data file itself is as the last whole save left it, and the user is told
        // only once.
        QCOMPARE(p.home.read(paths::sectionFile(7, 21)), saved);
        p.messages.clear();
        p.menu().clearSaveLeftovers();
        QVERIFY(p.messages.shown().isEmpty());
        QCOMPARE(QDir(hostPath(folder)).entryList({u"7021.txt.中断された保存-*.txt"_s}).size(),
                 aside.size());
    }

    // A file far larger than any data file (a value of 50 MB) is not read to its end:
    // the screen says the file is damaged.
    void endlessValue() {
        FaultProgram p;
        p.home.write(paths::sectionFile(7, 21),
                     "\"" + QByteArray(50 * 1024 * 1024, 'x') + "\"\r\n");
        SectionsScreen& sections = p.sections();
        p.messages.clear();
        sections.click(QStringLiteral("Command15"));
        QCOMPARE(p.messages.shown().size(), 1);
        QVERIFY(p.messages.shown().first().text.contains(QStringLiteral("大きすぎます")));
    }
};

QTEST_MAIN(FaultsTest)
#include "faultstest.moc"
