#include "buttons/O2007Hover.h"

namespace paginor {

O2007Hover::O2007Hover() : Automation(frame::ClassId::O2007Hover) {}

O2007Hover::~O2007Hover() = default;

HRESULT O2007Hover::get_HoverImage(IPictureDisp** retval) {
    if (!retval)
        return E_POINTER;
    return not_built(u"HoverImage");
}

HRESULT O2007Hover::putref_HoverImage(IPictureDisp*) {
    return not_built(u"HoverImage");
}

HRESULT O2007Hover::get_NormalImage(IPictureDisp** retval) {
    if (!retval)
        return E_POINTER;
    return not_built(u"NormalImage");
}

HRESULT O2007Hover::putref_NormalImage(IPictureDisp*) {
    return not_built(u"NormalImage");
}

HRESULT O2007Hover::get_InactiveImage(IPictureDisp** retval) {
    if (!retval)
        return E_POINTER;
    return not_built(u"InactiveImage");
}

HRESULT O2007Hover::putref_InactiveImage(IPictureDisp*) {
    return not_built(u"InactiveImage");
}

HRESULT O2007Hover::get_BackColor(OLE_COLOR* retval) {
    if (!retval)
        return E_POINTER;
    return not_built(u"BackColor");
}

HRESULT O2007Hover::put_BackColor(OLE_COLOR) {
    return not_built(u"BackColor");
}

HRESULT O2007Hover::get_Enabled(VARIANT_BOOL* retval) {
    if (!retval)
        return E_POINTER;
    return not_built(u"Enabled");
}

HRESULT O2007Hover::put_Enabled(VARIANT_BOOL) {
    return not_built(u"Enabled");
}

HRESULT O2007Hover::get_HoverText(BSTR* retval) {
    if (!retval)
        return E_POINTER;
    return not_built(u"HoverText");
}

HRESULT O2007Hover::put_HoverText(BSTR) {
    return not_built(u"HoverText");
}

HRESULT O2007Hover::get_hwnd(LONG* retval) {
    if (!retval)
        return E_POINTER;
    return not_built(u"hwnd");
}

HRESULT O2007Hover::get_HoverInactive(VARIANT_BOOL* retval) {
    if (!retval)
        return E_POINTER;
    return not_built(u"HoverInactive");
}

HRESULT O2007Hover::put_HoverInactive(VARIANT_BOOL) {
    return not_built(u"HoverInactive");
}

HRESULT O2007Hover::StartHover() {
    return not_built(u"StartHover");
}

HRESULT O2007Hover::SetButtonActive(VARIANT_BOOL) {
    return not_built(u"SetButtonActive");
}

} // namespace paginor
