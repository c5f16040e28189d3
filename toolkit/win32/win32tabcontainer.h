#pragma once

#include "basics.h"
#include "tabcontainer.h"
#include "win.h"

#include <span>
#include <vector>

namespace toolkit::win32 {

// A tab control whose pages' controls are its siblings, shown one page at a time.
class Win32TabContainer : public TabContainer {
public:
    Win32TabContainer(HWND parent, int id, std::span<const Text> tabs);

    HWND handle() const { return tabs; }
    // Puts a control on a page; controls go in tab order.
    void addToPage(Index page, HWND control);
    // Shows the page of the tab now chosen, as the tab control reports it.
    void bringToFront();

    Index Tab() const override;
    void setTab(Index tab) override;

private:
    // The focus mark, where the tab control would draw it without TCS_FOCUSNEVER.
    void drawFocus(HDC dc) const;
    static LRESULT CALLBACK paint(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                  DWORD_PTR self);

    HWND tabs = nullptr;
    std::vector<std::vector<HWND>> pages;
};

} // namespace toolkit::win32
