#include "accessible.h"

#include "text.h"

#include <commctrl.h>
#include <oleacc.h>

#include <memory>
#include <string>

namespace toolkit::win32::accessible {

namespace {

struct Texts {
    std::wstring name;
    std::wstring description;
    LONG role = ROLE_SYSTEM_CLIENT;
};

LONG roleOf(Kind kind)
{
    switch (kind) {
    case Kind::TabContainer:
        return ROLE_SYSTEM_PAGETABLIST;
    case Kind::CommandButton:
        return ROLE_SYSTEM_PUSHBUTTON;
    case Kind::Label:
        return ROLE_SYSTEM_STATICTEXT;
    case Kind::Frame:
        return ROLE_SYSTEM_GROUPING;
    case Kind::ListBox:
        return ROLE_SYSTEM_LIST;
    case Kind::Shape:
        break;
    }
    return ROLE_SYSTEM_CLIENT;
}

bool isSelf(const VARIANT& child)
{
    return child.vt == VT_EMPTY || (child.vt == VT_I4 && child.lVal == CHILDID_SELF);
}

HRESULT answer(const std::wstring& text, BSTR* out)
{
    *out = SysAllocStringLen(text.data(), UINT(text.size()));
    return *out ? S_OK : E_OUTOFMEMORY;
}

// Windows' own object for the control, with the control's own texts in front of it.
class Standing final : public IAccessible, public IOleWindow {
public:
    Standing(HWND control, IAccessible* standard, std::shared_ptr<const Texts> texts)
        : control(control)
        , standard(standard)
        , texts(std::move(texts))
    {
    }

    Standing(const Standing&) = delete;
    Standing& operator=(const Standing&) = delete;

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID id, void** out) override
    {
        if (!out)
            return E_POINTER;
        if (IsEqualIID(id, __uuidof(IUnknown)) || IsEqualIID(id, __uuidof(IDispatch)) ||
            IsEqualIID(id, __uuidof(IAccessible))) {
            *out = static_cast<IAccessible*>(this);
        } else if (IsEqualIID(id, __uuidof(IOleWindow))) {
            *out = static_cast<IOleWindow*>(this);
        } else {
            *out = nullptr;
            return E_NOINTERFACE;
        }
        AddRef();
        return S_OK;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return ++references; }
    ULONG STDMETHODCALLTYPE Release() override
    {
        const ULONG left = --references;
        if (left == 0)
            delete this;
        return left;
    }

    // Assistive technology calls the properties directly, never by name.
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override
    {
        *count = 0;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override
    {
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*,
                                     UINT*) override
    {
        return E_NOTIMPL;
    }

    HRESULT STDMETHODCALLTYPE get_accName(VARIANT child, BSTR* name) override
    {
        if (isSelf(child) && !texts->name.empty())
            return answer(texts->name, name);
        return standard->get_accName(child, name);
    }
    HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT child, BSTR* description) override
    {
        if (isSelf(child) && !texts->description.empty())
            return answer(texts->description, description);
        return standard->get_accDescription(child, description);
    }
    HRESULT STDMETHODCALLTYPE get_accRole(VARIANT child, VARIANT* role) override
    {
        const HRESULT result = standard->get_accRole(child, role);
        if (SUCCEEDED(result) && isSelf(child) && role->vt == VT_I4 &&
            role->lVal == ROLE_SYSTEM_CLIENT)
            role->lVal = texts->role;
        return result;
    }

    HRESULT STDMETHODCALLTYPE get_accParent(IDispatch** parent) override
    {
        return standard->get_accParent(parent);
    }
    HRESULT STDMETHODCALLTYPE get_accChildCount(LONG* count) override
    {
        return standard->get_accChildCount(count);
    }
    HRESULT STDMETHODCALLTYPE get_accChild(VARIANT child, IDispatch** object) override
    {
        return standard->get_accChild(child, object);
    }
    HRESULT STDMETHODCALLTYPE get_accValue(VARIANT child, BSTR* value) override
    {
        return standard->get_accValue(child, value);
    }
    HRESULT STDMETHODCALLTYPE get_accState(VARIANT child, VARIANT* state) override
    {
        return standard->get_accState(child, state);
    }
    HRESULT STDMETHODCALLTYPE get_accHelp(VARIANT child, BSTR* help) override
    {
        return standard->get_accHelp(child, help);
    }
    HRESULT STDMETHODCALLTYPE get_accHelpTopic(BSTR* file, VARIANT child, LONG* topic) override
    {
        return standard->get_accHelpTopic(file, child, topic);
    }
    HRESULT STDMETHODCALLTYPE get_accKeyboardShortcut(VARIANT child, BSTR* shortcut) override
    {
        return standard->get_accKeyboardShortcut(child, shortcut);
    }
    HRESULT STDMETHODCALLTYPE get_accFocus(VARIANT* focus) override
    {
        return standard->get_accFocus(focus);
    }
    HRESULT STDMETHODCALLTYPE get_accSelection(VARIANT* selection) override
    {
        return standard->get_accSelection(selection);
    }
    HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT child, BSTR* action) override
    {
        return standard->get_accDefaultAction(child, action);
    }
    HRESULT STDMETHODCALLTYPE accSelect(LONG flags, VARIANT child) override
    {
        return standard->accSelect(flags, child);
    }
    HRESULT STDMETHODCALLTYPE accLocation(LONG* left, LONG* top, LONG* width, LONG* height,
                                          VARIANT child) override
    {
        return standard->accLocation(left, top, width, height, child);
    }
    HRESULT STDMETHODCALLTYPE accNavigate(LONG direction, VARIANT start, VARIANT* end) override
    {
        return standard->accNavigate(direction, start, end);
    }
    HRESULT STDMETHODCALLTYPE accHitTest(LONG left, LONG top, VARIANT* child) override
    {
        return standard->accHitTest(left, top, child);
    }
    HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT child) override
    {
        return standard->accDoDefaultAction(child);
    }
    HRESULT STDMETHODCALLTYPE put_accName(VARIANT child, BSTR name) override
    {
        return standard->put_accName(child, name);
    }
    HRESULT STDMETHODCALLTYPE put_accValue(VARIANT child, BSTR value) override
    {
        return standard->put_accValue(child, value);
    }

    HRESULT STDMETHODCALLTYPE GetWindow(HWND* window) override
    {
        *window = control;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE ContextSensitiveHelp(BOOL) override { return E_NOTIMPL; }

private:
    ~Standing() { standard->Release(); }

    ULONG references = 1;
    HWND control;
    IAccessible* standard;
    // Shared with the control: an object a screen reader still holds may outlive it.
    std::shared_ptr<const Texts> texts;
};

constexpr UINT_PTR subclassId = 0xacc;
// The texts, found from the control's handle.
constexpr wchar_t property[] = L"ZorvanAccessibleTexts";

LRESULT CALLBACK answerRequests(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                DWORD_PTR data)
{
    auto* texts = reinterpret_cast<std::shared_ptr<Texts>*>(data);
    if (message == WM_GETOBJECT && LONG(lParam) == OBJID_CLIENT) {
        IAccessible* standard = nullptr;
        if (SUCCEEDED(CreateStdAccessibleObject(window, OBJID_CLIENT, __uuidof(IAccessible),
                                                reinterpret_cast<void**>(&standard)))) {
            auto* object = new Standing(window, standard, *texts);
            const LRESULT result =
                LresultFromObject(__uuidof(IAccessible), wParam, static_cast<IAccessible*>(object));
            object->Release();
            return result;
        }
    } else if (message == WM_NCDESTROY) {
        RemoveWindowSubclass(window, answerRequests, subclassId);
        RemovePropW(window, property);
        delete texts;
    }
    return DefSubclassProc(window, message, wParam, lParam);
}

Texts* textsOf(HWND control)
{
    const auto* texts = static_cast<std::shared_ptr<Texts>*>(GetPropW(control, property));
    return texts ? texts->get() : nullptr;
}

void attach(HWND control, LONG role, Text name, Text description)
{
    auto* texts = new std::shared_ptr<Texts>(
        std::make_shared<Texts>(Texts{wide(name), wide(description), role}));
    if (!SetWindowSubclass(control, answerRequests, subclassId,
                           reinterpret_cast<DWORD_PTR>(texts))) {
        delete texts;
        return;
    }
    SetPropW(control, property, texts);
}

} // namespace

void attach(HWND control, Kind kind, Text name, Text description)
{
    attach(control, roleOf(kind), name, description);
}

void setName(HWND control, Text name)
{
    Texts* texts = textsOf(control);
    // The program names its totals again after every key in a force list.
    if (!texts || texts->name == wide(name))
        return;
    texts->name = wide(name);
    NotifyWinEvent(EVENT_OBJECT_NAMECHANGE, control, OBJID_CLIENT, CHILDID_SELF);
}

HWND createAlert(HWND parent)
{
    // A class of its own: Windows' object for it, a bare client area, takes the alert's role.
    static const ATOM kind = [] {
        WNDCLASSEXW alerts{};
        alerts.cbSize = sizeof alerts;
        alerts.lpfnWndProc = DefWindowProcW;
        alerts.hInstance = GetModuleHandleW(nullptr);
        alerts.lpszClassName = L"ZorvanAlert";
        return RegisterClassExW(&alerts);
    }();
    HWND window = CreateWindowExW(0, MAKEINTATOM(kind), L"", WS_CHILD | WS_VISIBLE, 0, 0, 0, 0,
                                  parent, nullptr, GetModuleHandleW(nullptr), nullptr);
    attach(window, ROLE_SYSTEM_ALERT, {}, {});
    return window;
}

void alert(HWND window, Text text)
{
    if (Texts* texts = textsOf(window)) {
        texts->name = wide(text);
        NotifyWinEvent(EVENT_SYSTEM_ALERT, window, OBJID_CLIENT, CHILDID_SELF);
    }
}

} // namespace toolkit::win32::accessible
