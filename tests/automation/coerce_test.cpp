// BSTR allocation and VariantChangeType coercions, pinned value by value.
#include <paginor/base.h>

#include "automation/variant.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <string>

using paginor::automation::Bstr;
using paginor::automation::bstr_view;
using paginor::automation::Variant;

TEST(Bstr, AllocationFollowsTheDesktop) {
    EXPECT_EQ(SysAllocString(nullptr), nullptr);
    EXPECT_EQ(SysStringLen(nullptr), 0u);
    EXPECT_EQ(SysStringByteLen(nullptr), 0u);
    SysFreeString(nullptr); // harmless
    BSTR b = SysAllocString(u"abc");
    ASSERT_NE(b, nullptr);
    EXPECT_EQ(SysStringLen(b), 3u);
    EXPECT_EQ(SysStringByteLen(b), 6u);
    EXPECT_EQ(b[3], 0);
    uint32_t prefix = 0;
    std::memcpy(&prefix, reinterpret_cast<char*>(b) - 4, 4);
    EXPECT_EQ(prefix, 6u); // the byte count sits just before the text
    SysFreeString(b);
    // An embedded zero is part of a counted string.
    BSTR z = SysAllocStringLen(u"a\0b", 3);
    EXPECT_EQ(SysStringLen(z), 3u);
    EXPECT_EQ(bstr_view(z), std::u16string_view(u"a\0b", 3));
    SysFreeString(z);
    BSTR blank = SysAllocStringLen(nullptr, 2);
    EXPECT_EQ(SysStringLen(blank), 2u);
    EXPECT_EQ(blank[0], 0);
    SysFreeString(blank);
}

namespace {

struct Case {
    const char* what;
    Variant from;
    VARTYPE to;
    HRESULT hr;
    double number;        // expected numeric value when hr is S_OK and `to` is numeric
    const char16_t* text; // expected text when `to` is VT_BSTR
};

double numeric(const VARIANT& v) {
    return v.vt == VT_I2     ? v.iVal
           : v.vt == VT_I4   ? v.lVal
           : v.vt == VT_R4   ? v.fltVal
           : v.vt == VT_R8   ? v.dblVal
           : v.vt == VT_BOOL ? v.boolVal
                             : NAN;
}

} // namespace

TEST(VariantChangeType, CoercionTable) {
    const Case cases[] = {
        {"empty to I4", Variant(), VT_I4, S_OK, 0, nullptr},
        {"empty to BSTR", Variant(), VT_BSTR, S_OK, 0, u""},
        {"I4 to I2 fits", Variant(LONG(-32768)), VT_I2, S_OK, -32768, nullptr},
        {"I4 to I2 overflows", Variant(LONG(32768)), VT_I2, DISP_E_OVERFLOW, 0, nullptr},
        {"R8 to I4 rounds half to even", Variant(2.5), VT_I4, S_OK, 2, nullptr},
        {"R8 3.5 to I4", Variant(3.5), VT_I4, S_OK, 4, nullptr},
        {"R8 to I4 overflows", Variant(2147483648.0), VT_I4, DISP_E_OVERFLOW, 0, nullptr},
        {"R8 to R4 overflows", Variant(1e39), VT_R4, DISP_E_OVERFLOW, 0, nullptr},
        {"text to I4", Variant(u" 42 "), VT_I4, S_OK, 42, nullptr},
        {"text -7 to I2", Variant(u"-7"), VT_I2, S_OK, -7, nullptr},
        {"decimal text to R8", Variant(u"1.25"), VT_R8, S_OK, 1.25, nullptr},
        {"exponent text to R4", Variant(u"1.5E3"), VT_R4, S_OK, 1500, nullptr},
        {"hex colour text to I4", Variant(u"&H80000005"), VT_I4, S_OK, -2147483643.0, nullptr},
        {"short hex is 16-bit", Variant(u"&HFFFF"), VT_I4, S_OK, -1, nullptr},
        {"octal text", Variant(u"&O17"), VT_I4, S_OK, 15, nullptr},
        {"bad text", Variant(u"12abc"), VT_I4, DISP_E_TYPEMISMATCH, 0, nullptr},
        {"empty text", Variant(u""), VT_I2, DISP_E_TYPEMISMATCH, 0, nullptr},
        {"text overflows I2", Variant(u"40000"), VT_I2, DISP_E_OVERFLOW, 0, nullptr},
        {"True to I2", Variant::boolean(true), VT_I2, S_OK, -1, nullptr},
        {"False to R8", Variant::boolean(false), VT_R8, S_OK, 0, nullptr},
        {"True to text", Variant::boolean(true), VT_BSTR, S_OK, 0, u"True"},
        {"False to text", Variant::boolean(false), VT_BSTR, S_OK, 0, u"False"},
        {"I2 to text", Variant(SHORT(-12)), VT_BSTR, S_OK, 0, u"-12"},
        {"R8 to text", Variant(0.5), VT_BSTR, S_OK, 0, u"0.5"},
        {"large R8 to text", Variant(1e20), VT_BSTR, S_OK, 0, u"1E+20"},
        {"R4 to text keeps 7 digits", Variant(1.1f), VT_BSTR, S_OK, 0, u"1.1"},
        {"R8 to BOOL", Variant(0.25), VT_BOOL, S_OK, -1, nullptr},
        {"zero to BOOL", Variant(LONG(0)), VT_BOOL, S_OK, 0, nullptr},
        {"text true to BOOL", Variant(u"tRUE"), VT_BOOL, S_OK, -1, nullptr},
        {"text False to BOOL", Variant(u"False"), VT_BOOL, S_OK, 0, nullptr},
        {"numeric text to BOOL", Variant(u"3"), VT_BOOL, S_OK, -1, nullptr},
        {"bad text to BOOL", Variant(u"yes"), VT_BOOL, DISP_E_TYPEMISMATCH, 0, nullptr},
        {"number to DISPATCH", Variant(LONG(1)), VT_DISPATCH, DISP_E_TYPEMISMATCH, 0, nullptr},
        {"null dispatch to UNKNOWN", Variant::dispatch(nullptr), VT_UNKNOWN, S_OK, 0, nullptr},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        Variant dst;
        const HRESULT hr = VariantChangeType(dst.get(), c.from.get(), 0, c.to);
        EXPECT_EQ(hr, c.hr);
        if (FAILED(c.hr)) {
            EXPECT_EQ(dst.vt(), VT_EMPTY); // a failed coercion leaves the destination alone
            continue;
        }
        EXPECT_EQ(dst.vt(), c.to);
        if (c.to == VT_BSTR) {
            EXPECT_EQ(bstr_view(dst->bstrVal), c.text);
        } else if (c.to != VT_UNKNOWN && c.to != VT_EMPTY) {
            EXPECT_EQ(numeric(*dst.get()), c.number);
        }
    }
}

TEST(VariantChangeType, ByReferenceSourcesAndInPlace) {
    SHORT value = 300;
    VARIANT ref{};
    ref.vt = VT_BYREF | VT_I2;
    ref.piVal = &value;
    Variant out;
    ASSERT_EQ(VariantChangeType(out.get(), &ref, 0, VT_BSTR), S_OK);
    EXPECT_EQ(bstr_view(out->bstrVal), u"300");

    Bstr text(u"-5");
    BSTR raw = text.get();
    VARIANT sref{};
    sref.vt = VT_BYREF | VT_BSTR;
    sref.pbstrVal = &raw;
    ASSERT_EQ(VariantChangeType(out.get(), &sref, 0, VT_I4), S_OK);
    EXPECT_EQ(out->lVal, -5);

    Variant inner(u"7");
    VARIANT vref{};
    vref.vt = VT_BYREF | VT_VARIANT;
    vref.pvarVal = inner.get();
    ASSERT_EQ(VariantChangeType(out.get(), &vref, 0, VT_R8), S_OK);
    EXPECT_EQ(out->dblVal, 7.0);

    // Converting a variant onto itself frees the old text and keeps the new value.
    Variant self(u"12");
    ASSERT_EQ(VariantChangeType(self.get(), self.get(), 0, VT_I2), S_OK);
    EXPECT_EQ(self.vt(), VT_I2);
    EXPECT_EQ(self->iVal, 12);

    EXPECT_EQ(VariantChangeType(nullptr, &ref, 0, VT_I4), E_POINTER);
    EXPECT_EQ(VariantChangeType(out.get(), &ref, 0, VT_BYREF | VT_I4), DISP_E_BADVARTYPE);
}

TEST(Variant, CopyAndClearOwnWhatTheyHold) {
    Variant a(u"text");
    Variant b;
    ASSERT_EQ(VariantCopy(b.get(), a.get()), S_OK);
    EXPECT_NE(b->bstrVal, a->bstrVal); // a deep copy
    EXPECT_EQ(bstr_view(b->bstrVal), u"text");
    VARIANT bad{};
    bad.vt = 0x7F;
    EXPECT_EQ(VariantClear(&bad), DISP_E_BADVARTYPE);
    EXPECT_EQ(VariantCopy(b.get(), &bad), DISP_E_BADVARTYPE);
    EXPECT_EQ(VariantClear(nullptr), E_POINTER);
    ASSERT_EQ(VariantClear(b.get()), S_OK);
    EXPECT_EQ(b.vt(), VT_EMPTY);
}
