#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace gaikyo::test {

// The poppler tools the tests read pages with (pdftotext, pdfinfo, pdftoppm). Under Wine
// the Windows tests start Debian's own tools, which take Unix paths: popplerPath gives a
// file of this computer as the tool names it.
QString popplerPath(const QString& localPath);

struct PopplerRun {
    bool succeeded = false; // finished in time with exit code 0
    QByteArray output;      // what it wrote to standard output
};

// Runs the tool named (its arguments already through popplerPath) and waits for it.
PopplerRun runPoppler(const QString& name, const QStringList& arguments, int timeoutMs);

} // namespace gaikyo::test
