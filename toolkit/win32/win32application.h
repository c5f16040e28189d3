#pragma once

#include "win.h"

namespace toolkit::win32 {

// Handles one message as the program's event loop does: the dialog keys
// (Tab, Shift+Tab) first, for the window the message is meant for.
void dispatch(MSG& message);

// Posts a message once no message waits: the event loop calls idle before it
// waits for the next one. Returns whether idle posted any.
void postWhenIdle(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
bool idle();

} // namespace toolkit::win32
