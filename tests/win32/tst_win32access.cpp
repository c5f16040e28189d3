#include "driver.h"
#include "form1.h"
#include "listbox.h"
#include "testing.h"
#include "win32form.h"

#include <oleacc.h>

#include <string>
#include <vector>

using toolkit::win32::Win32Form;

namespace {

struct Expected {
    std::string control; // as the driver names it
    LONG role;
    std::u16string name;
    std::u16string description;
};

// What a screen reader reads of every control that takes the focus, and of
// the labels that carry texts of their own.
const std::vector<Expected> expected = {
    {"SSTab1", ROLE_SYSTEM_PAGETABLIST, u"Races", u""},
    {"List3(0)", ROLE_SYSTEM_LIST, u"Human units", u""},
    {"List3(1)", ROLE_SYSTEM_LIST, u"Orc units", u""},
    {"List3(2)", ROLE_SYSTEM_LIST, u"Undead units", u""},
    {"List3(3)", ROLE_SYSTEM_LIST, u"Night elf units", u""},
    {"Command2(0)", ROLE_SYSTEM_PUSHBUTTON, u"Add to Force A", u""},
    {"Command2(1)", ROLE_SYSTEM_PUSHBUTTON, u"Add to Force B", u""},
    {"Command3(0)", ROLE_SYSTEM_PUSHBUTTON, u"Clear Force A", u""},
    {"Command3(1)", ROLE_SYSTEM_PUSHBUTTON, u"Clear Force B", u""},
    {"Command1", ROLE_SYSTEM_PUSHBUTTON, u"Details... (WIP)", u""},
    {"List1(0)", ROLE_SYSTEM_LIST, u"Force A entries", u""},
    {"List1(1)", ROLE_SYSTEM_LIST, u"Force B entries", u""},
    {"forcea", ROLE_SYSTEM_STATICTEXT, u"Force A", u""},
    {"forceb", ROLE_SYSTEM_STATICTEXT, u"Force B", u""},
    {"totalgold(0)", ROLE_SYSTEM_STATICTEXT, u"0", u"Force A total gold"},
    {"totallumber(0)", ROLE_SYSTEM_STATICTEXT, u"0", u"Force A total lumber"},
    {"totalfood(0)", ROLE_SYSTEM_STATICTEXT, u"0", u"Force A total food"},
    {"totalcv(0)", ROLE_SYSTEM_STATICTEXT, u"0", u"Force A total CV"},
    {"totalgold(1)", ROLE_SYSTEM_STATICTEXT, u"0", u"Force B total gold"},
    {"totallumber(1)", ROLE_SYSTEM_STATICTEXT, u"0", u"Force B total lumber"},
    {"totalfood(1)", ROLE_SYSTEM_STATICTEXT, u"0", u"Force B total food"},
    {"totalcv(1)", ROLE_SYSTEM_STATICTEXT, u"0", u"Force B total CV"},
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
    std::u16string description;
};

Read read(IAccessible* object, VARIANT child)
{
    Read read;
    BSTR text = nullptr;
    if (object->get_accName(child, &text) == S_OK)
        read.name = taken(text);
    text = nullptr;
    if (object->get_accDescription(child, &text) == S_OK)
        read.description = taken(text);
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
        all += one.event == EVENT_OBJECT_FOCUS ? "focus " : "selection ";
        all += form.nameOf(one.window) + " " + std::to_string(one.child);
        if (one.object != OBJID_CLIENT)
            all += " of object " + std::to_string(one.object);
        all += "; ";
    }
    return all;
}

// Focus and selection events of this process, delivered as the driver handles messages.
struct Listening {
    Listening()
        : hook(SetWinEventHook(EVENT_OBJECT_FOCUS, EVENT_OBJECT_SELECTION, nullptr, record,
                               GetCurrentProcessId(), 0, WINEVENT_OUTOFCONTEXT))
    {
        REQUIRE(hook);
        events.clear();
    }
    ~Listening() { UnhookWinEvent(hook); }
    HWINEVENTHOOK hook;
};

} // namespace

TEST_CASE("every control's role, name and description as oleacc reads them")
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
        CHECK(got.description == want.description);
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
