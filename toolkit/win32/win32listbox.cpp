#include "win32listbox.h"

#include "text.h"
#include "win32application.h"

#include <commctrl.h>

namespace toolkit::win32 {

namespace {

ShiftState shiftState()
{
    return ShiftState((GetKeyState(VK_SHIFT) < 0 ? shiftMask : 0) |
                      (GetKeyState(VK_CONTROL) < 0 ? ctrlMask : 0) |
                      (GetKeyState(VK_MENU) < 0 ? altMask : 0));
}

} // namespace

Win32ListBox::Win32ListBox(HWND parent, int id, std::function<void(KeyCode, ShiftState)> keyDown)
    : list(CreateWindowExW(WS_EX_CLIENTEDGE, L"LISTBOX", L"",
                           WS_CHILD | WS_TABSTOP | WS_VSCROLL | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT,
                           0, 0, 0, 0, parent, reinterpret_cast<HMENU>(INT_PTR(id)),
                           GetModuleHandleW(nullptr), nullptr))
    , keyDown(std::move(keyDown))
{
    SetWindowSubclass(list, keys, 0, reinterpret_cast<DWORD_PTR>(this));
}

Win32ListBox::~Win32ListBox()
{
    if (IsWindow(list))
        RemoveWindowSubclass(list, keys, 0);
}

Row Win32ListBox::ListCount() const
{
    return Row(rows.size());
}

Text Win32ListBox::List(Row row) const
{
    if (row < 0 || std::size_t(row) >= rows.size())
        return {};
    return rows[std::size_t(row)];
}

Row Win32ListBox::ListIndex() const
{
    return Row(SendMessageW(list, LB_GETCURSEL, 0, 0));
}

void Win32ListBox::setListIndex(Row row)
{
    SendMessageW(list, LB_SETCURSEL, WPARAM(row), 0);
}

bool Win32ListBox::AddItem(Text text)
{
    // The control itself would take more rows than a list may hold.
    if (rows.size() >= std::size_t(MaxCount))
        return false;
    redrawAfterChanges();
    rows.emplace_back(text);
    SendMessageW(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(wide(text).c_str()));
    return true;
}

void Win32ListBox::RemoveItem(Row row)
{
    if (row < 0 || row >= ListCount())
        return;
    const bool wasSelected = row == ListIndex();
    redrawAfterChanges();
    rows.erase(rows.begin() + row);
    SendMessageW(list, LB_DELETESTRING, WPARAM(row), 0);
    if (wasSelected)
        setListIndex(noRow);
}

void Win32ListBox::Clear()
{
    redrawAfterChanges();
    rows.clear();
    SendMessageW(list, LB_RESETCONTENT, 0, 0);
}

void Win32ListBox::redrawAfterChanges()
{
    // Drawn once the program has handled everything queued: a visible list
    // redrawn after every row takes minutes to fill, and under Wine every change
    // drawn at once updates the scroll bar, the largest part of an Add or a
    // Delete there, so Adds typed faster than they were handled fell ever behind.
    if (redrawHeld || !IsWindowVisible(list))
        return;
    redrawHeld = true;
    SendMessageW(list, WM_SETREDRAW, FALSE, 0);
    postWhenIdle(GetParent(list), redrawListMessage, reinterpret_cast<WPARAM>(list), 0);
}

void Win32ListBox::redrawNow()
{
    if (!redrawHeld)
        return;
    redrawHeld = false;
    SendMessageW(list, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(list, nullptr, TRUE);
}

LRESULT CALLBACK Win32ListBox::keys(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                    UINT_PTR, DWORD_PTR self)
{
    auto& box = *reinterpret_cast<Win32ListBox*>(self);
    if (message == WM_GETDLGCODE) {
        // Return and Escape are keys of the list too, not the window's OK and Cancel.
        LRESULT code = DefSubclassProc(window, message, wParam, lParam);
        const auto* key = reinterpret_cast<const MSG*>(lParam);
        if (key && key->message == WM_KEYDOWN &&
            (key->wParam == VK_RETURN || key->wParam == VK_ESCAPE))
            code |= DLGC_WANTMESSAGE;
        return code;
    }
    if (message == WM_KEYDOWN || message == WM_SYSKEYDOWN) {
        if (box.keyDown)
            box.keyDown(KeyCode(wParam), shiftState());
        // With nothing selected, the first move selects the row the keyboard
        // frame is on (the first row when it is on none) instead of moving past it.
        const bool firstMove = wParam == VK_DOWN || wParam == VK_UP || wParam == VK_HOME;
        if (message == WM_KEYDOWN && firstMove && box.ListCount() > 0 && box.ListIndex() == noRow) {
            Row caret = Row(SendMessageW(window, LB_GETCARETINDEX, 0, 0));
            if (caret < 0 || caret >= box.ListCount())
                caret = 0;
            box.setListIndex(caret);
            return 0;
        }
    }
    return DefSubclassProc(window, message, wParam, lParam);
}

} // namespace toolkit::win32
