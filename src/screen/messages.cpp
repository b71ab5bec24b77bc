#include "messages.h"

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

QString unsavedQuestion() {
    return QStringLiteral("入力した内容が保存されていません。保存しますか？");
}

MessageBox::Answer askToSaveTyped(const QString& title) {
    return show(MessageBox{title, unsavedQuestion(), MessageBox::Icon::Question,
                           MessageBox::Buttons::YesNoCancel});
}

} // namespace gaikyo::messages
