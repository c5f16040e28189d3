// The check's hands on a setup program or an uninstaller: runs it, presses the
// buttons a user would, and reports what each window said and how every process
// of the run ended (the uninstaller goes on in a copy of itself).
//   drive-setup.exe STEP...
// Steps, in order:
//   run:COMMAND-LINE starts the run; once every step is done, waits for it to end
//   click:TEXT       waits for an enabled button captioned TEXT (without its &)
//                    in a window of the run, prints that window's texts, clicks it
//   see:TEXT         the same without the click
//   start:EXE|TITLE  starts EXE, not as part of the run, and waits for its window TITLE
//   close:TITLE|BOX  closes the window TITLE as a user does, answering its box BOX
//   lock:PATH        opens PATH sharing nothing, until unlock:PATH or the end
//   unlock:PATH
// Prints "said: ..." per click, "left open: ..." for windows still there when
// the run should have ended, and "exit: N" per process of the run, first the
// command's own; exits with the last one's status, or 100 and up on a failed step.
#include <cstdio>
#include <map>
#include <string>
#include <vector>
#include <windows.h>

namespace {

constexpr DWORD stepTimeout = 60000;

std::string utf8(const std::wstring& text)
{
    int n = WideCharToMultiByte(CP_UTF8, 0, text.c_str(), -1, nullptr, 0, nullptr, nullptr);
    std::string out(n > 0 ? n - 1 : 0, '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.c_str(), -1, out.data(), n, nullptr, nullptr);
    return out;
}

void say(const char* what, const std::wstring& text)
{
    std::printf("%s: %s\n", what, utf8(text).c_str());
    std::fflush(stdout);
}

int fail(int status, const std::wstring& why)
{
    std::fprintf(stderr, "drive-setup: %s\n", utf8(why).c_str());
    return status;
}

// WM_GETTEXT, since GetWindowText reads no control of another process.
std::wstring textOf(HWND window)
{
    wchar_t buffer[4096]{};
    DWORD_PTR got = 0;
    SendMessageTimeoutW(window, WM_GETTEXT, std::size(buffer), reinterpret_cast<LPARAM>(buffer),
                        SMTO_ABORTIFHUNG, 5000, &got);
    std::wstring text = buffer;
    for (wchar_t& c : text)
        if (c == L'\r' || c == L'\n' || c == L'\t')
            c = L' ';
    // The licence is long; its start tells which page it was.
    if (text.size() > 400)
        text = text.substr(0, 400) + L"...";
    return text;
}

std::wstring buttonCaption(HWND button)
{
    std::wstring text;
    for (wchar_t c : textOf(button))
        if (c != L'&')
            text += c;
    return text;
}

bool isButton(HWND window)
{
    wchar_t cls[32]{};
    GetClassNameW(window, cls, std::size(cls));
    return lstrcmpiW(cls, L"Button") == 0;
}

// The window's caption and the texts of its visible controls, in order.
std::wstring textsOf(HWND window)
{
    std::wstring all = textOf(window);
    EnumChildWindows(
        window,
        [](HWND child, LPARAM out) -> BOOL {
            if (IsWindowVisible(child)) {
                std::wstring text = textOf(child);
                if (!text.empty())
                    *reinterpret_cast<std::wstring*>(out) += L" | " + text;
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&all));
    return all;
}

std::wstring imageOf(HANDLE process)
{
    wchar_t image[MAX_PATH]{};
    DWORD size = MAX_PATH;
    QueryFullProcessImageNameW(process, 0, image, &size);
    return image;
}

// The processes of the run: the command and whatever it starts, except Wine's
// and Windows' own (the desktop's explorer.exe joins the run and stays).
struct Run {
    struct Process {
        HANDLE handle;
        std::wstring image;
    };
    HANDLE job = nullptr;
    HANDLE port = nullptr;
    std::wstring system;
    std::vector<DWORD> ids;
    std::map<DWORD, Process> processes;

    // Whether the run waits for it and reports it. A process just created may not
    // tell its image yet; one that ended without ever telling it never ran (Wine
    // starts, and fails to load, programs this prefix disables).
    bool counts(Process& process)
    {
        if (process.image.empty())
            process.image = imageOf(process.handle);
        if (process.image.empty())
            return WaitForSingleObject(process.handle, 0) == WAIT_TIMEOUT;
        return CompareStringOrdinal(process.image.c_str(), int(system.size()), system.c_str(),
                                    int(system.size()), TRUE) != CSTR_EQUAL;
    }

    // Takes in what the job reported.
    void collect()
    {
        DWORD message = 0;
        ULONG_PTR key = 0;
        LPOVERLAPPED data = nullptr;
        while (GetQueuedCompletionStatus(port, &message, &key, &data, 0)) {
            DWORD id = static_cast<DWORD>(reinterpret_cast<ULONG_PTR>(data));
            if (message == JOB_OBJECT_MSG_NEW_PROCESS && !processes.count(id)) {
                // Held open so that its exit status outlives it.
                if (HANDLE process =
                        OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION | SYNCHRONIZE, FALSE, id)) {
                    ids.push_back(id);
                    processes[id] = {process, {}};
                }
            }
        }
    }

    bool ended()
    {
        collect();
        for (auto& [id, process] : processes)
            if (counts(process) && WaitForSingleObject(process.handle, 0) == WAIT_TIMEOUT)
                return false;
        return true;
    }

    int start(std::wstring command)
    {
        STARTUPINFOW si{};
        si.cb = sizeof si;
        PROCESS_INFORMATION pi{};
        if (!CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, CREATE_SUSPENDED,
                            nullptr, nullptr, &si, &pi))
            return fail(102, L"cannot start " + command);
        if (!AssignProcessToJobObject(job, pi.hProcess))
            return fail(103, L"cannot follow " + command);
        ids.push_back(pi.dwProcessId);
        processes[pi.dwProcessId] = {pi.hProcess, {}};
        ResumeThread(pi.hThread);
        CloseHandle(pi.hThread);
        return 0;
    }

    bool owns(HWND window)
    {
        DWORD id = 0;
        GetWindowThreadProcessId(window, &id);
        return processes.count(id) > 0;
    }

    std::vector<HWND> windows()
    {
        collect();
        std::vector<HWND> all;
        EnumWindows(
            [](HWND window, LPARAM out) -> BOOL {
                if (IsWindowVisible(window))
                    reinterpret_cast<std::vector<HWND>*>(out)->push_back(window);
                return TRUE;
            },
            reinterpret_cast<LPARAM>(&all));
        std::vector<HWND> ours;
        for (HWND window : all)
            if (owns(window))
                ours.push_back(window);
        return ours;
    }
};

struct Found {
    HWND window = nullptr;
    HWND button = nullptr;
};

Found findButton(Run& run, const std::wstring& caption)
{
    for (HWND window : run.windows()) {
        struct Search {
            const std::wstring* caption;
            HWND button = nullptr;
        } search{&caption};
        EnumChildWindows(
            window,
            [](HWND child, LPARAM data) -> BOOL {
                auto* s = reinterpret_cast<Search*>(data);
                if (isButton(child) && IsWindowVisible(child) && IsWindowEnabled(child) &&
                    buttonCaption(child) == *s->caption) {
                    s->button = child;
                    return FALSE;
                }
                return TRUE;
            },
            reinterpret_cast<LPARAM>(&search));
        if (search.button)
            return {window, search.button};
    }
    return {};
}

// Waits for the button, prints what its window says and, when asked, clicks it.
int click(Run& run, const std::wstring& caption, bool press)
{
    Found found;
    for (DWORD waited = 0; !(found = findButton(run, caption)).button; waited += 100) {
        if (waited >= stepTimeout || run.ended())
            return fail(110, L"no button \"" + caption + L"\" appeared");
        Sleep(100);
    }
    say("said", textsOf(found.window));
    if (!press)
        return 0;
    // The button's own notification, as a click sends it.
    PostMessageW(GetParent(found.button), WM_COMMAND,
                 MAKEWPARAM(GetDlgCtrlID(found.button), BN_CLICKED),
                 reinterpret_cast<LPARAM>(found.button));
    // Until the click has been taken: the button gone, disabled or renamed.
    for (DWORD waited = 0; waited < stepTimeout; waited += 50) {
        if (!IsWindow(found.button) || !IsWindowVisible(found.button) ||
            !IsWindowEnabled(found.button) || buttonCaption(found.button) != caption)
            return 0;
        Sleep(50);
    }
    return fail(111, L"the button \"" + caption + L"\" did not respond");
}

HWND waitForWindow(const wchar_t* cls, const std::wstring& title, DWORD process)
{
    for (DWORD waited = 0; waited < stepTimeout; waited += 100) {
        for (HWND h = FindWindowExW(nullptr, nullptr, cls, title.c_str()); h;
             h = FindWindowExW(nullptr, h, cls, title.c_str())) {
            DWORD owner = 0;
            GetWindowThreadProcessId(h, &owner);
            if (!process || owner == process)
                return h;
        }
        Sleep(100);
    }
    return nullptr;
}

int start(const std::wstring& what)
{
    size_t bar = what.find(L'|');
    std::wstring exe = what.substr(0, bar), title = what.substr(bar + 1);
    std::wstring command = L"\"" + exe + L"\"";
    STARTUPINFOW si{};
    si.cb = sizeof si;
    PROCESS_INFORMATION pi{};
    if (!CreateProcessW(exe.c_str(), command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &si, &pi))
        return fail(120, L"cannot start " + exe);
    CloseHandle(pi.hThread);
    CloseHandle(pi.hProcess);
    if (!waitForWindow(nullptr, title, pi.dwProcessId))
        return fail(121, L"no window \"" + title + L"\" appeared");
    return 0;
}

int close(const std::wstring& what)
{
    size_t bar = what.find(L'|');
    std::wstring title = what.substr(0, bar), boxTitle = what.substr(bar + 1);
    HWND window = FindWindowW(nullptr, title.c_str());
    if (!window)
        return fail(130, L"no window \"" + title + L"\" to close");
    DWORD id = 0;
    GetWindowThreadProcessId(window, &id);
    HANDLE process = OpenProcess(SYNCHRONIZE, FALSE, id);
    PostMessageW(window, WM_CLOSE, 0, 0);
    HWND box = waitForWindow(L"#32770", boxTitle, id);
    if (!box)
        return fail(131, L"no box \"" + boxTitle + L"\" appeared");
    PostMessageW(box, WM_COMMAND, IDOK, 0);
    if (!process || WaitForSingleObject(process, stepTimeout) != WAIT_OBJECT_0)
        return fail(132, L"\"" + title + L"\" did not end");
    CloseHandle(process);
    return 0;
}

} // namespace

int wmain(int argc, wchar_t** argv)
{
    if (argc < 2)
        return fail(100, L"usage: drive-setup STEP...");

    Run run;
    wchar_t windows[MAX_PATH]{};
    GetSystemWindowsDirectoryW(windows, MAX_PATH);
    run.system = std::wstring(windows) + L"\\";
    run.job = CreateJobObjectW(nullptr, nullptr);
    run.port = CreateIoCompletionPort(INVALID_HANDLE_VALUE, nullptr, 0, 1);
    JOBOBJECT_ASSOCIATE_COMPLETION_PORT link{run.job, run.port};
    if (!run.job || !run.port ||
        !SetInformationJobObject(run.job, JobObjectAssociateCompletionPortInformation, &link,
                                 sizeof link))
        return fail(101, L"no job object to follow the run with");

    std::map<std::wstring, HANDLE> locked;
    int status = 0;
    bool running = false;
    for (int i = 1; i < argc && status == 0; ++i) {
        std::wstring step = argv[i];
        size_t colon = step.find(L':');
        std::wstring verb = step.substr(0, colon),
                     what = colon == std::wstring::npos ? L"" : step.substr(colon + 1);
        if (verb == L"run" && !running) {
            status = run.start(what);
            running = true;
        } else if (verb == L"click" || verb == L"see")
            status = click(run, what, verb == L"click");
        else if (verb == L"start")
            status = start(what);
        else if (verb == L"close")
            status = close(what);
        else if (verb == L"lock") {
            HANDLE file =
                CreateFileW(what.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
            if (file == INVALID_HANDLE_VALUE)
                status = fail(140, L"cannot lock " + what);
            locked[what] = file;
        } else if (verb == L"unlock" && locked.count(what)) {
            CloseHandle(locked[what]);
            locked.erase(what);
        } else
            status = fail(104, L"no such step: " + step);
    }

    // Every process of the run ends by itself, or it is stopped.
    bool ended = !running;
    for (DWORD waited = 0; !ended && !(ended = run.ended()) && waited < stepTimeout; waited += 100)
        Sleep(100);
    if (!ended) {
        for (HWND window : run.windows())
            say("left open", textsOf(window));
        for (auto& [id, process] : run.processes)
            if (run.counts(process))
                TerminateProcess(process.handle, 99);
        if (status == 0)
            status = fail(105, L"the run did not end");
    }
    DWORD last = 0;
    for (DWORD id : run.ids) {
        Run::Process& process = run.processes[id];
        if (!run.counts(process) ||
            WaitForSingleObject(process.handle, stepTimeout) != WAIT_OBJECT_0 ||
            !run.counts(process))
            continue;
        DWORD code = 0;
        GetExitCodeProcess(process.handle, &code);
        std::printf("exit: %lu\n", code);
        last = code;
    }
    std::fflush(stdout);
    return status ? status : static_cast<int>(last);
}
