// PromptField: one search criterion on a form: a caption (lblCapt), one entry box (the
// text box txtValue, or the three-column list cmbValue in the drop-down style) and the
// image buttons hPrompt, hCal and hAdd. It holds one value as a code, a list identifier
// (DDID) and a description, keeps them in step with the list and the shown text, and
// reports every user action through the host's relay (PE): "CaptionWidth",
// "ValueSelected", "PromptClicked", "DateClicked", "AddRequest" and "ContextMenu".
//
// The by-reference data of "ValueSelected" and "PromptClicked" is the control's own
// MyCode, that of "DateClicked" its own MyDescription: whatever a listener writes there,
// through the data or through the property, is the value afterwards. A listener may call
// any member of the control, or let the form go, inside a notification. A notification
// due while PE is not set is skipped; a listener's failure stays inside the control.
//
// Bad input: every string is opaque and passes through unchanged; MyStyle or ValType
// outside their enumeration give error 380 and change nothing; PE set to an object that
// is not a relay gives a type mismatch (13); a control too narrow for its box hides the
// box (and in the prompt and date styles the button that does not fit) and reports
// TooSmall, never an error.
#pragma once

#include <paginor/PaginorV2CTL.h>

#include "automation/variant.h"
#include "controls/ComboBox.h"
#include "controls/Label.h"
#include "controls/TextBox.h"
#include "frame/control.h"
#include "frame/nested_control.h"

#include <memory>
#include <string>

namespace paginor {

class PromptField final : public frame::Control<_PromptField> {
  public:
    PromptField();

    // _PromptField. Reads give E_POINTER for a null out pointer.
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

    // For tests of the library: the children, borrowed; null once the control ended.
    const controls::Label& lblCapt() const { return m_lblCapt; }
    const controls::TextBox* txtValue() const { return m_txtValue.get(); }
    const controls::ComboBox* cmbValue() const { return m_cmbValue.get(); }
    const frame::NestedControl* hPrompt() const { return m_hPrompt; }
    const frame::NestedControl* hCal() const { return m_hCal; }
    const frame::NestedControl* hAdd() const { return m_hAdd; }

  private:
    ~PromptField() override;

    void UserControl_Initialize() override;
    void UserControl_Resize() override;
    void UserControl_Terminate() override;
    void UserControl_MouseUp(const frame::MouseEvent& e) override;

    // Handlers of the children.
    void txtValue_Change();
    void txtValue_KeyUp(frame::KeyEvent& e);
    void cmbValue_Click();
    void cmbValue_KeyUp(frame::KeyEvent& e);
    void hPrompt_Click();
    void hCal_Click();
    void hAdd_Click();
    void Part_MouseUp(SHORT button);
    void Button_Event(void (PromptField::*click)(), DISPID event, frame::EventArgs& args);

    // Private procedures.
    void SetCode(std::u16string_view s);
    void SetDDID(std::u16string_view s);
    void TakeRow(int row);
    void SetDescription(std::u16string_view s);
    void SetMulti(bool on);
    void Clear();
    void SetCaption(std::u16string_view s);
    // The first row whose column holds s exactly, -1 for none.
    int FindRow(int column, std::u16string_view s) const;
    void SetBoxText(std::u16string_view s);
    void SetTextColours(OLE_COLOR colour);
    // Sends one notification through the relay; false when the control ended inside it.
    bool Notify(std::u16string_view event, BSTR* data);
    // The layout pass (PromptFieldLayout.cpp).
    void ArrangeControls();
    void ArrangeButtonStyle(double width, double box_left, double add_left);
    void ArrangeBox(double width, double box_left, double add_left, bool list);
    OLE_COLOR ContainerColour() const;

    enuPFStyle m_style{sPFSPrompt};
    enuPFValType m_val_type{sPFVString};
    bool m_mandatory{false};
    automation::Bstr m_code{};
    automation::Bstr m_ddid{};
    automation::Bstr m_description{};
    bool m_multi{false};
    bool m_add_button{false};
    LONG m_box_left{0};
    bool m_too_small{false};
    std::u16string m_name{};
    automation::Ref<_clsPromptEvents> m_pe{};
    bool m_caption_written{false}; // from the first Caption on, the label fits its text
    bool m_ended{false};

    controls::Label m_lblCapt{};
    std::unique_ptr<controls::TextBox> m_txtValue{};
    std::unique_ptr<controls::ComboBox> m_cmbValue{};
    frame::NestedControl* m_hPrompt{nullptr};
    frame::NestedControl* m_hCal{nullptr};
    frame::NestedControl* m_hAdd{nullptr};
};

} // namespace paginor
