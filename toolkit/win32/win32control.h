#pragma once

#include "control.h"
#include "win.h"

namespace toolkit::win32 {

// Any control as its window.
class Win32Control : public Control {
public:
    explicit Win32Control(HWND window)
        : window(window)
    {
    }

    HWND handle() const { return window; }

    void setShown(bool shown) override { ShowWindow(window, shown ? SW_SHOWNA : SW_HIDE); }
    bool canFocus() const override
    {
        const auto style = GetWindowLongW(window, GWL_STYLE);
        return (style & WS_TABSTOP) && (style & WS_VISIBLE) && !(style & WS_DISABLED);
    }
    bool hasFocus() const override { return GetFocus() == window; }
    void takeFocus(bool) override { SetFocus(window); }

private:
    HWND window;
};

} // namespace toolkit::win32
