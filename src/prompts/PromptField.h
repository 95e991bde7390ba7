// PromptField: members in the type library's order. Members not built yet answer E_NOTIMPL
// with error info naming the member.
#pragma once

#include <paginor/PaginorV2CTL.h>

#include "automation/object.h"

namespace paginor {

class PromptField final : public frame::Automation<_PromptField> {
  public:
    PromptField();

    // _PromptField. Property reads give E_POINTER for a null out pointer.
    HRESULT get_Caption(BSTR* retval) override;
    HRESULT put_Caption(BSTR New_Caption) override;
    HRESULT putref_PE(_clsPromptEvents* New_PE) override;
    HRESULT get_MyName(BSTR* retval) override;
    HRESULT put_MyName(BSTR New_MyName) override;
    HRESULT put_BoxLeft(LONG New_BoxLeft) override;
    HRESULT get_TooSmall(VARIANT_BOOL* retval) override;
    HRESULT get_MyDescription(BSTR* retval) override;
    HRESULT put_MyDescription(BSTR New_MyDescription) override;
    HRESULT get_MyDDID(BSTR* retval) override;
    HRESULT put_MyDDID(BSTR New_MyDDID) override;
    HRESULT get_MyCode(BSTR* retval) override;
    HRESULT put_MyCode(BSTR New_MyCode) override;
    HRESULT putref_MyPicture(IPictureDisp* New_MyPicture) override;
    HRESULT get_MyStyle(enuPFStyle* retval) override;
    HRESULT put_MyStyle(enuPFStyle New_MyStyle) override;
    HRESULT get_Mandatory(VARIANT_BOOL* retval) override;
    HRESULT put_Mandatory(VARIANT_BOOL New_Mandatory) override;
    HRESULT get_ValType(enuPFValType* retval) override;
    HRESULT put_ValType(enuPFValType New_ValType) override;
    HRESULT ClearControl() override;
    HRESULT AddDropdownEntry(BSTR strCode, BSTR strDDID, BSTR strDescription) override;
    HRESULT SetBackColor(LONG lngNew) override;
    HRESULT put_AddButton(VARIANT_BOOL New_AddButton) override;
    HRESULT get_Multi(VARIANT_BOOL* retval) override;
    HRESULT put_Multi(VARIANT_BOOL New_Multi) override;

  private:
    ~PromptField() override;
};

} // namespace paginor
