#include "pdftools.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>

#include <vector>

#ifdef Q_OS_WIN
#include <windows.h>
#endif

namespace gaikyo::test {

namespace {

#ifdef Q_OS_WIN
// Wine's own functions: a Windows path as a Unix one, and a Unix program started and
// waited for (Wine gives a Windows process no handle to wait on for a Unix program).
// Both are absent on a real Windows, where poppler's Windows programs are on the PATH.
using UnixFileName = char*(CDECL*)(LPCWSTR);
using UnixSpawn = LONG(CDECL*)(char* const argv[], int wait);

UnixFileName unixFileName() {
    static const auto function = reinterpret_cast<UnixFileName>(reinterpret_cast<void*>(
        GetProcAddress(GetModuleHandleW(L"kernel32.dll"), "wine_get_unix_file_name")));
    return function;
}

UnixSpawn unixSpawn() {
    static const auto function = reinterpret_cast<UnixSpawn>(reinterpret_cast<void*>(
        GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "__wine_unix_spawnvp")));
    return function;
}

// Under Wine: /usr/bin/<name> through the shell, its output and exit code into files
// that are read back once it has finished.
PdfToolRun runUnderWine(const QString& name, const QStringList& arguments) {
    QTemporaryDir folder;
    const QString outputFile = folder.filePath(QStringLiteral("output"));
    QList<QByteArray> words = {"/bin/sh",
                               "-c",
                               "out=$1; shift; \"$@\" >\"$out\"; echo $? >\"$out.code\"",
                               "sh",
                               pdfToolPath(outputFile).toUtf8(),
                               QStringLiteral("/usr/bin/%1").arg(name).toUtf8()};
    for (const QString& argument : arguments)
        words.append(argument.toUtf8());
    std::vector<char*> argv;
    for (QByteArray& word : words)
        argv.push_back(word.data());
    argv.push_back(nullptr);
    unixSpawn()(argv.data(), 1);
    PdfToolRun run;
    QFile code(outputFile + QStringLiteral(".code"));
    run.succeeded = code.open(QIODevice::ReadOnly) && code.readAll().trimmed() == "0";
    QFile output(outputFile);
    if (output.open(QIODevice::ReadOnly))
        run.output = output.readAll();
    return run;
}
#endif

} // namespace

QString pdfToolPath(const QString& localPath) {
#ifdef Q_OS_WIN
    if (const UnixFileName function = unixFileName()) {
        const QString native = QDir::toNativeSeparators(QDir(localPath).absolutePath());
        char* unix = function(reinterpret_cast<LPCWSTR>(native.utf16()));
        if (!unix)
            return localPath;
        const QString path = QString::fromUtf8(unix);
        HeapFree(GetProcessHeap(), 0, unix);
        return path;
    }
#endif
    return localPath;
}

PdfToolRun runPdfTool(const QString& name, const QStringList& arguments, int timeoutMs) {
#ifdef Q_OS_WIN
    if (unixFileName() && unixSpawn())
        return runUnderWine(name, arguments);
#endif
    QProcess process;
    process.start(name, arguments);
    PdfToolRun run;
    run.succeeded = process.waitForFinished(timeoutMs) &&
                    process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
    run.output = process.readAllStandardOutput();
    return run;
}

QByteArray postScriptToPdf(const QByteArray& postScript) {
    QTemporaryDir folder;
    QFile in(folder.filePath(QStringLiteral("job.ps")));
    if (!in.open(QIODevice::WriteOnly) || in.write(postScript) != postScript.size())
        return {};
    in.close();
    const QString out = folder.filePath(QStringLiteral("job.pdf"));
    if (!runPdfTool(QStringLiteral("ps2pdf"), {pdfToolPath(in.fileName()), pdfToolPath(out)}, 60000)
             .succeeded)
        return {};
    QFile pdf(out);
    return pdf.open(QIODevice::ReadOnly) ? pdf.readAll() : QByteArray();
}

QList<QImage> renderPdfPages(const QByteArray& pdf, int dpi, int first, int last) {
    QTemporaryDir folder;
    const QString pdfPath = folder.filePath(QStringLiteral("pages.pdf"));
    QFile file(pdfPath);
    if (!file.open(QIODevice::WriteOnly) || file.write(pdf) != pdf.size())
        return {};
    file.close();
    QStringList arguments{QStringLiteral("-r"),   QString::number(dpi), QStringLiteral("-gray"),
                          QStringLiteral("-png"), QStringLiteral("-f"), QString::number(first)};
    if (last > 0)
        arguments << QStringLiteral("-l") << QString::number(last);
    arguments << pdfToolPath(pdfPath) << pdfToolPath(folder.filePath(QStringLiteral("page")));
    if (!runPdfTool(QStringLiteral("pdftoppm"), arguments, 600000).succeeded)
        return {};
    // pdftoppm numbers the pages with as many digits as the document's last one needs.
    QDir pages(folder.path());
    const QStringList names =
        pages.entryList({QStringLiteral("page-*.png")}, QDir::Files, QDir::Name);
    QList<QImage> images;
    for (const QString& name : names)
        images.append(QImage(pages.filePath(name)));
    return images;
}

QImage renderPdfPage(const QByteArray& pdf, int page, int dpi) {
    const QList<QImage> pages = renderPdfPages(pdf, dpi, page, page);
    return pages.size() == 1 ? pages.first() : QImage();
}

} // namespace gaikyo::test
