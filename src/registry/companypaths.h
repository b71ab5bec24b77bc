#pragma once

#include <QString>
#include <QtGlobal>

namespace gaikyo::paths {

QString dataFolder(); // the program's folder on drive C:
QString masterFolder();
QString statementFolder();
QString masterFile(qint32 code);
QString registryFolder(); // the corporate-tax program's company files
QString registryFile(qint32 code);

// Section record files are numbered code × 1000 + section in 32-bit arithmetic, so
// only codes from −2147483 to 2147483 have them.
bool hasSectionFiles(qint32 code);
// The section record file; the code must have section files.
QString sectionFile(qint32 code, int section);
QString monthOrderFile(qint32 code);
// The folder that keeps a company's filed years, one folder of copies for each year
// rolled forward: never changed by the program once made.
QString keptYearsFolder(qint32 code);

} // namespace gaikyo::paths
