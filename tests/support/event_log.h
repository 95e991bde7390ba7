// A host's event sink that writes every event it receives as one line of text, by-ref
// arguments shown by value: "MouseUp 1 0 300 300". Compared with expected tables.
#pragma once

#include <paginor/automation.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

namespace paginor::test {

class EventLog final : public IDispatch {
  public:
    // Event names by DISPID (index), as the control's event interface numbers them.
    explicit EventLog(std::vector<std::string> names) : m_names(std::move(names)) {}

    std::vector<std::string> seen;
    ULONG refs{1};

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
    ULONG Release() override { return --refs; } // lives in the test
    HRESULT GetTypeInfoCount(UINT*) override { return E_NOTIMPL; }
    HRESULT GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
    HRESULT GetIDsOfNames(REFIID, OLECHAR**, UINT, LCID, DISPID*) override { return E_NOTIMPL; }
    HRESULT Invoke(DISPID id, REFIID, LCID, WORD, DISPPARAMS* p, VARIANT*, EXCEPINFO*,
                   UINT*) override {
        std::string line =
            id >= 0 && size_t(id) < m_names.size() ? m_names[size_t(id)] : "#" + std::to_string(id);
        for (UINT i = p->cArgs; i-- > 0;)
            line += " " + text(p->rgvarg[i]);
        seen.push_back(line);
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
        default:
            return "<vt " + std::to_string(v.vt) + ">";
        }
    }
    std::vector<std::string> m_names;
};

// Advises the sink on the object's connection point for iid; the cookie, 0 on failure.
inline DWORD advise(IUnknown* object, REFIID iid, IUnknown* sink) {
    IConnectionPointContainer* container = nullptr;
    if (FAILED(object->QueryInterface(IID_IConnectionPointContainer,
                                      reinterpret_cast<void**>(&container))))
        return 0;
    IConnectionPoint* point = nullptr;
    DWORD cookie = 0;
    if (SUCCEEDED(container->FindConnectionPoint(iid, &point))) {
        point->Advise(sink, &cookie);
        point->Release();
    }
    container->Release();
    return cookie;
}

} // namespace paginor::test
