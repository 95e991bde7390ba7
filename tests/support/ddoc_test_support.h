// Talking to DDOC as hosts do: a typed pointer from the class factory, late-bound calls
// through Invoke, and the error object a failing member leaves behind.
#pragma once

#include <paginor/PaginorV2CTL.h>
#include <paginor/automation.h>

#include "automation/variant.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace paginor::test {

inline _DDOC* create_ddoc() {
    IClassFactory* factory = nullptr;
    EXPECT_EQ(DllGetClassObject(CLSID_DDOC, IID_IClassFactory, reinterpret_cast<void**>(&factory)),
              S_OK);
    if (factory == nullptr) {
        return nullptr;
    }
    void* object = nullptr;
    EXPECT_EQ(factory->CreateInstance(nullptr, IID__DDOC, &object), S_OK);
    factory->Release();
    return static_cast<_DDOC*>(object);
}

struct ErrorSeen {
    std::u16string source;
    std::u16string description;
};

// Takes the calling thread's error object; empty texts when there is none.
inline ErrorSeen take_error() {
    IErrorInfo* info = nullptr;
    ErrorSeen seen;
    if (GetErrorInfo(0, &info) == S_OK && info != nullptr) {
        frame::Bstr source;
        frame::Bstr description;
        info->GetSource(source.out());
        info->GetDescription(description.out());
        seen = {source.str(), description.str()};
        info->Release();
    }
    return seen;
}

struct LateCall {
    HRESULT hr{S_OK};
    frame::Variant result;
    EXCEPINFO excep{};
    ~LateCall() {
        SysFreeString(excep.bstrSource);
        SysFreeString(excep.bstrDescription);
    }
};

inline DISPID dispid_of(IDispatch* d, const char16_t* name) {
    OLECHAR* names[] = {const_cast<OLECHAR*>(name)};
    DISPID id = DISPID_UNKNOWN;
    EXPECT_EQ(d->GetIDsOfNames(IID_NULL, names, 1, 0x409, &id), S_OK) << "no member";
    return id;
}

// Calls a member by name with text arguments in declaration order; a property put
// passes its value as the named DISPID_PROPERTYPUT argument, as hosts do.
inline void call_late(LateCall& c, IDispatch* d, const char16_t* name, WORD flags,
                      const std::vector<std::u16string>& args) {
    std::vector<frame::Bstr> texts;
    for (const std::u16string& a : args) {
        texts.emplace_back(a);
    }
    std::vector<VARIANT> rg;
    for (auto it = texts.rbegin(); it != texts.rend(); ++it) {
        VARIANT v{};
        v.vt = VT_BSTR;
        v.bstrVal = it->get();
        rg.push_back(v);
    }
    DISPID put = DISPID_PROPERTYPUT;
    bool is_put = flags == DISPATCH_PROPERTYPUT;
    DISPPARAMS p{rg.data(), is_put ? &put : nullptr, UINT(rg.size()), is_put ? 1u : 0u};
    UINT arg_err = 0;
    c.hr = d->Invoke(dispid_of(d, name), IID_NULL, 0x409, flags, &p, c.result.out(), &c.excep,
                     &arg_err);
}

} // namespace paginor::test
