#include "buttons/HoverButton.h"

#include "automation/variant.h"
#include "buttons/quietly.h"
#include "frame/twips.h"
#include "platform/window/window.h"

#include <cmath>

namespace paginor {

namespace {

constexpr OLE_COLOR kHighlight3D = 0x80000014;
constexpr OLE_COLOR kButtonShadow = 0x80000010;
constexpr OLE_COLOR kDarkShadow3D = 0x80000015;
constexpr OLE_COLOR kButtonFace = 0x8000000F;
constexpr OLE_COLOR kButtonText = 0x80000012;

using frame::Axis;

double tx() {
    return frame::twips_per_pixel(Axis::Across);
}
double ty() {
    return frame::twips_per_pixel(Axis::Down);
}
int px_x(double twips) {
    return frame::twips_to_pixels(twips, Axis::Across);
}
int px_y(double twips) {
    return frame::twips_to_pixels(twips, Axis::Down);
}

VARIANT_BOOL as_variant_bool(bool on) {
    return on ? VARIANT_TRUE : VARIANT_FALSE;
}

// Where the icon goes; a value outside the enumeration places it as ILNone.
EIconLocation placed_as(LONG location) {
    return location >= ILLeft && location <= ILBottom ? static_cast<EIconLocation>(location)
                                                      : ILNone;
}

} // namespace

HoverButton::HoverButton() : Control(library::ClassId::HoverButton) {
    m_lblCaption.SetBackStyle(0);
    for (controls::Line* line : {&m_linT, &m_linL, &m_linBST, &m_linBSB, &m_linRSL, &m_linRSR})
        line->SetVisible(false);
    for (frame::Windowless* part : {static_cast<frame::Windowless*>(&m_imgIcon),
                                    static_cast<frame::Windowless*>(&m_lblCaption)}) {
        part->on_mouse_down = [this](const frame::MouseEvent&) { Part_MouseDown(); };
        part->on_mouse_move = [this](const frame::MouseEvent&) { Part_MouseMove(); };
        part->on_mouse_up = [this](const frame::MouseEvent& e) { Part_MouseUp(e); };
    }
}

HoverButton::~HoverButton() {
    UserControl_Terminate();
}

// --- Properties, in the type library's order ------------------------------------------

HRESULT HoverButton::get_PromptPicture(IPictureDisp** retval) {
    return automation::write_out(retval, m_prompt_picture);
}

HRESULT HoverButton::putref_PromptPicture(IPictureDisp* New_PromptPicture) {
    return guarded([&] {
        m_prompt_picture = automation::Ref<IDispatch>(New_PromptPicture);
        m_imgIcon.SetPicture(m_prompt_picture.get());
        RepaintSurface();
    });
}

HRESULT HoverButton::get_IconLocation(EIconLocation* retval) {
    return automation::write_out(retval,
                                 [&] { return static_cast<EIconLocation>(m_icon_location); });
}

HRESULT HoverButton::put_IconLocation(EIconLocation New_IconLocation) {
    return guarded([&] {
        m_icon_location = New_IconLocation;
        ArrangeButton();
    });
}

HRESULT HoverButton::get_Caption(BSTR* retval) {
    return guarded_out(retval, [&] { return automation::make_bstr(m_caption); });
}

HRESULT HoverButton::put_Caption(BSTR New_Caption) {
    return guarded([&] {
        m_caption = automation::bstr_view(New_Caption);
        m_lblCaption.SetCaption(m_caption);
        RepaintSurface();
    });
}

HRESULT HoverButton::get_BackColor(OLE_COLOR* retval) {
    return automation::write_out(retval, [&] { return m_back_color; });
}

HRESULT HoverButton::put_BackColor(OLE_COLOR New_BackColor) {
    return guarded([&] {
        m_back_color = New_BackColor;
        if (m_picUC)
            m_picUC->SetBackColor(m_back_color);
    });
}

HRESULT HoverButton::get_ForeColor(OLE_COLOR* retval) {
    return automation::write_out(retval, [&] { return m_fore_color; });
}

HRESULT HoverButton::put_ForeColor(OLE_COLOR New_ForeColor) {
    return guarded([&] {
        m_fore_color = New_ForeColor;
        m_lblCaption.SetForeColor(m_fore_color);
        RepaintSurface();
    });
}

HRESULT HoverButton::get_FontBold(VARIANT_BOOL* retval) {
    return automation::write_out(retval, [&] { return as_variant_bool(m_font_bold); });
}

HRESULT HoverButton::put_FontBold(VARIANT_BOOL New_FontBold) {
    return guarded([&] {
        m_font_bold = New_FontBold != VARIANT_FALSE;
        m_lblCaption.SetFontBold(m_font_bold);
        RepaintSurface();
    });
}

HRESULT HoverButton::get_Enabled(VARIANT_BOOL* retval) {
    return automation::write_out(retval, [&] { return as_variant_bool(m_enabled); });
}

HRESULT HoverButton::put_Enabled(VARIANT_BOOL New_Enabled) {
    return guarded([&] {
        m_enabled = New_Enabled != VARIANT_FALSE;
        if (hwnd())
            platform::EnableWindow(hwnd(), m_enabled ? platform::TRUE : platform::FALSE);
    });
}

HRESULT HoverButton::Unhover() {
    return guarded([&] { ShowFrame(false); });
}

// --- The control's events ------------------------------------------------------------

void HoverButton::UserControl_Initialize() {
    m_picUC = std::make_unique<controls::PictureBox>(hwnd(), platform::RECT{});
    m_picUC->SetBackColor(m_back_color);
    for (frame::Windowless* part :
         std::initializer_list<frame::Windowless*>{&m_imgIcon, &m_lblCaption, &m_linT, &m_linL,
                                                   &m_linBST, &m_linRSL, &m_linBSB, &m_linRSR})
        m_picUC->add_windowless(part);
    m_picUC->on_mouse_down = [this](const frame::MouseEvent&) { Part_MouseDown(); };
    m_picUC->on_mouse_move = [this](const frame::MouseEvent&) { Part_MouseMove(); };
    m_picUC->on_mouse_up = [this](const frame::MouseEvent& e) { Part_MouseUp(e); };
    m_picUC->on_key_up = [this](frame::KeyEvent& e) { picUC_KeyUp(e); };
    m_picUC->on_got_focus = [this] { picUC_GotFocus(); };
    m_picUC->on_lost_focus = [this] { picUC_LostFocus(); };
}

// Each key on its own into its field; a damaged one keeps the new-instance value. The
// parts take the values at the next ArrangeButton (the control is shown after loading).
void HoverButton::UserControl_ReadProperties(const frame::PropertyBag& bag) {
    quietly([&] {
        m_prompt_picture = automation::Ref<IDispatch>::adopt(bag.read_picture(u"PromptPicture"));
    });
    quietly([&] { m_icon_location = bag.read_int32(u"IconLocation", ILLeft); });
    quietly([&] { m_caption = bag.read_string(u"Caption", u""); });
    quietly([&] { m_back_color = bag.read_colour(u"BackColor", kButtonFace); });
    quietly([&] { m_fore_color = bag.read_colour(u"ForeColor", kButtonText); });
    quietly([&] { m_font_bold = bag.read_boolean(u"FontBold", false); });
    quietly([&] { m_enabled = bag.read_boolean(u"Enabled", true); });
}

void HoverButton::UserControl_WriteProperties(frame::PropertyBag& bag) {
    bag.write_picture(u"PromptPicture", m_prompt_picture.get());
    bag.WriteProperty(u"IconLocation", frame::BagValue::int32(m_icon_location));
    bag.WriteProperty(u"Caption", frame::BagValue::string(m_caption));
    bag.WriteProperty(u"BackColor", frame::BagValue::colour(m_back_color));
    bag.WriteProperty(u"ForeColor", frame::BagValue::colour(m_fore_color));
    bag.WriteProperty(u"FontBold", frame::BagValue::boolean(m_font_bold));
    bag.WriteProperty(u"Enabled", frame::BagValue::boolean(m_enabled));
}

void HoverButton::UserControl_Show() {
    quietly([&] { EnsureTracker(); });
    ArrangeButton();
}

void HoverButton::UserControl_Resize() {
    ArrangeButton();
}

// The surface holds the focus for the control.
void HoverButton::UserControl_EnterFocus() {
    if (m_picUC)
        m_picUC->SetFocus();
}

void HoverButton::UserControl_Terminate() {
    if (m_tracker) {
        m_tracker->SetListener(nullptr);
        m_tracker->DetachMouseTracking();
        m_tracker.reset();
    }
    m_picUC.reset();
}

void HoverButton::Part_MouseDown() {
    m_pressed = true;
    ArrangeButton();
}

void HoverButton::Part_MouseMove() {
    quietly([&] {
        EnsureTracker();
        if (m_tracker && !m_tracker->Tracking()) {
            m_tracker->StartMouseTracking();
            ShowFrame(true);
        }
    });
}

// The event follows the released button wherever the pointer is.
void HoverButton::Part_MouseUp(const frame::MouseEvent& e) {
    m_pressed = false;
    ArrangeButton();
    fire(e.button == 2 ? DISPID_HoverButton_PopClick : DISPID_HoverButton_Click);
}

void HoverButton::picUC_KeyUp(frame::KeyEvent& e) {
    if (e.key == 32)
        fire(DISPID_HoverButton_Click);
}

void HoverButton::picUC_GotFocus() {
    m_has_focus = true;
    ArrangeButton();
}

void HoverButton::picUC_LostFocus() {
    m_has_focus = false;
    ArrangeButton();
}

void HoverButton::MouseHover(LONG&, LONG&, float&, float&) {
    if (!m_tracker)
        return;
    quietly([&] {
        m_tracker->StartMouseTracking();
        ShowFrame(true);
    });
}

void HoverButton::MouseLeave() {
    if (m_tracker)
        ShowFrame(false);
}

// --- Private procedures --------------------------------------------------------------

// Lays out every part from the fields, in twips: the surface by focus, the lines by the
// pressed flag, then the icon and the caption in the room the lines leave.
void HoverButton::ArrangeButton() {
    if (hwnd())
        platform::EnableWindow(hwnd(), m_enabled ? platform::TRUE : platform::FALSE);
    m_imgIcon.SetPicture(m_prompt_picture.get());
    m_lblCaption.SetCaption(m_caption);
    m_lblCaption.SetForeColor(m_fore_color);
    m_lblCaption.SetFontBold(m_font_bold);
    if (!m_picUC)
        return;
    m_picUC->SetBackColor(m_back_color);
    PlaceSurface();
    const double sw = m_picUC->ScaleWidth() * tx(), sh = m_picUC->ScaleHeight() * ty();
    PlaceLines(sw, sh);
    PlaceContent(sw, sh);
    RepaintSurface();
}

// Focused, the surface covers the control; otherwise its outer pixel ring lies outside.
void HoverButton::PlaceSurface() {
    const int w = ScaleWidth(), h = ScaleHeight();
    if (m_has_focus)
        m_picUC->Move(0, 0, w, h);
    else
        m_picUC->Move(px_x(-15), px_y(-15), w + 2, h + 2);
}

void HoverButton::PlaceLines(double sw, double sh) {
    const double x = tx(), y = ty();
    m_linT.SetBorderColor(m_pressed ? kButtonShadow : kHighlight3D);
    m_linL.SetBorderColor(m_pressed ? kButtonShadow : kHighlight3D);
    m_linBST.SetBorderColor(m_pressed ? kButtonFace : kButtonShadow);
    m_linRSL.SetBorderColor(m_pressed ? kButtonFace : kButtonShadow);
    m_linBSB.SetBorderColor(m_pressed ? kButtonShadow : kDarkShadow3D);
    m_linRSR.SetBorderColor(m_pressed ? kButtonShadow : kDarkShadow3D);
    m_linL.SetEnds(0, 0, 0, sh - y);
    m_linT.SetEnds(0, 0, sw - x, 0);
    m_linBST.SetEnds(x, sh - 2 * y, sw - 2 * x, sh - 2 * y);
    m_linBSB.SetEnds(0, sh - y, sw - x, sh - y);
    m_linRSL.SetEnds(sw - 2 * x, y, sw - 2 * x, sh - y);
    m_linRSR.SetEnds(sw - x, 0, sw - x, sh);
}

// The icon squeezed into the room and placed by IconLocation, then the caption beside it,
// cut to the room that is left. Positions are twips; halves are kept until the parts are
// placed in pixels.
void HoverButton::PlaceContent(double sw, double sh) {
    const double x = tx(), y = ty(), p = m_pressed ? 2 : 0;
    const double xl = 0, xr = sw - 2 * x, yt = 0, yb = sh - 2 * y;
    const double ah = yb - yt - 2 * y, aw = xr - xl - 2 * x;
    if (ah < 0 || aw < 0)
        return; // too small: icon and caption keep their places
    const auto centred_v = [&](double h) {
        return yb - yt - p * y >= h ? yt + (yb - yt - h) / 2 + p * y : yt + p * y;
    };
    const auto centred_h = [&](double w) {
        return xr - xl - p * x >= w ? xl + (xr - xl - w) / 2 + p * x : xl + p * x;
    };

    const EIconLocation at = placed_as(m_icon_location);
    double il = 0, it = 0, iw = 0, ih = 0;
    m_imgIcon.SetVisible(at != ILNone);
    if (at != ILNone) {
        m_imgIcon.SetStretch(false);
        m_imgIcon.SetPicture(m_prompt_picture.get());
        int wpx = m_imgIcon.Width(), hpx = m_imgIcon.Height();
        if (hpx * y > ah)
            m_imgIcon.SetStretch(true), hpx = static_cast<int>(ah / y);
        if (wpx * x > aw)
            m_imgIcon.SetStretch(true), wpx = static_cast<int>(aw / x);
        iw = wpx * x, ih = hpx * y;
        il = at == ILLeft ? xl + p * x : at == ILRight ? xr - iw + (p - 2) * x : centred_h(iw);
        it = at == ILTop ? yt + p * y : at == ILBottom ? yb - ih + (p - 2) * y : centred_v(ih);
        m_imgIcon.Move(px_x(il), px_y(it), wpx, hpx);
    }

    const bool beside = at == ILLeft || at == ILRight, stacked = at == ILTop || at == ILBottom;
    const double max_h = std::round(sh - 4 * y - (stacked ? ih : 0));
    const double max_w = std::round(sw - 4 * x - (beside ? iw : 0));
    m_lblCaption.SetVisible(max_h >= 0 && max_w >= 0);
    if (max_h < 0 || max_w < 0)
        return;
    m_lblCaption.SetAutoSize(true);
    double lw = m_lblCaption.Width() * x, lh = m_lblCaption.Height() * y;
    if (lh > max_h)
        m_lblCaption.SetAutoSize(false), lh = max_h;
    if (lw > max_w)
        m_lblCaption.SetAutoSize(false), lw = max_w;
    const double ll = at == ILLeft ? il + iw : at == ILRight ? xl + p * x : centred_h(lw);
    const double lt = at == ILTop ? it + ih : at == ILBottom ? yt + p * y : centred_v(lh);
    // The box is the whole caption room from the placed corner; a label that sizes itself
    // to its text keeps its text's size.
    m_lblCaption.Move(px_x(ll), px_y(lt), static_cast<int>(max_w / x), static_cast<int>(max_h / y));
}

void HoverButton::EnsureTracker() {
    if (m_tracker || !UserMode() || !m_picUC)
        return;
    m_tracker = automation::Ref<cMouseTrack>::adopt(new cMouseTrack());
    m_tracker->SetListener(this);
    HWND surface = m_picUC->hWnd();
    m_tracker->AttachMouseTrackingByHwnd(surface, cMouseTrack::kChooseAutomatically);
}

void HoverButton::ShowFrame(bool on) {
    for (controls::Line* line : {&m_linT, &m_linL, &m_linBST, &m_linBSB, &m_linRSL, &m_linRSR})
        line->SetVisible(on);
    RepaintSurface();
}

void HoverButton::RepaintSurface() {
    if (m_picUC)
        m_picUC->Refresh();
}

IDispatch* library::make_HoverButton() {
    return new HoverButton();
}

} // namespace paginor
