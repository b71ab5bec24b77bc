#pragma once

#include "recordscreen.h"

namespace gaikyo {

// Form4 "事業形態": items 11 事業形態 and 12 主な設備等の状況 of the back page, 27 texts
// in file 40, stored as typed (percentages included).
class BusinessFormScreen : public RecordScreen {
    Q_OBJECT
public:
    explicit BusinessFormScreen(Application& app);
};

} // namespace gaikyo
