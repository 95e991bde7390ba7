// Late-bound calls as a script host makes them: the name through GetIDsOfNames, then
// Invoke as a property read (or default-member call) with by-value arguments.
#pragma once

#include "automation/variant.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace paginor::test {

// Reads name(args...) into out; the HRESULT of the first step that fails.
inline HRESULT late_get(IDispatch* object, const char16_t* name, frame::Variant& out,
                        std::vector<VARIANT> args = {}, EXCEPINFO* excep = nullptr) {
    DISPID id = 0;
    OLECHAR* names[] = {const_cast<OLECHAR*>(name)};
    if (HRESULT hr = object->GetIDsOfNames(IID_NULL, names, 1, 0x409, &id); FAILED(hr))
        return hr;
    std::vector<VARIANT> reversed(args.rbegin(), args.rend());
    DISPPARAMS p{reversed.data(), nullptr, UINT(reversed.size()), 0};
    return object->Invoke(id, IID_NULL, 0x409, DISPATCH_PROPERTYGET | DISPATCH_METHOD, &p,
                          out.out(), excep, nullptr);
}

inline VARIANT long_arg(LONG value) {
    VARIANT v;
    VariantInit(&v);
    v.vt = VT_I4;
    v.lVal = value;
    return v;
}

// The member's value as text, number or object; a failed read fails the test and gives
// an empty value.
inline std::u16string late_text(IDispatch* object, const char16_t* name) {
    frame::Variant v;
    EXPECT_EQ(late_get(object, name, v), S_OK) << "reading a text member";
    return v.vt() == VT_BSTR ? std::u16string(frame::bstr_view(v->bstrVal)) : u"<not text>";
}
inline LONG late_long(IDispatch* object, const char16_t* name) {
    frame::Variant v;
    EXPECT_EQ(late_get(object, name, v), S_OK) << "reading a number member";
    return v.vt() == VT_I4 ? v->lVal : -1;
}
// A counted reference (null when the read failed or gave no object).
inline IDispatch* late_object(IDispatch* object, const char16_t* name,
                              std::vector<VARIANT> args = {}) {
    frame::Variant v;
    EXPECT_EQ(late_get(object, name, v, std::move(args)), S_OK) << "reading an object member";
    if (v.vt() != VT_DISPATCH)
        return nullptr;
    VARIANT out = v.release();
    return out.pdispVal;
}

} // namespace paginor::test
