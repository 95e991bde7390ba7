// What the tests of controls sited by hand (no form of the host API) share: a site that
// answers the ambient mode and font and records the changes it is told of, and the stub
// object a container control made in a test presents as itself.
#pragma once

#include "frame/user_control.h"
#include "library/classes.h"

#include <functional>
#include <vector>

namespace paginor::test {

class TestSite final : public frame::ControlSite {
  public:
    platform::HWND window{0};
    bool user_mode{true};
    frame::FontDescription font{};
    std::vector<DISPID> changes;
    std::function<void()> on_change; // runs at every change, after it is recorded

    platform::HWND site_window() override { return window; }
    bool ambient_user_mode() override { return user_mode; }
    frame::FontDescription ambient_font() override { return font; }
    void on_property_changed(IUnknown*, DISPID dispid) override {
        changes.push_back(dispid);
        if (on_change)
            on_change();
    }
};

// A control written in a test as a container writes it: its own IDispatch, which lives
// in the test (counts fixed, no members), and the class it stands in for.
template <library::ClassId Stands> class StubControl : public frame::UserControl, public IDispatch {
  public:
    HRESULT QueryInterface(REFIID riid, void** ppv) override {
        if (riid != IID_IUnknown && riid != IID_IDispatch)
            return E_NOINTERFACE;
        *ppv = static_cast<IDispatch*>(this);
        return S_OK;
    }
    ULONG AddRef() override { return 2; }
    ULONG Release() override { return 1; }
    HRESULT GetTypeInfoCount(UINT*) override { return E_NOTIMPL; }
    HRESULT GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
    HRESULT GetIDsOfNames(REFIID, OLECHAR**, UINT, LCID, DISPID*) override { return E_NOTIMPL; }
    HRESULT Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*, UINT*) override {
        return E_NOTIMPL;
    }
    IUnknown* control_unknown() override { return static_cast<IDispatch*>(this); }
    const automation::Class& control_class() const override { return library::class_entry(Stands); }
    using UserControl::add_control;
};

} // namespace paginor::test
