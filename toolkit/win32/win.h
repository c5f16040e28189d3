#pragma once

// <windows.h> as the toolkit needs it: without min and max as macros, and
// without its MessageBox macro, which would rename toolkit::MessageBox.
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>
#undef MessageBox
