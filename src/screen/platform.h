#pragma once

#include <QString>

namespace gaikyo {

// The services of the desktop that the screens use. The window layer gives the real
// ones; tests give one that records.
class Platform {
public:
    virtual ~Platform() = default;
    virtual void beep() = 0;
    // Hands an address (web page or "mailto:") to the desktop's default program.
    virtual void openAddress(const QString& address) = 0;
    // Ends the program at once: every window closes.
    virtual void endProgram() = 0;
};

} // namespace gaikyo
