#pragma once

#include <QList>
#include <QString>
#include <functional>

namespace gaikyo {

// Every message box of the program goes through this one seam: the window layer
// installs a handler that shows a real box, tests install one that answers.
struct MessageBox {
    enum class Icon { None, Exclamation, Information, Critical, Question };
    enum class Buttons { Ok, YesNo, YesNoCancel };
    enum class Answer { Ok, Yes, No, Cancel };

    QString title;
    QString text;
    Icon icon = Icon::Exclamation;
    Buttons buttons = Buttons::Ok;
    // A question whose safe answer is いいえ: Enter and Escape choose it.
    bool noByDefault = false;
    // A question of three answers whose only safe one is キャンセル: Enter chooses it.
    bool cancelByDefault = false;
};

namespace messages {

using Handler = std::function<MessageBox::Answer(const MessageBox&)>;

// Installs a handler and returns the one it replaces.
Handler install(Handler handler);
MessageBox::Answer show(const MessageBox& box);

// The plain warning of a screen: the title names the operation, an OK button.
void warn(const QString& title, const QString& text);
// The same with the information icon: something the user should know, nothing wrong.
void inform(const QString& title, const QString& text);

// A yes/no question whose safe answer is いいえ (Enter and Escape choose it): true only
// for a deliberate はい.
bool confirm(const QString& title, const QString& text,
             MessageBox::Icon icon = MessageBox::Icon::Question);

// A box the user emptied of a saved value: its field and the value saved.
struct EmptiedValue {
    QString field;
    QString saved;
};

// Asked before changes made on a screen and not yet saved would be dropped: Yes saves
// them and goes on, No drops them and goes on, Cancel stays. The title names the screen.
// Boxes emptied of a saved value are listed: はい would save them empty, so the default
// is いいえ (the saved values stay) or, with typed values that いいえ would drop as well,
// キャンセル.
MessageBox::Answer askToSaveTyped(const QString& title, const QList<EmptiedValue>& emptied = {},
                                  bool typedToo = true);
// The question's words.
QString unsavedQuestion();

} // namespace messages
} // namespace gaikyo
