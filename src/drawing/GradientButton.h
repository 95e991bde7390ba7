// GradientButton: members in the type library's order. Members not built yet answer E_NOTIMPL
// with error info naming the member.
#pragma once

#include <paginor/PaginorV2CTL.h>

#include "automation/object.h"

namespace paginor {

class GradientButton final : public frame::Automation<_GradientButton> {
  public:
    GradientButton();

    // _GradientButton. Property reads give E_POINTER for a null out pointer.
    HRESULT get_Value(VARIANT_BOOL* retval) override;
    HRESULT put_Value(VARIANT_BOOL New_Value) override;
    HRESULT get_Mode(eMode* retval) override;
    HRESULT put_Mode(eMode New_Mode) override;
    HRESULT get_Caption(BSTR* retval) override;
    HRESULT put_Caption(BSTR New_Caption) override;
    HRESULT get_ForeColor2(OLE_COLOR* retval) override;
    HRESULT put_ForeColor2(OLE_COLOR New_ForeColor2) override;
    HRESULT get_FontEffect(eFontEffect* retval) override;
    HRESULT put_FontEffect(eFontEffect New_FontEffect) override;
    HRESULT get_BevelWidth(SHORT* retval) override;
    HRESULT put_BevelWidth(SHORT New_BevelWidth) override;
    HRESULT get_BorderWidth(SHORT* retval) override;
    HRESULT put_BorderWidth(SHORT New_BorderWidth) override;
    HRESULT get_HoverColor2(OLE_COLOR* retval) override;
    HRESULT put_HoverColor2(OLE_COLOR New_HoverColor2) override;
    HRESULT get_HoverColor1(OLE_COLOR* retval) override;
    HRESULT put_HoverColor1(OLE_COLOR New_HoverColor1) override;
    HRESULT get_DownColor2(OLE_COLOR* retval) override;
    HRESULT put_DownColor2(OLE_COLOR New_DownColor2) override;
    HRESULT get_DownColor1(OLE_COLOR* retval) override;
    HRESULT put_DownColor1(OLE_COLOR New_DownColor1) override;
    HRESULT get_Color2(OLE_COLOR* retval) override;
    HRESULT put_Color2(OLE_COLOR New_Color2) override;
    HRESULT get_Color1(OLE_COLOR* retval) override;
    HRESULT put_Color1(OLE_COLOR New_Color1) override;
    HRESULT get_Picture(IPictureDisp** retval) override;
    HRESULT putref_Picture(IPictureDisp* New_Picture) override;
    HRESULT get_RepeatInterval(SHORT* retval) override;
    HRESULT put_RepeatInterval(SHORT New_RepeatInterval) override;
    HRESULT get_Enabled(VARIANT_BOOL* retval) override;
    HRESULT put_Enabled(VARIANT_BOOL New_Enabled) override;
    HRESULT get_ForeColor(OLE_COLOR* retval) override;
    HRESULT put_ForeColor(OLE_COLOR New_ForeColor) override;
    HRESULT get_BackColor(OLE_COLOR* retval) override;
    HRESULT put_BackColor(OLE_COLOR New_BackColor) override;
    HRESULT get_BevelColor(OLE_COLOR* retval) override;
    HRESULT put_BevelColor(OLE_COLOR New_BevelColor) override;
    HRESULT get_BorderColor(OLE_COLOR* retval) override;
    HRESULT put_BorderColor(OLE_COLOR New_BorderColor) override;
    HRESULT get_Font(IFontDisp** retval) override;
    HRESULT putref_Font(IFontDisp* New_Font) override;
    HRESULT Refresh() override;

  private:
    ~GradientButton() override;
};

} // namespace paginor
