#pragma once

#include "screen/checklist.h"

#include <QList>

namespace gaikyo::test {

// Answers the program's checklists while it lives: each one is kept, and answered with
// the next queued answer (go on, once the queue is empty).
class ScriptedChecklist {
public:
    ScriptedChecklist() {
        m_previous = checklist::install([this](const checklist::Request& request) {
            m_shown.append(request);
            return m_answers.isEmpty() ? true : m_answers.takeFirst();
        });
    }
    ~ScriptedChecklist() { checklist::install(m_previous); }
    ScriptedChecklist(const ScriptedChecklist&) = delete;
    ScriptedChecklist& operator=(const ScriptedChecklist&) = delete;

    void answerNext(bool proceed) { m_answers.append(proceed); }
    const QList<checklist::Request>& shown() const { return m_shown; }

private:
    QList<bool> m_answers;
    QList<checklist::Request> m_shown;
    checklist::Handler m_previous;
};

} // namespace gaikyo::test
