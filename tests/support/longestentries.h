#pragma once

#include "printing/fakeprintdata.h"

#include <QByteArray>
#include <QImage>
#include <QList>

namespace gaikyo {
class Application;
}

namespace gaikyo::test {

// Every entry of both pages at the longest the screens accept: a text at its box's
// character limit (or, without one, as many characters as the box shows) in full-width
// characters; a number with as many of the widest digits as its boxes or its place on
// the official sheet hold. The application must have every screen registered.
struct LongestEntries : FakeData {
    explicit LongestEntries(Application& app);
};

// Both A4 pages (front, then back) printed with data over the given pictures, as a PDF.
// Empty when the PDF cannot be written.
QByteArray printA4Pages(const PrintData& data, const QImage& front, const QImage& back);
// Both pages as printed on the official sheet, without offsets.
QByteArray printOfficialPages(const PrintData& data);

} // namespace gaikyo::test
