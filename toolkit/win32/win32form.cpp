#include "win32form.h"

#include "accessible.h"
#include "fonts.h"
#include "shape.h"
#include "text.h"
#include "win32control.h"
#include "win32label.h"
#include "win32listbox.h"
#include "win32tabcontainer.h"

#include <commctrl.h>

#include <algorithm>
#include <climits>
#include <string>

namespace toolkit {

std::unique_ptr<Form> Form::create(const FormDesign& design)
{
    return std::make_unique<win32::Win32Form>(design);
}

namespace win32 {

namespace {

constexpr DWORD windowStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
// The system font of the design's platform, for a design that names none.
constexpr FontDesign systemFont{u"MS Sans Serif", 8, 400, FontKind::Sans};
// Control ids stay clear of IDOK and IDCANCEL, which the dialog keys send.
constexpr int firstId = 100;

int liveForms = 0;

ATOM windowClassAtom(WNDPROC procedure)
{
    static const ATOM atom = [procedure] {
        const HINSTANCE instance = GetModuleHandleW(nullptr);
        WNDCLASSEXW kind{};
        kind.cbSize = sizeof kind;
        kind.lpfnWndProc = procedure;
        kind.hInstance = instance;
        kind.hCursor = LoadCursorW(nullptr, IDC_ARROW);
        kind.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
        kind.lpszClassName = L"ZorvanForm";
        // The program's icon, from its resources.
        kind.hIcon =
            HICON(LoadImageW(instance, MAKEINTRESOURCEW(1), IMAGE_ICON, 0, 0, LR_DEFAULTSIZE));
        kind.hIconSm =
            HICON(LoadImageW(instance, MAKEINTRESOURCEW(1), IMAGE_ICON,
                             GetSystemMetrics(SM_CXSMICON), GetSystemMetrics(SM_CYSMICON), 0));
        return RegisterClassExW(&kind);
    }();
    return atom;
}

int scaled(int pixels, int dpi)
{
    return MulDiv(pixels, dpi, 96);
}

RECT scaled(const RECT& box, int dpi)
{
    const int left = scaled(int(box.left), dpi);
    const int top = scaled(int(box.top), dpi);
    return {left, top, left + scaled(int(box.right - box.left), dpi),
            top + scaled(int(box.bottom - box.top), dpi)};
}

// As in a dialog without a default button: the focused push button looks like
// the default and takes Enter, whether the mouse or the Tab key gave it the focus.
LRESULT CALLBACK pushButton(HWND button, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                            DWORD_PTR)
{
    if (message == WM_SETFOCUS || message == WM_KILLFOCUS)
        SendMessageW(button, BM_SETSTYLE, message == WM_SETFOCUS ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON,
                     TRUE);
    return DefSubclassProc(button, message, wParam, lParam);
}

} // namespace

Win32Form::Win32Form(const FormDesign& design)
    : Form(design)
{
    if (!CreateWindowExW(0, MAKEINTATOM(windowClassAtom(procedure)), wide(design.caption).c_str(),
                         windowStyle, CW_USEDEFAULT, CW_USEDEFAULT, 0, 0, nullptr, nullptr,
                         GetModuleHandleW(nullptr), this)) {
        // Without its window the program has nothing to show: say so, as on
        // Linux without a display, and end with status 1.
        const std::wstring reason =
            L"Cannot create the window (error " + std::to_wstring(GetLastError()) + L").";
        MessageBoxW(nullptr, reason.c_str(), wide(design.caption).c_str(), MB_OK | MB_ICONERROR);
        ExitProcess(1);
    }
    const UINT windowDpi = GetDpiForWindow(window);
    createControls();
    controlsMade();
    announcements = accessible::createAlert(window);
    layOut(windowDpi ? int(windowDpi) : 96, nullptr);
}

Win32Form::~Win32Form()
{
    if (window)
        DestroyWindow(window);
    for (const auto& [design, font] : fonts)
        DeleteObject(font);
    for (const Placed& control : placed) {
        if (control.background)
            DeleteObject(control.background);
    }
}

bool Win32Form::isForm(HWND window)
{
    return GetClassLongPtrW(window, GCW_ATOM) == windowClassAtom(procedure);
}

void Win32Form::createControls()
{
    // Where each container's corner lies in the window, at 96 dpi.
    std::map<std::string_view, POINT> corners;
    const auto boxOf = [&corners](const ControlDesign& control) {
        const POINT corner =
            control.container.empty() ? POINT{0, 0} : corners.at(control.container);
        const PixelRect pixels = pixelsOf(control);
        return RECT{corner.x + pixels.left, corner.y + pixels.top,
                    corner.x + pixels.left + pixels.width, corner.y + pixels.top + pixels.height};
    };
    for (const ControlDesign& control : design().controls) {
        if (control.kind == Kind::TabContainer || control.kind == Kind::Frame) {
            const RECT box = boxOf(control);
            corners.emplace(control.name, POINT{box.left, box.top});
        }
    }

    // Made in tab order: the Tab key follows the order windows were made in.
    const HINSTANCE instance = GetModuleHandleW(nullptr);
    HWND frame = nullptr;
    for (const ControlDesign* design : tabOrder(this->design())) {
        const ControlDesign& control = *design;
        const int id = firstId + int(placed.size());
        Placed made{.design = &control,
                    .box = boxOf(control),
                    .font = control.font          ? control.font
                            : this->design().font ? this->design().font
                                                  : &systemFont};
        TabContainer* tabs = nullptr;
        switch (control.kind) {
        case Kind::TabContainer: {
            auto& container = tabContainers.emplace_back(
                std::make_unique<Win32TabContainer>(window, id, control.items));
            made.handle = container->handle();
            made.tabs = container.get();
            tabs = container.get();
            break;
        }
        case Kind::CommandButton:
            made.handle = CreateWindowExW(0, L"BUTTON", wide(control.caption).c_str(),
                                          WS_CHILD | WS_TABSTOP | BS_PUSHBUTTON, 0, 0, 0, 0, window,
                                          reinterpret_cast<HMENU>(INT_PTR(id)), instance, nullptr);
            SetWindowSubclass(made.handle, pushButton, 0, 0);
            break;
        case Kind::Label:
            made.label =
                labels.emplace_back(std::make_unique<Win32Label>(window, id, control, *made.font))
                    .get();
            made.handle = made.label->handle();
            break;
        case Kind::Frame:
            // Painted only where no control lies over it: it goes to the bottom below.
            made.handle = CreateWindowExW(
                0, L"BUTTON", L"", WS_CHILD | WS_CLIPSIBLINGS | BS_GROUPBOX, 0, 0, 0, 0, window,
                reinterpret_cast<HMENU>(INT_PTR(id)), instance, nullptr);
            frame = made.handle;
            break;
        case Kind::ListBox: {
            made.list = lists.emplace_back(std::make_unique<Win32ListBox>(window, id)).get();
            made.handle = made.list->handle();
            if (control.backColour) {
                const Colour colour = *control.backColour;
                made.background = CreateSolidBrush(RGB(colour.red, colour.green, colour.blue));
            }
            for (const Text item : control.items)
                made.list->AddItem(item);
            break;
        }
        case Kind::Shape:
            made.handle = Shape::create(window);
            break;
        }
        if (control.kind != Kind::Shape)
            accessible::attach(made.handle, control.kind, control.accessibleName,
                               control.accessibleDescription);
        if (!control.enabled)
            EnableWindow(made.handle, FALSE);
        // Shown unless on a tab page; the tab container shows its page in front.
        if (!tabs && (control.container.empty() || !isTabContainer(control.container)))
            ShowWindow(made.handle, SW_SHOWNA);
        Control& each = *controls.emplace_back(std::make_unique<Win32Control>(made.handle));
        if (made.list)
            addControl(control, each, *made.list);
        else if (made.label)
            addControl(control, each, *made.label);
        else if (tabs)
            addControl(control, each, *tabs);
        else
            addControl(control, each);
        placed.push_back(made);
    }
    if (frame)
        SetWindowPos(frame, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

bool Win32Form::isTabContainer(std::string_view name) const
{
    for (const ControlDesign& control : design().controls) {
        if (control.name == name)
            return control.kind == Kind::TabContainer;
    }
    return false;
}

void Win32Form::layOut(int dpi, const RECT* suggested)
{
    currentDpi = dpi;
    const int width = scaled(design().clientWidth / twipsPerPixel, dpi);
    const int height = scaled(design().clientHeight / twipsPerPixel, dpi);
    RECT outer{0, 0, width, height};
    AdjustWindowRectExForDpi(&outer, windowStyle, FALSE, 0, UINT(dpi));
    const UINT flags = SWP_NOZORDER | SWP_NOACTIVATE | (suggested ? 0 : SWP_NOMOVE);
    const POINT corner = suggested ? POINT{suggested->left, suggested->top} : POINT{};
    SetWindowPos(window, nullptr, corner.x, corner.y, outer.right - outer.left,
                 outer.bottom - outer.top, flags);
    // The frame may be drawn at another DPI than the one asked for: the client
    // area is what must come out right.
    RECT client{};
    GetClientRect(window, &client);
    if (client.right != width || client.bottom != height)
        SetWindowPos(window, nullptr, corner.x, corner.y,
                     outer.right - outer.left + width - client.right,
                     outer.bottom - outer.top + height - client.bottom, flags);

    // One font per face and size, shared by the controls drawn in it.
    std::map<const FontDesign*, HFONT> previous = std::move(fonts);
    fonts.clear();
    for (const Placed& control : placed) {
        if (!fonts.contains(control.font))
            fonts.emplace(control.font, createFont(*control.font, dpi, control.font->points));
    }
    for (const Placed& control : placed) {
        const RECT box = scaled(control.box, dpi);
        HFONT font = fonts.at(control.font);
        if (control.label) {
            control.label->place(box, dpi, font);
            continue;
        }
        SetWindowPos(control.handle, nullptr, box.left, box.top, box.right - box.left,
                     box.bottom - box.top, SWP_NOZORDER | SWP_NOACTIVATE);
        SendMessageW(control.handle, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    }
    // A caption kept whole measures the caption beside it, placed by now.
    for (const auto& label : labels)
        label->refit();
    for (const auto& [design, font] : previous)
        DeleteObject(font);
    InvalidateRect(window, nullptr, TRUE);
}

void Win32Form::restoreFocus()
{
    const bool usable = lastFocus && IsWindow(lastFocus) && IsWindowVisible(lastFocus) &&
                        IsWindowEnabled(lastFocus);
    if (usable)
        SetFocus(lastFocus);
    else if (Control* first = firstFocusable())
        first->takeFocus(false);
}

void Win32Form::showWindow()
{
    ShowWindow(window, SW_SHOW);
    SetForegroundWindow(window);
    UpdateWindow(window);
}

bool Win32Form::close()
{
    if (window)
        SendMessageW(window, WM_CLOSE, 0, 0);
    return window == nullptr;
}

bool Win32Form::isVisible() const
{
    return window && IsWindowVisible(window);
}

void Win32Form::announce(Text text)
{
    // MSAA has no announcement of its own: an alert is read out wherever the
    // focus is, without moving it or renaming the control that has it.
    accessible::alert(announcements, text);
}

HWND Win32Form::control(std::string_view name, Index index) const
{
    for (const Placed& control : placed) {
        if (control.design->name == name && control.design->index == index)
            return control.handle;
    }
    return nullptr;
}

std::string Win32Form::nameOf(HWND handle) const
{
    const Placed* control = find(handle);
    if (!control)
        return {};
    std::string name(control->design->name);
    if (control->design->index != noIndex)
        name += "(" + std::to_string(control->design->index) + ")";
    return name;
}

const Win32Form::Placed* Win32Form::find(HWND handle) const
{
    for (const Placed& control : placed) {
        if (control.handle == handle)
            return &control;
    }
    return nullptr;
}

LRESULT CALLBACK Win32Form::procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_NCCREATE) {
        auto* form =
            static_cast<Win32Form*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
        form->window = window;
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(form));
    }
    auto* form = reinterpret_cast<Win32Form*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (!form)
        return DefWindowProcW(window, message, wParam, lParam);
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrW(window, GWLP_USERDATA, 0);
        form->window = nullptr;
    }
    return form->handle(message, wParam, lParam);
}

LRESULT Win32Form::handle(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_CREATE:
        ++liveForms;
        return 0;
    case WM_COMMAND:
        if (HIWORD(wParam) == BN_CLICKED && lParam) {
            const Placed* control = find(reinterpret_cast<HWND>(lParam));
            if (control && control->design->kind == Kind::CommandButton)
                raiseClick(*control->design);
        }
        return 0;
    case WM_NOTIFY: {
        const auto* notice = reinterpret_cast<const NMHDR*>(lParam);
        if (notice->code == TCN_SELCHANGE) {
            for (const auto& tabs : tabContainers) {
                if (tabs->handle() == notice->hwndFrom)
                    tabs->selectionChanged();
            }
        }
        return 0;
    }
    case WM_CTLCOLORSTATIC: {
        const Placed* control = find(reinterpret_cast<HWND>(lParam));
        const auto dc = reinterpret_cast<HDC>(wParam);
        SetTextColor(dc, control && control->label ? control->label->textColour()
                                                   : GetSysColor(COLOR_WINDOWTEXT));
        // On a tab page the text lies on the page as the tab control painted it.
        if (control && isTabContainer(control->design->container)) {
            SetBkMode(dc, TRANSPARENT);
            return reinterpret_cast<LRESULT>(GetStockObject(NULL_BRUSH));
        }
        SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
        return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
    }
    case WM_CTLCOLORLISTBOX: {
        const Placed* control = find(reinterpret_cast<HWND>(lParam));
        if (!control || !control->background)
            break;
        const auto dc = reinterpret_cast<HDC>(wParam);
        const Colour back = *control->design->backColour;
        const Colour fore = control->design->foreColour.value_or(Colour{});
        SetBkColor(dc, RGB(back.red, back.green, back.blue));
        SetTextColor(dc, RGB(fore.red, fore.green, fore.blue));
        return reinterpret_cast<LRESULT>(control->background);
    }
    case redrawListMessage:
        for (const auto& list : lists) {
            if (list->handle() == reinterpret_cast<HWND>(wParam))
                list->redrawNow();
        }
        return 0;
    case DM_GETDEFID: {
        // None of the buttons is the window's default; the dialog keys ask for
        // one, and are told the focused button, or none when the focus is elsewhere.
        const Placed* focused = find(GetFocus());
        if (focused && focused->design->kind == Kind::CommandButton)
            return MAKELRESULT(GetDlgCtrlID(focused->handle), DC_HASDEFID);
        return 0;
    }
    case WM_ACTIVATE:
        // Like a dialog, the window gives the focus back to the control that had it.
        if (LOWORD(wParam) == WA_INACTIVE) {
            HWND focused = GetFocus();
            if (focused && IsChild(window, focused))
                lastFocus = focused;
        } else {
            restoreFocus();
        }
        return 0;
    case WM_SETFOCUS:
        restoreFocus();
        return 0;
    case WM_DPICHANGED:
        layOut(HIWORD(wParam), reinterpret_cast<const RECT*>(lParam));
        return 0;
    case WM_CLOSE:
        // The close button, Alt+F4, the system menu and other programs all come here.
        if (raiseUnload())
            DestroyWindow(window);
        return 0;
    case WM_QUERYENDSESSION:
        return TRUE;
    case WM_ENDSESSION:
        // The session ends whatever Unload answers; the farewell is said once.
        if (wParam) {
            raiseUnload();
            DestroyWindow(window);
        }
        return 0;
    case WM_DESTROY:
        if (--liveForms == 0)
            PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

} // namespace win32

} // namespace toolkit
