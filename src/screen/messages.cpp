#include "messages.h"

#include "fieldmerge.h"
#include "seam.h"

namespace gaikyo::messages {

Handler install(Handler handler) {
    return seam::install(std::move(handler));
}

MessageBox::Answer show(const MessageBox& box) {
    if (const Handler& handler = seam::installed<Handler>())
        return handler(box);
    // Without a handler nobody can answer: take the safe answer of each kind. Typed
    // values are then neither written nor dropped.
    switch (box.buttons) {
    case MessageBox::Buttons::YesNo:
        return MessageBox::Answer::No;
    case MessageBox::Buttons::YesNoCancel:
        return MessageBox::Answer::Cancel;
    case MessageBox::Buttons::Ok:
        break;
    }
    return MessageBox::Answer::Ok;
}

void warn(const QString& title, const QString& text) {
    show(MessageBox{title, text, MessageBox::Icon::Exclamation, MessageBox::Buttons::Ok});
}

void inform(const QString& title, const QString& text) {
    show(MessageBox{title, text, MessageBox::Icon::Information, MessageBox::Buttons::Ok});
}

bool confirm(const QString& title, const QString& text, MessageBox::Icon icon) {
    MessageBox question{title, text, icon, MessageBox::Buttons::YesNo};
    question.noByDefault = true;
    return show(question) == MessageBox::Answer::Yes;
}

QString unsavedQuestion() {
    return QStringLiteral("入力した内容が保存されていません。保存しますか？");
}

MessageBox::Answer askToSaveTyped(const QString& title, const QList<EmptiedValue>& emptied,
                                  bool typedToo) {
    MessageBox question{title, unsavedQuestion(), MessageBox::Icon::Question,
                        MessageBox::Buttons::YesNoCancel};
    if (!emptied.isEmpty()) {
        constexpr qsizetype listed = 8; // the rest are counted
        QString list;
        for (qsizetype i = 0; i < emptied.size() && i < listed; ++i)
            list += QStringLiteral("・%1（保存されている値：%2）\n")
                        .arg(emptied.at(i).field, fieldmerge::quoted(emptied.at(i).saved));
        if (emptied.size() > listed)
            list += QStringLiteral("ほか%1欄\n").arg(emptied.size() - listed);
        question.text += QStringLiteral("\n\n次の欄は、保存されている値が消されています。\n%1"
                                        "「はい」を選ぶと空欄で保存します。")
                             .arg(list);
        if (typedToo) {
            question.text +=
                QStringLiteral("\n「いいえ」を選ぶと何も保存せず、入力した内容は失われます。");
            question.cancelByDefault = true;
        } else {
            question.text +=
                QStringLiteral("\n「いいえ」を選ぶと、保存されている値のまま残します。");
            question.noByDefault = true;
        }
    }
    return show(question);
}

} // namespace gaikyo::messages
