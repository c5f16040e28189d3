#include "driver.h"
#include "form1.h"
#include "listbox.h"
#include "testing.h"
#include "win32form.h"

#include <oleacc.h>

#include <algorithm>
#include <iterator>
#include <string>
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

const Expected* expectedFor(const std::string& control)
{
    for (const Expected& one : expected) {
        if (one.control == control)
            return &one;
    }
    return nullptr;
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

std::u16string taken(BSTR text)
{
    std::u16string copy;
    if (text)
        copy.assign(reinterpret_cast<const char16_t*>(text), SysStringLen(text));
    SysFreeString(text);
    return copy;
}

struct Read {
    LONG role = 0;
    std::u16string name;
};

Read read(IAccessible* object, VARIANT child)
{
    Read read;
    BSTR text = nullptr;
    if (object->get_accName(child, &text) == S_OK)
        read.name = taken(text);
    VARIANT role{};
    if (SUCCEEDED(object->get_accRole(child, &role)) && role.vt == VT_I4)
        read.role = role.lVal;
    object->Release();
    return read;
}

// What oleacc gives a screen reader asking the window itself.
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

// The events, as "focus List3(0) 3" (the child), for the failure to show.
std::string told(const Win32Form& form)
{
    std::string all;
    for (const Event& one : events) {
        switch (one.event) {
        case EVENT_OBJECT_FOCUS:
            all += "focus ";
            break;
        case EVENT_OBJECT_SELECTION:
            all += "selection ";
            break;
        case EVENT_OBJECT_NAMECHANGE:
            all += "name ";
            break;
        default:
            all += "event " + std::to_string(one.event) + " ";
        }
        all += form.nameOf(one.window) + " " + std::to_string(one.child);
        if (one.object != OBJID_CLIENT)
            all += " of object " + std::to_string(one.object);
        all += "; ";
    }
    return all;
}

// Events of this process, delivered as the driver handles messages.
struct Listening {
    explicit Listening(DWORD first = EVENT_OBJECT_FOCUS, DWORD last = EVENT_OBJECT_SELECTION)
        : hook(SetWinEventHook(first, last, nullptr, record, GetCurrentProcessId(), 0,
                               WINEVENT_OUTOFCONTEXT))
    {
        REQUIRE(hook);
        events.clear();
    }
    ~Listening() { UnhookWinEvent(hook); }
    HWINEVENTHOOK hook;
};

} // namespace

TEST_CASE("every control's role and name as oleacc reads them")
{
    Form1 form1;
    form1.show();
    const auto& form = dynamic_cast<const Win32Form&>(form1.form());
    CHECK(read(form.handle()).name == u"Zorvan Calculator 0.1a by Kalmerid");
    for (const Expected& want : expected) {
        CAPTURE(want.control);
        HWND control = handleOf(form, want.control);
        REQUIRE(control);
        const Read got = read(control);
        CHECK(got.role == want.role);
        CHECK(got.name == want.name);
    }
}

TEST_CASE("each Tab and Shift+Tab is told as a focus event on the named control")
{
    Form1 form1;
    form1.show();
    const auto& form = dynamic_cast<const Win32Form&>(form1.form());
    const auto driver = Driver::create(form1.form());
    const Listening listening;
    for (const toolkit::ShiftState shift : {0, int(toolkit::shiftMask)}) {
        for (int press = 0; press < 10; ++press) {
            events.clear();
            driver->press(VK_TAB, shift);
            const std::string focused = driver->focused();
            CAPTURE(focused);
            const std::string all = told(form);
            CAPTURE(all);
            REQUIRE(all.ends_with("focus " + focused + " 0; "));
            const Event& last = events.back();
            IAccessible* object = nullptr;
            VARIANT child{};
            REQUIRE(AccessibleObjectFromEvent(last.window, last.object, last.child, &object,
                                              &child) == S_OK);
            const Expected* want = expectedFor(focused);
            REQUIRE(want);
            CHECK(read(object, child).name == want->name);
        }
    }
}

TEST_CASE("the first move in a list with nothing selected is told as the row's selection and focus")
{
    Form1 form1;
    form1.show();
    const auto& form = dynamic_cast<const Win32Form&>(form1.form());
    const auto driver = Driver::create(form1.form());
    toolkit::ListBox& units = form1.form().listBox("List3", 0);
    const Listening listening;
    for (const toolkit::KeyCode key : {VK_DOWN, VK_UP, VK_HOME}) {
        CAPTURE(key);
        // The keyboard frame left on the third row, with nothing selected.
        driver->clickRow("List3", 0, 2);
        units.setListIndex(toolkit::noRow);
        events.clear();
        driver->press(key);
        REQUIRE(units.ListIndex() == 2);
        CHECK(told(form) == "selection List3(0) 3; focus List3(0) 3; ");
    }
}

TEST_CASE("Add renames the totals and headings it changes, and announces its result as an alert")
{
    Form1 form1;
    form1.show();
    const auto& form = dynamic_cast<const Win32Form&>(form1.form());
    const auto driver = Driver::create(form1.form());
    driver->clickRow("List3", 0, 2); // Footman: 135 gold, CV 4355
    const Listening listening(EVENT_SYSTEM_ALERT, EVENT_OBJECT_NAMECHANGE);
    driver->click("Command2", 0);

    const std::string all = told(form);
    CAPTURE(all);
    const std::vector<Expected> renamed = {
        {"totalgold(0)", ROLE_SYSTEM_STATICTEXT, u"Force A total gold, 135"},
        {"totalcv(0)", ROLE_SYSTEM_STATICTEXT, u"Force A total CV, 4355"},
        {"forcea", ROLE_SYSTEM_STATICTEXT, u"Force A, larger CV total"},
        {"forceb", ROLE_SYSTEM_STATICTEXT, u"Force B, smaller CV total"},
    };
    for (const Expected& want : renamed) {
        CAPTURE(want.control);
        CHECK(read(handleOf(form, want.control)).name == want.name);
        CHECK(all.find("name " + want.control + " 0; ") != std::string::npos);
    }

    std::vector<Event> alerts;
    std::ranges::copy_if(events, std::back_inserter(alerts),
                         [](const Event& one) { return one.event == EVENT_SYSTEM_ALERT; });
    REQUIRE(alerts.size() == 1);
    IAccessible* object = nullptr;
    VARIANT child{};
    REQUIRE(AccessibleObjectFromEvent(alerts[0].window, alerts[0].object, alerts[0].child, &object,
                                      &child) == S_OK);
    const Read alert = read(object, child);
    CHECK(alert.role == ROLE_SYSTEM_ALERT);
    CHECK(alert.name == u"Footman added to Force A. Force A total CV, 4355.");
}
