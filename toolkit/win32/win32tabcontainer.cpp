#include "win32tabcontainer.h"

#include "text.h"
#include "win32control.h"

#include <commctrl.h>

namespace toolkit::win32 {

// A click chooses a tab without taking the focus; the Tab key still reaches the
// strip, which then draws the focus itself.
Win32TabContainer::Win32TabContainer(HWND parent, int id, std::span<const Text> captions)
    : TabContainer(Index(captions.size()))
    , tabs(CreateWindowExW(
          0, WC_TABCONTROLW, L"", WS_CHILD | WS_VISIBLE | WS_TABSTOP | TCS_FOCUSNEVER, 0, 0, 0, 0,
          parent, reinterpret_cast<HMENU>(INT_PTR(id)), GetModuleHandleW(nullptr), nullptr))
{
    for (std::size_t tab = 0; tab < captions.size(); ++tab) {
        std::wstring caption = wide(captions[tab]);
        TCITEMW item{};
        item.mask = TCIF_TEXT;
        item.pszText = caption.data();
        SendMessageW(tabs, TCM_INSERTITEMW, tab, reinterpret_cast<LPARAM>(&item));
    }
    SetWindowSubclass(tabs, paint, 0, reinterpret_cast<DWORD_PTR>(this));
}

void Win32TabContainer::selectionChanged()
{
    tabChosen(Index(SendMessageW(tabs, TCM_GETCURSEL, 0, 0)));
}

void Win32TabContainer::chooseTab(Index tab)
{
    SendMessageW(tabs, TCM_SETCURSEL, WPARAM(tab), 0);
}

void Win32TabContainer::drawFocus(HDC dc) const
{
    // Inside the tab in front, where the tab control draws its own focus.
    RECT box{};
    if (GetFocus() != tabs || (SendMessageW(tabs, WM_QUERYUISTATE, 0, 0) & UISF_HIDEFOCUS) ||
        !SendMessageW(tabs, TCM_GETITEMRECT, WPARAM(Tab()), reinterpret_cast<LPARAM>(&box)))
        return;
    InflateRect(&box, -1, -1);
    DrawFocusRect(dc, &box);
}

LRESULT CALLBACK Win32TabContainer::paint(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                          UINT_PTR, DWORD_PTR self)
{
    const auto& container = *reinterpret_cast<Win32TabContainer*>(self);
    switch (message) {
    case WM_SETFOCUS:
    case WM_KILLFOCUS: {
        RECT box{};
        if (SendMessageW(window, TCM_GETITEMRECT, WPARAM(container.Tab()),
                         reinterpret_cast<LPARAM>(&box)))
            InvalidateRect(window, &box, FALSE);
        break;
    }
    case WM_PRINTCLIENT: {
        const LRESULT result = DefSubclassProc(window, message, wParam, lParam);
        container.drawFocus(reinterpret_cast<HDC>(wParam));
        return result;
    }
    case WM_PAINT: {
        if (wParam)
            break;
        PAINTSTRUCT paint;
        HDC dc = BeginPaint(window, &paint);
        DefSubclassProc(window, message, reinterpret_cast<WPARAM>(dc), lParam);
        container.drawFocus(dc);
        EndPaint(window, &paint);
        // The page's controls come after the tab control in tab order, so below it:
        // whatever it paints over them, they paint again.
        for (const Control* control : container.controlsOn(container.Tab()))
            RedrawWindow(static_cast<const Win32Control*>(control)->handle(), nullptr, nullptr,
                         RDW_INVALIDATE | RDW_ERASE | RDW_FRAME);
        return 0;
    }
    }
    return DefSubclassProc(window, message, wParam, lParam);
}

} // namespace toolkit::win32
