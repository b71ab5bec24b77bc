#include "supportlinks.h"

namespace gaikyo::supportlinks {

QString forum() {
    return QStringLiteral("https://support.example.com/cgi-bin/tree3/wforum.cgi?");
}
QString mailbox() {
    return QStringLiteral("support@example.com");
}
QString homePage() {
    return QStringLiteral("https://www.example.com/~tesmori/");
}

QString mailAddress(const QString& mailbox) {
    const QString scheme = QStringLiteral("mailto:");
    if (mailbox.left(7).toLower() == scheme)
        return mailbox;
    return scheme + mailbox;
}

} // namespace gaikyo::supportlinks
