// Late-bound calls as a script host makes them: the name through GetIDsOfNames, then
// Invoke with the arguments in declaration order (reversed into rgvarg), a property put
// passing its value as the named DISPID_PROPERTYPUT argument.
#pragma once

#include "support/objects.h"

#include "automation/variant.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace paginor::test {

inline VARIANT long_arg(LONG value) {
    VARIANT v{};
    v.vt = VT_I4;
    v.lVal = value;
    return v;
}
// The text stays the caller's.
inline VARIANT text_arg(BSTR text) {
    VARIANT v{};
    v.vt = VT_BSTR;
    v.bstrVal = text;
    return v;
}

// The member's DISPID; DISPID_UNKNOWN (and the HRESULT in *hr) when the name is unknown.
inline DISPID id_of(IDispatch* d, const char16_t* name, HRESULT* hr = nullptr) {
    OLECHAR* names[] = {const_cast<OLECHAR*>(name)};
    DISPID id = DISPID_UNKNOWN;
    const HRESULT got = d->GetIDsOfNames(IID_NULL, names, 1, 0x409, &id);
    if (hr)
        *hr = got;
    else
        EXPECT_EQ(got, S_OK) << "no member";
    return id;
}

// One call and all it gave back.
struct LateCall {
    HRESULT hr{E_FAIL};
    automation::Variant result;
    EXCEPINFO excep{};
    UINT arg_err{0xFFFF};

    LateCall(IDispatch* d, DISPID id, WORD flags, std::vector<VARIANT> args = {},
             std::vector<DISPID> named = {}) {
        if (flags == DISPATCH_PROPERTYPUT && named.empty())
            named.push_back(DISPID_PROPERTYPUT);
        std::vector<VARIANT> rg(args.rbegin(), args.rend());
        DISPPARAMS p{rg.data(), named.data(), UINT(rg.size()), UINT(named.size())};
        hr = d->Invoke(id, IID_NULL, 0x409, flags, &p, result.out(), &excep, &arg_err);
    }
    // By name: a name the object does not know gives GetIDsOfNames's answer.
    LateCall(IDispatch* d, const char16_t* name,
             WORD flags = DISPATCH_PROPERTYGET | DISPATCH_METHOD, std::vector<VARIANT> args = {}) {
        const DISPID id = id_of(d, name, &hr);
        if (SUCCEEDED(hr))
            *this = LateCall(d, id, flags, std::move(args));
    }
    LateCall& operator=(LateCall&& other) noexcept {
        std::swap(hr, other.hr), std::swap(excep, other.excep), std::swap(arg_err, other.arg_err);
        result = std::move(other.result);
        return *this;
    }
    ~LateCall() {
        SysFreeString(excep.bstrSource);
        SysFreeString(excep.bstrDescription);
    }
    std::u16string_view description() const { return automation::bstr_view(excep.bstrDescription); }
};

// The member's value as text, number or object; a failed read fails the test and gives
// an empty value.
inline std::u16string late_text(IDispatch* object, const char16_t* name) {
    LateCall c(object, name);
    EXPECT_EQ(c.hr, S_OK) << "reading a text member";
    return c.result.vt() == VT_BSTR ? std::u16string(automation::bstr_view(c.result->bstrVal))
                                    : u"<not text>";
}
inline LONG late_long(IDispatch* object, const char16_t* name) {
    LateCall c(object, name);
    EXPECT_EQ(c.hr, S_OK) << "reading a number member";
    return c.result.vt() == VT_I4 ? c.result->lVal : -1;
}
inline Ref<IDispatch> late_object(IDispatch* object, const char16_t* name,
                                  std::vector<VARIANT> args = {}) {
    LateCall c(object, name, DISPATCH_PROPERTYGET | DISPATCH_METHOD, std::move(args));
    EXPECT_EQ(c.hr, S_OK) << "reading an object member";
    return c.result.vt() == VT_DISPATCH ? Ref<IDispatch>::adopt(c.result.release().pdispVal)
                                        : nullptr;
}

} // namespace paginor::test
