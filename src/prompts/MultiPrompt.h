// MultiPrompt: one search criterion over several values of one field. On one row it
// shows a caption, the selection-type list (cmbSelectionType), the value box (txtValue),
// the value list of the Dropdown style (cmbValue) and the prompt, calendar and clear
// image buttons (hPrompt, hCal, btnClear). From the values added by the host, picked in
// the list or typed, it builds three criteria (MyCode, MyDDID, MyDescription) and the
// selection document (OriginalTextValue).
//
// It declares no events: every notification goes through the host's prompt relay (PE:
// "CaptionWidth", "ValueSelected", "PromptClicked", "DateClicked") or its broker
// (SetEventBroker: "Go", "Cleared", "TextTyped"), each only while that relay is set. The
// data of "ValueSelected" and "PromptClicked" is the code criterion itself, by reference:
// a listener's answer, or its nested calls into the control, land in it directly. A
// listener's failure is contained; the control, the relay and the broker stay alive
// across every call out, and once the control is terminated (its form closed inside a
// listener) the rest of the member does nothing.
//
// Bad input: MyStyle, ValType or DefaultSelType outside their enumeration give error 380
// and change nothing; SetEventBroker with an object that is no broker gives error 13
// (through IDispatch the argument's type mismatch), with nothing it drops the broker.
// Blank or duplicate keys change nothing and send nothing. Until the control is placed
// on a form (and once it is terminated) it has no row: the members that work on the
// selection do nothing and send nothing, the simple properties still store and read.
#pragma once

#include <paginor/PaginorV2CTL.h>

#include "automation/variant.h"
#include "controls/ComboBox.h"
#include "controls/Label.h"
#include "controls/TextBox.h"
#include "frame/control.h"
#include "prompts/multi_selection.h"

#include <memory>
#include <string>

namespace paginor {

namespace frame {
class NestedControl;
}

class MultiPrompt final : public frame::Control<_MultiPrompt> {
  public:
    MultiPrompt();

    // _MultiPrompt, in the type library's order.
    HRESULT get_OriginalTextValue(BSTR* retval) override;
    HRESULT put_OriginalTextValue(BSTR strNew) override;
    HRESULT get_Caption(BSTR* retval) override;
    HRESULT put_Caption(BSTR strNew) override;
    HRESULT putref_PE(_clsPromptEvents* oNew) override;
    HRESULT get_MyName(BSTR* retval) override;
    HRESULT put_MyName(BSTR strNew) override;
    HRESULT put_BoxLeft(LONG lngNew) override;
    HRESULT get_TooSmall(VARIANT_BOOL* retval) override;
    HRESULT get_MyDescription(BSTR* retval) override;
    HRESULT put_MyDescription(BSTR strNew) override;
    HRESULT get_MyDDID(BSTR* retval) override;
    HRESULT put_MyDDID(BSTR strNew) override;
    HRESULT get_MyCode(BSTR* retval) override;
    HRESULT put_MyCode(BSTR strNew) override;
    HRESULT putref_MyPicture(IPictureDisp* oNew) override;
    HRESULT get_MyStyle(enuMPStyle* retval) override;
    HRESULT put_MyStyle(enuMPStyle eNew) override;
    HRESULT get_Mandatory(VARIANT_BOOL* retval) override;
    HRESULT put_Mandatory(VARIANT_BOOL blnNew) override;
    HRESULT get_ValType(enuMPValType* retval) override;
    HRESULT put_ValType(enuMPValType eNew) override;
    HRESULT put_DefaultSelType(enuMPDefaultSelType eNew) override;
    HRESULT SetEventBroker(_cEventBroker** oNew) override;
    HRESULT AddSelection(BSTR strKey, BSTR strDescription) override;
    HRESULT ClearControl() override;
    HRESULT ResetControl() override;
    HRESULT AddDropdownEntry(BSTR strCode, BSTR strDDID, BSTR strDescription) override;
    HRESULT SetPromptEditable(VARIANT_BOOL blnNew) override;

    // For tests of the look: the children, borrowed (null once terminated).
    const controls::TextBox* value_box() const { return m_txtValue.get(); }
    const controls::ComboBox* type_list() const { return m_cmbSelectionType.get(); }
    controls::ComboBox* value_list() const { return m_cmbValue.get(); }

  private:
    enum class Clearing { Clear, Reset, Button };

    ~MultiPrompt() override;

    void UserControl_Initialize() override;
    void UserControl_Resize() override { ArrangeControls(); }
    void UserControl_Terminate() override;

    // Children's events.
    void txtValue_KeyDown();
    void txtValue_KeyUp(SHORT key);
    void txtValue_Change();
    void list_KeyUp(SHORT key);
    void cmbSelectionType_Click();
    void cmbValue_Click();
    void hPrompt_Click();
    void btnClear_Click();

    // The layout pass (MultiPrompt_layout.cpp).
    void ArrangeControls();
    void ArrangeDropdown(double clear_left, double value_left);
    void SetValueBoxLook(OLE_COLOR back, bool locked, bool tab_stop);
    void PlaceValueBox(double left, double width);
    void ShowButton(frame::NestedControl* button, bool on);
    void EnableEntry(bool on);
    void EnableButtons(bool on);

    // The selection model (MultiPrompt_selection.cpp).
    void AddValue(std::u16string_view key, std::u16string_view desc);
    void PickRow();
    void ChooseType();
    void Clear(Clearing how);
    void SetCriterion(int column, std::u16string_view text);
    void RebuildTypeList();
    int TypeIndex() const;
    std::u16string TypeText() const;
    std::u16string_view Joiner() const { return TypeIndex() == 0 ? u" and " : u" or "; }
    void SetValueText(std::u16string text);
    void SendValueSelected();
    void Restore(std::u16string_view saved);

    // Typed values and dates (MultiPrompt_typed.cpp).
    void TextChanged();
    void TypedText();
    void ParseIn();
    void DateSetup();
    void ApplyPickedDate(std::u16string_view text);

    // Notifications; false once the control was terminated during the call.
    bool Relay(std::u16string_view event, BSTR* data);
    bool Broker(std::u16string_view event, std::u16string_view data);
    // No row to work on: not placed on a form yet, or terminated.
    bool gone() const { return m_terminated || !m_txtValue; }

    std::u16string code() const { return std::u16string(m_code.view()); }
    void set_code(std::u16string_view text) { m_code = automation::Bstr(text); }

    // Children, made when the window is; released at termination.
    controls::Label m_lblCapt{};
    std::unique_ptr<controls::TextBox> m_txtValue{};
    std::unique_ptr<controls::ComboBox> m_cmbSelectionType{};
    std::unique_ptr<controls::ComboBox> m_cmbValue{};
    frame::NestedControl* m_hPrompt{nullptr};
    frame::NestedControl* m_hCal{nullptr};
    frame::NestedControl* m_btnClear{nullptr};

    bool m_typed{false};
    bool m_too_small{false};
    automation::Ref<_clsPromptEvents> m_pe{};
    automation::Ref<_cEventBroker> m_broker{};
    std::u16string m_name{};
    LONG m_box_left{0};
    automation::Bstr m_code{}; // a BSTR, so that the relay can hand listeners the criterion itself
    std::u16string m_ddid{};
    std::u16string m_description{};
    bool m_prompt_editable{false};
    enuMPStyle m_style{sMPSPrompt};
    enuMPValType m_val_type{sMPVString};
    bool m_mandatory{false};
    enuMPDefaultSelType m_default_sel_type{sMPTAllOf};
    LONG m_count{0};
    prompts::SelectionDocument m_doc{};
    bool m_between_done{false}; // "Between" holds its two dates
    bool m_terminated{false};
};

} // namespace paginor
