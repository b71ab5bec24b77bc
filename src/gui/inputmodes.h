#pragma once

#include "screen/control.h"

class QLineEdit;

namespace gaikyo::inputmodes {

// Tells the input method what a box is for: Latin only where the input method is to
// stay off (no composition starts), the input method on for hiragana and full-width
// katakana boxes. On Windows the input method's conversion mode is also set each time
// the box gets the focus.
void apply(QLineEdit* edit, InputMode mode);

} // namespace gaikyo::inputmodes
