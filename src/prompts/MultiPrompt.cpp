#include "prompts/MultiPrompt.h"

#include "controls/button_art.h"
#include "frame/nested_control.h"
#include "frame/twips.h"
#include "platform/core/error.h"
#include "platform/core/unicode.h"

#include <cmath>

namespace paginor {

namespace {

using frame::Axis;

constexpr const char16_t* kFace = u"Trebuchet MS";
constexpr double kPoints = 8.25;
constexpr SHORT kEnter = 13, kDelete = 46, kF4 = 115;

int across(double twips) {
    return frame::twips_to_pixels(twips, Axis::Across);
}
int down(double twips) {
    return frame::twips_to_pixels(twips, Axis::Down);
}
platform::RECT design_rect(double left, double top, double width, double height) {
    return {across(left), down(top), across(left + width), down(top + height)};
}

// The image button's three looks, drawn at its size.
void dress_button(frame::NestedControl& button, controls::ButtonArt art) {
    Ref<_O2007Hover> hover;
    if (FAILED(button.object()->QueryInterface(IID__O2007Hover, hover.put_void())))
        return;
    const int w = across(button.Width()), h = down(button.Height());
    using controls::ButtonLook;
    auto picture = [&](ButtonLook look) {
        return Ref<IDispatch>::adopt(controls::button_art_picture(art, look, w, h));
    };
    hover->putref_NormalImage(picture(ButtonLook::Normal).get());
    hover->putref_HoverImage(picture(ButtonLook::Hover).get());
    hover->putref_InactiveImage(picture(ButtonLook::Inactive).get());
}

void raise_if(bool bad, std::u16string_view source) {
    if (bad)
        raise_standard(std_error::InvalidPropertyValue, std::u16string(source));
}

} // namespace

MultiPrompt::MultiPrompt() : Control(library::ClassId::MultiPrompt) {
    add_windowless(&m_lblCapt);
}

MultiPrompt::~MultiPrompt() {
    UserControl_Terminate();
}

// --- Members, in the type library's order ----------------------------------------------

HRESULT MultiPrompt::get_OriginalTextValue(BSTR* retval) {
    return guarded_out(retval, [&] { return automation::make_bstr(m_doc.xml()); });
}

HRESULT MultiPrompt::put_OriginalTextValue(BSTR strNew) {
    return guarded([&] { Restore(automation::bstr_view(strNew)); });
}

HRESULT MultiPrompt::get_Caption(BSTR* retval) {
    return guarded_out(retval, [&] {
        std::u16string_view text = m_lblCapt.Caption();
        return automation::make_bstr(text.substr(0, text.empty() ? 0 : text.size() - 1));
    });
}

HRESULT MultiPrompt::put_Caption(BSTR strNew) {
    return guarded([&] {
        std::u16string text(automation::bstr_view(strNew));
        if (text.empty() || text.back() != u':')
            text = std::u16string(prompts::trim_blanks(text)) + u":";
        m_lblCapt.SetCaption(text);
        refresh();
        const double width = frame::pixels_to_twips(m_lblCapt.Width() + 4, Axis::Across);
        automation::Bstr data(from_utf8(std::to_string(std::lround(width))));
        if (!Relay(u"CaptionWidth", data.out_keep()))
            return;
        ArrangeControls();
    });
}

HRESULT MultiPrompt::putref_PE(_clsPromptEvents* oNew) {
    return guarded([&] { m_pe = automation::Ref<_clsPromptEvents>(oNew); });
}

HRESULT MultiPrompt::get_MyName(BSTR* retval) {
    return guarded_out(retval, [&] { return automation::make_bstr(m_name); });
}

HRESULT MultiPrompt::put_MyName(BSTR strNew) {
    return guarded([&] { m_name = automation::bstr_view(strNew); });
}

HRESULT MultiPrompt::put_BoxLeft(LONG lngNew) {
    return guarded([&] {
        m_box_left = lngNew;
        ArrangeControls();
    });
}

HRESULT MultiPrompt::get_TooSmall(VARIANT_BOOL* retval) {
    return automation::write_out(retval,
                                 [&] { return m_too_small ? VARIANT_TRUE : VARIANT_FALSE; });
}

HRESULT MultiPrompt::get_MyDescription(BSTR* retval) {
    return guarded_out(retval,
                       [&] { return automation::make_bstr(prompts::trim_blanks(m_description)); });
}

HRESULT MultiPrompt::put_MyDescription(BSTR strNew) {
    return guarded([&] { SetCriterion(2, automation::bstr_view(strNew)); });
}

HRESULT MultiPrompt::get_MyDDID(BSTR* retval) {
    return guarded_out(retval, [&] { return automation::make_bstr(m_ddid); });
}

HRESULT MultiPrompt::put_MyDDID(BSTR strNew) {
    return guarded([&] { SetCriterion(1, automation::bstr_view(strNew)); });
}

HRESULT MultiPrompt::get_MyCode(BSTR* retval) {
    return guarded_out(retval, [&] { return automation::make_bstr(m_code.view()); });
}

HRESULT MultiPrompt::put_MyCode(BSTR strNew) {
    return guarded([&] { SetCriterion(0, automation::bstr_view(strNew)); });
}

HRESULT MultiPrompt::putref_MyPicture(IPictureDisp*) {
    // Accepted for hosts that hand every prompt a picture; the row has no place for one.
    return guarded([&] { ArrangeControls(); });
}

HRESULT MultiPrompt::get_MyStyle(enuMPStyle* retval) {
    return automation::write_out(retval, [&] { return m_style; });
}

HRESULT MultiPrompt::put_MyStyle(enuMPStyle eNew) {
    return guarded([&] {
        raise_if(eNew < sMPSPrompt || eNew > sMPSDisplayOnly, source());
        m_style = eNew;
        ArrangeControls();
    });
}

HRESULT MultiPrompt::get_Mandatory(VARIANT_BOOL* retval) {
    return automation::write_out(retval,
                                 [&] { return m_mandatory ? VARIANT_TRUE : VARIANT_FALSE; });
}

HRESULT MultiPrompt::put_Mandatory(VARIANT_BOOL blnNew) {
    return guarded([&] { m_mandatory = blnNew != VARIANT_FALSE; });
}

HRESULT MultiPrompt::get_ValType(enuMPValType* retval) {
    return automation::write_out(retval, [&] { return m_val_type; });
}

HRESULT MultiPrompt::put_ValType(enuMPValType eNew) {
    return guarded([&] {
        raise_if(eNew < sMPVString || eNew > sMPVStandardDrop, source());
        m_val_type = eNew;
    });
}

HRESULT MultiPrompt::put_DefaultSelType(enuMPDefaultSelType eNew) {
    return guarded([&] {
        raise_if(eNew < sMPTNone || eNew > sMPTExactly, source());
        if (!m_cmbSelectionType || TypeIndex() >= 0)
            return;
        m_cmbSelectionType->SetListIndex(eNew); // runs the selection-type handling
        if (!gone())
            m_default_sel_type = eNew;
    });
}

HRESULT MultiPrompt::SetEventBroker(_cEventBroker** oNew) {
    return guarded([&] {
        IUnknown* given = oNew ? *oNew : nullptr;
        automation::Ref<_cEventBroker> broker;
        if (given && FAILED(given->QueryInterface(IID__cEventBroker, broker.put_void())))
            raise_standard(std_error::TypeMismatch, u"SetEventBroker");
        m_broker = std::move(broker);
    });
}

HRESULT MultiPrompt::AddSelection(BSTR strKey, BSTR strDescription) {
    return guarded([&] {
        m_typed = false;
        AddValue(prompts::trim_blanks(automation::bstr_view(strKey)),
                 prompts::trim_blanks(automation::bstr_view(strDescription)));
    });
}

HRESULT MultiPrompt::ClearControl() {
    return guarded([&] { Clear(Clearing::Clear); });
}

HRESULT MultiPrompt::ResetControl() {
    return guarded([&] { Clear(Clearing::Reset); });
}

HRESULT MultiPrompt::AddDropdownEntry(BSTR strCode, BSTR strDDID, BSTR strDescription) {
    return guarded([&] {
        if (!m_cmbValue)
            return;
        m_cmbValue->AddItem(std::u16string(automation::bstr_view(strCode)));
        const int row = m_cmbValue->ListCount() - 1;
        m_cmbValue->SetList(row, 1, std::u16string(automation::bstr_view(strDDID)));
        m_cmbValue->SetList(row, 2, std::u16string(automation::bstr_view(strDescription)));
    });
}

HRESULT MultiPrompt::SetPromptEditable(VARIANT_BOOL blnNew) {
    return guarded([&] { m_prompt_editable = blnNew != VARIANT_FALSE; });
}

// --- Lifecycle ------------------------------------------------------------------------

void MultiPrompt::UserControl_Initialize() {
    set_own_size(-1, 390);
    m_lblCapt.SetFont(kFace, kPoints);
    m_lblCapt.SetBackStyle(0);
    m_lblCapt.SetAutoSize(true);
    m_lblCapt.Move(0, down(45), across(795), down(270));
    m_lblCapt.SetCaption(u"caption");

    m_cmbSelectionType =
        std::make_unique<controls::ComboBox>(hwnd(), design_rect(5400, 0, 1335, 390));
    m_txtValue = std::make_unique<controls::TextBox>(hwnd(), design_rect(720, 0, 3615, 390));
    m_cmbValue = std::make_unique<controls::ComboBox>(hwnd(), design_rect(720, 0, 3615, 390));
    m_cmbSelectionType->SetFont(kFace, kPoints);
    m_txtValue->SetFont(kFace, kPoints);
    m_cmbValue->SetFont(kFace, kPoints);
    m_cmbValue->SetColumnCount(3);
    m_cmbValue->SetColumnWidths(u".5in; 0in;");
    m_cmbValue->SetTextColumn(3);
    for (const char16_t* item : {u"All of", u"Any of", u"Exactly"})
        m_cmbSelectionType->AddItem(item);

    m_txtValue->on_key_down = [this](frame::KeyEvent&) { txtValue_KeyDown(); };
    m_txtValue->on_key_up = [this](frame::KeyEvent& e) { txtValue_KeyUp(e.key); };
    m_txtValue->on_change = [this] { txtValue_Change(); };
    m_cmbSelectionType->on_key_up = [this](frame::KeyEvent& e) { list_KeyUp(e.key); };
    m_cmbValue->on_key_up = [this](frame::KeyEvent& e) { list_KeyUp(e.key); };
    // The lists raise Change and Click together for every new selection, by the user or
    // by code, so Click alone stands for both.
    m_cmbSelectionType->on_click = [this] { cmbSelectionType_Click(); };
    m_cmbValue->on_click = [this] { cmbValue_Click(); };

    auto button = [&](double left, double top, controls::ButtonArt art,
                      void (MultiPrompt::*click)()) {
        frame::NestedControl& made = add_control(library::ClassId::O2007Hover, left, top, 390, 315,
                                                 [this, click](DISPID id, frame::EventArgs&) {
                                                     if (id == DISPID_O2007Hover_Click)
                                                         (this->*click)();
                                                 });
        dress_button(made, art);
        return &made;
    };
    m_hPrompt = button(4440, 30, controls::ButtonArt::Prompt, &MultiPrompt::hPrompt_Click);
    m_hCal = button(4440, 330, controls::ButtonArt::Calendar, &MultiPrompt::hPrompt_Click);
    m_btnClear = button(4920, 30, controls::ButtonArt::Clear, &MultiPrompt::btnClear_Click);
    EnableEntry(false);
    m_too_small = false;
}

void MultiPrompt::UserControl_Terminate() {
    m_terminated = true;
    // The nested buttons go with the frame, after this.
    m_hPrompt = m_hCal = m_btnClear = nullptr;
    m_txtValue.reset();
    m_cmbSelectionType.reset();
    m_cmbValue.reset();
    m_pe.reset();
    m_broker.reset();
}

// --- Children's events ------------------------------------------------------------------

void MultiPrompt::txtValue_KeyDown() {
    m_typed = true;
}

void MultiPrompt::txtValue_KeyUp(SHORT key) {
    guarded([&] {
        if (key == kF4 && (m_style == sMPSPrompt || m_style == sMPSDate)) {
            hPrompt_Click();
            return;
        }
        if (key == kEnter) {
            Broker(u"Go", u"");
            return;
        }
        if (key == kDelete && m_style == sMPSPrompt)
            Clear(Clearing::Clear);
    });
}

void MultiPrompt::txtValue_Change() {
    guarded([&] { TextChanged(); });
}

void MultiPrompt::list_KeyUp(SHORT key) {
    if (key == kEnter)
        guarded([&] { Broker(u"Go", u""); });
}

void MultiPrompt::cmbSelectionType_Click() {
    guarded([&] { ChooseType(); });
}

void MultiPrompt::cmbValue_Click() {
    guarded([&] { PickRow(); });
}

void MultiPrompt::hPrompt_Click() {
    guarded([&] {
        m_typed = false;
        if (m_style == sMPSPrompt) {
            if (!Relay(u"PromptClicked", m_code.out_keep()))
                return;
        } else {
            automation::Bstr answer(u"");
            if (!Relay(u"DateClicked", answer.out_keep()))
                return;
            if (answer.view().empty())
                return;
            ApplyPickedDate(answer.view());
            if (gone())
                return;
        }
        if (m_txtValue)
            m_txtValue->SetFocus();
    });
}

void MultiPrompt::btnClear_Click() {
    guarded([&] { Clear(Clearing::Button); });
}

// --- Notifications ----------------------------------------------------------------------

bool MultiPrompt::Relay(std::u16string_view event, BSTR* data) {
    if (gone())
        return false;
    const automation::Ref<_clsPromptEvents> relay = m_pe; // alive across the call out
    if (relay) {
        automation::Bstr name(m_name), what(event);
        relay->RaiseAnEvent(name.get(), what.get(), data); // a listener's failure stays there
    }
    return !gone();
}

bool MultiPrompt::Broker(std::u16string_view event, std::u16string_view data) {
    if (gone())
        return false;
    const automation::Ref<_cEventBroker> broker = m_broker;
    if (broker) {
        automation::Bstr name(m_name), what(event), text(data);
        broker->RaiseTheEvent(name.get(), what.get(), text.get());
    }
    return !gone();
}

IDispatch* library::make_MultiPrompt() {
    return new MultiPrompt();
}

} // namespace paginor
