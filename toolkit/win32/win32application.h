#pragma once

#include "win.h"

namespace toolkit::win32 {

// Handles one message as the program's event loop does: the dialog keys
// (Tab, Shift+Tab) first, for the window the message is meant for.
void dispatch(MSG& message);

// How many messages dispatch has handled: what one user action changes is done
// within one of them.
unsigned long dispatched();

} // namespace toolkit::win32
