// Text coerced to every scalar kind a VARIANT holds: each coercion succeeds with a value
// of that kind or fails with an HRESULT, leaving nothing to free; text coerced to text is
// the same text.
#include "bodies.h"

#include "platform/core/unicode.h"

#include <paginor/base.h>

namespace paginor::fuzz {

bool coerce(const uint8_t* data, size_t size) {
    const std::u16string text =
        from_utf8(std::string_view(reinterpret_cast<const char*>(data), size));
    VARIANT source;
    VariantInit(&source);
    source.vt = VT_BSTR;
    source.bstrVal = SysAllocStringLen(text.data(), UINT(text.size()));
    bool any = false;
    for (VARTYPE vt : {VT_I2, VT_I4, VT_R4, VT_R8, VT_CY, VT_DATE, VT_BOOL, VT_UI1, VT_BSTR}) {
        VARIANT out;
        VariantInit(&out);
        HRESULT hr = VariantChangeType(&out, &source, 0, vt);
        fuzz_check(FAILED(hr) ? out.vt == VT_EMPTY : out.vt == vt,
                   "a coercion gives the kind asked for or nothing");
        any = any || (SUCCEEDED(hr) && vt != VT_BSTR);
        if (SUCCEEDED(hr) && vt == VT_BSTR)
            fuzz_check(std::u16string_view(out.bstrVal, SysStringLen(out.bstrVal)) == text,
                       "text coerced to text is the same text");
        VariantClear(&out);
    }
    VariantClear(&source);
    return any;
}

} // namespace paginor::fuzz
