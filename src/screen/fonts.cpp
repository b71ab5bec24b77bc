#include "fonts.h"

#include <QCoreApplication>
#include <QDir>
#include <QFontDatabase>
#include <QStringList>
#include <utility>

namespace gaikyo::fonts {

namespace {

// On Windows the setup program puts the IPA fonts beside the program: loaded for this
// program only, they make a print look the same on every computer.
void loadShippedFonts() {
#ifdef Q_OS_WIN
    static bool loaded = false;
    if (std::exchange(loaded, true))
        return;
    const QDir folder(QCoreApplication::applicationDirPath() + QStringLiteral("/fonts"));
    for (const QString& name : folder.entryList({QStringLiteral("*.ttf")}, QDir::Files))
        QFontDatabase::addApplicationFont(folder.filePath(name));
#endif
}

} // namespace

void installSubstitutes() {
    loadShippedFonts();
    const struct {
        QString windowsFamily;
        QStringList substitutes;
    } pairs[] = {
        // Screens: on a Windows without it, the Japanese user-interface fonts Windows has.
        {QStringLiteral("ＭＳ Ｐゴシック"),
         {
#ifdef Q_OS_WIN
             QStringLiteral("Yu Gothic UI"), QStringLiteral("Meiryo UI"),
#endif
             // Windows in Japanese names the IPA fonts in Japanese.
             QStringLiteral("IPAPGothic"), QStringLiteral("IPA Pゴシック"),
             QStringLiteral("IPAGothic"), QStringLiteral("IPAゴシック")}},
        {QStringLiteral("MS 明朝"),
         {QStringLiteral("IPAMincho"), QStringLiteral("IPA明朝"), QStringLiteral("IPAPMincho"),
          QStringLiteral("IPA P明朝")}},
    };
    for (const auto& pair : pairs)
        if (!QFontDatabase::hasFamily(pair.windowsFamily))
            QFont::insertSubstitutions(pair.windowsFamily, pair.substitutes);
}

QFont font(const QString& family, double points, bool bold) {
    static const bool substituted = (installSubstitutes(), true);
    Q_UNUSED(substituted);
    QFont f(family);
    f.setPointSizeF(points);
    f.setBold(bold);
    return f;
}

} // namespace gaikyo::fonts
