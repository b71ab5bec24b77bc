#include "pdfwords.h"

#include "pdftools.h"

#include <QRegularExpression>
#include <QTemporaryFile>

namespace gaikyo::test {

namespace {

QString runOnPdf(const QString& program, QStringList arguments, const QByteArray& pdf) {
    QTemporaryFile file;
    if (!file.open())
        return {};
    file.write(pdf);
    file.close();
    arguments.append(pdfToolPath(file.fileName()));
    if (program == QStringLiteral("pdftotext"))
        arguments.append(QStringLiteral("-"));
    return QString::fromUtf8(runPdfTool(program, arguments, 60000).output);
}

} // namespace

QList<PdfWord> pdfWords(const QByteArray& pdf) {
    const QString html = runOnPdf(QStringLiteral("pdftotext"), {QStringLiteral("-bbox")}, pdf);
    static const QRegularExpression token(QStringLiteral(
        R"re(<page |<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="[\d.]+" yMax="[\d.]+">([^<]*)</word>)re"));
    QList<PdfWord> words;
    int page = 0;
    for (const QRegularExpressionMatch& m : token.globalMatch(html)) {
        if (m.captured(0) == QStringLiteral("<page ")) {
            ++page;
            continue;
        }
        words.append({page, m.captured(3), m.captured(1).toDouble() * 25.4 / 72,
                      m.captured(2).toDouble() * 25.4 / 72});
    }
    return words;
}

int pdfPageCount(const QByteArray& pdf) {
    const QString info = runOnPdf(QStringLiteral("pdfinfo"), {}, pdf);
    static const QRegularExpression pages(QStringLiteral(R"(Pages:\s+(\d+))"));
    const QRegularExpressionMatch m = pages.match(info);
    return m.hasMatch() ? m.captured(1).toInt() : 0;
}

bool hasWordAt(const QList<PdfWord>& words, int page, const QString& text, double x, double y,
               double tolerance) {
    for (const PdfWord& w : words)
        if (w.page == page && w.text == text && qAbs(w.x - x) <= tolerance &&
            qAbs(w.y - y) <= tolerance)
            return true;
    return false;
}

} // namespace gaikyo::test
