#include "qtmessages.h"

#include <QApplication>
#include <QFileDialog>
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
    case MessageBox::Icon::Question:
        dialog.setIcon(QMessageBox::Question);
        break;
    }
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

namespace {

// The file dialogs answer an empty path when the user cancels.
std::optional<QString> chosen(const QString& path) {
    return path.isEmpty() ? std::nullopt : std::optional<QString>(path);
}

} // namespace

std::optional<QString> askQtSavePath(const filechooser::SaveRequest& request) {
    return chosen(QFileDialog::getSaveFileName(QApplication::activeWindow(), request.title,
                                               request.suggestedPath, request.filter));
}

std::optional<QString> askQtOpenPath(const filechooser::OpenRequest& request) {
    return chosen(QFileDialog::getOpenFileName(QApplication::activeWindow(), request.title,
                                               request.folder, request.filter));
}

} // namespace gaikyo
