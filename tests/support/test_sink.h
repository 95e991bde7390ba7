// A host-side event sink for tests: records every event it receives and runs an optional
// handler inside the event.
#pragma once

#include <paginor/automation.h>

#include "automation/variant.h"

#include <functional>
#include <string>
#include <vector>

namespace paginor::test {

class Sink final : public IDispatch {
  public:
    struct Event {
        DISPID id;
        std::vector<std::u16string> args; // string arguments in declaration order
    };
    std::vector<Event> seen;
    std::function<void(DISPPARAMS&)> handler;
    ULONG refs = 1;

    HRESULT QueryInterface(REFIID riid, void** ppv) override {
        if (!ppv)
            return E_POINTER;
        *ppv = nullptr;
        if (riid != IID_IUnknown && riid != IID_IDispatch)
            return E_NOINTERFACE;
        *ppv = this;
        AddRef();
        return S_OK;
    }
    ULONG AddRef() override { return ++refs; }
    ULONG Release() override { return --refs; } // lives on the test's stack
    HRESULT GetTypeInfoCount(UINT*) override { return E_NOTIMPL; }
    HRESULT GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
    HRESULT GetIDsOfNames(REFIID, OLECHAR**, UINT, LCID, DISPID*) override { return E_NOTIMPL; }
    HRESULT Invoke(DISPID id, REFIID, LCID, WORD, DISPPARAMS* p, VARIANT*, EXCEPINFO*,
                   UINT*) override {
        Event e{id, {}};
        for (UINT i = p->cArgs; i-- > 0;) {
            const VARIANT& v = p->rgvarg[i];
            e.args.push_back(v.vt == (VT_BYREF | VT_BSTR)
                                 ? std::u16string(frame::bstr_view(*v.pbstrVal))
                                 : std::u16string(u"<not a by-ref string>"));
        }
        seen.push_back(e);
        if (handler)
            handler(*p);
        return S_OK;
    }
};

// Advises the sink on the object's event interface (found by iid); returns the cookie.
inline DWORD advise(IUnknown* object, REFIID iid, IUnknown* sink, IConnectionPoint** point) {
    IConnectionPointContainer* container = nullptr;
    if (FAILED(object->QueryInterface(IID_IConnectionPointContainer,
                                      reinterpret_cast<void**>(&container))))
        return 0;
    DWORD cookie = 0;
    if (SUCCEEDED(container->FindConnectionPoint(iid, point)))
        (*point)->Advise(sink, &cookie);
    container->Release();
    return cookie;
}

} // namespace paginor::test
