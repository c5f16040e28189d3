#pragma once

#include "listbox.h"

#include "win.h"

namespace toolkit::win32 {

// A LISTBOX control mirroring the list's rows.
class Win32ListBox : public ListBox {
public:
    Win32ListBox(HWND parent, int id);
    ~Win32ListBox() override;

    HWND handle() const { return list; }

    // Changes redraw once, when the program next has no message waiting.
    void redrawNow();

protected:
    void rowAppended(Text text) override;
    void rowRemoved(Row row) override;
    void rowsCleared() override;
    Row selectedRow() const override;
    void selectRow(Row row) override;
    Row keyboardRow() const override;
    void selectedByKey(Row row) override;

private:
    static LRESULT CALLBACK keys(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                 DWORD_PTR self);
    void redrawAfterChanges();

    HWND list = nullptr;
    bool redrawHeld = false;
};

// Sent to a list's parent: redraw the list again (wParam: the list's handle).
inline constexpr UINT redrawListMessage = WM_APP + 1;

} // namespace toolkit::win32
