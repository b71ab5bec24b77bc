#pragma once

#include "screen/importconfirmation.h"

#include <QDialog>

class QCheckBox;

namespace gaikyo {

// What an import from the books will fill, which accounts go nowhere, and whether
// boxes the user has typed may be replaced; "取り込む" or "やめる".
class ImportConfirmationDialog : public QDialog {
    Q_OBJECT
public:
    explicit ImportConfirmationDialog(const importconfirmation::Request& request,
                                      QWidget* parent = nullptr);

    importconfirmation::Answer answer() const;

private:
    QCheckBox* m_replace = nullptr;
};

// Asks with the dialog, modal over the active window.
importconfirmation::Answer askQtImportConfirmation(const importconfirmation::Request& request);

} // namespace gaikyo
