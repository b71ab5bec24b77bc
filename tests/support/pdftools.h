#pragma once

#include <QByteArray>
#include <QImage>
#include <QList>
#include <QString>
#include <QStringList>

namespace gaikyo::test {

// The tools the tests read pages with: poppler's pdftotext, pdfinfo and pdftoppm, and
// Ghostscript's ps2pdf for what a Windows printer driver sends. Under Wine the Windows
// tests start Debian's own tools, which take Unix paths: pdfToolPath gives a file of
// this computer as the tool names it.
QString pdfToolPath(const QString& localPath);

struct PdfToolRun {
    bool succeeded = false; // finished in time with exit code 0
    QByteArray output;      // what it wrote to standard output
};

// Runs the tool named (its arguments already through pdfToolPath) and waits for it, at
// most timeoutMs (under Wine without a limit: Wine gives no handle to wait on).
PdfToolRun runPdfTool(const QString& name, const QStringList& arguments, int timeoutMs);

// A PostScript job as a PDF (Ghostscript's ps2pdf); empty when it cannot be read.
QByteArray postScriptToPdf(const QByteArray& postScript);

// The pages first to last of a PDF (last 0: up to its end) rendered in grey at dpi by
// pdftoppm, in order; empty when they cannot be rendered.
QList<QImage> renderPdfPages(const QByteArray& pdf, int dpi, int first = 1, int last = 0);
// One page; null when it cannot be rendered.
QImage renderPdfPage(const QByteArray& pdf, int page, int dpi);

} // namespace gaikyo::test
