#include "companypaths.h"

#include "datafile/numbers.h"

namespace gaikyo::paths {

QString dataFolder() {
    return QStringLiteral("c:\\法人税事業概況書\\");
}
QString masterFolder() {
    return QStringLiteral("c:\\法人税事業概況書\\法人名\\");
}
QString statementFolder() {
    return QStringLiteral("c:\\法人税事業概況書\\概況書\\");
}

QString masterFile(qint32 code) {
    return masterFolder() + plainDecimal(code) + QStringLiteral(".txt");
}

QString registryFolder() {
    return QStringLiteral("c:\\法人税\\法人名\\");
}

QString registryFile(qint32 code) {
    return registryFolder() + plainDecimal(code) + QStringLiteral(".txt");
}

bool hasSectionFiles(qint32 code) {
    return code >= -2147483 && code <= 2147483;
}

QString sectionFile(qint32 code, int section) {
    Q_ASSERT(hasSectionFiles(code));
    return statementFolder() + plainDecimal(code * 1000 + section) + QStringLiteral(".txt");
}

QString monthOrderFile(qint32 code) {
    return statementFolder() + QStringLiteral("月") + plainDecimal(code) + QStringLiteral(".txt");
}

} // namespace gaikyo::paths
