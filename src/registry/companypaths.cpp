#include "companypaths.h"

#include "datafile/numbers.h"

namespace gaikyo::paths {

namespace {

// A file named after a number: the folder (and any prefix of the name), the number in
// plain decimal, ".txt".
QString numberedFile(const QString& start, qint32 number) {
    return start + plainDecimal(number) + QStringLiteral(".txt");
}

} // namespace

QString dataFolder() {
    return QStringLiteral("c:\\法人税事業概況書\\");
}
QString masterFolder() {
    return dataFolder() + QStringLiteral("法人名\\");
}
QString statementFolder() {
    return dataFolder() + QStringLiteral("概況書\\");
}

QString masterFile(qint32 code) {
    return numberedFile(masterFolder(), code);
}

QString registryFolder() {
    return QStringLiteral("c:\\法人税\\法人名\\");
}

QString registryFile(qint32 code) {
    return numberedFile(registryFolder(), code);
}

bool hasSectionFiles(qint32 code) {
    return code >= -2147483 && code <= 2147483;
}

QString sectionFile(qint32 code, int section) {
    Q_ASSERT(hasSectionFiles(code));
    return numberedFile(statementFolder(), code * 1000 + section);
}

QString monthOrderFile(qint32 code) {
    return numberedFile(statementFolder() + QStringLiteral("月"), code);
}

QString keptYearsFolder(qint32 code) {
    return dataFolder() + QStringLiteral("過年度\\") + plainDecimal(code) + QStringLiteral("\\");
}

} // namespace gaikyo::paths
