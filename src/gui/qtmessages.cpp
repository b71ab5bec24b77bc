#include "qtmessages.h"

#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>

namespace gaikyo {

namespace {

// The icon of the message box: Exclamation is Qt's Warning.
QMessageBox::Icon qtIcon(MessageBox::Icon icon) {
    switch (icon) {
    case MessageBox::Icon::None:
        return QMessageBox::NoIcon;
    case MessageBox::Icon::Exclamation:
        return QMessageBox::Warning;
    case MessageBox::Icon::Information:
        return QMessageBox::Information;
    case MessageBox::Icon::Critical:
        return QMessageBox::Critical;
    case MessageBox::Icon::Question:
        return QMessageBox::Question;
    }
    return QMessageBox::NoIcon;
}

// The file dialogs answer an empty path when the user cancels.
std::optional<QString> chosen(const QString& path) {
    return path.isEmpty() ? std::nullopt : std::optional<QString>(path);
}

} // namespace

MessageBox::Answer showQtMessageBox(const MessageBox& box) {
    QMessageBox dialog(QApplication::activeWindow());
    dialog.setWindowTitle(box.title);
    dialog.setText(box.text);
    dialog.setIcon(qtIcon(box.icon));
    if (box.buttons == MessageBox::Buttons::YesNoCancel) {
        dialog.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        // Enter saves, unless saving would empty a saved value; Escape and the close box
        // stay: neither drops anything.
        dialog.setDefaultButton(box.cancelByDefault ? QMessageBox::Cancel
                                : box.noByDefault   ? QMessageBox::No
                                                    : QMessageBox::Yes);
        dialog.setEscapeButton(QMessageBox::Cancel);
        switch (dialog.exec()) {
        case QMessageBox::Yes:
            return MessageBox::Answer::Yes;
        case QMessageBox::No:
            return MessageBox::Answer::No;
        default:
            return MessageBox::Answer::Cancel;
        }
    }
    if (box.buttons == MessageBox::Buttons::YesNo) {
        dialog.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        if (box.noByDefault) {
            dialog.setDefaultButton(QMessageBox::No);
            dialog.setEscapeButton(QMessageBox::No);
        }
        return dialog.exec() == QMessageBox::Yes ? MessageBox::Answer::Yes : MessageBox::Answer::No;
    }
    dialog.setStandardButtons(QMessageBox::Ok);
    dialog.exec();
    return MessageBox::Answer::Ok;
}

std::optional<QString> askQtSavePath(const filechooser::SaveRequest& request) {
    return chosen(QFileDialog::getSaveFileName(QApplication::activeWindow(), request.title,
                                               request.suggestedPath, request.filter));
}

std::optional<QString> askQtOpenPath(const filechooser::OpenRequest& request) {
    return chosen(QFileDialog::getOpenFileName(QApplication::activeWindow(), request.title,
                                               request.folder, request.filter));
}

} // namespace gaikyo
