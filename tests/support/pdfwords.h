#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

namespace gaikyo::test {

// A word of a PDF page as poppler reads it back.
struct PdfWord {
    int page; // from 1
    QString text;
    double x; // millimetres from the page's left edge
    double y; // millimetres from the page's top edge
};

// Every word of the document (pdftotext -bbox).
QList<PdfWord> pdfWords(const QByteArray& pdf);
int pdfPageCount(const QByteArray& pdf);

// Whether a word stands at (x, y) of the page, within the tolerance.
bool hasWordAt(const QList<PdfWord>& words, int page, const QString& text, double x, double y,
               double tolerance = 0.3);

} // namespace gaikyo::test
