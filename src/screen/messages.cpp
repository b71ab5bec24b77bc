#include "messages.h"

#include "seam.h"

namespace gaikyo::messages {

Handler install(Handler handler) {
    return seam::install(std::move(handler));
}

MessageBox::Answer show(const MessageBox& box) {
    if (const Handler& handler = seam::installed<Handler>())
        return handler(box);
    // Without a handler nobody can answer: take the safe answer of each kind.
    return box.buttons == MessageBox::Buttons::YesNo ? MessageBox::Answer::No
                                                     : MessageBox::Answer::Ok;
}

void warn(const QString& title, const QString& text) {
    show(MessageBox{title, text, MessageBox::Icon::Exclamation, MessageBox::Buttons::Ok});
}

void inform(const QString& title, const QString& text) {
    show(MessageBox{title, text, MessageBox::Icon::Information, MessageBox::Buttons::Ok});
}

} // namespace gaikyo::messages
