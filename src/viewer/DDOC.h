// DDOC: the document viewer, a control placed on a form. It holds the search inputs its
// renditions read (hits, index fields, index path), copies documents even while they are
// open, and reports the document's subject. Members not listed here are not built yet and
// answer E_NOTIMPL with error info naming the member.
#pragma once

#include <paginor/PaginorV2CTL.h>

#include "frame/control.h"

#include <string>

namespace paginor {

class DDOC final : public frame::Control<_DDOC> {
  public:
    DDOC();

    // _DDOC, the members built so far, in the type library's order.
    HRESULT put_TheHits(BSTR New_TheHits) override;
    HRESULT put_TheIndexFields(BSTR New_TheIndexFields) override;
    HRESULT put_TheIndexPath(BSTR New_TheIndexPath) override;
    HRESULT SetIndexFields(BSTR strNew) override;
    HRESULT CopyDocEvenIfOpen(BSTR strFrom, BSTR strTo) override;
    // E_POINTER for a null out pointer.
    HRESULT get_DocSubject(BSTR* retval) override;

    // The search inputs as the renditions read them (the host can only write them).
    const std::u16string& hits() const { return m_hits; }
    const std::u16string& index_fields() const { return m_index_fields; }
    const std::u16string& index_path() const { return m_index_path; }

  private:
    ~DDOC() override;

    std::u16string m_hits;
    std::u16string m_index_fields;
    std::u16string m_index_path;
    std::u16string m_subject; // nothing in the viewer fills it; renditions empty it
};

} // namespace paginor
