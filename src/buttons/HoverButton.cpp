#include "buttons/HoverButton.h"

#include "library/classes.h"

namespace paginor {

HoverButton::HoverButton() : Automation(frame::class_entry(frame::ClassId::HoverButton)) {}

HoverButton::~HoverButton() = default;

HRESULT HoverButton::get_PromptPicture(IPictureDisp** retval) {
    if (!retval)
        return E_POINTER;
    return not_built(u"PromptPicture");
}

HRESULT HoverButton::putref_PromptPicture(IPictureDisp*) {
    return not_built(u"PromptPicture");
}

HRESULT HoverButton::get_IconLocation(EIconLocation* retval) {
    if (!retval)
        return E_POINTER;
    return not_built(u"IconLocation");
}

HRESULT HoverButton::put_IconLocation(EIconLocation) {
    return not_built(u"IconLocation");
}

HRESULT HoverButton::get_Caption(BSTR* retval) {
    if (!retval)
        return E_POINTER;
    return not_built(u"Caption");
}

HRESULT HoverButton::put_Caption(BSTR) {
    return not_built(u"Caption");
}

HRESULT HoverButton::get_BackColor(OLE_COLOR* retval) {
    if (!retval)
        return E_POINTER;
    return not_built(u"BackColor");
}

HRESULT HoverButton::put_BackColor(OLE_COLOR) {
    return not_built(u"BackColor");
}

HRESULT HoverButton::get_ForeColor(OLE_COLOR* retval) {
    if (!retval)
        return E_POINTER;
    return not_built(u"ForeColor");
}

HRESULT HoverButton::put_ForeColor(OLE_COLOR) {
    return not_built(u"ForeColor");
}

HRESULT HoverButton::get_FontBold(VARIANT_BOOL* retval) {
    if (!retval)
        return E_POINTER;
    return not_built(u"FontBold");
}

HRESULT HoverButton::put_FontBold(VARIANT_BOOL) {
    return not_built(u"FontBold");
}

HRESULT HoverButton::get_Enabled(VARIANT_BOOL* retval) {
    if (!retval)
        return E_POINTER;
    return not_built(u"Enabled");
}

HRESULT HoverButton::put_Enabled(VARIANT_BOOL) {
    return not_built(u"Enabled");
}

HRESULT HoverButton::Unhover() {
    return not_built(u"Unhover");
}

IDispatch* frame::make_HoverButton() {
    return new HoverButton();
}

} // namespace paginor
