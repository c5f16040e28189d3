#pragma once

#include "win.h"

namespace toolkit::win32 {

// A square outline drawn in the window's text colour; the mouse passes through it.
class Shape {
public:
    static HWND create(HWND parent);

private:
    static LRESULT CALLBACK procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
};

} // namespace toolkit::win32
