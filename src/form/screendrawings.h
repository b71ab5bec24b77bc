#pragma once

#include "drawing.h"

#include <QString>

namespace gaikyo::formpictures {

// The picture behind an entry screen, in the screen's pixels (96 dpi). An empty drawing
// for a screen without one.
Drawing screenDrawing(const QString& screenName);

} // namespace gaikyo::formpictures
