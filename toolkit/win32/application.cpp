#include "application.h"

#include "win32application.h"
#include "win32form.h"

#include <commctrl.h>
#include <objbase.h>

#include <string>
#include <utility>
#include <vector>

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

struct Application::Native {
    bool com = false;
};

Application::Application(const char*, const Identity& identity)
    : native(std::make_unique<Native>())
{
    announceRunning(identity);
    // Screen readers reach the controls' accessible objects through COM.
    native->com = SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED));
    // The name, version and icon come from the program file's resources.
    INITCOMMONCONTROLSEX controls{};
    controls.dwSize = sizeof controls;
    controls.dwICC = ICC_STANDARD_CLASSES | ICC_TAB_CLASSES;
    InitCommonControlsEx(&controls);
    // The manifest asks for this already; where it did, this call fails harmlessly.
    SetProcessDpiAwarenessContext(DPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE_V2);
}

Application::~Application()
{
    if (native->com)
        CoUninitialize();
}

int Application::exec()
{
    MSG message;
    for (;;) {
        if (!PeekMessageW(&message, nullptr, 0, 0, PM_NOREMOVE))
            win32::idle();
        if (GetMessageW(&message, nullptr, 0, 0) <= 0)
            break;
        win32::dispatch(message);
    }
    return int(message.wParam);
}

namespace win32 {

namespace {
std::vector<MSG> whenIdle;
} // namespace

void postWhenIdle(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    whenIdle.push_back({window, message, wParam, lParam});
}

bool idle()
{
    const std::vector<MSG> due = std::exchange(whenIdle, {});
    for (const MSG& message : due)
        PostMessageW(message.hwnd, message.message, message.wParam, message.lParam);
    return !due.empty();
}

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
