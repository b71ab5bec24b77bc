#pragma once

#include "screen/messages.h"

#include <QList>

namespace gaikyo::test {

// Answers the program's message boxes while it lives: each box is kept, and answered
// with the next queued answer (OK, or No for a question, once the queue is empty).
// No to the question about unsaved typing drops it and goes on. Passed on, the boxes are
// only kept, and answered by the handler installed before (a window test's real boxes).
class ScriptedMessages {
public:
    enum class Answers { Scripted, PassedOn };
    explicit ScriptedMessages(Answers answers = Answers::Scripted);
    ~ScriptedMessages();

    void answerNext(MessageBox::Answer answer) { m_answers.append(answer); }
    const QList<MessageBox>& shown() const { return m_shown; }
    void clear() { m_shown.clear(); }

    ScriptedMessages(const ScriptedMessages&) = delete;
    ScriptedMessages& operator=(const ScriptedMessages&) = delete;

private:
    QList<MessageBox::Answer> m_answers;
    QList<MessageBox> m_shown;
    messages::Handler m_previous;
};

} // namespace gaikyo::test
