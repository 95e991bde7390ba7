// A host's event sink for tests: writes every event it receives as one line of text, the
// event's name then its arguments ("MouseUp 1 0 300 300", by-reference arguments shown by
// value), and runs an optional handler inside the event.
#pragma once

#include "support/objects.h"

#include <paginor/automation.h>

#include "automation/variant.h"
#include "platform/core/unicode.h"

#include <cstdio>
#include <functional>
#include <string>
#include <vector>

namespace paginor::test {

class Sink final : public IDispatch {
  public:
    // Event names by DISPID (index); an event without one is shown by its number.
    explicit Sink(std::vector<std::string> names = {}) : m_names(std::move(names)) {}

    std::vector<std::string> seen;
    std::function<void(DISPPARAMS&)> handler;
    ULONG refs{1}; // lives in the test: the last Release frees nothing

    // Takes what was seen so far and starts afresh.
    std::vector<std::string> take() { return std::exchange(seen, {}); }

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
    ULONG Release() override { return --refs; }
    HRESULT GetTypeInfoCount(UINT*) override { return E_NOTIMPL; }
    HRESULT GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
    HRESULT GetIDsOfNames(REFIID, OLECHAR**, UINT, LCID, DISPID*) override { return E_NOTIMPL; }
    HRESULT Invoke(DISPID id, REFIID, LCID, WORD, DISPPARAMS* p, VARIANT*, EXCEPINFO*,
                   UINT*) override {
        std::string line =
            id >= 0 && size_t(id) < m_names.size() ? m_names[size_t(id)] : std::to_string(id);
        for (UINT i = p->cArgs; i-- > 0;)
            line += " " + text(p->rgvarg[i]);
        seen.push_back(line);
        if (handler)
            handler(*p);
        return S_OK;
    }

  private:
    static std::string text(const VARIANT& v) {
        char buf[32];
        switch (v.vt) {
        case VT_BYREF | VT_I2:
            return std::to_string(*v.piVal);
        case VT_BYREF | VT_R4:
            std::snprintf(buf, sizeof buf, "%g", *v.pfltVal);
            return buf;
        case VT_BYREF | VT_BSTR:
            return to_utf8(automation::bstr_view(*v.pbstrVal));
        default:
            return "<vt " + std::to_string(v.vt) + ">";
        }
    }
    std::vector<std::string> m_names;
};

// Advises the sink on the object's connection point for iid; the cookie, 0 on failure.
// The point is handed back when asked for.
inline DWORD advise(IUnknown* object, REFIID iid, IUnknown* sink,
                    Ref<IConnectionPoint>* point = nullptr) {
    Ref<IConnectionPoint> found;
    DWORD cookie = 0;
    if (auto container = query<IConnectionPointContainer>(object, IID_IConnectionPointContainer)) {
        if (SUCCEEDED(container->FindConnectionPoint(iid, found.put())))
            found->Advise(sink, &cookie);
    }
    if (point)
        *point = found;
    return cookie;
}

} // namespace paginor::test
