#pragma once

#include "screen/progress.h"

namespace gaikyo {

// The progress window: it opens when the work has taken a moment, with a button to stop
// it, and keeps the program's windows drawn meanwhile.
std::unique_ptr<progress::Indicator> startQtProgress(const progress::Request& request);

} // namespace gaikyo
