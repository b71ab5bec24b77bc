#pragma once

#include "screen/screen.h"

namespace gaikyo {

// Form7 "使用上の注意": the pledge, with accept, refuse and leave.
class DisclaimerScreen : public Screen {
    Q_OBJECT
public:
    explicit DisclaimerScreen(Application& app);
};

} // namespace gaikyo
