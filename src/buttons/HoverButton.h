// HoverButton: members in the type library's order. Members not built yet answer E_NOTIMPL
// with error info naming the member.
#pragma once

#include <paginor/PaginorV2CTL.h>

#include "automation/object.h"

namespace paginor {

class HoverButton final : public frame::Automation<_HoverButton> {
  public:
    HoverButton();

    // _HoverButton. Property reads give E_POINTER for a null out pointer.
    HRESULT get_PromptPicture(IPictureDisp** retval) override;
    HRESULT putref_PromptPicture(IPictureDisp* New_PromptPicture) override;
    HRESULT get_IconLocation(EIconLocation* retval) override;
    HRESULT put_IconLocation(EIconLocation New_IconLocation) override;
    HRESULT get_Caption(BSTR* retval) override;
    HRESULT put_Caption(BSTR New_Caption) override;
    HRESULT get_BackColor(OLE_COLOR* retval) override;
    HRESULT put_BackColor(OLE_COLOR New_BackColor) override;
    HRESULT get_ForeColor(OLE_COLOR* retval) override;
    HRESULT put_ForeColor(OLE_COLOR New_ForeColor) override;
    HRESULT get_FontBold(VARIANT_BOOL* retval) override;
    HRESULT put_FontBold(VARIANT_BOOL New_FontBold) override;
    HRESULT get_Enabled(VARIANT_BOOL* retval) override;
    HRESULT put_Enabled(VARIANT_BOOL New_Enabled) override;
    HRESULT Unhover() override;

  private:
    ~HoverButton() override;
};

} // namespace paginor
