// VariantChangeType: the coercions a host expects between empty, integers, singles,
// doubles, strings, booleans and objects. Numbers become text in the desktop's general
// format; text becomes a number only when all of it is one (decimal, or &H / &O
// prefixed); integers round half to even and overflow gives DISP_E_OVERFLOW. Colours
// travel as 32-bit integers, so "&H80000005" becomes the I4 -2147483643.
#include <paginor/base.h>

#include "automation/foreign.h"
#include "automation/numeric_arg.h"
#include "platform/core/unicode.h"

#include <cctype>
#include <cerrno>
#include <cfloat>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

std::u16string_view view(BSTR b) {
    return {b ? b : u"", SysStringLen(b)};
}

HRESULT owned_string(VARIANT& out, std::u16string_view text) {
    out.vt = VT_BSTR;
    out.bstrVal = SysAllocStringLen(text.data(), static_cast<UINT>(text.size()));
    return out.bstrVal || text.empty() ? S_OK : E_OUTOFMEMORY;
}

// Parses the whole text as a number; false when any of it is not part of one.
bool parse_number(std::u16string_view text, double& value) {
    std::string ascii;
    for (char16_t c : text) {
        if (c > 0x7F)
            return false;
        ascii.push_back(static_cast<char>(c));
    }
    const auto first = ascii.find_first_not_of(" \t");
    if (first == std::string::npos)
        return false;
    const auto last = ascii.find_last_not_of(" \t");
    ascii = ascii.substr(first, last - first + 1);
    bool negative = false;
    std::string body = ascii;
    if (!body.empty() && (body[0] == '-' || body[0] == '+')) {
        negative = body[0] == '-';
        body.erase(0, 1);
    }
    if (body.size() > 2 && body[0] == '&' &&
        (body[1] == 'H' || body[1] == 'h' || body[1] == 'O' || body[1] == 'o')) {
        const int base = (body[1] == 'H' || body[1] == 'h') ? 16 : 8;
        char* end = nullptr;
        errno = 0;
        const unsigned long long raw = std::strtoull(body.c_str() + 2, &end, base);
        if (*end != 0 || errno != 0 || raw > 0xFFFFFFFFull)
            return false;
        // &H literals are 32-bit: &HFFFFFFFF is -1, as a colour written in hex would be
        const double v = raw > 0xFFFF ? static_cast<double>(static_cast<int32_t>(raw))
                                      : static_cast<double>(static_cast<int16_t>(raw));
        value = negative ? -v : v;
        return true;
    }
    if (body.empty() || body[0] == '+' || body[0] == '-')
        return false;
    for (char c : body)
        if (!(std::isdigit(static_cast<unsigned char>(c)) || c == '.' || c == 'e' || c == 'E' ||
              c == '+' || c == '-'))
            return false;
    char* end = nullptr;
    errno = 0;
    const double v = std::strtod(body.c_str(), &end);
    if (*end != 0 || end == body.c_str())
        return false;
    if (errno == ERANGE && std::isinf(v))
        return false;
    value = negative ? -v : v;
    return true;
}

// The source as a double, for every source that has a numeric value.
HRESULT as_double(const VARIANT& from, double& value) {
    switch (from.vt) {
    case VT_EMPTY:
        value = 0;
        return S_OK;
    case VT_I2:
        value = from.iVal;
        return S_OK;
    case VT_I4:
        value = from.lVal;
        return S_OK;
    case VT_UI1:
        value = from.bVal;
        return S_OK;
    case VT_R4:
        value = from.fltVal;
        return S_OK;
    case VT_R8:
    case VT_DATE:
        value = from.dblVal;
        return S_OK;
    case VT_BOOL:
        value = from.boolVal ? -1 : 0;
        return S_OK;
    case VT_BSTR:
        return parse_number(view(from.bstrVal), value) ? S_OK : DISP_E_TYPEMISMATCH;
    default:
        return DISP_E_TYPEMISMATCH;
    }
}

HRESULT to_integer(const VARIANT& from, double low, double high, double& out) {
    double v = 0;
    HRESULT hr = as_double(from, v);
    if (FAILED(hr))
        return hr;
    if (std::isnan(v))
        return DISP_E_OVERFLOW;
    v = std::nearbyint(v); // the default rounding mode rounds half to even
    if (v < low || v > high)
        return DISP_E_OVERFLOW;
    out = v;
    return S_OK;
}

std::u16string number_text(double v, int digits) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.*G", digits, v);
    std::u16string text;
    for (const char* p = buffer; *p; ++p)
        text.push_back(static_cast<char16_t>(*p));
    return text;
}

HRESULT to_string(const VARIANT& from, VARIANT& out) {
    switch (from.vt) {
    case VT_EMPTY:
        return owned_string(out, u"");
    case VT_BSTR:
        return owned_string(out, view(from.bstrVal));
    case VT_BOOL:
        return owned_string(out, from.boolVal ? u"True" : u"False");
    case VT_I2:
        return owned_string(out, number_text(from.iVal, 15));
    case VT_I4:
        return owned_string(out, number_text(from.lVal, 15));
    case VT_UI1:
        return owned_string(out, number_text(from.bVal, 15));
    case VT_R4:
        return owned_string(out, number_text(from.fltVal, 7));
    case VT_R8:
        return owned_string(out, number_text(from.dblVal, 15));
    default:
        return DISP_E_TYPEMISMATCH;
    }
}

HRESULT to_bool(const VARIANT& from, VARIANT& out) {
    out.vt = VT_BOOL;
    if (from.vt == VT_BSTR) {
        const auto text = view(from.bstrVal);
        if (paginor::equals_ignore_case(text, u"True") ||
            paginor::equals_ignore_case(text, u"#TRUE#")) {
            out.boolVal = VARIANT_TRUE;
            return S_OK;
        }
        if (paginor::equals_ignore_case(text, u"False") ||
            paginor::equals_ignore_case(text, u"#FALSE#")) {
            out.boolVal = VARIANT_FALSE;
            return S_OK;
        }
    }
    double v = 0;
    HRESULT hr = as_double(from, v);
    if (FAILED(hr))
        return hr;
    out.boolVal = v != 0 ? VARIANT_TRUE : VARIANT_FALSE;
    return S_OK;
}

PAGINOR_FOREIGN_CALLS HRESULT to_object(const VARIANT& from, VARTYPE vt, VARIANT& out) {
    if (from.vt != VT_DISPATCH && from.vt != VT_UNKNOWN)
        return DISP_E_TYPEMISMATCH;
    out.vt = vt;
    out.punkVal = nullptr;
    if (!from.punkVal)
        return S_OK;
    if (from.vt == vt) {
        from.punkVal->AddRef();
        out.punkVal = from.punkVal;
        return S_OK;
    }
    void* p = nullptr;
    const IID& iid = vt == VT_DISPATCH ? IID_IDispatch : IID_IUnknown;
    if (FAILED(from.punkVal->QueryInterface(iid, &p)))
        return DISP_E_TYPEMISMATCH;
    out.punkVal = static_cast<IUnknown*>(p);
    return S_OK;
}

HRESULT convert(const VARIANT& from, VARTYPE vt, VARIANT& out) {
    if (from.vt == VT_NULL || from.vt == VT_ERROR)
        return vt == from.vt ? (out = from, S_OK) : DISP_E_TYPEMISMATCH;
    double v = 0;
    HRESULT hr = S_OK;
    switch (vt) {
    case VT_EMPTY:
        out.vt = VT_EMPTY;
        return S_OK;
    case VT_I2:
        hr = to_integer(from, -32768.0, 32767.0, v);
        out.vt = VT_I2;
        out.iVal = static_cast<SHORT>(v);
        return hr;
    case VT_I4:
        hr = to_integer(from, -2147483648.0, 2147483647.0, v);
        out.vt = VT_I4;
        out.lVal = static_cast<LONG>(v);
        return hr;
    case VT_UI1:
        hr = to_integer(from, 0.0, 255.0, v);
        out.vt = VT_UI1;
        out.bVal = static_cast<BYTE>(v);
        return hr;
    case VT_R4:
        hr = as_double(from, v);
        if (SUCCEEDED(hr) && std::isfinite(v) && std::fabs(v) > FLT_MAX)
            hr = DISP_E_OVERFLOW;
        out.vt = VT_R4;
        out.fltVal = static_cast<FLOAT>(v);
        return hr;
    case VT_R8:
        hr = as_double(from, v);
        out.vt = VT_R8;
        out.dblVal = v;
        return hr;
    case VT_BSTR:
        return to_string(from, out);
    case VT_BOOL:
        return to_bool(from, out);
    case VT_DISPATCH:
    case VT_UNKNOWN:
        return to_object(from, vt, out);
    default:
        return DISP_E_BADVARTYPE;
    }
}

// The value a by-reference source points at, borrowed (nothing is copied or counted).
HRESULT dereference(const VARIANT& src, VARIANT& value) {
    value = VARIANT{};
    const VARTYPE base = src.vt & ~VT_BYREF;
    value.vt = base;
    if (!src.byref)
        return E_POINTER;
    switch (base) {
    case VT_I2:
    case VT_BOOL:
        value.iVal = *src.piVal;
        return S_OK;
    case VT_I4:
    case VT_ERROR:
        value.lVal = *src.plVal;
        return S_OK;
    case VT_UI1:
        value.bVal = *static_cast<BYTE*>(src.byref);
        return S_OK;
    case VT_R4:
        value.fltVal = *src.pfltVal;
        return S_OK;
    case VT_R8:
    case VT_DATE:
        value.dblVal = *src.pdblVal;
        return S_OK;
    case VT_BSTR:
        value.bstrVal = *src.pbstrVal;
        return S_OK;
    case VT_DISPATCH:
    case VT_UNKNOWN:
        value.punkVal = *src.ppunkVal;
        return S_OK;
    case VT_VARIANT:
        value = *src.pvarVal;
        return (value.vt & VT_BYREF) ? DISP_E_TYPEMISMATCH : S_OK;
    default:
        return DISP_E_BADVARTYPE;
    }
}

} // namespace

HRESULT VariantChangeType(VARIANT* dest, const VARIANT* src, USHORT /*flags*/, VARTYPE vt) {
    if (!dest || !src)
        return E_POINTER;
    if (vt & VT_BYREF)
        return DISP_E_BADVARTYPE;
    VARIANT from = *src;
    if (src->vt & VT_BYREF) {
        HRESULT hr = dereference(*src, from);
        if (FAILED(hr))
            return hr;
    }
    VARIANT out{};
    HRESULT hr = convert(from, vt, out);
    if (FAILED(hr)) {
        VariantClear(&out);
        return hr;
    }
    hr = VariantClear(dest);
    if (FAILED(hr)) {
        VariantClear(&out);
        return hr;
    }
    *dest = out;
    return S_OK;
}

namespace paginor::automation {

std::optional<double> numeric_arg(const VARIANT& v, Currency currency) {
    switch (v.vt) {
    case VT_I2:
        return v.iVal;
    case VT_I4:
        return v.lVal;
    case VT_R4:
        return v.fltVal;
    case VT_R8:
        return v.dblVal;
    case VT_CY:
        if (currency == Currency::Taken)
            return double(v.llVal) / 10000.0;
        return std::nullopt;
    default:
        return std::nullopt;
    }
}

} // namespace paginor::automation
