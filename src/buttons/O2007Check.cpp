#include "buttons/O2007Check.h"

#include "automation/variant.h"
#include "buttons/O2007Check_glyphs.h"
#include "buttons/quietly.h"
#include "frame/mouse_event_args.h"
#include "frame/twips.h"
#include "platform/core/unicode.h"

#include <array>
#include <string>

namespace paginor {

namespace {

constexpr OLE_COLOR kButtonFace = 0x8000000F;
constexpr OLE_COLOR kButtonText = 0x80000012;
constexpr double kDesignTwipsPerPixel = 15;

using frame::Axis;

VARIANT_BOOL as_variant_bool(bool on) {
    return on ? VARIANT_TRUE : VARIANT_FALSE;
}

// The panel's own events carry its client pixels; its host hears twips, as from the
// other parts.
frame::MouseEvent panel_twips(frame::MouseEvent e) {
    e.x = static_cast<float>(frame::pixels_to_twips(e.x, Axis::Across));
    e.y = static_cast<float>(frame::pixels_to_twips(e.y, Axis::Down));
    return e;
}

} // namespace

O2007Check::O2007Check() : Control(library::ClassId::O2007Check) {
    m_ilChecks.SetMaskColor(0x00C0C0C0);
    load_check_glyphs(m_ilChecks);
    m_lblCaption.SetBackStyle(0);
    m_lblCaption.SetFont(u"Trebuchet MS", 8.25);
    m_lblCaption.SetAutoSize(true);
    m_lblCaption.SetCaption(u"Check");
    ShowValue();
    for (frame::Windowless* part : {static_cast<frame::Windowless*>(&m_image1),
                                    static_cast<frame::Windowless*>(&m_lblCaption)}) {
        part->on_mouse_move = [this](const frame::MouseEvent& e) { Part_MouseMove(e); };
        part->on_mouse_up = [this](const frame::MouseEvent& e) { Part_MouseUp(e); };
        part->on_click = [this] { Box_Click(); };
    }
}

O2007Check::~O2007Check() {
    UserControl_Terminate();
}

// --- Properties, in the type library's order ------------------------------------------

HRESULT O2007Check::get_BackPicture(IPictureDisp** retval) {
    return automation::write_out(retval, m_back_picture);
}

HRESULT O2007Check::putref_BackPicture(IPictureDisp* New_BackPicture) {
    return guarded([&] {
        m_back_picture = automation::Ref<IDispatch>(New_BackPicture);
        if (m_picUC)
            m_picUC->SetPicture(m_back_picture.get());
        PropertyChanged(u"BackPicture");
    });
}

HRESULT O2007Check::get_Caption(BSTR* retval) {
    return guarded_out(retval, [&] { return automation::make_bstr(m_caption); });
}

HRESULT O2007Check::put_Caption(BSTR New_Caption) {
    return guarded([&] {
        m_caption = automation::bstr_view(New_Caption);
        m_lblCaption.SetCaption(m_caption);
        Repaint();
        PropertyChanged(u"Caption");
    });
}

HRESULT O2007Check::get_BackColor(OLE_COLOR* retval) {
    return automation::write_out(retval, [&] { return m_back_color; });
}

HRESULT O2007Check::put_BackColor(OLE_COLOR New_BackColor) {
    return guarded([&] {
        m_back_color = New_BackColor;
        if (m_picUC)
            m_picUC->SetBackColor(m_back_color);
        PropertyChanged(u"BackColor");
    });
}

HRESULT O2007Check::get_Value(LONG* retval) {
    return automation::write_out(retval, [&] { return m_value; });
}

HRESULT O2007Check::put_Value(LONG New_Value) {
    return guarded([&] {
        m_value = New_Value;
        ShowValue();
        PropertyChanged(u"Value");
    });
}

HRESULT O2007Check::get_ForeColor(OLE_COLOR* retval) {
    return automation::write_out(retval, [&] { return m_fore_color; });
}

HRESULT O2007Check::put_ForeColor(OLE_COLOR New_ForeColor) {
    return guarded([&] {
        m_fore_color = New_ForeColor;
        m_lblCaption.SetForeColor(m_fore_color);
        Repaint();
        PropertyChanged(u"ForeColor");
    });
}

HRESULT O2007Check::get_FontBold(VARIANT_BOOL* retval) {
    return automation::write_out(retval, [&] { return as_variant_bool(m_font_bold); });
}

HRESULT O2007Check::put_FontBold(VARIANT_BOOL New_FontBold) {
    return guarded([&] {
        m_font_bold = New_FontBold != VARIANT_FALSE;
        m_lblCaption.SetFontBold(m_font_bold);
        Repaint();
        PropertyChanged(u"FontBold");
    });
}

// --- The control's events ------------------------------------------------------------

void O2007Check::UserControl_Initialize() {
    m_picUC = std::make_unique<controls::PictureBox>(hwnd(), platform::RECT{});
    m_picUC->SetBackColor(m_back_color);
    m_picUC->SetPicture(m_back_picture.get());
    m_picUC->add_windowless(&m_image1);
    m_picUC->add_windowless(&m_lblCaption);
    m_picUC->on_mouse_move = [this](const frame::MouseEvent& e) { Part_MouseMove(panel_twips(e)); };
    m_picUC->on_mouse_up = [this](const frame::MouseEvent& e) { Part_MouseUp(panel_twips(e)); };
    m_picUC->on_click = [this] { fire(DISPID_O2007Check_Click); };
}

// Every key on its own, applied at once; a damaged one is passed over.
void O2007Check::UserControl_ReadProperties(const frame::PropertyBag& bag) {
    quietly([&] {
        m_caption = bag.read_string(u"Caption", u"");
        m_lblCaption.SetCaption(m_caption);
    });
    quietly([&] {
        m_back_color = bag.read_colour(u"BackColor", kButtonFace);
        if (m_picUC)
            m_picUC->SetBackColor(m_back_color);
    });
    quietly([&] {
        m_fore_color = bag.read_colour(u"ForeColor", kButtonText);
        m_lblCaption.SetForeColor(m_fore_color);
    });
    quietly([&] {
        m_font_bold = bag.read_boolean(u"FontBold", false);
        m_lblCaption.SetFontBold(m_font_bold);
    });
    quietly([&] {
        m_value = bag.read_int32(u"Value", 0);
        ShowValue();
    });
    quietly([&] {
        m_back_picture = automation::Ref<IDispatch>::adopt(bag.read_picture(u"BackPicture"));
        if (m_picUC)
            m_picUC->SetPicture(m_back_picture.get());
    });
    AdjustToScreenDensity();
}

void O2007Check::UserControl_WriteProperties(frame::PropertyBag& bag) {
    bag.WriteProperty(u"Caption", frame::BagValue::string(m_caption));
    bag.WriteProperty(u"BackColor", frame::BagValue::colour(m_back_color));
    bag.WriteProperty(u"ForeColor", frame::BagValue::colour(m_fore_color));
    bag.WriteProperty(u"FontBold", frame::BagValue::boolean(m_font_bold));
    bag.WriteProperty(u"Value", frame::BagValue::string(from_utf8(std::to_string(m_value))));
    bag.write_picture(u"BackPicture", m_back_picture.get());
}

void O2007Check::UserControl_Show() {
    quietly([&] { HoverRoutine(); });
}

// The panel fills the control; the glyph sits at its left, centred, the caption beside it.
void O2007Check::UserControl_Resize() {
    if (!m_picUC)
        return;
    m_picUC->Move(0, 0, ScaleWidth(), ScaleHeight());
    const double tx = frame::twips_per_pixel(Axis::Across);
    const double ty = frame::twips_per_pixel(Axis::Down);
    const double glyph_w = m_image1.Width() * tx, glyph_h = m_image1.Height() * ty;
    const double left = 0, top = (Height() - glyph_h) / 2;
    m_image1.Move(frame::twips_to_pixels(left, Axis::Across),
                  frame::twips_to_pixels(top, Axis::Down), m_image1.Width(), m_image1.Height());
    m_lblCaption.Move(frame::twips_to_pixels(left + glyph_w + 2 * tx, Axis::Across),
                      frame::twips_to_pixels(top - 2 * ty, Axis::Down), m_lblCaption.Width(),
                      m_lblCaption.Height());
    Repaint();
}

void O2007Check::UserControl_Terminate() {
    if (m_tracker) {
        m_tracker->SetListener(nullptr);
        m_tracker->DetachMouseTracking();
        m_tracker.reset();
    }
    m_picUC.reset();
}

void O2007Check::UserControl_MouseMove(const frame::MouseEvent& e) {
    Part_MouseMove(e);
}

void O2007Check::UserControl_MouseUp(const frame::MouseEvent& e) {
    Part_MouseUp(e);
}

void O2007Check::UserControl_Click() {
    fire(DISPID_O2007Check_Click);
}

void O2007Check::Part_MouseMove(frame::MouseEvent e) {
    quietly([&] { HoverRoutine(); });
    std::array<VARIANT, 4> args = mouse_args(e);
    fire(DISPID_O2007Check_MouseMove, args);
}

void O2007Check::Part_MouseUp(frame::MouseEvent e) {
    std::array<VARIANT, 4> args = mouse_args(e);
    fire(DISPID_O2007Check_MouseUp, args);
}

// Toggles 0 and 1 (a greyed or other value stays), shows the hover glyph of the new value,
// then raises Click; the property is not marked changed.
void O2007Check::Box_Click() {
    if (m_value == 0 || m_value == 1) {
        m_value = 1 - m_value;
        ShowGlyph(m_value == 0 ? u"H" : u"CH");
    }
    fire(DISPID_O2007Check_Click);
}

void O2007Check::MouseHover(LONG&, LONG&, float&, float&) {
    quietly([&] { HoverRoutine(); });
}

void O2007Check::MouseLeave() {
    if (m_value == 0)
        ShowGlyph(u"U");
    else if (m_value == 1)
        ShowGlyph(u"C");
    fire(DISPID_O2007Check_MouseLeave);
}

// --- Private procedures --------------------------------------------------------------

void O2007Check::HoverRoutine() {
    if (!m_tracker && UserMode() && m_picUC) {
        m_tracker = automation::Ref<cMouseTrack>::adopt(new cMouseTrack());
        m_tracker->SetListener(this);
        HWND panel = m_picUC->hWnd();
        m_tracker->AttachMouseTrackingByHwnd(panel, cMouseTrack::kChooseAutomatically);
    }
    if (!m_tracker)
        return;
    if (!m_tracker->Tracking())
        m_tracker->StartMouseTracking();
    if (m_value == 0)
        ShowGlyph(u"H");
    else if (m_value == 1)
        ShowGlyph(u"CH");
}

void O2007Check::ShowGlyph(std::u16string_view key) {
    m_image1.SetPicture(m_ilChecks.ListImages(key));
    Repaint();
}

void O2007Check::ShowValue() {
    ShowGlyph(m_value == 1 ? u"C" : m_value == 0 ? u"U" : u"G");
}

// The caption was designed at 15 twips per pixel; its font size follows the screen's
// horizontal density so that it keeps its pixel size. Its place is set by the layout at
// every resize and its size follows its text, so the font is all there is to adjust.
void O2007Check::AdjustToScreenDensity() {
    const double tx = frame::twips_per_pixel(Axis::Across);
    if (tx != kDesignTwipsPerPixel)
        m_lblCaption.SetFont(m_lblCaption.FontName(),
                             m_lblCaption.FontSize() / kDesignTwipsPerPixel * tx);
    Repaint();
}

void O2007Check::Repaint() {
    if (m_picUC)
        m_picUC->Refresh();
}

IDispatch* library::make_O2007Check() {
    return new O2007Check();
}

} // namespace paginor
