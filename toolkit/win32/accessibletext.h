#pragma once

#include "basics.h"
#include "win.h"

#include <oleacc.h>

namespace toolkit::win32 {

// Overrides what MSAA and UI Automation clients read for a control's own
// object (PROPID_ACC_NAME, PROPID_ACC_DESCRIPTION), then raises event
// (EVENT_OBJECT_NAMECHANGE, EVENT_OBJECT_DESCRIPTIONCHANGE) so that a screen
// reader reads it again.
void setAccessibleText(HWND control, const MSAAPROPID& property, Text text, DWORD event);

} // namespace toolkit::win32
