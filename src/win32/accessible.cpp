#include "accessible.h"

#include "handles.h"

#include <commctrl.h>
#include <oleacc.h>

namespace win32 {
namespace {

// oleacc and oleaut32 are loaded when assistive technology first asks, not at start-up.
struct Accessibility {
    decltype(&CreateStdAccessibleObject) createStandard =
        systemFunction<decltype(CreateStdAccessibleObject)>(L"oleacc.dll", "CreateStdAccessibleObject");
    decltype(&LresultFromObject) resultFromObject =
        systemFunction<decltype(LresultFromObject)>(L"oleacc.dll", "LresultFromObject");
    decltype(&SysAllocStringLen) allocateString =
        systemFunction<decltype(SysAllocStringLen)>(L"oleaut32.dll", "SysAllocStringLen");

    static const Accessibility& get()
    {
        static const Accessibility loaded;
        return loaded;
    }
    bool ok() const { return createStandard && resultFromObject && allocateString; }
};

long roleOf(form::Role role)
{
    switch (role) {
    case form::Role::PushButton: return ROLE_SYSTEM_PUSHBUTTON;
    case form::Role::RadioButton: return ROLE_SYSTEM_RADIOBUTTON;
    case form::Role::EditableText:
    case form::Role::ReadOnlyText: return ROLE_SYSTEM_TEXT;
    case form::Role::StaticText: return ROLE_SYSTEM_STATICTEXT;
    case form::Role::Grouping: return ROLE_SYSTEM_GROUPING;
    case form::Role::Link: return ROLE_SYSTEM_LINK;
    case form::Role::Graphic: return ROLE_SYSTEM_GRAPHIC;
    case form::Role::StatusBar: return ROLE_SYSTEM_STATUSBAR;
    }
    return ROLE_SYSTEM_CLIENT;
}

bool isSelf(const VARIANT& child)
{
    return child.vt == VT_I4 && child.lVal == CHILDID_SELF;
}

// The control's own name, role and description; everything else as Windows' standard object answers it.
class ControlAccessible final : public IAccessible {
public:
    ControlAccessible(IAccessible* standard, const form::ControlLayout& row)
        : standard(standard),
          row(row)
    {
    }

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID id, void** object) override
    {
        if (id == __uuidof(IUnknown) || id == __uuidof(IDispatch) || id == __uuidof(IAccessible)) {
            *object = static_cast<IAccessible*>(this);
            AddRef();
            return S_OK;
        }
        *object = nullptr;
        return E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return static_cast<ULONG>(InterlockedIncrement(&references)); }
    ULONG STDMETHODCALLTYPE Release() override
    {
        const LONG left = InterlockedDecrement(&references);
        if (left == 0) {
            standard->Release();
            delete this;
        }
        return static_cast<ULONG>(left);
    }

    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override { return standard->GetTypeInfoCount(count); }
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT index, LCID locale, ITypeInfo** info) override
    {
        return standard->GetTypeInfo(index, locale, info);
    }
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID id, LPOLESTR* names, UINT count, LCID locale, DISPID* ids) override
    {
        return standard->GetIDsOfNames(id, names, count, locale, ids);
    }
    HRESULT STDMETHODCALLTYPE Invoke(DISPID member, REFIID id, LCID locale, WORD flags, DISPPARAMS* parameters,
                                     VARIANT* result, EXCEPINFO* exception, UINT* argumentError) override
    {
        return standard->Invoke(member, id, locale, flags, parameters, result, exception, argumentError);
    }

    HRESULT STDMETHODCALLTYPE get_accName(VARIANT child, BSTR* name) override
    {
        return isSelf(child) ? text(form::accessibleName(row), name) : standard->get_accName(child, name);
    }
    HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT child, BSTR* description) override
    {
        if (isSelf(child) && !form::accessibleDescription(row).empty())
            return text(form::accessibleDescription(row), description);
        return standard->get_accDescription(child, description);
    }
    HRESULT STDMETHODCALLTYPE get_accRole(VARIANT child, VARIANT* role) override
    {
        if (!isSelf(child))
            return standard->get_accRole(child, role);
        role->vt = VT_I4;
        role->lVal = roleOf(form::roleOf(row));
        return S_OK;
    }

    HRESULT STDMETHODCALLTYPE get_accParent(IDispatch** parent) override { return standard->get_accParent(parent); }
    HRESULT STDMETHODCALLTYPE get_accChildCount(long* count) override { return standard->get_accChildCount(count); }
    HRESULT STDMETHODCALLTYPE get_accChild(VARIANT child, IDispatch** found) override
    {
        return standard->get_accChild(child, found);
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
    HRESULT STDMETHODCALLTYPE get_accHelpTopic(BSTR* file, VARIANT child, long* topic) override
    {
        return standard->get_accHelpTopic(file, child, topic);
    }
    HRESULT STDMETHODCALLTYPE get_accKeyboardShortcut(VARIANT child, BSTR* shortcut) override
    {
        return standard->get_accKeyboardShortcut(child, shortcut);
    }
    HRESULT STDMETHODCALLTYPE get_accFocus(VARIANT* focus) override { return standard->get_accFocus(focus); }
    HRESULT STDMETHODCALLTYPE get_accSelection(VARIANT* selection) override
    {
        return standard->get_accSelection(selection);
    }
    HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT child, BSTR* action) override
    {
        return standard->get_accDefaultAction(child, action);
    }
    HRESULT STDMETHODCALLTYPE accSelect(long flags, VARIANT child) override
    {
        return standard->accSelect(flags, child);
    }
    HRESULT STDMETHODCALLTYPE accLocation(long* left, long* top, long* width, long* height, VARIANT child) override
    {
        return standard->accLocation(left, top, width, height, child);
    }
    HRESULT STDMETHODCALLTYPE accNavigate(long direction, VARIANT start, VARIANT* end) override
    {
        return standard->accNavigate(direction, start, end);
    }
    HRESULT STDMETHODCALLTYPE accHitTest(long left, long top, VARIANT* child) override
    {
        return standard->accHitTest(left, top, child);
    }
    HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT child) override { return standard->accDoDefaultAction(child); }
    HRESULT STDMETHODCALLTYPE put_accName(VARIANT child, BSTR name) override
    {
        return standard->put_accName(child, name);
    }
    HRESULT STDMETHODCALLTYPE put_accValue(VARIANT child, BSTR value) override
    {
        return standard->put_accValue(child, value);
    }

private:
    static HRESULT text(std::u16string_view value, BSTR* answer)
    {
        *answer = Accessibility::get().allocateString(reinterpret_cast<const wchar_t*>(value.data()),
                                                      static_cast<UINT>(value.size()));
        return *answer ? S_OK : E_OUTOFMEMORY;
    }

    ~ControlAccessible() = default;

    IAccessible* const standard;
    const form::ControlLayout& row;
    LONG references = 1;
};

LRESULT CALLBACK controlProcedure(HWND control, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR rowData)
{
    if (message == WM_GETOBJECT && static_cast<LONG>(lParam) == OBJID_CLIENT) {
        const Accessibility& accessibility = Accessibility::get();
        IAccessible* standard = nullptr;
        if (accessibility.ok()
            && SUCCEEDED(accessibility.createStandard(control, OBJID_CLIENT, __uuidof(IAccessible),
                                                      reinterpret_cast<void**>(&standard)))) {
            auto* object = new ControlAccessible(standard, *reinterpret_cast<const form::ControlLayout*>(rowData));
            const LRESULT result = accessibility.resultFromObject(__uuidof(IAccessible), wParam, object);
            object->Release();
            return result;
        }
    }
    if (message == WM_NCDESTROY)
        RemoveWindowSubclass(control, controlProcedure, 0);
    return DefSubclassProc(control, message, wParam, lParam);
}

}  // namespace

bool makeAccessible(HWND control, const form::ControlLayout& row)
{
    return SetWindowSubclass(control, controlProcedure, 0, reinterpret_cast<DWORD_PTR>(&row));
}

}  // namespace win32
