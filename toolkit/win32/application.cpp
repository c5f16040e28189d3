#include "application.h"

#include "win32application.h"
#include "win32form.h"

#include <commctrl.h>

#include <string>

namespace toolkit {

namespace {

// The installer and the uninstaller look for this name to tell that the program
// is running. It is never closed: the program file stays in use until the
// process ends, not just until its window does. Global, so that a copy another
// user runs on the same computer counts too.
void announceRunning(const Identity& identity)
{
    if (identity.desktopId.empty())
        return;
    std::wstring name = L"Global\\";
    name.append(identity.desktopId.begin(), identity.desktopId.end());
    CreateMutexW(nullptr, FALSE, name.c_str());
}

} // namespace

struct Application::Native {};

Application::Application(const char*, const Identity& identity)
    : native(std::make_unique<Native>())
{
    announceRunning(identity);
    // The name, version and icon come from the program file's resources.
    INITCOMMONCONTROLSEX controls{};
    controls.dwSize = sizeof controls;
    controls.dwICC = ICC_STANDARD_CLASSES | ICC_TAB_CLASSES;
    InitCommonControlsEx(&controls);
    // The manifest asks for this already; where it did, this call fails harmlessly.
    SetProcessDpiAwarenessContext(DPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE_V2);
}

Application::~Application() = default;

int Application::exec()
{
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0)
        win32::dispatch(message);
    return int(message.wParam);
}

namespace win32 {

void dispatch(MSG& message)
{
    HWND root = message.hwnd ? GetAncestor(message.hwnd, GA_ROOT) : nullptr;
    if (root && Win32Form::isForm(root) && IsDialogMessageW(root, &message))
        return;
    TranslateMessage(&message);
    DispatchMessageW(&message);
}

} // namespace win32

} // namespace toolkit
