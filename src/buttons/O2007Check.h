// O2007Check: members in the type library's order. Members not built yet answer E_NOTIMPL
// with error info naming the member.
#pragma once

#include <paginor/PaginorV2CTL.h>

#include "automation/object.h"

namespace paginor {

class O2007Check final : public frame::Automation<_O2007Check> {
  public:
    O2007Check();

    // _O2007Check. Property reads give E_POINTER for a null out pointer.
    HRESULT get_BackPicture(IPictureDisp** retval) override;
    HRESULT putref_BackPicture(IPictureDisp* New_BackPicture) override;
    HRESULT get_Caption(BSTR* retval) override;
    HRESULT put_Caption(BSTR New_Caption) override;
    HRESULT get_BackColor(OLE_COLOR* retval) override;
    HRESULT put_BackColor(OLE_COLOR New_BackColor) override;
    HRESULT get_Value(LONG* retval) override;
    HRESULT put_Value(LONG New_Value) override;
    HRESULT get_ForeColor(OLE_COLOR* retval) override;
    HRESULT put_ForeColor(OLE_COLOR New_ForeColor) override;
    HRESULT get_FontBold(VARIANT_BOOL* retval) override;
    HRESULT put_FontBold(VARIANT_BOOL New_FontBold) override;

  private:
    ~O2007Check() override;
};

} // namespace paginor
