// The check's helper: starts a program the way its Start-menu shortcut does and
// ends it the way a user does, through its farewell box.
//   drive-shortcut.exe SHORTCUT.lnk WINDOW-CAPTION BOX-TITLE
// Prints the shortcut's target and the program's exit status; exits with that
// status, or with 100 and up when a step fails.
#include <windows.h>
#include <shlobj.h>
#include <cstdio>
#include <string>

namespace {

void say(const char* what, const std::wstring& text) {
    int n = WideCharToMultiByte(CP_UTF8, 0, text.c_str(), -1, nullptr, 0, nullptr, nullptr);
    std::string utf8(n > 0 ? n - 1 : 0, '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.c_str(), -1, utf8.data(), n, nullptr, nullptr);
    std::printf("%s: %s\n", what, utf8.c_str());
    std::fflush(stdout);
}

int fail(int status, const char* why) {
    std::fprintf(stderr, "drive-shortcut: %s\n", why);
    return status;
}

// A top-level window of that class and caption belonging to the process, within 30 s.
HWND wait_for_window(const wchar_t* cls, const wchar_t* caption, DWORD pid, HANDLE process) {
    for (int i = 0; i < 300; ++i) {
        for (HWND h = FindWindowExW(nullptr, nullptr, cls, caption); h; h = FindWindowExW(nullptr, h, cls, caption)) {
            DWORD owner = 0;
            GetWindowThreadProcessId(h, &owner);
            if (owner == pid) return h;
        }
        if (WaitForSingleObject(process, 100) == WAIT_OBJECT_0) return nullptr;
    }
    return nullptr;
}

} // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc != 4) return fail(100, "usage: drive-shortcut SHORTCUT.lnk WINDOW-CAPTION BOX-TITLE");
    if (FAILED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED))) return fail(101, "COM did not start");

    IShellLinkW* link = nullptr;
    IPersistFile* file = nullptr;
    wchar_t target[MAX_PATH]{};
    wchar_t workdir[MAX_PATH]{};
    if (FAILED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW,
                                reinterpret_cast<void**>(&link))) ||
        FAILED(link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file))) ||
        FAILED(file->Load(argv[1], STGM_READ)) ||
        FAILED(link->GetPath(target, MAX_PATH, nullptr, SLGP_RAWPATH)) || !*target)
        return fail(102, "the shortcut cannot be read");
    link->GetWorkingDirectory(workdir, MAX_PATH);
    say("target", target);

    std::wstring command = L"\"" + std::wstring(target) + L"\"";
    STARTUPINFOW si{};
    si.cb = sizeof si;
    PROCESS_INFORMATION pi{};
    if (!CreateProcessW(target, command.data(), nullptr, nullptr, FALSE, 0, nullptr, *workdir ? workdir : nullptr,
                        &si, &pi))
        return fail(103, "the target does not start");

    HWND window = wait_for_window(nullptr, argv[2], pi.dwProcessId, pi.hProcess);
    if (!window) return fail(104, "no window with that caption appeared");
    say("window", argv[2]);
    PostMessageW(window, WM_CLOSE, 0, 0);

    HWND box = wait_for_window(L"#32770", argv[3], pi.dwProcessId, pi.hProcess);
    if (!box) return fail(105, "no farewell box with that title appeared");
    say("box", argv[3]);
    // Still running: it is the box that holds the program open.
    if (WaitForSingleObject(pi.hProcess, 0) != WAIT_TIMEOUT) return fail(106, "the program ended before its box was answered");
    PostMessageW(box, WM_COMMAND, IDOK, 0);

    if (WaitForSingleObject(pi.hProcess, 30000) != WAIT_OBJECT_0) return fail(107, "the program did not end after its box");
    DWORD status = 0;
    GetExitCodeProcess(pi.hProcess, &status);
    std::printf("exit status: %lu\n", status);
    return static_cast<int>(status);
}
