#pragma once

#include "design.h"
#include "win.h"

namespace toolkit::win32 {

// What screen readers are told of a control beyond what Windows' own
// accessible object for it knows: the design's name and description, texts
// the program sets at run time, and the role of its kind where that object
// gives none (Wine's gives every control the role of a bare client area).
// Windows' own object answers everything else, the rows of a list included.
namespace accessible {

// From now on the control answers accessibility requests itself; an empty
// text leaves that property to Windows.
void attach(HWND control, Kind kind, Text name, Text description);

// Changes the name and tells screen readers it changed.
void setName(HWND control, Text name);

// A window of no size that screen readers know as an alert: each text given
// it they read out at once, wherever the focus is.
HWND createAlert(HWND parent);
void alert(HWND window, Text text);

} // namespace accessible

} // namespace toolkit::win32
