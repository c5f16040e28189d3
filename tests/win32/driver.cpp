#include "driver.h"

#include "form.h"
#include "win.h"
#include "win32application.h"
#include "win32form.h"

#include <commctrl.h>

#include <stdexcept>
#include <thread>

namespace {

using toolkit::win32::Win32Form;

// Failures of the driver itself end the test with what went wrong.
void expect(bool holds, const std::string& what)
{
    if (!holds)
        throw std::runtime_error("driver: " + what);
}

// Handles everything waiting, as the program's event loop would.
void handleEvents()
{
    MSG message;
    do {
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            // A window closed in an earlier test ends no loop here.
            if (message.message != WM_QUIT)
                toolkit::win32::dispatch(message);
        }
    } while (toolkit::win32::idle());
}

void addKey(std::vector<INPUT>& inputs, WORD key, bool up)
{
    INPUT input{.type = INPUT_KEYBOARD};
    input.ki = {key, WORD(MapVirtualKeyW(key, MAPVK_VK_TO_VSC)), up ? KEYEVENTF_KEYUP : 0u};
    inputs.push_back(input);
}

// A key with the modifiers held around it, as input events.
void addChord(std::vector<INPUT>& inputs, WORD key, toolkit::ShiftState shift)
{
    constexpr std::pair<toolkit::ShiftState, WORD> modifiers[] = {{toolkit::shiftMask, VK_SHIFT},
                                                                  {toolkit::ctrlMask, VK_CONTROL},
                                                                  {toolkit::altMask, VK_MENU}};
    for (const auto& [mask, modifier] : modifiers) {
        if (shift & mask)
            addKey(inputs, modifier, false);
    }
    addKey(inputs, key, false);
    addKey(inputs, key, true);
    for (const auto& [mask, modifier] : modifiers) {
        if (shift & mask)
            addKey(inputs, modifier, true);
    }
}

// Keys typed through the system's input queue, all queued before any is handled
// (a menu opened by one reads the next itself).
void type(std::initializer_list<std::pair<WORD, toolkit::ShiftState>> chords)
{
    std::vector<INPUT> inputs;
    for (const auto& [key, shift] : chords)
        addChord(inputs, key, shift);
    expect(SendInput(UINT(inputs.size()), inputs.data(), sizeof(INPUT)) == inputs.size(),
           "the keys were not taken");
    handleEvents();
}

// A left click in the middle of a box of a control's client area.
void clickAt(HWND control, const RECT& box, bool twice)
{
    const LPARAM where = MAKELPARAM((box.left + box.right) / 2, (box.top + box.bottom) / 2);
    SendMessageW(control, WM_LBUTTONDOWN, MK_LBUTTON, where);
    SendMessageW(control, WM_LBUTTONUP, 0, where);
    if (twice) {
        SendMessageW(control, WM_LBUTTONDBLCLK, MK_LBUTTON, where);
        SendMessageW(control, WM_LBUTTONUP, 0, where);
    }
    handleEvents();
}

// The message boxes seen while a close is under way, answered as they come.
std::vector<Driver::MessageBoxSeen>* boxesSeen = nullptr;

std::u16string textOf(HWND window)
{
    std::wstring text(std::size_t(GetWindowTextLengthW(window)) + 1, L'\0');
    text.resize(std::size_t(GetWindowTextW(window, text.data(), int(text.size()))));
    return {text.begin(), text.end()};
}

std::string iconOf(HICON icon)
{
    const std::pair<LPCWSTR, const char*> icons[] = {{IDI_INFORMATION, "information"},
                                                     {IDI_QUESTION, "question"},
                                                     {IDI_WARNING, "warning"},
                                                     {IDI_ERROR, "critical"}};
    for (const auto& [id, name] : icons) {
        if (icon && icon == LoadIconW(nullptr, id))
            return name;
    }
    return {};
}

BOOL CALLBACK readPart(HWND part, LPARAM into)
{
    auto& box = *reinterpret_cast<Driver::MessageBoxSeen*>(into);
    wchar_t kind[16]{};
    GetClassNameW(part, kind, 16);
    const auto style = GetWindowLongW(part, GWL_STYLE);
    if (lstrcmpiW(kind, L"Button") == 0 && (style & WS_VISIBLE)) {
        box.buttons.push_back(textOf(part));
    } else if (lstrcmpiW(kind, L"Static") == 0) {
        if ((style & SS_TYPEMASK) == SS_ICON)
            box.icon = iconOf(HICON(SendMessageW(part, STM_GETICON, 0, 0)));
        else if (GetWindowTextLengthW(part) > 0)
            box.text = textOf(part);
    }
    return TRUE;
}

BOOL CALLBACK answerBox(HWND window, LPARAM)
{
    wchar_t kind[16]{};
    GetClassNameW(window, kind, 16);
    if (!IsWindowVisible(window) || lstrcmpW(kind, L"#32770") != 0)
        return TRUE;
    Driver::MessageBoxSeen box{.title = textOf(window)};
    EnumChildWindows(window, readPart, reinterpret_cast<LPARAM>(&box));
    boxesSeen->push_back(std::move(box));
    // Enter presses the box's default button.
    const auto button = LOWORD(SendMessageW(window, DM_GETDEFID, 0, 0));
    PostMessageW(window, WM_COMMAND, MAKEWPARAM(button, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(window, button)));
    return FALSE;
}

void CALLBACK watchForBoxes(HWND, UINT, UINT_PTR, DWORD)
{
    if (boxesSeen)
        EnumThreadWindows(GetCurrentThreadId(), answerBox, 0);
}

class Win32Driver : public Driver {
public:
    explicit Win32Driver(toolkit::Form& form)
        : form(dynamic_cast<Win32Form&>(form))
    {
        SetForegroundWindow(this->form.handle());
        handleEvents();
        expect(GetForegroundWindow() == this->form.handle(), "the window never became active");
    }

    void click(std::string_view button, toolkit::Index index) override
    {
        HWND control = find(button, index);
        // A disabled window gets no mouse input at all.
        if (IsWindowEnabled(control))
            SendMessageW(control, BM_CLICK, 0, 0);
        handleEvents();
    }

    void clickRow(std::string_view list, toolkit::Index index, toolkit::Row row,
                  bool twice) override
    {
        HWND control = find(list, index);
        expect(row >= 0 && row < SendMessageW(control, LB_GETCOUNT, 0, 0), "no such row");
        // Scrolled into view first, as a user would.
        SendMessageW(control, LB_SETTOPINDEX, WPARAM(row), 0);
        RECT box{};
        SendMessageW(control, LB_GETITEMRECT, WPARAM(row), reinterpret_cast<LPARAM>(&box));
        clickAt(control, box, twice);
    }

    void chooseTab(std::string_view container, toolkit::Index tab) override
    {
        HWND tabs = find(container);
        expect(tab >= 0 && tab < SendMessageW(tabs, TCM_GETITEMCOUNT, 0, 0), "no such tab");
        RECT box{};
        SendMessageW(tabs, TCM_GETITEMRECT, WPARAM(tab), reinterpret_cast<LPARAM>(&box));
        clickAt(tabs, box, false);
    }

    void focus(std::string_view name, toolkit::Index index) override
    {
        HWND control = find(name, index);
        SetFocus(control);
        handleEvents();
        expect(GetFocus() == control, "the control did not take the focus");
    }

    void press(toolkit::KeyCode key, toolkit::ShiftState shift) override
    {
        expect(GetFocus() != nullptr, "no control has the focus");
        type({{WORD(key), shift}});
    }

    std::string focused() const override { return form.nameOf(GetFocus()); }

    std::vector<std::string> closeWays() const override
    {
        return {"close button", "Alt+F4",
                "system menu",  "WM_CLOSE from another program",
                "session end",  "session end after close()"};
    }

    std::vector<MessageBoxSeen> close(std::string_view way) override
    {
        // A box runs its own loop, which runs this timer's procedure too.
        std::vector<MessageBoxSeen> seen;
        boxesSeen = &seen;
        const UINT_PTR timer = SetTimer(nullptr, 0, 10, watchForBoxes);
        closeOneWay(way);
        KillTimer(nullptr, timer);
        boxesSeen = nullptr;
        return seen;
    }

    void closeOneWay(std::string_view way)
    {
        HWND window = form.handle();
        if (way == "close button") {
            // What the caption's close button sends.
            PostMessageW(window, WM_SYSCOMMAND, SC_CLOSE, 0);
            handleEvents();
        } else if (way == "Alt+F4") {
            type({{VK_F4, toolkit::altMask}});
        } else if (way == "system menu") {
            // Alt+Space opens the window's menu; C chooses Close.
            type({{VK_SPACE, toolkit::altMask}, {'C', 0}});
        } else if (way == "WM_CLOSE from another program") {
            // Another thread stands in for another process: both only post to the window.
            std::thread([window] { PostMessageW(window, WM_CLOSE, 0, 0); }).join();
            handleEvents();
        } else if (way == "session end" || way == "session end after close()") {
            if (way == "session end after close()")
                expect(form.close(), "close() refused");
            if (IsWindow(window)) {
                expect(SendMessageW(window, WM_QUERYENDSESSION, 0, 0) == TRUE,
                       "the session end refused");
                SendMessageW(window, WM_ENDSESSION, TRUE, 0);
            }
            handleEvents();
        } else {
            throw std::invalid_argument("driver: no way of closing called " + std::string(way));
        }
    }

private:
    HWND find(std::string_view name, toolkit::Index index = toolkit::noIndex) const
    {
        HWND control = form.control(name, index);
        expect(control, "no control " + std::string(name) + "(" + std::to_string(index) + ")");
        return control;
    }

    Win32Form& form;
};

} // namespace

std::unique_ptr<Driver> Driver::create(toolkit::Form& form)
{
    return std::make_unique<Win32Driver>(form);
}
