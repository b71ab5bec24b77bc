#pragma once

#include "screen/screennames.h"

namespace gaikyo {

class Application;

namespace screens {
// Makes every screen this program has known to the application.
void registerAll(Application& app);
} // namespace screens

} // namespace gaikyo
