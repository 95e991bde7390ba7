// DDOC: members in the type library's order. Members not built yet answer E_NOTIMPL
// with error info naming the member.
#pragma once

#include <paginor/PaginorV2CTL.h>

#include "frame/object.h"

namespace paginor {

class DDOC final : public frame::Automation<_DDOC> {
  public:
    DDOC();

    // _DDOC
    HRESULT put_TheDocument(BSTR New_TheDocument) override;
    HRESULT put_TheHits(BSTR New_TheHits) override;
    HRESULT put_TheIndexFields(BSTR New_TheIndexFields) override;
    HRESULT put_TheIndexPath(BSTR New_TheIndexPath) override;
    HRESULT put_TheView(eView New_TheView) override;
    HRESULT SetIndexFields(BSTR strNew) override;
    HRESULT Clear() override;
    HRESULT Reload() override;
    HRESULT CopyDocEvenIfOpen(BSTR strFrom, BSTR strTo) override;
    HRESULT get_DocSubject(BSTR* retval) override;

  private:
    ~DDOC() override;
};

} // namespace paginor
