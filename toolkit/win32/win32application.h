#pragma once

#include "win.h"

namespace toolkit::win32 {

// Handles one message as the program's event loop does: the dialog keys
// (Tab, Shift+Tab) first, for the window the message is meant for.
void dispatch(MSG& message);

} // namespace toolkit::win32
