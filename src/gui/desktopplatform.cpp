#include "desktopplatform.h"

#include <QApplication>
#include <QDesktopServices>
#include <QUrl>

namespace gaikyo {

void DesktopPlatform::beep() {
    QApplication::beep();
}

void DesktopPlatform::openAddress(const QString& address) {
    // As the shell's "open": the result is not examined.
    QDesktopServices::openUrl(QUrl(address));
}

void DesktopPlatform::endProgram() {
    QApplication::closeAllWindows();
    QCoreApplication::exit(0);
}

} // namespace gaikyo
