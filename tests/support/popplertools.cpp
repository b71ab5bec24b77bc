#include "popplertools.h"

#include <QDir>

#ifdef Q_OS_WIN
#include <windows.h>
#endif

namespace gaikyo::test {

namespace {

#ifdef Q_OS_WIN
// Wine's own kernel32 function that turns a Windows path into a Unix one; absent on a
// real Windows, where poppler's Windows programs are taken from the PATH.
using UnixFileName = char*(CDECL*)(LPCWSTR);
UnixFileName unixFileName() {
    static const auto function = reinterpret_cast<UnixFileName>(reinterpret_cast<void*>(
        GetProcAddress(GetModuleHandleW(L"kernel32.dll"), "wine_get_unix_file_name")));
    return function;
}
#endif

} // namespace

QString popplerProgram(const QString& name) {
#ifdef Q_OS_WIN
    if (unixFileName())
        return QStringLiteral("Z:/usr/bin/") + name;
#endif
    return name;
}

QString popplerPath(const QString& localPath) {
#ifdef Q_OS_WIN
    if (const UnixFileName function = unixFileName()) {
        const QString native = QDir::toNativeSeparators(QDir(localPath).absolutePath());
        char* unix = function(reinterpret_cast<LPCWSTR>(native.utf16()));
        if (!unix)
            return localPath;
        const QString path = QString::fromUtf8(unix);
        HeapFree(GetProcessHeap(), 0, unix);
        return path;
    }
#endif
    return localPath;
}

} // namespace gaikyo::test
