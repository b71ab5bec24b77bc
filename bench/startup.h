#pragma once

#include <QString>

namespace gaikyo::bench {

// The child process of the start-up figure: starts either the program to its main menu
// or a bare Qt window, in the same way, then prints on stdout the monotonic time at
// which the window was shown and the peak memory in kilobytes, and ends.
int runStartupChild(int argc, char* argv[], const QString& which);

} // namespace gaikyo::bench
