// MultiPrompt: members in the type library's order. Members not built yet answer E_NOTIMPL
// with error info naming the member.
#pragma once

#include <paginor/PaginorV2CTL.h>

#include "automation/object.h"

namespace paginor {

class MultiPrompt final : public frame::Automation<_MultiPrompt> {
  public:
    MultiPrompt();

    // _MultiPrompt. Property reads give E_POINTER for a null out pointer.
    HRESULT get_OriginalTextValue(BSTR* retval) override;
    HRESULT put_OriginalTextValue(BSTR New_OriginalTextValue) override;
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
    HRESULT get_MyStyle(enuMPStyle* retval) override;
    HRESULT put_MyStyle(enuMPStyle New_MyStyle) override;
    HRESULT get_Mandatory(VARIANT_BOOL* retval) override;
    HRESULT put_Mandatory(VARIANT_BOOL New_Mandatory) override;
    HRESULT get_ValType(enuMPValType* retval) override;
    HRESULT put_ValType(enuMPValType New_ValType) override;
    HRESULT put_DefaultSelType(enuMPDefaultSelType New_DefaultSelType) override;
    HRESULT SetEventBroker(_cEventBroker** oNew) override;
    HRESULT AddSelection(BSTR strKey, BSTR strDescription) override;
    HRESULT ClearControl() override;
    HRESULT ResetControl() override;
    HRESULT AddDropdownEntry(BSTR strCode, BSTR strDDID, BSTR strDescription) override;
    HRESULT SetPromptEditable(VARIANT_BOOL blnNew) override;

  private:
    ~MultiPrompt() override;
};

} // namespace paginor
