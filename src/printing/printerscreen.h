#pragma once

#include "screen/screen.h"

namespace gaikyo {

// Form10 "プリンタの変更": makes one of the installed printers the user's default
// printer, which every print of the program uses.
class PrinterScreen : public Screen {
    Q_OBJECT
public:
    explicit PrinterScreen(Application& app);
    void load() override;

private:
    void setDefault();
    void backToMainMenu();
};

} // namespace gaikyo
