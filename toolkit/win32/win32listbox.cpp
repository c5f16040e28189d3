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

Win32ListBox::Win32ListBox(HWND parent, int id)
    : list(CreateWindowExW(WS_EX_CLIENTEDGE, L"LISTBOX", L"",
                           WS_CHILD | WS_TABSTOP | WS_VSCROLL | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT,
                           0, 0, 0, 0, parent, reinterpret_cast<HMENU>(INT_PTR(id)),
                           GetModuleHandleW(nullptr), nullptr))
{
    SetWindowSubclass(list, keys, 0, reinterpret_cast<DWORD_PTR>(this));
}

Win32ListBox::~Win32ListBox()
{
    if (IsWindow(list))
        RemoveWindowSubclass(list, keys, 0);
}

void Win32ListBox::rowAppended(Text text)
{
    redrawAfterChanges();
    SendMessageW(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(wide(text).c_str()));
}

void Win32ListBox::rowRemoved(Row row)
{
    redrawAfterChanges();
    SendMessageW(list, LB_DELETESTRING, WPARAM(row), 0);
}

void Win32ListBox::rowsCleared()
{
    redrawAfterChanges();
    SendMessageW(list, LB_RESETCONTENT, 0, 0);
}

Row Win32ListBox::selectedRow() const
{
    return Row(SendMessageW(list, LB_GETCURSEL, 0, 0));
}

void Win32ListBox::selectRow(Row row)
{
    SendMessageW(list, LB_SETCURSEL, WPARAM(row), 0);
}

void Win32ListBox::selectedByKey(Row row)
{
    // Windows' list tells screen readers of the selections its own keys make,
    // not always of one made by message.
    NotifyWinEvent(EVENT_OBJECT_SELECTION, list, OBJID_CLIENT, row + 1);
    if (GetFocus() == list)
        NotifyWinEvent(EVENT_OBJECT_FOCUS, list, OBJID_CLIENT, row + 1);
}

Row Win32ListBox::keyboardRow() const
{
    return Row(SendMessageW(list, LB_GETCARETINDEX, 0, 0));
}

void Win32ListBox::redrawAfterChanges()
{
    // A visible list redrawn after every row takes minutes to fill.
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
    if ((message == WM_KEYDOWN || message == WM_SYSKEYDOWN) &&
        box.keyPressed(KeyCode(wParam), shiftState()))
        return 0;
    return DefSubclassProc(window, message, wParam, lParam);
}

} // namespace toolkit::win32
