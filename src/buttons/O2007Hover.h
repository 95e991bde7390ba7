// O2007Hover: members in the type library's order. Members not built yet answer E_NOTIMPL
// with error info naming the member.
#pragma once

#include <paginor/PaginorV2CTL.h>

#include "frame/object.h"

namespace paginor {

class O2007Hover final : public frame::Automation<_O2007Hover> {
  public:
    O2007Hover();

    // _O2007Hover. Property reads give E_POINTER for a null out pointer.
    HRESULT get_HoverImage(IPictureDisp** retval) override;
    HRESULT putref_HoverImage(IPictureDisp* New_HoverImage) override;
    HRESULT get_NormalImage(IPictureDisp** retval) override;
    HRESULT putref_NormalImage(IPictureDisp* New_NormalImage) override;
    HRESULT get_InactiveImage(IPictureDisp** retval) override;
    HRESULT putref_InactiveImage(IPictureDisp* New_InactiveImage) override;
    HRESULT get_BackColor(OLE_COLOR* retval) override;
    HRESULT put_BackColor(OLE_COLOR New_BackColor) override;
    HRESULT get_Enabled(VARIANT_BOOL* retval) override;
    HRESULT put_Enabled(VARIANT_BOOL New_Enabled) override;
    HRESULT get_HoverText(BSTR* retval) override;
    HRESULT put_HoverText(BSTR New_HoverText) override;
    HRESULT get_hwnd(LONG* retval) override;
    HRESULT get_HoverInactive(VARIANT_BOOL* retval) override;
    HRESULT put_HoverInactive(VARIANT_BOOL New_HoverInactive) override;
    HRESULT StartHover() override;
    HRESULT SetButtonActive(VARIANT_BOOL blnBtnActive) override;

  private:
    ~O2007Hover() override;
};

} // namespace paginor
