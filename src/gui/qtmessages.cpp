#include "qtmessages.h"

#include <QApplication>
#include <QMessageBox>

namespace gaikyo {

MessageBox::Answer showQtMessageBox(const MessageBox& box) {
    QMessageBox dialog(QApplication::activeWindow());
    dialog.setWindowTitle(box.title);
    dialog.setText(box.text);
    switch (box.icon) {
    case MessageBox::Icon::None:
        dialog.setIcon(QMessageBox::NoIcon);
        break;
    case MessageBox::Icon::Exclamation:
        dialog.setIcon(QMessageBox::Warning);
        break;
    case MessageBox::Icon::Information:
        dialog.setIcon(QMessageBox::Information);
        break;
    case MessageBox::Icon::Critical:
        dialog.setIcon(QMessageBox::Critical);
        break;
    }
    if (box.buttons == MessageBox::Buttons::YesNo) {
        dialog.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        return dialog.exec() == QMessageBox::Yes ? MessageBox::Answer::Yes : MessageBox::Answer::No;
    }
    dialog.setStandardButtons(QMessageBox::Ok);
    dialog.exec();
    return MessageBox::Answer::Ok;
}

} // namespace gaikyo
