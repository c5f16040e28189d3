#pragma once

#include "listbox.h"

#include "win.h"

#include <functional>
#include <string>
#include <vector>

namespace toolkit::win32 {

// A LISTBOX control, with the rows' texts kept beside it so that reading one
// back is a view rather than a copy out of the control.
class Win32ListBox : public ListBox {
public:
    // keyDown is told every key pressed in the list before the list handles it.
    Win32ListBox(HWND parent, int id, std::function<void(KeyCode, ShiftState)> keyDown);
    ~Win32ListBox() override;

    HWND handle() const { return list; }

    Row ListCount() const override;
    Text List(Row row) const override;
    Row ListIndex() const override;
    void setListIndex(Row row) override;
    bool AddItem(Text text) override;
    void RemoveItem(Row row) override;
    void Clear() override;

    // Changes redraw once, when the program next has no message waiting.
    void redrawAfterChanges();
    void redrawNow();

private:
    static LRESULT CALLBACK keys(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                 DWORD_PTR self);

    HWND list = nullptr;
    std::vector<std::u16string> rows;
    std::function<void(KeyCode, ShiftState)> keyDown;
    bool redrawHeld = false;
};

// Sent to a list's parent: redraw the list again (wParam: the list's handle).
inline constexpr UINT redrawListMessage = WM_APP + 1;

} // namespace toolkit::win32
