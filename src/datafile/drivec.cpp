#include "drivec.h"

#include <QDir>

namespace gaikyo::drivec {

QString root() {
#ifdef Q_OS_WIN
    // The real drive, unless the tests name a folder that plays it.
    thread_local QString testRoot;
    thread_local QString folder;
    const QString current = qEnvironmentVariable(testRootVariable);
    if (folder.isEmpty() || current != testRoot) {
        testRoot = current;
        folder = current.isEmpty() ? QStringLiteral("c:/") : QDir::fromNativeSeparators(current);
        if (!folder.endsWith(QLatin1Char('/')))
            folder.append(QLatin1Char('/'));
    }
    return folder;
#else
    // Worked out again only when the home changes (the tests change it); the company
    // lists ask for it thousands of times.
    thread_local QByteArray home;
    thread_local QString folder;
    const QByteArray current = qgetenv("HOME");
    if (folder.isEmpty() || current != home) {
        home = current;
        folder = QDir::homePath() + QStringLiteral("/.local/share/gaikyo/drive_c/");
    }
    return folder;
#endif
}

QString hostPath(const QString& windowsPath) {
    QStringView rest(windowsPath);
    if (rest.size() >= 2 && rest.at(1) == QLatin1Char(':') &&
        rest.at(0).toLower() == QLatin1Char('c'))
        rest = rest.sliced(2);
    while (rest.startsWith(QLatin1Char('\\')) || rest.startsWith(QLatin1Char('/')))
        rest = rest.sliced(1);
    QString path = root();
    const qsizetype start = path.size();
    path.append(rest);
    for (qsizetype i = start; i < path.size(); ++i)
        if (path.at(i) == QLatin1Char('\\'))
            path[i] = QLatin1Char('/');
    return path;
}

bool createFolder(const QString& windowsPath) {
    return QDir().mkpath(hostPath(windowsPath));
}

bool ensureProgramFiles() {
    return createFolder(QStringLiteral("c:\\Program Files\\"));
}

} // namespace gaikyo::drivec
