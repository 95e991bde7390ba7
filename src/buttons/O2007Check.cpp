#include "buttons/O2007Check.h"

#include "library/classes.h"

namespace paginor {

O2007Check::O2007Check() : Automation(frame::class_entry(frame::ClassId::O2007Check)) {}

O2007Check::~O2007Check() = default;

HRESULT O2007Check::get_BackPicture(IPictureDisp** retval) {
    if (!retval)
        return E_POINTER;
    return not_built(u"BackPicture");
}

HRESULT O2007Check::putref_BackPicture(IPictureDisp*) {
    return not_built(u"BackPicture");
}

HRESULT O2007Check::get_Caption(BSTR* retval) {
    if (!retval)
        return E_POINTER;
    return not_built(u"Caption");
}

HRESULT O2007Check::put_Caption(BSTR) {
    return not_built(u"Caption");
}

HRESULT O2007Check::get_BackColor(OLE_COLOR* retval) {
    if (!retval)
        return E_POINTER;
    return not_built(u"BackColor");
}

HRESULT O2007Check::put_BackColor(OLE_COLOR) {
    return not_built(u"BackColor");
}

HRESULT O2007Check::get_Value(LONG* retval) {
    if (!retval)
        return E_POINTER;
    return not_built(u"Value");
}

HRESULT O2007Check::put_Value(LONG) {
    return not_built(u"Value");
}

HRESULT O2007Check::get_ForeColor(OLE_COLOR* retval) {
    if (!retval)
        return E_POINTER;
    return not_built(u"ForeColor");
}

HRESULT O2007Check::put_ForeColor(OLE_COLOR) {
    return not_built(u"ForeColor");
}

HRESULT O2007Check::get_FontBold(VARIANT_BOOL* retval) {
    if (!retval)
        return E_POINTER;
    return not_built(u"FontBold");
}

HRESULT O2007Check::put_FontBold(VARIANT_BOOL) {
    return not_built(u"FontBold");
}

IDispatch* frame::make_O2007Check() {
    return new O2007Check();
}

} // namespace paginor
