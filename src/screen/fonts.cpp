#include "fonts.h"

#include <QFontDatabase>
#include <QStringList>

namespace gaikyo::fonts {

void installSubstitutes() {
    const struct {
        QString windowsFamily;
        QStringList substitutes;
    } pairs[] = {
        {QStringLiteral("ＭＳ Ｐゴシック"),
         {QStringLiteral("IPAPGothic"), QStringLiteral("IPAGothic")}},
        {QStringLiteral("MS 明朝"), {QStringLiteral("IPAMincho"), QStringLiteral("IPAPMincho")}},
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
