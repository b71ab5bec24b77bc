#pragma once

#include <QString>

namespace gaikyo::bench {

// The child process of the start-up figure: starts the program ("program") to its main
// menu as the program does, then prints on stdout the monotonic time at which the
// window was shown and the peak memory in kilobytes, and ends.
int runStartupChild(int argc, char* argv[], const QString& which);

} // namespace gaikyo::bench
