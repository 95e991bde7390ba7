#include "drawing/GradientButton.h"

#include "automation/variant.h"
#include "frame/drawing_surface.h"
#include "frame/std_font.h"
#include "platform/core/error.h"
#include "platform/window/window.h"

namespace paginor {

namespace {

VARIANT_BOOL as_variant_bool(bool on) {
    return on ? VARIANT_TRUE : VARIANT_FALSE;
}

} // namespace

GradientButton::GradientButton() : Control(library::ClassId::GradientButton) {
    m_tmrMouse.SetEnabled(false);
    m_tmrMouse.SetInterval(20);
    m_tmrMouseDown.SetEnabled(false);
    m_tmrMouse.on_timer = [this] { tmrMouse_Timer(); };
    m_tmrMouseDown.on_timer = [this] { tmrMouseDown_Timer(); };
}

GradientButton::~GradientButton() = default;

template <class Set>
HRESULT GradientButton::Change(std::u16string_view key, Set&& set, bool repaint) {
    return guarded([&] {
        set();
        PropertyChanged(key);
        if (repaint)
            Redraw();
    });
}

// --- Properties, in the type library's order ------------------------------------------

HRESULT GradientButton::get_Value(VARIANT_BOOL* retval) {
    return automation::write_out(retval, [&] { return as_variant_bool(m_value); });
}

HRESULT GradientButton::put_Value(VARIANT_BOOL New_Value) {
    return Change(u"Value", [&] { m_value = New_Value != VARIANT_FALSE; });
}

HRESULT GradientButton::get_Mode(eMode* retval) {
    return automation::write_out(retval, [&] { return m_mode; });
}

HRESULT GradientButton::put_Mode(eMode New_Mode) {
    return Change(u"Mode", [&] { m_mode = New_Mode; });
}

HRESULT GradientButton::get_Caption(BSTR* retval) {
    return guarded_out(retval, [&] { return automation::make_bstr(m_caption); });
}

HRESULT GradientButton::put_Caption(BSTR New_Caption) {
    return Change(u"Caption", [&] { SetCaptionText(automation::bstr_view(New_Caption)); });
}

HRESULT GradientButton::get_ForeColor2(OLE_COLOR* retval) {
    return automation::write_out(retval, [&] { return m_fore_color2; });
}

HRESULT GradientButton::put_ForeColor2(OLE_COLOR New_ForeColor2) {
    return Change(u"ForeColor2", [&] { m_fore_color2 = New_ForeColor2; });
}

HRESULT GradientButton::get_FontEffect(eFontEffect* retval) {
    return automation::write_out(retval, [&] { return m_font_effect; });
}

HRESULT GradientButton::put_FontEffect(eFontEffect New_FontEffect) {
    return Change(u"FontEffect", [&] { m_font_effect = New_FontEffect; });
}

HRESULT GradientButton::get_BevelWidth(SHORT* retval) {
    return automation::write_out(retval, [&] { return m_bevel_width; });
}

HRESULT GradientButton::put_BevelWidth(SHORT New_BevelWidth) {
    return Change(u"BevelWidth", [&] { m_bevel_width = New_BevelWidth; });
}

HRESULT GradientButton::get_BorderWidth(SHORT* retval) {
    return automation::write_out(retval, [&] { return m_border_width; });
}

HRESULT GradientButton::put_BorderWidth(SHORT New_BorderWidth) {
    return Change(u"BorderWidth", [&] { m_border_width = New_BorderWidth; });
}

HRESULT GradientButton::get_HoverColor2(OLE_COLOR* retval) {
    return automation::write_out(retval, [&] { return m_hover_color2; });
}

HRESULT GradientButton::put_HoverColor2(OLE_COLOR New_HoverColor2) {
    return Change(u"HoverColor2", [&] { m_hover_color2 = New_HoverColor2; });
}

HRESULT GradientButton::get_HoverColor1(OLE_COLOR* retval) {
    return automation::write_out(retval, [&] { return m_hover_color1; });
}

HRESULT GradientButton::put_HoverColor1(OLE_COLOR New_HoverColor1) {
    return Change(u"HoverColor1", [&] { m_hover_color1 = New_HoverColor1; });
}

HRESULT GradientButton::get_DownColor2(OLE_COLOR* retval) {
    return automation::write_out(retval, [&] { return m_down_color2; });
}

HRESULT GradientButton::put_DownColor2(OLE_COLOR New_DownColor2) {
    return Change(u"DownColor2", [&] { m_down_color2 = New_DownColor2; });
}

HRESULT GradientButton::get_DownColor1(OLE_COLOR* retval) {
    return automation::write_out(retval, [&] { return m_down_color1; });
}

HRESULT GradientButton::put_DownColor1(OLE_COLOR New_DownColor1) {
    return Change(u"DownColor1", [&] { m_down_color1 = New_DownColor1; });
}

HRESULT GradientButton::get_Color2(OLE_COLOR* retval) {
    return automation::write_out(retval, [&] { return m_color2; });
}

HRESULT GradientButton::put_Color2(OLE_COLOR New_Color2) {
    return Change(u"Color2", [&] { m_color2 = New_Color2; });
}

HRESULT GradientButton::get_Color1(OLE_COLOR* retval) {
    return automation::write_out(retval, [&] { return m_color1; });
}

HRESULT GradientButton::put_Color1(OLE_COLOR New_Color1) {
    return Change(u"Color1", [&] { m_color1 = New_Color1; });
}

HRESULT GradientButton::get_Picture(IPictureDisp** retval) {
    return automation::write_out(retval, [&] {
        IDispatch* picture = m_picButton.Picture();
        if (picture)
            picture->AddRef();
        return picture;
    });
}

HRESULT GradientButton::putref_Picture(IPictureDisp* New_Picture) {
    return Change(u"Picture", [&] { m_picButton.SetPicture(New_Picture); });
}

HRESULT GradientButton::get_RepeatInterval(SHORT* retval) {
    return guarded_out(retval, [&] {
        const int32_t ms = m_tmrMouseDown.Interval();
        if (ms > 32767)
            raise_standard(std_error::Overflow, std::u16string(source()),
                           u"Overflow: RepeatInterval is above 32767");
        return static_cast<SHORT>(ms);
    });
}

HRESULT GradientButton::put_RepeatInterval(SHORT New_RepeatInterval) {
    return Change(
        u"Interval",
        [&] {
            if (New_RepeatInterval < 0)
                raise_standard(std_error::InvalidPropertyValue, std::u16string(source()),
                               u"Invalid property value: RepeatInterval cannot be negative");
            m_tmrMouseDown.SetInterval(New_RepeatInterval);
        },
        false);
}

HRESULT GradientButton::get_Enabled(VARIANT_BOOL* retval) {
    return automation::write_out(retval, [&] { return as_variant_bool(m_enabled); });
}

HRESULT GradientButton::put_Enabled(VARIANT_BOOL New_Enabled) {
    return Change(
        u"Enabled",
        [&] {
            m_enabled = New_Enabled != VARIANT_FALSE;
            if (hwnd())
                platform::EnableWindow(hwnd(), m_enabled ? platform::TRUE : platform::FALSE);
        },
        false);
}

HRESULT GradientButton::get_ForeColor(OLE_COLOR* retval) {
    return automation::write_out(retval, [&] { return surface().ForeColor(); });
}

HRESULT GradientButton::put_ForeColor(OLE_COLOR New_ForeColor) {
    return Change(u"ForeColor", [&] { surface().SetForeColor(New_ForeColor); });
}

HRESULT GradientButton::get_BackColor(OLE_COLOR* retval) {
    return automation::write_out(retval, [&] { return m_back_color; });
}

HRESULT GradientButton::put_BackColor(OLE_COLOR New_BackColor) {
    return Change(u"BackColor", [&] { m_back_color = New_BackColor; });
}

HRESULT GradientButton::get_BevelColor(OLE_COLOR* retval) {
    return automation::write_out(retval, [&] { return m_bevel_color; });
}

HRESULT GradientButton::put_BevelColor(OLE_COLOR New_BevelColor) {
    return Change(u"BevelColor", [&] { m_bevel_color = New_BevelColor; });
}

HRESULT GradientButton::get_BorderColor(OLE_COLOR* retval) {
    return automation::write_out(retval, [&] { return m_border_color; });
}

HRESULT GradientButton::put_BorderColor(OLE_COLOR New_BorderColor) {
    return Change(u"BorderColor", [&] { m_border_color = New_BorderColor; });
}

HRESULT GradientButton::get_Font(IFontDisp** retval) {
    return guarded_out(retval, [&] {
        frame::StdFont* font = surface().Font();
        font->AddRef();
        return static_cast<IFontDisp*>(font);
    });
}

HRESULT GradientButton::putref_Font(IFontDisp* New_Font) {
    return Change(u"Font", [&] { surface().SetFont(frame::StdFont::from(New_Font)); });
}

// A host asks for a repaint when something the button cannot see may have changed (a
// picture's pixels, the fonts installed): the kept looks go, and the painter runs.
HRESULT GradientButton::Refresh() {
    return guarded([&] {
        m_shown.reset();
        m_looks.clear();
        Redraw();
    });
}

// --- The control's events ------------------------------------------------------------

void GradientButton::UserControl_Initialize() {
    if (!m_enabled)
        platform::EnableWindow(hwnd(), platform::FALSE);
    Redraw();
}

void GradientButton::UserControl_Show() {
    Redraw();
}

void GradientButton::UserControl_EnterFocus() {
    m_has_focus = true;
    Redraw();
}

void GradientButton::UserControl_ExitFocus() {
    m_has_focus = false;
    Redraw();
}

void GradientButton::UserControl_Terminate() {
    StopTimers();
}

// --- Private procedures --------------------------------------------------------------

void GradientButton::Redraw() {
    if (ShowLook())
        refresh();
}

void GradientButton::SetCaptionText(std::u16string_view text) {
    m_caption = text;
    ++m_caption_version;
}

bool GradientButton::Pressed() const {
    return m_pressed || (m_mode == CheckBox && m_value);
}

IDispatch* library::make_GradientButton() {
    return new GradientButton();
}

} // namespace paginor
