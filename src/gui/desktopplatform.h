#pragma once

#include "screen/platform.h"

namespace gaikyo {

// The desktop's own services: the system beep, the default browser or mail program,
// and the end of the event loop.
class DesktopPlatform : public Platform {
public:
    void beep() override;
    void openAddress(const QString& address) override;
    void endProgram() override;
};

} // namespace gaikyo
