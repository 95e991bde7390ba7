#include "automation/named_dispatch.h"
#include "automation/ref.h"

#include "platform/core/unicode.h"

#include <algorithm>

namespace paginor::automation {

HRESULT NamedDispatch::GetTypeInfoCount(UINT* pctinfo) {
    return write_out(pctinfo, [] { return 0u; });
}

HRESULT NamedDispatch::GetTypeInfo(UINT, LCID, ITypeInfo** info) {
    if (info)
        *info = nullptr;
    return E_NOTIMPL;
}

HRESULT NamedDispatch::GetIDsOfNames(REFIID, OLECHAR** names, UINT count, LCID, DISPID* ids) {
    if (!names || !ids)
        return E_POINTER;
    HRESULT hr = S_OK;
    for (UINT i = 0; i < count; ++i) {
        ids[i] = DISPID_UNKNOWN;
        const std::u16string_view wanted = names[i] ? names[i] : u"";
        for (const DispatchName& m : m_names)
            if (i == 0 && equals_ignore_case(m.name, wanted))
                ids[i] = m.id;
        if (ids[i] == DISPID_UNKNOWN)
            hr = DISP_E_UNKNOWNNAME;
    }
    return hr;
}

bool NamedDispatch::is_member(DISPID id) const {
    return std::any_of(m_names.begin(), m_names.end(),
                       [&](const DispatchName& m) { return m.id == id; });
}

void* NamedDispatch::interface_for(REFIID riid) {
    if (riid == IID_IUnknown || riid == IID_IDispatch || riid == m_self_iid)
        return static_cast<IDispatch*>(this);
    return nullptr;
}

} // namespace paginor::automation
