#include "leftovers.h"

#include "drivec.h"

#include <QDateTime>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>

namespace gaikyo::leftovers {

int removeOldSaveLeftovers(const QString& windowsFolder, const QRegularExpression& ownNames,
                           std::chrono::seconds olderThan) {
    // The six characters a temporary file adds after a dot: letters and digits.
    static const QRegularExpression suffix(QStringLiteral("\\.[A-Za-z0-9]{6}$"));
    const QDateTime before = QDateTime::currentDateTimeUtc().addSecs(-olderThan.count());
    int removed = 0;
    // Only names with a dot after ".txt" are looked at closely: a folder of ten thousand
    // data files is gone through by name alone.
    QDirIterator it(drivec::hostPath(windowsFolder), {QStringLiteral("*.txt.*")},
                    QDir::Files | QDir::Hidden);
    while (it.hasNext()) {
        it.next();
        const QString name = it.fileName();
        const QRegularExpressionMatch tail = suffix.match(name);
        if (!tail.hasMatch())
            continue;
        const QString saved = name.left(tail.capturedStart());
        const QRegularExpressionMatch own = ownNames.match(saved);
        const bool whole =
            own.hasMatch() && own.capturedStart() == 0 && own.capturedLength() == saved.size();
        if (!whole || it.fileInfo().lastModified().toUTC() >= before)
            continue;
        if (QFile::remove(it.filePath()))
            ++removed;
    }
    return removed;
}

} // namespace gaikyo::leftovers
