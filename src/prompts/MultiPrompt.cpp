#include "prompts/MultiPrompt.h"

#include "library/classes.h"

namespace paginor {

MultiPrompt::MultiPrompt() : Automation(frame::class_entry(frame::ClassId::MultiPrompt)) {}

MultiPrompt::~MultiPrompt() = default;

HRESULT MultiPrompt::get_OriginalTextValue(BSTR* retval) {
    if (!retval)
        return E_POINTER;
    return not_built(u"OriginalTextValue");
}

HRESULT MultiPrompt::put_OriginalTextValue(BSTR) {
    return not_built(u"OriginalTextValue");
}

HRESULT MultiPrompt::get_Caption(BSTR* retval) {
    if (!retval)
        return E_POINTER;
    return not_built(u"Caption");
}

HRESULT MultiPrompt::put_Caption(BSTR) {
    return not_built(u"Caption");
}

HRESULT MultiPrompt::putref_PE(_clsPromptEvents*) {
    return not_built(u"PE");
}

HRESULT MultiPrompt::get_MyName(BSTR* retval) {
    if (!retval)
        return E_POINTER;
    return not_built(u"MyName");
}

HRESULT MultiPrompt::put_MyName(BSTR) {
    return not_built(u"MyName");
}

HRESULT MultiPrompt::put_BoxLeft(LONG) {
    return not_built(u"BoxLeft");
}

HRESULT MultiPrompt::get_TooSmall(VARIANT_BOOL* retval) {
    if (!retval)
        return E_POINTER;
    return not_built(u"TooSmall");
}

HRESULT MultiPrompt::get_MyDescription(BSTR* retval) {
    if (!retval)
        return E_POINTER;
    return not_built(u"MyDescription");
}

HRESULT MultiPrompt::put_MyDescription(BSTR) {
    return not_built(u"MyDescription");
}

HRESULT MultiPrompt::get_MyDDID(BSTR* retval) {
    if (!retval)
        return E_POINTER;
    return not_built(u"MyDDID");
}

HRESULT MultiPrompt::put_MyDDID(BSTR) {
    return not_built(u"MyDDID");
}

HRESULT MultiPrompt::get_MyCode(BSTR* retval) {
    if (!retval)
        return E_POINTER;
    return not_built(u"MyCode");
}

HRESULT MultiPrompt::put_MyCode(BSTR) {
    return not_built(u"MyCode");
}

HRESULT MultiPrompt::putref_MyPicture(IPictureDisp*) {
    return not_built(u"MyPicture");
}

HRESULT MultiPrompt::get_MyStyle(enuMPStyle* retval) {
    if (!retval)
        return E_POINTER;
    return not_built(u"MyStyle");
}

HRESULT MultiPrompt::put_MyStyle(enuMPStyle) {
    return not_built(u"MyStyle");
}

HRESULT MultiPrompt::get_Mandatory(VARIANT_BOOL* retval) {
    if (!retval)
        return E_POINTER;
    return not_built(u"Mandatory");
}

HRESULT MultiPrompt::put_Mandatory(VARIANT_BOOL) {
    return not_built(u"Mandatory");
}

HRESULT MultiPrompt::get_ValType(enuMPValType* retval) {
    if (!retval)
        return E_POINTER;
    return not_built(u"ValType");
}

HRESULT MultiPrompt::put_ValType(enuMPValType) {
    return not_built(u"ValType");
}

HRESULT MultiPrompt::put_DefaultSelType(enuMPDefaultSelType) {
    return not_built(u"DefaultSelType");
}

HRESULT MultiPrompt::SetEventBroker(_cEventBroker**) {
    return not_built(u"SetEventBroker");
}

HRESULT MultiPrompt::AddSelection(BSTR, BSTR) {
    return not_built(u"AddSelection");
}

HRESULT MultiPrompt::ClearControl() {
    return not_built(u"ClearControl");
}

HRESULT MultiPrompt::ResetControl() {
    return not_built(u"ResetControl");
}

HRESULT MultiPrompt::AddDropdownEntry(BSTR, BSTR, BSTR) {
    return not_built(u"AddDropdownEntry");
}

HRESULT MultiPrompt::SetPromptEditable(VARIANT_BOOL) {
    return not_built(u"SetPromptEditable");
}

IDispatch* frame::make_MultiPrompt() {
    return new MultiPrompt();
}

} // namespace paginor
