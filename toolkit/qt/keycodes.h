#pragma once

#include "basics.h"

#include <Qt>

namespace toolkit::qt {

// The key code for a Qt key, or 0 for a key that has none.
KeyCode keyCodeFor(int qtKey);
// The modifier bits for Qt's modifier state.
ShiftState shiftStateFor(Qt::KeyboardModifiers modifiers);

} // namespace toolkit::qt
