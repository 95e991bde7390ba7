#include "viewer/DDOC.h"

#include "automation/variant.h"
#include "viewer/copy_doc.h"
#include "viewer/index_fields.h"

namespace paginor {

DDOC::DDOC() : Control(frame::ClassId::DDOC) {}

DDOC::~DDOC() = default;

HRESULT DDOC::put_TheHits(BSTR New_TheHits) {
    return guarded([&] { m_hits = frame::bstr_view(New_TheHits); });
}

HRESULT DDOC::put_TheIndexFields(BSTR New_TheIndexFields) {
    return guarded([&] { m_index_fields = frame::bstr_view(New_TheIndexFields); });
}

HRESULT DDOC::put_TheIndexPath(BSTR New_TheIndexPath) {
    return guarded([&] { m_index_path = frame::bstr_view(New_TheIndexPath); });
}

// The old fields go first, so a fragment that fails leaves none rather than stale ones.
HRESULT DDOC::SetIndexFields(BSTR strNew) {
    return guarded([&] {
        m_index_fields.clear();
        m_index_fields = viewer::flatten_index_fields(frame::bstr_view(strNew), source());
    });
}

HRESULT DDOC::CopyDocEvenIfOpen(BSTR strFrom, BSTR strTo) {
    viewer::CopyDocEvenIfOpen(frame::bstr_view(strFrom), frame::bstr_view(strTo));
    return S_OK;
}

HRESULT DDOC::get_DocSubject(BSTR* retval) {
    if (retval == nullptr) {
        return E_POINTER;
    }
    return guarded([&] { *retval = frame::make_bstr(m_subject); });
}

IDispatch* frame::make_DDOC() {
    return new DDOC();
}

} // namespace paginor
