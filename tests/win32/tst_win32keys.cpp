#include "driver.h"
#include "form1.h"
#include "listbox.h"
#include "testing.h"
#include "win32form.h"

#include <commctrl.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

using toolkit::win32::Win32Form;

namespace {

constexpr toolkit::KeyCode enter = 13, space = 32, tab = 9;

const char* const buttons[] = {"Command2(0)", "Command2(1)", "Command3(0)", "Command3(1)"};

struct Window {
    Window()
    {
        form1.show();
        driver = Driver::create(form1.form());
        form1.form().listBox(design::List3, 0).setListIndex(4); // Knight
    }

    const Win32Form& form() const { return dynamic_cast<const Win32Form&>(form1.form()); }

    HWND control(const std::string& name) const
    {
        const auto open = name.find('(');
        if (open == std::string::npos)
            return form().control(name);
        return form().control(name.substr(0, open),
                              toolkit::Index(std::stoi(name.substr(open + 1))));
    }

    // The buttons drawn with the default button's heavier frame.
    std::string lookingDefault() const
    {
        std::string found;
        for (const char* button : buttons) {
            if ((GetWindowLongW(control(button), GWL_STYLE) & BS_TYPEMASK) == BS_DEFPUSHBUTTON)
                found += std::string(found.empty() ? "" : " ") + button;
        }
        return found;
    }

    // What that should be: the focused button, if a button has the focus.
    std::string focusedButton() const
    {
        const std::string focused = driver->focused();
        return std::ranges::find(buttons, focused) == std::end(buttons) ? "" : focused;
    }

    Form1 form1;
    std::unique_ptr<Driver> driver;
};

// The contrast ratio of two colours, as accessibility guidelines define it.
double contrast(COLORREF a, COLORREF b)
{
    const auto luminance = [](COLORREF rgb) {
        const auto linear = [](int channel) {
            const double c = channel / 255.0;
            return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
        };
        return 0.2126 * linear(GetRValue(rgb)) + 0.7152 * linear(GetGValue(rgb)) +
               0.0722 * linear(GetBValue(rgb));
    };
    const double first = luminance(a), second = luminance(b);
    return (std::max(first, second) + 0.05) / (std::min(first, second) + 0.05);
}

// A control's client area as it draws itself for a screen capture.
std::vector<COLORREF> picture(HWND control)
{
    RECT client{};
    GetClientRect(control, &client);
    HDC screen = GetDC(control);
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, client.right, client.bottom);
    HGDIOBJ old = SelectObject(memory, bitmap);
    PrintWindow(control, memory, PW_CLIENTONLY);
    std::vector<COLORREF> pixels;
    for (int y = 0; y < client.bottom; ++y) {
        for (int x = 0; x < client.right; ++x)
            pixels.push_back(GetPixel(memory, x, y));
    }
    SelectObject(memory, old);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(control, screen);
    return pixels;
}

} // namespace

TEST_CASE("Enter and Space click the focused button, however it got the focus")
{
    for (const toolkit::KeyCode key : {enter, space}) {
        for (const toolkit::Index force : {0, 1}) {
            CAPTURE(key);
            CAPTURE(force);
            const Window w;
            const toolkit::ListBox& list = w.form1.form().listBox(design::List1, force);
            w.driver->click("Command2", force);
            REQUIRE(w.driver->focused() == "Command2(" + std::to_string(force) + ")");
            REQUIRE(list.ListCount() == 1);
            w.driver->press(key);
            CHECK(list.ListCount() == 2);
            // Reached with Tab from the other Add button, it is the same.
            w.driver->click("Command2", toolkit::Index(1 - force));
            w.driver->press(tab, force == 0 ? toolkit::shiftMask : 0);
            REQUIRE(w.driver->focused() == "Command2(" + std::to_string(force) + ")");
            w.driver->press(key);
            CHECK(list.ListCount() == 3);
        }
    }
}

TEST_CASE("only the focused button looks like the default")
{
    const Window w;
    CHECK(w.lookingDefault().empty());
    // Around the tab order twice, each way.
    for (const toolkit::ShiftState shift : {toolkit::ShiftState(0), toolkit::shiftMask}) {
        for (int step = 0; step < 16; ++step) {
            w.driver->press(tab, shift);
            CAPTURE(w.driver->focused());
            CHECK(w.lookingDefault() == w.focusedButton());
        }
    }
    // Enter where no button has the focus clicks none.
    w.driver->focus("SSTab1");
    w.driver->press(enter);
    CHECK(w.form1.form().listBox(design::List1, 0).ListCount() == 0);
    CHECK(w.form1.form().listBox(design::List1, 1).ListCount() == 0);
    // The focus moved with the mouse: to another button, to a list.
    w.driver->click("Command3", 1);
    CHECK(w.lookingDefault() == "Command3(1)");
    w.form1.form().listBox(design::List1, 0).AddItem(u"Knight");
    w.driver->clickRow("List1", 0, 0);
    REQUIRE(w.driver->focused() == "List1(0)");
    CHECK(w.lookingDefault().empty());
}

TEST_CASE("the tab strip shows the focus when Tab reaches it")
{
    const Window w;
    HWND strip = w.control("SSTab1");
    w.driver->focus("List1", 1);
    const std::vector<COLORREF> without = picture(strip);
    REQUIRE(std::ranges::count(without, without.front()) < std::ssize(without));
    w.driver->press(tab);
    REQUIRE(w.driver->focused() == "SSTab1");
    const std::vector<COLORREF> with = picture(strip);
    REQUIRE(with.size() == without.size());
    int differing = 0;
    double largest = 1;
    for (std::size_t at = 0; at < with.size(); ++at) {
        if (with[at] != without[at]) {
            ++differing;
            largest = std::max(largest, contrast(with[at], without[at]));
        }
    }
    CHECK(differing > 0);
    CHECK(largest >= 3);
    // Shift+Tab takes the mark away again.
    w.driver->press(tab, toolkit::shiftMask);
    CHECK(picture(strip) == without);
}
