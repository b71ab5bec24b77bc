#include "fieldmerge.h"

#include "datafile/numbers.h"
#include "messages.h"

namespace gaikyo::fieldmerge {

namespace {

// A question lists at most this many fields; the rest are counted.
constexpr int listedConflicts = 8;

} // namespace

QString quoted(const QString& value) {
    if (value.isEmpty())
        return QStringLiteral("（空欄）");
    return QStringLiteral("「%1」").arg(value);
}

QList<Take> resolve(const QList<Field>& fields, const QString& title, const QString& file) {
    QList<Take> takes;
    QList<qsizetype> conflicts;
    for (qsizetype i = 0; i < fields.size(); ++i) {
        const Field& f = fields.at(i);
        if (f.derived || f.stored == f.loaded || f.typed == f.stored) {
            takes.append(Take::Typed);
        } else if (f.typed == f.shown) {
            takes.append(Take::Stored);
        } else {
            takes.append(Take::Stored);
            conflicts.append(i);
        }
    }
    if (conflicts.isEmpty())
        return takes;

    QString list;
    for (qsizetype n = 0; n < conflicts.size() && n < listedConflicts; ++n) {
        const Field& f = fields.at(conflicts.at(n));
        list += QStringLiteral("・%1\n　　保存されている値：%2\n　　この画面の値：%3\n")
                    .arg(f.name, quoted(f.storedShown.isEmpty() ? f.stored : f.storedShown),
                         quoted(f.typedShown.isEmpty() ? f.typed : f.typedShown));
    }
    if (conflicts.size() > listedConflicts)
        list += QStringLiteral("ほか%1欄\n").arg(conflicts.size() - listedConflicts);
    if (messages::confirm(
            title,
            QStringLiteral("ファイル「%1」は、この画面で開いた後に、ほかの画面かほかのパソコンで"
                           "保存されています。次の欄は、そちらでも違う値に変えられています。\n\n"
                           "%2\nこの画面の値で上書きしますか？\n「いいえ」を選ぶと、これらの欄は"
                           "保存されている値のままにして、ほかの欄だけを保存します。")
                .arg(file, list),
            MessageBox::Icon::Exclamation))
        for (const qsizetype i : conflicts)
            takes[i] = Take::Typed;
    return takes;
}

bool askRecreate(const QString& title, qint32 code, const QString& missingFile) {
    return messages::confirm(
        title,
        QStringLiteral("会社コード%1の会社は、この画面で読み込んだ後に削除されています（ファイル"
                       "「%2」がありません）。\nこの画面の内容で、この会社のファイルを作り直しま"
                       "すか？\n「いいえ」を選ぶと何も保存しません。入力した内容は画面に残ります。")
            .arg(plainDecimal(code), missingFile),
        MessageBox::Icon::Exclamation);
}

} // namespace gaikyo::fieldmerge
