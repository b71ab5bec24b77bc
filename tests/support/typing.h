#pragma once

#include <QCoreApplication>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QTest>

namespace gaikyo::test {

// Types into a box as a user does: keys for plain ASCII, an input method's commit for
// Japanese (QTest::keyClicks cannot send characters outside Latin-1).
inline void typeInto(QLineEdit* edit, const QString& text) {
    bool ascii = true;
    for (const QChar c : text)
        ascii = ascii && c.unicode() < 0x80;
    if (ascii) {
        QTest::keyClicks(edit, text);
        return;
    }
    QInputMethodEvent commit;
    commit.setCommitString(text);
    QCoreApplication::sendEvent(edit, &commit);
}

} // namespace gaikyo::test
