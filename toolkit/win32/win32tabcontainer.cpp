#include "win32tabcontainer.h"

#include "text.h"

#include <commctrl.h>

#include <algorithm>

namespace toolkit::win32 {

// A click chooses a tab without taking the focus; the Tab key still reaches the
// strip, which then draws the focus itself.
Win32TabContainer::Win32TabContainer(HWND parent, int id, std::span<const Text> captions)
    : tabs(CreateWindowExW(
          0, WC_TABCONTROLW, L"", WS_CHILD | WS_VISIBLE | WS_TABSTOP | TCS_FOCUSNEVER, 0, 0, 0, 0,
          parent, reinterpret_cast<HMENU>(INT_PTR(id)), GetModuleHandleW(nullptr), nullptr))
    , pages(captions.size())
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

void Win32TabContainer::addToPage(Index page, HWND control)
{
    pages.at(std::size_t(page)).push_back(control);
    ShowWindow(control, page == Tab() ? SW_SHOWNA : SW_HIDE);
}

Index Win32TabContainer::Tab() const
{
    return Index(SendMessageW(tabs, TCM_GETCURSEL, 0, 0));
}

void Win32TabContainer::setTab(Index tab)
{
    SendMessageW(tabs, TCM_SETCURSEL, WPARAM(tab), 0);
    bringToFront();
}

void Win32TabContainer::bringToFront()
{
    const auto front = std::size_t(Tab());
    if (front >= pages.size())
        return;
    for (HWND control : pages[front])
        ShowWindow(control, SW_SHOWNA);
    // Focus on a page going to the back moves to the first control of the page
    // in front that the Tab key reaches, before hiding would drop it.
    HWND focused = GetFocus();
    for (std::size_t page = 0; page < pages.size(); ++page) {
        if (page == front || std::ranges::find(pages[page], focused) == pages[page].end())
            continue;
        for (HWND control : pages[front]) {
            if ((GetWindowLongW(control, GWL_STYLE) & WS_TABSTOP) && IsWindowEnabled(control)) {
                SetFocus(control);
                break;
            }
        }
    }
    for (std::size_t page = 0; page < pages.size(); ++page) {
        if (page != front) {
            for (HWND control : pages[page])
                ShowWindow(control, SW_HIDE);
        }
    }
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
        const auto front = std::size_t(container.Tab());
        if (front < container.pages.size()) {
            for (HWND control : container.pages[front])
                RedrawWindow(control, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME);
        }
        return 0;
    }
    }
    return DefSubclassProc(window, message, wParam, lParam);
}

} // namespace toolkit::win32
