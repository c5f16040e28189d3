#include "accessibletext.h"

#include "text.h"

namespace toolkit::win32 {

namespace {
// The annotation service, made once for the program's one thread of windows,
// or nullptr where the system has none.
IAccPropServices* services()
{
    static IAccPropServices* const made = [] {
        IAccPropServices* service = nullptr;
        if (FAILED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)))
            return service;
        if (FAILED(CoCreateInstance(CLSID_AccPropServices, nullptr, CLSCTX_INPROC_SERVER,
                                    IID_IAccPropServices, reinterpret_cast<void**>(&service))))
            service = nullptr;
        return service;
    }();
    return made;
}
} // namespace

void setAccessibleText(HWND control, const MSAAPROPID& property, Text text, DWORD event)
{
    IAccPropServices* annotation = services();
    if (!annotation)
        return;
    annotation->SetHwndPropStr(control, DWORD(OBJID_CLIENT), CHILDID_SELF, property,
                               wide(text).c_str());
    NotifyWinEvent(event, control, OBJID_CLIENT, CHILDID_SELF);
}

} // namespace toolkit::win32
