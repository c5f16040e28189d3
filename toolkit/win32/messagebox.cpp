#include "win.h"

#include "messagebox.h"
#include "text.h"
#include "win32form.h"

namespace toolkit::MessageBox {

// The style numbers and answers are the system's own MB_ and ID values.
int MsgBox(const Form* owner, Text prompt, int style, Text title)
{
    HWND parent = owner ? dynamic_cast<const win32::Win32Form&>(*owner).handle() : nullptr;
    return MessageBoxW(parent, win32::wide(prompt).c_str(), win32::wide(title).c_str(),
                       UINT(style));
}

} // namespace toolkit::MessageBox
