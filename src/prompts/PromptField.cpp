#include "prompts/PromptField.h"

#include "library/classes.h"

namespace paginor {

PromptField::PromptField() : Automation(frame::class_entry(frame::ClassId::PromptField)) {}

PromptField::~PromptField() = default;

HRESULT PromptField::get_Caption(BSTR* retval) {
    if (!retval)
        return E_POINTER;
    return not_built(u"Caption");
}

HRESULT PromptField::put_Caption(BSTR) {
    return not_built(u"Caption");
}

HRESULT PromptField::putref_PE(_clsPromptEvents*) {
    return not_built(u"PE");
}

HRESULT PromptField::get_MyName(BSTR* retval) {
    if (!retval)
        return E_POINTER;
    return not_built(u"MyName");
}

HRESULT PromptField::put_MyName(BSTR) {
    return not_built(u"MyName");
}

HRESULT PromptField::put_BoxLeft(LONG) {
    return not_built(u"BoxLeft");
}

HRESULT PromptField::get_TooSmall(VARIANT_BOOL* retval) {
    if (!retval)
        return E_POINTER;
    return not_built(u"TooSmall");
}

HRESULT PromptField::get_MyDescription(BSTR* retval) {
    if (!retval)
        return E_POINTER;
    return not_built(u"MyDescription");
}

HRESULT PromptField::put_MyDescription(BSTR) {
    return not_built(u"MyDescription");
}

HRESULT PromptField::get_MyDDID(BSTR* retval) {
    if (!retval)
        return E_POINTER;
    return not_built(u"MyDDID");
}

HRESULT PromptField::put_MyDDID(BSTR) {
    return not_built(u"MyDDID");
}

HRESULT PromptField::get_MyCode(BSTR* retval) {
    if (!retval)
        return E_POINTER;
    return not_built(u"MyCode");
}

HRESULT PromptField::put_MyCode(BSTR) {
    return not_built(u"MyCode");
}

HRESULT PromptField::putref_MyPicture(IPictureDisp*) {
    return not_built(u"MyPicture");
}

HRESULT PromptField::get_MyStyle(enuPFStyle* retval) {
    if (!retval)
        return E_POINTER;
    return not_built(u"MyStyle");
}

HRESULT PromptField::put_MyStyle(enuPFStyle) {
    return not_built(u"MyStyle");
}

HRESULT PromptField::get_Mandatory(VARIANT_BOOL* retval) {
    if (!retval)
        return E_POINTER;
    return not_built(u"Mandatory");
}

HRESULT PromptField::put_Mandatory(VARIANT_BOOL) {
    return not_built(u"Mandatory");
}

HRESULT PromptField::get_ValType(enuPFValType* retval) {
    if (!retval)
        return E_POINTER;
    return not_built(u"ValType");
}

HRESULT PromptField::put_ValType(enuPFValType) {
    return not_built(u"ValType");
}

HRESULT PromptField::ClearControl() {
    return not_built(u"ClearControl");
}

HRESULT PromptField::AddDropdownEntry(BSTR, BSTR, BSTR) {
    return not_built(u"AddDropdownEntry");
}

HRESULT PromptField::SetBackColor(LONG) {
    return not_built(u"SetBackColor");
}

HRESULT PromptField::put_AddButton(VARIANT_BOOL) {
    return not_built(u"AddButton");
}

HRESULT PromptField::get_Multi(VARIANT_BOOL* retval) {
    if (!retval)
        return E_POINTER;
    return not_built(u"Multi");
}

HRESULT PromptField::put_Multi(VARIANT_BOOL) {
    return not_built(u"Multi");
}

IDispatch* frame::make_PromptField() {
    return new PromptField();
}

} // namespace paginor
