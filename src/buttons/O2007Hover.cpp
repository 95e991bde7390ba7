#include "buttons/O2007Hover.h"

#include "automation/variant.h"
#include "buttons/quietly.h"
#include "frame/mouse_event_args.h"

#include <array>

namespace paginor {

namespace {

constexpr OLE_COLOR kButtonFace = 0x8000000F;

VARIANT_BOOL as_variant_bool(bool on) {
    return on ? VARIANT_TRUE : VARIANT_FALSE;
}

} // namespace

O2007Hover::O2007Hover() : Control(library::ClassId::O2007Hover) {
    add_windowless(&m_image1);
    m_image1.on_click = [this] { Image1_Click(); };
    m_image1.on_mouse_move = [this](const frame::MouseEvent& e) { Image1_MouseMove(e); };
}

O2007Hover::~O2007Hover() {
    UserControl_Terminate();
}

// --- Properties, in the type library's order ------------------------------------------

HRESULT O2007Hover::get_HoverImage(IPictureDisp** retval) {
    return automation::write_out(retval, m_hover);
}

HRESULT O2007Hover::putref_HoverImage(IPictureDisp* New_HoverImage) {
    return guarded([&] {
        m_hover = automation::Ref<IDispatch>(New_HoverImage);
        PropertyChanged(u"HoverImage");
    });
}

HRESULT O2007Hover::get_NormalImage(IPictureDisp** retval) {
    return automation::write_out(retval, m_normal);
}

HRESULT O2007Hover::putref_NormalImage(IPictureDisp* New_NormalImage) {
    return guarded([&] {
        m_normal = automation::Ref<IDispatch>(New_NormalImage);
        m_image1.SetPicture(m_normal.get());
        refresh();
        PropertyChanged(u"NormalImage");
    });
}

HRESULT O2007Hover::get_InactiveImage(IPictureDisp** retval) {
    return automation::write_out(retval, m_inactive);
}

HRESULT O2007Hover::putref_InactiveImage(IPictureDisp* New_InactiveImage) {
    return guarded([&] {
        m_inactive = automation::Ref<IDispatch>(New_InactiveImage);
        PropertyChanged(u"InactiveImage");
    });
}

HRESULT O2007Hover::get_BackColor(OLE_COLOR* retval) {
    return automation::write_out(retval, [&] { return BackColor(); });
}

HRESULT O2007Hover::put_BackColor(OLE_COLOR New_BackColor) {
    return guarded([&] {
        SetBackColor(New_BackColor);
        PropertyChanged(u"BackColor");
    });
}

HRESULT O2007Hover::get_Enabled(VARIANT_BOOL* retval) {
    return automation::write_out(retval, [&] { return as_variant_bool(m_enabled); });
}

HRESULT O2007Hover::put_Enabled(VARIANT_BOOL New_Enabled) {
    return guarded([&] {
        m_enabled = New_Enabled != VARIANT_FALSE;
        PropertyChanged(u"Enabled");
        RestLook(false);
    });
}

HRESULT O2007Hover::get_HoverText(BSTR* retval) {
    return guarded_out(retval, [&] { return automation::make_bstr(m_hover_text); });
}

HRESULT O2007Hover::put_HoverText(BSTR New_HoverText) {
    return guarded([&] { m_hover_text = automation::bstr_view(New_HoverText); });
}

HRESULT O2007Hover::get_hwnd(LONG* retval) {
    return automation::write_out(retval, [&] { return static_cast<LONG>(hwnd()); });
}

HRESULT O2007Hover::get_HoverInactive(VARIANT_BOOL* retval) {
    return automation::write_out(retval, [&] { return as_variant_bool(m_hover_inactive); });
}

HRESULT O2007Hover::put_HoverInactive(VARIANT_BOOL New_HoverInactive) {
    return guarded([&] {
        m_hover_inactive = New_HoverInactive != VARIANT_FALSE;
        PropertyChanged(u"HoverInactive");
    });
}

HRESULT O2007Hover::StartHover() {
    return guarded([&] { HoverRoutine(); });
}

HRESULT O2007Hover::SetButtonActive(VARIANT_BOOL blnBtnActive) {
    return guarded([&] {
        m_button_active = blnBtnActive != VARIANT_FALSE;
        RestLook(true);
    });
}

// --- The control's events ------------------------------------------------------------

void O2007Hover::UserControl_Initialize() {
    // Image1's tip text, for the part of the control the image covers.
    m_tip = std::make_unique<controls::ToolTip>(hwnd(), [this](platform::POINT at) {
        const platform::RECT r = m_image1.bounds();
        return platform::PtInRect(&r, at) ? m_image1.ToolTipText() : std::u16string();
    });
    set_message_relay([this](UINT msg, WPARAM wParam, LPARAM lParam) {
        if (m_tip)
            m_tip->relay(msg, wParam, lParam);
    });
}

void O2007Hover::UserControl_ReadProperties(const frame::PropertyBag& bag) {
    // Every key on its own: a damaged entry keeps what the control had.
    quietly([&] {
        m_normal = automation::Ref<IDispatch>::adopt(bag.read_picture(u"NormalImage"));
        m_image1.SetPicture(m_normal.get());
    });
    quietly([&] { m_hover = automation::Ref<IDispatch>::adopt(bag.read_picture(u"HoverImage")); });
    quietly([&] {
        m_inactive = automation::Ref<IDispatch>::adopt(bag.read_picture(u"InactiveImage"));
    });
    quietly([&] { SetBackColor(bag.read_colour(u"BackColor", kButtonFace)); });
    quietly([&] { m_enabled = bag.read_boolean(u"Enabled", true); });
    quietly([&] { m_hover_text = bag.read_string(u"HoverText", u""); });
    quietly([&] { m_hover_inactive = bag.read_boolean(u"HoverInactive", false); });
    RestLook(false);
}

void O2007Hover::UserControl_WriteProperties(frame::PropertyBag& bag) {
    bag.write_picture(u"NormalImage", m_normal.get());
    bag.write_picture(u"InactiveImage", m_inactive.get());
    bag.write_picture(u"HoverImage", m_hover.get());
    bag.WriteProperty(u"BackColor", frame::BagValue::colour(BackColor()));
    bag.WriteProperty(u"Enabled", frame::BagValue::boolean(m_enabled));
    bag.WriteProperty(u"HoverText", frame::BagValue::string(m_hover_text));
    bag.WriteProperty(u"HoverInactive", frame::BagValue::boolean(m_hover_inactive));
}

void O2007Hover::UserControl_Resize() {
    m_image1.Move(0, 0, m_image1.Width(), m_image1.Height());
}

void O2007Hover::UserControl_Terminate() {
    set_message_relay({});
    m_tip.reset();
    if (!m_tracker)
        return;
    m_tracker->SetListener(nullptr);
    m_tracker->DetachMouseTracking();
    m_tracker.reset();
}

void O2007Hover::UserControl_MouseMove(const frame::MouseEvent& e) {
    quietly([&] { HoverRoutine(); });
    RaiseMouse(DISPID_O2007Hover_MouseMove, e);
}

void O2007Hover::UserControl_MouseUp(const frame::MouseEvent& e) {
    if (!m_enabled)
        return;
    RaiseMouse(DISPID_O2007Hover_MouseUp, e);
    if (e.button == 1)
        fire(DISPID_O2007Hover_Click);
}

void O2007Hover::UserControl_Click() {
    if (m_enabled)
        fire(DISPID_O2007Hover_Click);
}

void O2007Hover::UserControl_KeyUp(frame::KeyEvent& e) {
    std::array<VARIANT, 2> args{by_ref(&e.key), by_ref(&e.shift)};
    fire(DISPID_O2007Hover_KeyUp, args);
}

void O2007Hover::Image1_Click() {
    if (m_enabled)
        fire(DISPID_O2007Hover_Click);
}

void O2007Hover::Image1_MouseMove(const frame::MouseEvent& e) {
    quietly([&] { HoverRoutine(); });
    RaiseMouse(DISPID_O2007Hover_MouseMove, e);
}

void O2007Hover::MouseHover(LONG&, LONG&, float&, float&) {
    quietly([&] { HoverRoutine(); });
}

void O2007Hover::MouseLeave() {
    LeaveLook();
}

// --- Private procedures --------------------------------------------------------------

void O2007Hover::HoverRoutine() {
    if (!m_tracker && UserMode() && hwnd()) {
        m_tracker = automation::Ref<cMouseTrack>::adopt(new cMouseTrack());
        m_tracker->SetListener(this);
        HWND own = hwnd();
        m_tracker->AttachMouseTrackingByHwnd(own, cMouseTrack::kChooseAutomatically);
    }
    if (!m_tracker || m_tracker->Tracking())
        return;
    m_tracker->StartMouseTracking();
    if ((m_button_active || m_hover_inactive) && m_enabled)
        ShowLook(m_hover.get(), true);
    else if (m_inactive)
        ShowLook(m_inactive.get(), false);
    else
        ShowLook(m_hover.get(), true);
}

void O2007Hover::RestLook(bool hover_while_tracking) {
    if (m_inactive && (!m_button_active || !m_enabled)) {
        ShowLook(m_inactive.get(), false);
        return;
    }
    const bool hovered = hover_while_tracking && m_tracker && m_tracker->Tracking();
    ShowLook(hovered ? m_hover.get() : m_normal.get(), true);
}

void O2007Hover::LeaveLook() {
    if ((!m_button_active || !m_enabled) && m_inactive)
        ShowLook(m_inactive.get(), false);
    else
        ShowLook(m_normal.get(), true);
    fire(DISPID_O2007Hover_MouseLeave);
}

void O2007Hover::ShowLook(IDispatch* picture, bool with_tip) {
    m_image1.SetPicture(picture);
    m_image1.SetToolTipText(with_tip ? m_hover_text : u"");
    refresh();
}

// The host's handlers see the event's values by reference, as the host runtime passes
// them; their answers go nowhere (e is the handler's own copy).
void O2007Hover::RaiseMouse(DISPID id, frame::MouseEvent e) {
    std::array<VARIANT, 4> args = mouse_args(e);
    fire(id, args);
}

IDispatch* library::make_O2007Hover() {
    return new O2007Hover();
}

} // namespace paginor
