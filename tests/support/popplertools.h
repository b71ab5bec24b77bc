#pragma once

#include <QString>

namespace gaikyo::test {

// The poppler tools the tests read pages with (pdftotext, pdfinfo, pdftoppm): the
// program to start, and a file of this computer as the tool names it. Under Wine the
// Windows tests start Debian's own tools, which take Unix paths.
QString popplerProgram(const QString& name);
QString popplerPath(const QString& localPath);

} // namespace gaikyo::test
