#pragma once

#include "screen/filechooser.h"
#include "screen/messages.h"

namespace gaikyo {

// Shows a message box of the program as a modal QMessageBox.
MessageBox::Answer showQtMessageBox(const MessageBox& box);

// Asks for a file to save with the standard dialog.
std::optional<QString> askQtSavePath(const filechooser::SaveRequest& request);

// Asks for a file to open with the standard dialog.
std::optional<QString> askQtOpenPath(const filechooser::OpenRequest& request);

} // namespace gaikyo
