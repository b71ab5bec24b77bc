// The company lists are made on a second thread while Qt starts, and that thread reads
// files (on Windows through QFile) before the application object exists. Qt takes the
// first thread that asks for its thread data as the program's main thread: it must still
// be the program's own thread. And the second thread's end must not bring the program
// down (on Windows it did, in Qt's per-thread stack for compiled patterns).
// No QObject may be made here before the lists are prepared: that would hide the fault.
#include "datafile/cp932.h"
#include "datafile/drivec.h"
#include "datafile/folderwatch.h"
#include "registry/companylist.h"
#include "registry/companypaths.h"

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>
#include <QThread>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <thread>

using namespace gaikyo;

namespace {

std::filesystem::path fsPath(const QString& path) {
#ifdef Q_OS_WIN
    return std::filesystem::path(path.toStdWString());
#else
    return std::filesystem::path(QFile::encodeName(path).toStdString());
#endif
}

// A master file written without Qt's files (QFile is a QObject).
bool writeMaster(qint32 code) {
    QString text = QString::number(code) + QStringLiteral("\r\n\"ミホン\"\r\n\"株式会社見本\"\r\n");
    for (const char* line : {"\"東京都\"", "\"03-1\"", "15", "4", "1", "16", "3", "31", "\"\"",
                             "\"山田\"", "12345", "\"山田一郎\""})
        text += QString::fromUtf8(line) + QStringLiteral("\r\n");
    const std::optional<QByteArray> bytes = cp932::encode(text);
    const std::filesystem::path file = fsPath(drivec::hostPath(paths::masterFile(code)));
    std::error_code error;
    std::filesystem::create_directories(file.parent_path(), error);
    std::ofstream out(file, std::ios::binary);
    out.write(bytes->constData(), bytes->size());
    return bytes && out.good();
}

// What Qt said while starting: it warns when it took another thread for the main thread.
QString qtSaid;
void keepMessage(QtMsgType, const QMessageLogContext&, const QString& message) {
    qtSaid += message + QLatin1Char('\n');
}

} // namespace

int main(int argc, char** argv) {
    QTemporaryDir home;
#ifdef Q_OS_WIN
    qputenv(drivec::testRootVariable, (home.path() + QStringLiteral("/drive_c/")).toUtf8());
#else
    qputenv("HOME", QFile::encodeName(home.path()));
#endif
    // A text file of the user's beside the master files: not listed, but part of what the
    // folder looks like.
    const auto memo = [] {
        std::ofstream out(
            fsPath(drivec::hostPath(paths::masterFolder() + QStringLiteral("memo.txt"))),
            std::ios::binary);
        out << "memo";
        return out.good();
    };
    if (!home.isValid() || !writeMaster(7) || !writeMaster(8) || !memo()) {
        std::fputs("FAIL: cannot write the test's master files\n", stderr);
        return 1;
    }

    companylist::prepareForStartUp();
    // The second thread reads its files before Qt starts here.
    std::this_thread::sleep_for(std::chrono::milliseconds(500));
    qInstallMessageHandler(keepMessage);
    QCoreApplication app(argc, argv);
    qInstallMessageHandler(nullptr);
    if (app.thread() != QThread::currentThread() || qtSaid.contains(QStringLiteral("thread"))) {
        std::fprintf(stderr, "FAIL: Qt took the list maker's thread for the main thread\n%s",
                     qPrintable(qtSaid));
        return 1;
    }
    const QStringList companies = companylist::companyItems();
    if (companies.size() != 2) {
        std::fprintf(stderr, "FAIL: %d companies listed, not 2\n", int(companies.size()));
        return 1;
    }
    // The start-up's one look at each file must see the folder as every later look does:
    // otherwise the folder watch would take it for changed (or miss a change).
    if (companylist::takeStartUpCompanyFolder() !=
        FolderWatch::signatureOf(paths::masterFolder())) {
        std::fputs("FAIL: the start-up saw the master folder otherwise than a later look\n",
                   stderr);
        return 1;
    }
    std::puts("PASS: the program's own thread is Qt's main thread; both companies listed; the "
              "start-up saw the folder as a later look does");
    return 0;
}
