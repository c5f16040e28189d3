#pragma once

#include "basics.h"
#include "tabcontainer.h"
#include "win.h"

#include <span>

namespace toolkit::win32 {

// A tab control whose pages' controls are its siblings.
class Win32TabContainer : public TabContainer {
public:
    Win32TabContainer(HWND parent, int id, std::span<const Text> tabs);

    HWND handle() const { return tabs; }
    // The tab control reported a tab chosen on it.
    void selectionChanged();

protected:
    void chooseTab(Index tab) override;

private:
    // The focus mark, where the tab control would draw it without TCS_FOCUSNEVER.
    void drawFocus(HDC dc) const;
    static LRESULT CALLBACK paint(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                  DWORD_PTR self);

    HWND tabs = nullptr;
};

} // namespace toolkit::win32
