#include "translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace gaikyo::translations {

bool installJapanese(QCoreApplication& app) {
    auto* translator = new QTranslator(&app);
    const QLocale japanese(QLocale::Japanese, QLocale::Japan);
    if (!translator->load(japanese, QStringLiteral("qtbase"), QStringLiteral("_"),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        delete translator;
        qWarning("gaikyo: Qt's Japanese translation (qtbase_ja.qm) is not installed");
        return false;
    }
    return QCoreApplication::installTranslator(translator);
}

} // namespace gaikyo::translations
