#include "discard.h"

#include "drivec.h"
#include "filechannel.h"

#include <QFile>

namespace gaikyo {

bool discardFile(const QString& windowsPath) {
    if (FileChannel::instance().isOpen())
        return false;
    const QString path = drivec::hostPath(windowsPath);
    if (!QFile::exists(path))
        return false;
    return QFile::moveToTrash(path) || QFile::remove(path);
}

} // namespace gaikyo
