#include "scriptedmessages.h"

namespace gaikyo::test {

ScriptedMessages::ScriptedMessages() {
    m_previous = messages::install([this](const MessageBox& box) {
        m_shown.append(box);
        if (!m_answers.isEmpty())
            return m_answers.takeFirst();
        // A question with No: the program goes on as if it had not asked.
        return box.buttons == MessageBox::Buttons::Ok ? MessageBox::Answer::Ok
                                                      : MessageBox::Answer::No;
    });
}

ScriptedMessages::~ScriptedMessages() {
    messages::install(m_previous);
}

} // namespace gaikyo::test
