#include "automation/variant.h"

#include "automation/ref.h"

#include <new>

namespace paginor::automation {

BSTR make_bstr(std::u16string_view text) {
    BSTR b = SysAllocStringLen(text.data(), static_cast<UINT>(text.size()));
    if (!b)
        throw std::bad_alloc();
    return b;
}

Variant::Variant(std::u16string_view text) : Variant() {
    m_value.bstrVal = make_bstr(text);
    m_value.vt = VT_BSTR;
}

Variant Variant::dispatch(IDispatch* object) {
    Variant out;
    out.m_value.vt = VT_DISPATCH;
    out.m_value.pdispVal = Ref<IDispatch>(object).detach();
    return out;
}

} // namespace paginor::automation
