#pragma once

#include "screen/checklist.h"

#include <QDialog>

namespace gaikyo {

// The list of points to look at, with the buttons to go on and to go back ("戻る",
// also Esc and the close box). Going back is the default button: a hasty Enter must
// not print a form that says something wrong.
class ChecklistDialog : public QDialog {
public:
    explicit ChecklistDialog(const checklist::Request& request, QWidget* parent = nullptr);
};

// The checklist seam's handler: shows the dialog modally.
bool confirmWithQtChecklist(const checklist::Request& request);

} // namespace gaikyo
