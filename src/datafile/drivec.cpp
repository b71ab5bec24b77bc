#include "drivec.h"

#include <QDir>
#include <mutex>

namespace gaikyo::drivec {

namespace {

// The folder that plays drive C:, worked out again only when what it comes from changes
// (the tests change it); the company lists ask for it thousands of times. One cache for
// all threads, behind a lock: under MinGW's runtime a thread_local QString is freed
// wrongly when its thread ends, which damaged the heap after the start-up lists' thread.
struct RootCache {
    std::mutex lock;
    QString source;
    QString folder;
};

RootCache& rootCache() {
    static RootCache cache;
    return cache;
}

} // namespace

QString root() {
#ifdef Q_OS_WIN
    // The real drive, unless the tests name a folder that plays it.
    const QString current = qEnvironmentVariable(testRootVariable);
#else
    const QString current = qEnvironmentVariable("HOME");
#endif
    RootCache& cache = rootCache();
    const std::lock_guard<std::mutex> locked(cache.lock);
    if (cache.folder.isEmpty() || current != cache.source) {
        cache.source = current;
#ifdef Q_OS_WIN
        cache.folder =
            current.isEmpty() ? QStringLiteral("c:/") : QDir::fromNativeSeparators(current);
        if (!cache.folder.endsWith(QLatin1Char('/')))
            cache.folder.append(QLatin1Char('/'));
#else
        cache.folder = QDir::homePath() + QStringLiteral("/.local/share/gaikyo/drive_c/");
#endif
    }
    return cache.folder;
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
