#include "driver.h"
#include "form1.h"
#include "listbox.h"
#include "testing.h"
#include "win32form.h"

#include <oleacc.h>

#include <algorithm>
#include <memory>
#include <string>
#include <utility>
#include <vector>

using toolkit::win32::Win32Form;

namespace {

struct Expected {
    std::string control; // as the driver names it
    LONG role;
    std::u16string name;
};

// What a screen reader reads of every control that takes the focus, and of
// the labels and the frame that carry texts of their own, in a new window.
const std::vector<Expected> expected = {
    {"SSTab1", ROLE_SYSTEM_PAGETABLIST, u"Races"},
    {"List3(0)", ROLE_SYSTEM_LIST, u"Human units"},
    {"List3(1)", ROLE_SYSTEM_LIST, u"Orc units"},
    {"List3(2)", ROLE_SYSTEM_LIST, u"Undead units"},
    {"List3(3)", ROLE_SYSTEM_LIST, u"Night elf units"},
    {"Command2(0)", ROLE_SYSTEM_PUSHBUTTON, u"Add to Force A"},
    {"Command2(1)", ROLE_SYSTEM_PUSHBUTTON, u"Add to Force B"},
    {"Command3(0)", ROLE_SYSTEM_PUSHBUTTON, u"Clear Force A"},
    {"Command3(1)", ROLE_SYSTEM_PUSHBUTTON, u"Clear Force B"},
    {"Command1", ROLE_SYSTEM_PUSHBUTTON, u"Details... (WIP)"},
    {"Frame1", ROLE_SYSTEM_GROUPING, u"Forces"},
    {"List1(0)", ROLE_SYSTEM_LIST, u"Force A entries"},
    {"List1(1)", ROLE_SYSTEM_LIST, u"Force B entries"},
    {"forcea", ROLE_SYSTEM_STATICTEXT, u"Force A"},
    {"forceb", ROLE_SYSTEM_STATICTEXT, u"Force B"},
    {"Label2", ROLE_SYSTEM_STATICTEXT, u"Total Gold: "},
    {"totalgold(0)", ROLE_SYSTEM_STATICTEXT, u"Force A total gold, 0"},
    {"totallumber(0)", ROLE_SYSTEM_STATICTEXT, u"Force A total lumber, 0"},
    {"totalfood(0)", ROLE_SYSTEM_STATICTEXT, u"Force A total food, 0"},
    {"totalcv(0)", ROLE_SYSTEM_STATICTEXT, u"Force A total CV, 0"},
    {"totalgold(1)", ROLE_SYSTEM_STATICTEXT, u"Force B total gold, 0"},
    {"totallumber(1)", ROLE_SYSTEM_STATICTEXT, u"Force B total lumber, 0"},
    {"totalfood(1)", ROLE_SYSTEM_STATICTEXT, u"Force B total food, 0"},
    {"totalcv(1)", ROLE_SYSTEM_STATICTEXT, u"Force B total CV, 0"},
};

const Expected& expectedFor(const std::string& control)
{
    const auto found = std::ranges::find(expected, control, &Expected::control);
    REQUIRE(found != expected.end());
    return *found;
}

// "List1(0)" as a name and an index.
HWND handleOf(const Win32Form& form, const std::string& control)
{
    const auto open = control.find('(');
    if (open == std::string::npos)
        return form.control(control);
    return form.control(control.substr(0, open),
                        toolkit::Index(std::stoi(control.substr(open + 1))));
}

struct Read {
    LONG role = 0;
    std::u16string name;
};

// An object's role and name, as a screen reader reads them; the object is let go.
Read read(IAccessible* object, VARIANT child)
{
    Read read;
    BSTR name = nullptr;
    if (object->get_accName(child, &name) == S_OK)
        read.name.assign(reinterpret_cast<const char16_t*>(name), SysStringLen(name));
    SysFreeString(name);
    VARIANT role{};
    if (SUCCEEDED(object->get_accRole(child, &role)) && role.vt == VT_I4)
        read.role = role.lVal;
    object->Release();
    return read;
}

Read read(HWND window)
{
    IAccessible* object = nullptr;
    REQUIRE(AccessibleObjectFromWindow(window, OBJID_CLIENT, __uuidof(IAccessible),
                                       reinterpret_cast<void**>(&object)) == S_OK);
    return read(object, VARIANT{.vt = VT_I4, .lVal = CHILDID_SELF});
}

struct Event {
    DWORD event;
    HWND window;
    LONG object;
    LONG child;
};

std::vector<Event> events;

void CALLBACK record(HWINEVENTHOOK, DWORD event, HWND window, LONG object, LONG child, DWORD, DWORD)
{
    events.push_back({event, window, object, child});
}

// What the screen reader finds when it asks about an event.
Read read(const Event& event)
{
    IAccessible* object = nullptr;
    VARIANT child{};
    REQUIRE(AccessibleObjectFromEvent(event.window, event.object, event.child, &object, &child) ==
            S_OK);
    return read(object, child);
}

// The events, as "focus List3(0) 3" (the child), for the failure to show.
std::string told(const Win32Form& form)
{
    std::string all;
    for (const Event& one : events) {
        all += one.event == EVENT_OBJECT_FOCUS        ? "focus "
               : one.event == EVENT_OBJECT_SELECTION  ? "selection "
               : one.event == EVENT_OBJECT_NAMECHANGE ? "name "
                                                      : std::to_string(one.event) + " ";
        all += form.nameOf(one.window) + " " + std::to_string(one.child);
        if (one.object != OBJID_CLIENT)
            all += " of object " + std::to_string(one.object);
        all += "; ";
    }
    return all;
}

// The window shown; once listening, the events of this process from first
// to last, delivered as the driver handles messages.
struct Shown {
    Shown()
    {
        form1.show();
        driver = Driver::create(form1.form());
    }
    ~Shown() { UnhookWinEvent(hook); }
    void listen(DWORD first = EVENT_OBJECT_FOCUS, DWORD last = EVENT_OBJECT_SELECTION)
    {
        hook = SetWinEventHook(first, last, nullptr, record, GetCurrentProcessId(), 0,
                               WINEVENT_OUTOFCONTEXT);
        REQUIRE(hook);
        events.clear();
    }

    Form1 form1;
    const Win32Form& form = dynamic_cast<const Win32Form&>(form1.form());
    std::unique_ptr<Driver> driver;
    HWINEVENTHOOK hook = nullptr;
};

} // namespace

TEST_CASE("every control's role and name as oleacc reads them")
{
    const Shown shown;
    CHECK(read(shown.form.handle()).name == u"Zorvan Calculator 0.1a by Kalmerid");
    for (const Expected& want : expected) {
        CAPTURE(want.control);
        HWND control = handleOf(shown.form, want.control);
        REQUIRE(control);
        const Read got = read(control);
        CHECK(got.role == want.role);
        CHECK(got.name == want.name);
    }
}

TEST_CASE("each Tab and Shift+Tab is told as a focus event on the named control")
{
    Shown shown;
    shown.listen();
    for (const toolkit::ShiftState shift : {0, int(toolkit::shiftMask)}) {
        for (int press = 0; press < 10; ++press) {
            events.clear();
            shown.driver->press(VK_TAB, shift);
            const std::string focused = shown.driver->focused();
            const std::string all = told(shown.form);
            CAPTURE(all);
            REQUIRE(all.ends_with("focus " + focused + " 0; "));
            CHECK(read(events.back()).name == expectedFor(focused).name);
        }
    }
}

TEST_CASE("the first move in a list with nothing selected is told as the row's selection and focus")
{
    Shown shown;
    toolkit::ListBox& units = shown.form1.form().listBox(design::List3, 0);
    shown.listen();
    for (const toolkit::KeyCode key : {VK_DOWN, VK_UP, VK_HOME}) {
        CAPTURE(key);
        // The keyboard frame left on the third row, with nothing selected.
        shown.driver->clickRow("List3", 0, 2);
        units.setListIndex(toolkit::noRow);
        events.clear();
        shown.driver->press(key);
        REQUIRE(units.ListIndex() == 2);
        CHECK(told(shown.form) == "selection List3(0) 3; focus List3(0) 3; ");
    }
}

TEST_CASE("Add renames the totals and headings it changes, and announces its result as an alert")
{
    Shown shown;
    shown.driver->clickRow("List3", 0, 2); // Footman: 135 gold, CV 4355
    shown.listen(EVENT_SYSTEM_ALERT, EVENT_OBJECT_NAMECHANGE);
    shown.driver->click("Command2", 0);

    const std::string all = told(shown.form);
    CAPTURE(all);
    const std::pair<std::string, std::u16string> renamed[] = {
        {"totalgold(0)", u"Force A total gold, 135"},
        {"totalcv(0)", u"Force A total CV, 4355"},
        {"forcea", u"Force A, larger CV total"},
        {"forceb", u"Force B, smaller CV total"},
    };
    for (const auto& [control, name] : renamed) {
        CAPTURE(control);
        CHECK(read(handleOf(shown.form, control)).name == name);
        CHECK(all.find("name " + control + " 0; ") != std::string::npos);
    }

    const auto isAlert = [](const Event& one) {
        return one.event == EVENT_SYSTEM_ALERT;
    };
    REQUIRE(std::ranges::count_if(events, isAlert) == 1);
    const Read alert = read(*std::ranges::find_if(events, isAlert));
    CHECK(alert.role == ROLE_SYSTEM_ALERT);
    CHECK(alert.name == u"Footman added to Force A. Force A total CV, 4355.");
}
