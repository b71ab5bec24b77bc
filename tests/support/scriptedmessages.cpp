#include "scriptedmessages.h"

namespace gaikyo::test {

ScriptedMessages::ScriptedMessages(Answers answers) {
    m_previous = messages::install([this, answers](const MessageBox& box) {
        m_shown.append(box);
        if (answers == Answers::PassedOn && m_previous)
            return m_previous(box);
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
