#pragma once

#include "screen/messages.h"

namespace gaikyo {

// Shows a message box of the program as a modal QMessageBox.
MessageBox::Answer showQtMessageBox(const MessageBox& box);

} // namespace gaikyo
