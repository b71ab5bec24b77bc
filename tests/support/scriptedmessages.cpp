#include "scriptedmessages.h"

namespace gaikyo::test {

ScriptedMessages::ScriptedMessages() {
    m_previous = messages::install([this](const MessageBox& box) {
        m_shown.append(box);
        if (!m_answers.isEmpty())
            return m_answers.takeFirst();
        return box.buttons == MessageBox::Buttons::YesNo ? MessageBox::Answer::No
                                                         : MessageBox::Answer::Ok;
    });
}

ScriptedMessages::~ScriptedMessages() {
    messages::install(m_previous);
}

} // namespace gaikyo::test
