#include "drawing/GradientButton.h"

#include "library/classes.h"

namespace paginor {

GradientButton::GradientButton() : Automation(frame::class_entry(frame::ClassId::GradientButton)) {}

GradientButton::~GradientButton() = default;

HRESULT GradientButton::get_Value(VARIANT_BOOL* retval) {
    if (!retval)
        return E_POINTER;
    return not_built(u"Value");
}

HRESULT GradientButton::put_Value(VARIANT_BOOL) {
    return not_built(u"Value");
}

HRESULT GradientButton::get_Mode(eMode* retval) {
    if (!retval)
        return E_POINTER;
    return not_built(u"Mode");
}

HRESULT GradientButton::put_Mode(eMode) {
    return not_built(u"Mode");
}

HRESULT GradientButton::get_Caption(BSTR* retval) {
    if (!retval)
        return E_POINTER;
    return not_built(u"Caption");
}

HRESULT GradientButton::put_Caption(BSTR) {
    return not_built(u"Caption");
}

HRESULT GradientButton::get_ForeColor2(OLE_COLOR* retval) {
    if (!retval)
        return E_POINTER;
    return not_built(u"ForeColor2");
}

HRESULT GradientButton::put_ForeColor2(OLE_COLOR) {
    return not_built(u"ForeColor2");
}

HRESULT GradientButton::get_FontEffect(eFontEffect* retval) {
    if (!retval)
        return E_POINTER;
    return not_built(u"FontEffect");
}

HRESULT GradientButton::put_FontEffect(eFontEffect) {
    return not_built(u"FontEffect");
}

HRESULT GradientButton::get_BevelWidth(SHORT* retval) {
    if (!retval)
        return E_POINTER;
    return not_built(u"BevelWidth");
}

HRESULT GradientButton::put_BevelWidth(SHORT) {
    return not_built(u"BevelWidth");
}

HRESULT GradientButton::get_BorderWidth(SHORT* retval) {
    if (!retval)
        return E_POINTER;
    return not_built(u"BorderWidth");
}

HRESULT GradientButton::put_BorderWidth(SHORT) {
    return not_built(u"BorderWidth");
}

HRESULT GradientButton::get_HoverColor2(OLE_COLOR* retval) {
    if (!retval)
        return E_POINTER;
    return not_built(u"HoverColor2");
}

HRESULT GradientButton::put_HoverColor2(OLE_COLOR) {
    return not_built(u"HoverColor2");
}

HRESULT GradientButton::get_HoverColor1(OLE_COLOR* retval) {
    if (!retval)
        return E_POINTER;
    return not_built(u"HoverColor1");
}

HRESULT GradientButton::put_HoverColor1(OLE_COLOR) {
    return not_built(u"HoverColor1");
}

HRESULT GradientButton::get_DownColor2(OLE_COLOR* retval) {
    if (!retval)
        return E_POINTER;
    return not_built(u"DownColor2");
}

HRESULT GradientButton::put_DownColor2(OLE_COLOR) {
    return not_built(u"DownColor2");
}

HRESULT GradientButton::get_DownColor1(OLE_COLOR* retval) {
    if (!retval)
        return E_POINTER;
    return not_built(u"DownColor1");
}

HRESULT GradientButton::put_DownColor1(OLE_COLOR) {
    return not_built(u"DownColor1");
}

HRESULT GradientButton::get_Color2(OLE_COLOR* retval) {
    if (!retval)
        return E_POINTER;
    return not_built(u"Color2");
}

HRESULT GradientButton::put_Color2(OLE_COLOR) {
    return not_built(u"Color2");
}

HRESULT GradientButton::get_Color1(OLE_COLOR* retval) {
    if (!retval)
        return E_POINTER;
    return not_built(u"Color1");
}

HRESULT GradientButton::put_Color1(OLE_COLOR) {
    return not_built(u"Color1");
}

HRESULT GradientButton::get_Picture(IPictureDisp** retval) {
    if (!retval)
        return E_POINTER;
    return not_built(u"Picture");
}

HRESULT GradientButton::putref_Picture(IPictureDisp*) {
    return not_built(u"Picture");
}

HRESULT GradientButton::get_RepeatInterval(SHORT* retval) {
    if (!retval)
        return E_POINTER;
    return not_built(u"RepeatInterval");
}

HRESULT GradientButton::put_RepeatInterval(SHORT) {
    return not_built(u"RepeatInterval");
}

HRESULT GradientButton::get_Enabled(VARIANT_BOOL* retval) {
    if (!retval)
        return E_POINTER;
    return not_built(u"Enabled");
}

HRESULT GradientButton::put_Enabled(VARIANT_BOOL) {
    return not_built(u"Enabled");
}

HRESULT GradientButton::get_ForeColor(OLE_COLOR* retval) {
    if (!retval)
        return E_POINTER;
    return not_built(u"ForeColor");
}

HRESULT GradientButton::put_ForeColor(OLE_COLOR) {
    return not_built(u"ForeColor");
}

HRESULT GradientButton::get_BackColor(OLE_COLOR* retval) {
    if (!retval)
        return E_POINTER;
    return not_built(u"BackColor");
}

HRESULT GradientButton::put_BackColor(OLE_COLOR) {
    return not_built(u"BackColor");
}

HRESULT GradientButton::get_BevelColor(OLE_COLOR* retval) {
    if (!retval)
        return E_POINTER;
    return not_built(u"BevelColor");
}

HRESULT GradientButton::put_BevelColor(OLE_COLOR) {
    return not_built(u"BevelColor");
}

HRESULT GradientButton::get_BorderColor(OLE_COLOR* retval) {
    if (!retval)
        return E_POINTER;
    return not_built(u"BorderColor");
}

HRESULT GradientButton::put_BorderColor(OLE_COLOR) {
    return not_built(u"BorderColor");
}

HRESULT GradientButton::get_Font(IFontDisp** retval) {
    if (!retval)
        return E_POINTER;
    return not_built(u"Font");
}

HRESULT GradientButton::putref_Font(IFontDisp*) {
    return not_built(u"Font");
}

HRESULT GradientButton::Refresh() {
    return not_built(u"Refresh");
}

IDispatch* frame::make_GradientButton() {
    return new GradientButton();
}

} // namespace paginor
