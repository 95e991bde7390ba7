#include "prompts/PromptField.h"

#include "automation/error_info.h"
#include "controls/button_art.h"
#include "frame/drawing_surface.h"
#include "frame/twips.h"

#include <string>

namespace paginor {

namespace {

constexpr char16_t kFace[] = u"Trebuchet MS";
constexpr double kPoints = 9.75;
constexpr double kHeight = 390;
constexpr char16_t kKeep[] = u"(keep original values)";
constexpr char16_t kKeepCode[] = u"***";
constexpr OLE_COLOR kMultiColour = 0x6000;
constexpr OLE_COLOR kBlack = 0;
constexpr SHORT kF4 = 115;
constexpr SHORT kDelete = 46;
constexpr SHORT kRightButton = 2;

VARIANT_BOOL as_variant_bool(bool on) {
    return on ? VARIANT_TRUE : VARIANT_FALSE;
}

platform::RECT pixel_rect(double left, double top, double width, double height) {
    using frame::Axis;
    const int l = frame::twips_to_pixels(left, Axis::Across);
    const int t = frame::twips_to_pixels(top, Axis::Down);
    return {l, t, l + frame::twips_to_pixels(width, Axis::Across),
            t + frame::twips_to_pixels(height, Axis::Down)};
}

// The button's three looks drawn at its own size.
void give_art(frame::NestedControl& button, controls::ButtonArt art) {
    using controls::ButtonLook;
    automation::Ref<_O2007Hover> hover;
    if (FAILED(button.object()->QueryInterface(IID__O2007Hover, hover.put_void())))
        return;
    const int w = frame::twips_to_pixels(button.Width(), frame::Axis::Across);
    const int h = frame::twips_to_pixels(button.Height(), frame::Axis::Down);
    auto picture = [&](ButtonLook look) {
        return automation::Ref<IDispatch>::adopt(controls::button_art_picture(art, look, w, h));
    };
    hover->putref_NormalImage(picture(ButtonLook::Normal).get());
    hover->putref_HoverImage(picture(ButtonLook::Hover).get());
    hover->putref_InactiveImage(picture(ButtonLook::Inactive).get());
}

} // namespace

PromptField::PromptField() : Control(library::ClassId::PromptField) {
    add_windowless(&m_lblCapt);
    m_lblCapt.on_mouse_up = [this](const frame::MouseEvent& e) { Part_MouseUp(e.button); };
}

PromptField::~PromptField() {
    UserControl_Terminate();
}

// --- Properties and methods, in the type library's order ----------------------------

HRESULT PromptField::get_Caption(BSTR* retval) {
    return guarded_out(retval, [&] {
        std::u16string_view text = m_lblCapt.Caption();
        return automation::make_bstr(text.substr(0, text.empty() ? 0 : text.size() - 1));
    });
}

HRESULT PromptField::put_Caption(BSTR New_Caption) {
    return guarded([&] { SetCaption(automation::bstr_view(New_Caption)); });
}

HRESULT PromptField::putref_PE(_clsPromptEvents* New_PE) {
    return guarded([&] {
        automation::Ref<_clsPromptEvents> relay;
        if (New_PE && FAILED(New_PE->QueryInterface(IID__clsPromptEvents, relay.put_void())))
            raise_standard(std_error::TypeMismatch, std::u16string(source()));
        m_pe = std::move(relay);
    });
}

HRESULT PromptField::get_MyName(BSTR* retval) {
    return guarded_out(retval, [&] { return automation::make_bstr(m_name); });
}

HRESULT PromptField::put_MyName(BSTR New_MyName) {
    return guarded([&] { m_name = automation::bstr_view(New_MyName); });
}

HRESULT PromptField::put_BoxLeft(LONG New_BoxLeft) {
    return guarded([&] {
        m_box_left = New_BoxLeft;
        ArrangeControls();
    });
}

HRESULT PromptField::get_TooSmall(VARIANT_BOOL* retval) {
    return automation::write_out(retval, [&] { return as_variant_bool(m_too_small); });
}

HRESULT PromptField::get_MyDescription(BSTR* retval) {
    return guarded_out(retval, [&] { return automation::make_bstr(m_description.view()); });
}

HRESULT PromptField::put_MyDescription(BSTR New_MyDescription) {
    return guarded([&] { SetDescription(automation::bstr_view(New_MyDescription)); });
}

HRESULT PromptField::get_MyDDID(BSTR* retval) {
    return guarded_out(retval, [&] { return automation::make_bstr(m_ddid.view()); });
}

HRESULT PromptField::put_MyDDID(BSTR New_MyDDID) {
    return guarded([&] { SetDDID(automation::bstr_view(New_MyDDID)); });
}

HRESULT PromptField::get_MyCode(BSTR* retval) {
    return guarded_out(retval, [&] { return automation::make_bstr(m_code.view()); });
}

HRESULT PromptField::put_MyCode(BSTR New_MyCode) {
    return guarded([&] { SetCode(automation::bstr_view(New_MyCode)); });
}

// The picture is not kept: a field shows none of its own.
HRESULT PromptField::putref_MyPicture(IPictureDisp*) {
    return guarded([&] { ArrangeControls(); });
}

HRESULT PromptField::get_MyStyle(enuPFStyle* retval) {
    return automation::write_out(retval, [&] { return m_style; });
}

HRESULT PromptField::put_MyStyle(enuPFStyle New_MyStyle) {
    return guarded([&] {
        if (New_MyStyle < sPFSPrompt || New_MyStyle > sPFSDisplayOnly)
            raise_standard(std_error::InvalidPropertyValue, std::u16string(source()));
        m_style = New_MyStyle;
        ArrangeControls();
    });
}

HRESULT PromptField::get_Mandatory(VARIANT_BOOL* retval) {
    return automation::write_out(retval, [&] { return as_variant_bool(m_mandatory); });
}

HRESULT PromptField::put_Mandatory(VARIANT_BOOL New_Mandatory) {
    return guarded([&] { m_mandatory = New_Mandatory != VARIANT_FALSE; });
}

HRESULT PromptField::get_ValType(enuPFValType* retval) {
    return automation::write_out(retval, [&] { return m_val_type; });
}

HRESULT PromptField::put_ValType(enuPFValType New_ValType) {
    return guarded([&] {
        if (New_ValType < sPFVString || New_ValType > sPFVStandardDrop)
            raise_standard(std_error::InvalidPropertyValue, std::u16string(source()));
        m_val_type = New_ValType;
    });
}

HRESULT PromptField::ClearControl() {
    return guarded([&] { Clear(); });
}

HRESULT PromptField::AddDropdownEntry(BSTR strCode, BSTR strDDID, BSTR strDescription) {
    return guarded([&] {
        if (!m_cmbValue)
            return;
        m_cmbValue->AddItem(std::u16string(automation::bstr_view(strCode)));
        const int row = m_cmbValue->ListCount() - 1;
        m_cmbValue->SetList(row, 1, std::u16string(automation::bstr_view(strDDID)));
        m_cmbValue->SetList(row, 2, std::u16string(automation::bstr_view(strDescription)));
    });
}

HRESULT PromptField::SetBackColor(LONG lngNew) {
    return guarded([&] {
        const auto colour = static_cast<OLE_COLOR>(lngNew);
        UserControl::SetBackColor(colour);
        for (frame::NestedControl* button : {m_hPrompt, m_hCal, m_hAdd}) {
            automation::Ref<_O2007Hover> hover;
            if (button &&
                SUCCEEDED(button->object()->QueryInterface(IID__O2007Hover, hover.put_void())))
                hover->put_BackColor(colour);
        }
        refresh();
    });
}

HRESULT PromptField::put_AddButton(VARIANT_BOOL New_AddButton) {
    return guarded([&] { m_add_button = New_AddButton != VARIANT_FALSE; });
}

HRESULT PromptField::get_Multi(VARIANT_BOOL* retval) {
    return automation::write_out(retval, [&] { return as_variant_bool(m_multi); });
}

HRESULT PromptField::put_Multi(VARIANT_BOOL New_Multi) {
    return guarded([&] { SetMulti(New_Multi != VARIANT_FALSE); });
}

// --- The control's events ------------------------------------------------------------

void PromptField::UserControl_Initialize() {
    frame::StdFont& font = *surface().Font();
    font.set_name(kFace);
    font.set_size(kPoints);
    font.set_bold(false);
    const platform::RECT label = pixel_rect(0, 45, 795, 270);
    m_lblCapt.SetFont(kFace, kPoints);
    m_lblCapt.SetBackStyle(0);
    m_lblCapt.SetCaption(u"*caption*");
    m_lblCapt.Move(label.left, label.top, label.right - label.left, label.bottom - label.top);

    m_txtValue = std::make_unique<controls::TextBox>(hwnd(), pixel_rect(720, 0, 3615, 390));
    m_txtValue->SetFont(kFace, kPoints);
    m_txtValue->on_change = [this] { txtValue_Change(); };
    m_txtValue->on_key_up = [this](frame::KeyEvent& e) { txtValue_KeyUp(e); };
    m_txtValue->on_mouse_up = [this](const frame::MouseEvent& e) { Part_MouseUp(e.button); };

    m_cmbValue = std::make_unique<controls::ComboBox>(hwnd(), pixel_rect(720, 0, 3615, 390));
    m_cmbValue->SetFont(kFace, kPoints);
    m_cmbValue->SetColumnCount(3);
    m_cmbValue->SetColumnWidths(u".5in; 0in;");
    m_cmbValue->SetTextColumn(3);
    // The list reports Change and Click together for every new selection: one handler
    // run, and one "ValueSelected", per selection.
    m_cmbValue->on_click = [this] { cmbValue_Click(); };
    m_cmbValue->on_key_up = [this](frame::KeyEvent& e) { cmbValue_KeyUp(e); };
    m_cmbValue->on_mouse_up = [this](const frame::MouseEvent& e) { Part_MouseUp(e.button); };

    auto button = [this](double left, double top, void (PromptField::*click)(),
                         controls::ButtonArt art) {
        frame::NestedControl& b = add_control(library::ClassId::O2007Hover, left, top, 315, 315,
                                              [this, click](DISPID event, frame::EventArgs& args) {
                                                  Button_Event(click, event, args);
                                              });
        give_art(b, art);
        return &b;
    };
    m_hPrompt = button(4440, 30, &PromptField::hPrompt_Click, controls::ButtonArt::Prompt);
    m_hAdd = button(120, 360, &PromptField::hAdd_Click, controls::ButtonArt::Add);
    m_hCal = button(4440, 360, &PromptField::hCal_Click, controls::ButtonArt::Calendar);
    m_hCal->SetVisible(false);
    m_hCal->ZOrder(0);
    set_own_size(-1, kHeight);
}

void PromptField::UserControl_Resize() {
    ArrangeControls();
}

// The children go with the window; a listener that let the form go inside a notification
// finds a control that answers its members without them.
void PromptField::UserControl_Terminate() {
    m_ended = true;
    m_txtValue.reset();
    m_cmbValue.reset();
    m_hPrompt = m_hCal = m_hAdd = nullptr;
    m_pe.reset();
}

void PromptField::UserControl_MouseUp(const frame::MouseEvent& e) {
    Part_MouseUp(e.button);
}

// --- The children's events -----------------------------------------------------------

void PromptField::txtValue_Change() {
    m_description = automation::Bstr(m_txtValue->Text());
    m_txtValue->SetForeColor(kBlack);
    m_multi = false;
}

void PromptField::txtValue_KeyUp(frame::KeyEvent& e) {
    const automation::Ref<PromptField> alive(this);
    if (e.key == kF4 && (m_style == sPFSPrompt || m_style == sPFSDate))
        hPrompt_Click();
    else if (e.key == kDelete && m_style == sPFSPrompt)
        Clear();
}

void PromptField::cmbValue_Click() {
    const automation::Ref<PromptField> alive(this);
    const int row = m_cmbValue->ListIndex();
    if (row < 0) {
        m_code = automation::Bstr();
        m_ddid = automation::Bstr();
        m_description = automation::Bstr();
        SetBoxText(u"");
        return;
    }
    m_code = automation::Bstr(m_cmbValue->List(row, 0));
    m_ddid = automation::Bstr(m_cmbValue->List(row, 1));
    m_description = automation::Bstr(m_cmbValue->List(row, 2));
    SetBoxText(m_description.view());
    if (m_ended)
        return;
    m_cmbValue->SetForeColor(kBlack);
    if (m_code.view() == kKeepCode && m_ddid.view() == kKeepCode && m_description.view() == kKeep)
        SetTextColours(kMultiColour);
    else
        m_multi = false;
    Notify(u"ValueSelected", m_code.out_keep());
}

void PromptField::cmbValue_KeyUp(frame::KeyEvent& e) {
    const automation::Ref<PromptField> alive(this);
    if (e.key == kDelete)
        Clear();
}

void PromptField::hPrompt_Click() {
    if (m_style == sPFSPrompt) {
        if (Notify(u"PromptClicked", m_code.out_keep()) && m_txtValue)
            m_txtValue->SetFocus();
        return;
    }
    if (!Notify(u"DateClicked", m_description.out_keep()))
        return;
    SetBoxText(m_description.view());
    if (m_txtValue)
        m_txtValue->SetFocus();
}

void PromptField::hCal_Click() {
    if (Notify(u"DateClicked", m_description.out_keep()))
        SetBoxText(m_description.view());
}

void PromptField::hAdd_Click() {
    automation::Bstr empty;
    Notify(u"AddRequest", empty.out_keep());
}

void PromptField::Part_MouseUp(SHORT button) {
    if (button != kRightButton)
        return;
    const automation::Ref<PromptField> alive(this);
    automation::Bstr empty;
    Notify(u"ContextMenu", empty.out_keep());
}

void PromptField::Button_Event(void (PromptField::*click)(), DISPID event, frame::EventArgs& args) {
    const automation::Ref<PromptField> alive(this);
    if (event == DISPID_O2007Hover_Click)
        (this->*click)();
    else if (event == DISPID_O2007Hover_MouseUp)
        Part_MouseUp(args.i2(0));
}

// --- Private procedures --------------------------------------------------------------

void PromptField::SetCode(std::u16string_view s) {
    m_code = automation::Bstr(s);
    if (m_style != sPFSDropdown)
        return;
    if (const int row = FindRow(0, s); row >= 0)
        TakeRow(row);
}

void PromptField::SetDDID(std::u16string_view s) {
    m_ddid = automation::Bstr(s);
    if (m_style != sPFSDropdown)
        return;
    if (const int row = FindRow(1, s); row >= 0)
        TakeRow(row);
}

// The three values come from the row found, the box shows its description and the list
// selects it; a listener of the box's change may have ended the control meanwhile.
void PromptField::TakeRow(int row) {
    m_code = automation::Bstr(m_cmbValue->List(row, 0));
    m_ddid = automation::Bstr(m_cmbValue->List(row, 1));
    m_description = automation::Bstr(m_cmbValue->List(row, 2));
    SetBoxText(m_description.view());
    if (m_cmbValue)
        m_cmbValue->SetListIndex(row);
}

// The drop-down match is made against the DDID column, as the field always did.
void PromptField::SetDescription(std::u16string_view s) {
    m_description = automation::Bstr(s);
    SetBoxText(s);
    if (m_style != sPFSDropdown)
        return;
    const int row = FindRow(1, s);
    if (row < 0)
        return;
    m_code = automation::Bstr(m_cmbValue->List(row, 0));
    m_ddid = automation::Bstr(m_cmbValue->List(row, 1));
    if (m_cmbValue)
        m_cmbValue->SetListIndex(row);
}

void PromptField::SetMulti(bool on) {
    if (on) {
        SetBoxText(kKeep);
        if (m_val_type == sPFVStandardDrop && m_cmbValue) {
            m_cmbValue->AddItem(kKeepCode);
            const int row = m_cmbValue->ListCount() - 1;
            m_cmbValue->SetList(row, 1, kKeepCode);
            m_cmbValue->SetList(row, 2, kKeep);
            m_cmbValue->SetListIndex(row);
        }
        SetTextColours(kMultiColour);
    }
    m_multi = on;
}

void PromptField::Clear() {
    m_code = automation::Bstr();
    m_description = automation::Bstr();
    SetBoxText(u"");
    if (m_cmbValue)
        m_cmbValue->Clear();
}

void PromptField::SetCaption(std::u16string_view s) {
    std::u16string text(s);
    if (text.empty() || text.back() != u':') {
        const size_t first = text.find_first_not_of(u' ');
        const size_t last = text.find_last_not_of(u' ');
        text = first == std::u16string::npos ? u"" : text.substr(first, last - first + 1);
        text += u':';
    }
    if (!m_caption_written) {
        m_caption_written = true;
        m_lblCapt.SetAutoSize(true);
    }
    m_lblCapt.SetCaption(std::move(text));
    refresh();
    const double width = frame::pixels_to_twips(m_lblCapt.Width() + 4, frame::Axis::Across);
    const std::string digits = std::to_string(static_cast<long>(width));
    automation::Bstr data(std::u16string(digits.begin(), digits.end()));
    if (Notify(u"CaptionWidth", data.out_keep()))
        ArrangeControls();
}

int PromptField::FindRow(int column, std::u16string_view s) const {
    if (!m_cmbValue)
        return -1;
    return m_cmbValue->FindRow(column, s);
}

void PromptField::SetBoxText(std::u16string_view s) {
    if (m_txtValue)
        m_txtValue->SetText(std::u16string(s));
}

void PromptField::SetTextColours(OLE_COLOR colour) {
    if (m_txtValue)
        m_txtValue->SetForeColor(colour);
    if (m_cmbValue)
        m_cmbValue->SetForeColor(colour);
}

bool PromptField::Notify(std::u16string_view event, BSTR* data) {
    if (!m_pe || m_ended)
        return !m_ended;
    const automation::Ref<PromptField> alive(this);
    const automation::Ref<_clsPromptEvents> relay = m_pe;
    automation::Bstr name(m_name);
    automation::Bstr what(event);
    // The listener's failure is its own: the data stands as it was left.
    relay->RaiseAnEvent(name.get(), what.get(), data);
    automation::clear_error();
    return !m_ended;
}

IDispatch* library::make_PromptField() {
    return new PromptField();
}

} // namespace paginor
