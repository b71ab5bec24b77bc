#include "fileload.h"

namespace gaikyo {

QString FileLoad::problem() const {
    switch (outcome) {
    case Outcome::Damaged:
        return QStringLiteral("ファイル「%1」は壊れています。%2").arg(windowsPath, reason);
    case Outcome::Short:
        return QStringLiteral("ファイル「%1」は途中で切れています（%2行目から先がありません）。")
            .arg(windowsPath)
            .arg(missingFromLine);
    case Outcome::Cut:
        return QStringLiteral(
                   "ファイル「%1」は壊れています（%2行目の値の最後の文字が半分しかありません"
                   "）。")
            .arg(windowsPath)
            .arg(cutLine);
    case Outcome::Loaded:
    case Outcome::Missing:
        break;
    }
    return {};
}

QString FileLoad::shownInPartMessage() const {
    const QString shown =
        outcome == Outcome::Short ? QStringLiteral("読み取れた値だけを表示しています。")
        : outcome == Outcome::Cut
            ? QStringLiteral("値はすべて表示していますが、欠けた文字は正しく表示されていません。")
            : QStringLiteral("読み取れる値はありません。");
    return problem() + QLatin1Char('\n') + shown +
           QStringLiteral("登録するときに、このファイルはごみ箱に移してから保存し直します"
                          "（ごみ箱から元に戻せます）。");
}

} // namespace gaikyo
