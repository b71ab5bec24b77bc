#pragma once

#include "screen/platform.h"

#include <QStringList>

namespace gaikyo::test {

// Keeps what the screens asked of the desktop.
class RecordingPlatform : public Platform {
public:
    void beep() override { ++beeps; }
    void openAddress(const QString& address) override { opened.append(address); }
    void endProgram() override { ++ends; }

    int beeps = 0;
    int ends = 0;
    QStringList opened;
};

} // namespace gaikyo::test
