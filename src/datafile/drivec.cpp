#include "drivec.h"

#include <QDir>

namespace gaikyo::drivec {

QString root() {
#ifdef Q_OS_WIN
    return QStringLiteral("c:/");
#else
    return QDir::homePath() + QStringLiteral("/.local/share/gaikyo/drive_c/");
#endif
}

QString hostPath(const QString& windowsPath) {
    QString rest = windowsPath;
    rest.replace(QLatin1Char('\\'), QLatin1Char('/'));
    if (rest.size() >= 2 && rest.at(1) == QLatin1Char(':') &&
        rest.at(0).toLower() == QLatin1Char('c'))
        rest.remove(0, 2);
    while (rest.startsWith(QLatin1Char('/')))
        rest.remove(0, 1);
    return root() + rest;
}

bool createFolder(const QString& windowsPath) {
    return QDir().mkpath(hostPath(windowsPath));
}

bool ensureProgramFiles() {
    return createFolder(QStringLiteral("c:\\Program Files\\"));
}

} // namespace gaikyo::drivec
