#pragma once

#include "recordscreen.h"

namespace gaikyo {

// Form5 "税理士等": items 13 決済日等, 14 帳簿類, 15 税理士 and 16 加入組合等 of the back
// page, 43 texts in file 50, stored as typed.
class TaxAccountantScreen : public RecordScreen {
    Q_OBJECT
public:
    explicit TaxAccountantScreen(Application& app);
};

} // namespace gaikyo
