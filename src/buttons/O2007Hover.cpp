#include "buttons/O2007Hover.h"

#include "automation/variant.h"
#include "platform/core/error.h"

#include <array>

namespace paginor {

namespace {

constexpr OLE_COLOR kButtonFace = 0x8000000F;

VARIANT by_ref(SHORT* value) {
    VARIANT v;
    VariantInit(&v);
    v.vt = VT_BYREF | VT_I2;
    v.piVal = value;
    return v;
}

VARIANT by_ref(float* value) {
    VARIANT v;
    VariantInit(&v);
    v.vt = VT_BYREF | VT_R4;
    v.pfltVal = value;
    return v;
}

// Runs a handler of the control's window: the window system is no automation boundary,
// so a failure there (the tracker not starting) ends the handler quietly, as an
// unhandled error in an event handler of the host runtime ends only that handler.
template <class F> void quietly(F&& body) {
    try {
        body();
    } catch (const RuntimeError&) {
    }
}

} // namespace

O2007Hover::O2007Hover() : Control(frame::ClassId::O2007Hover) {
    add_windowless(&m_image1);
    m_image1.on_click = [this] { Image1_Click(); };
    m_image1.on_mouse_move = [this](SHORT b, SHORT s, float x, float y) {
        Image1_MouseMove(b, s, x, y);
    };
}

O2007Hover::~O2007Hover() {
    UserControl_Terminate();
    for (IDispatch* p : {m_normal, m_inactive, m_hover})
        if (p)
            p->Release();
}

// --- Properties, in the type library's order ------------------------------------------

HRESULT O2007Hover::get_picture(IDispatch* held, IPictureDisp** retval) {
    if (!retval)
        return E_POINTER;
    if (held)
        held->AddRef();
    *retval = held;
    return S_OK;
}

void O2007Hover::hold(IDispatch*& field, IDispatch* picture) {
    if (picture)
        picture->AddRef();
    if (field)
        field->Release();
    field = picture;
}

HRESULT O2007Hover::get_HoverImage(IPictureDisp** retval) {
    return get_picture(m_hover, retval);
}

HRESULT O2007Hover::putref_HoverImage(IPictureDisp* New_HoverImage) {
    return guarded([&] {
        hold(m_hover, New_HoverImage);
        PropertyChanged(u"HoverImage");
    });
}

HRESULT O2007Hover::get_NormalImage(IPictureDisp** retval) {
    return get_picture(m_normal, retval);
}

HRESULT O2007Hover::putref_NormalImage(IPictureDisp* New_NormalImage) {
    return guarded([&] {
        hold(m_normal, New_NormalImage);
        m_image1.SetPicture(m_normal);
        refresh();
        PropertyChanged(u"NormalImage");
    });
}

HRESULT O2007Hover::get_InactiveImage(IPictureDisp** retval) {
    return get_picture(m_inactive, retval);
}

HRESULT O2007Hover::putref_InactiveImage(IPictureDisp* New_InactiveImage) {
    return guarded([&] {
        hold(m_inactive, New_InactiveImage);
        PropertyChanged(u"InactiveImage");
    });
}

HRESULT O2007Hover::get_BackColor(OLE_COLOR* retval) {
    if (!retval)
        return E_POINTER;
    *retval = BackColor();
    return S_OK;
}

HRESULT O2007Hover::put_BackColor(OLE_COLOR New_BackColor) {
    return guarded([&] {
        SetBackColor(New_BackColor);
        PropertyChanged(u"BackColor");
    });
}

HRESULT O2007Hover::get_Enabled(VARIANT_BOOL* retval) {
    if (!retval)
        return E_POINTER;
    *retval = m_enabled ? VARIANT_TRUE : VARIANT_FALSE;
    return S_OK;
}

HRESULT O2007Hover::put_Enabled(VARIANT_BOOL New_Enabled) {
    return guarded([&] {
        m_enabled = New_Enabled != VARIANT_FALSE;
        PropertyChanged(u"Enabled");
        RestLook(false);
    });
}

HRESULT O2007Hover::get_HoverText(BSTR* retval) {
    if (!retval)
        return E_POINTER;
    return guarded([&] { *retval = frame::make_bstr(m_hover_text); });
}

HRESULT O2007Hover::put_HoverText(BSTR New_HoverText) {
    return guarded([&] { m_hover_text = frame::bstr_view(New_HoverText); });
}

HRESULT O2007Hover::get_hwnd(LONG* retval) {
    if (!retval)
        return E_POINTER;
    *retval = static_cast<LONG>(hwnd());
    return S_OK;
}

HRESULT O2007Hover::get_HoverInactive(VARIANT_BOOL* retval) {
    if (!retval)
        return E_POINTER;
    *retval = m_hover_inactive ? VARIANT_TRUE : VARIANT_FALSE;
    return S_OK;
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
        IDispatch* p = bag.read_picture(u"NormalImage");
        hold(m_normal, p);
        if (p)
            p->Release();
        m_image1.SetPicture(m_normal);
    });
    quietly([&] {
        IDispatch* p = bag.read_picture(u"HoverImage");
        hold(m_hover, p);
        if (p)
            p->Release();
    });
    quietly([&] {
        IDispatch* p = bag.read_picture(u"InactiveImage");
        hold(m_inactive, p);
        if (p)
            p->Release();
    });
    quietly([&] { SetBackColor(bag.read_colour(u"BackColor", kButtonFace)); });
    quietly([&] { m_enabled = bag.read_boolean(u"Enabled", true); });
    quietly([&] { m_hover_text = bag.read_string(u"HoverText", u""); });
    quietly([&] { m_hover_inactive = bag.read_boolean(u"HoverInactive", false); });
    RestLook(false);
}

void O2007Hover::UserControl_WriteProperties(frame::PropertyBag& bag) {
    bag.write_picture(u"NormalImage", m_normal);
    bag.write_picture(u"InactiveImage", m_inactive);
    bag.write_picture(u"HoverImage", m_hover);
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
    m_tracker->Release();
    m_tracker = nullptr;
}

void O2007Hover::UserControl_MouseMove(SHORT button, SHORT shift, float x, float y) {
    quietly([&] { HoverRoutine(); });
    RaiseMouse(DISPID_O2007Hover_MouseMove, button, shift, x, y);
}

void O2007Hover::UserControl_MouseUp(SHORT button, SHORT shift, float x, float y) {
    if (!m_enabled)
        return;
    RaiseMouse(DISPID_O2007Hover_MouseUp, button, shift, x, y);
    if (button == 1)
        fire(DISPID_O2007Hover_Click);
}

void O2007Hover::UserControl_Click() {
    if (m_enabled)
        fire(DISPID_O2007Hover_Click);
}

void O2007Hover::UserControl_KeyUp(SHORT& key, SHORT shift) {
    std::array<VARIANT, 2> args{by_ref(&key), by_ref(&shift)};
    fire(DISPID_O2007Hover_KeyUp, args);
}

void O2007Hover::Image1_Click() {
    if (m_enabled)
        fire(DISPID_O2007Hover_Click);
}

void O2007Hover::Image1_MouseMove(SHORT button, SHORT shift, float x, float y) {
    quietly([&] { HoverRoutine(); });
    RaiseMouse(DISPID_O2007Hover_MouseMove, button, shift, x, y);
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
        m_tracker = new cMouseTrack();
        m_tracker->SetListener(this);
        HWND own = hwnd();
        m_tracker->AttachMouseTrackingByHwnd(own, cMouseTrack::kChooseAutomatically);
    }
    if (!m_tracker || m_tracker->Tracking())
        return;
    m_tracker->StartMouseTracking();
    if ((m_button_active || m_hover_inactive) && m_enabled)
        ShowLook(m_hover, true);
    else if (m_inactive)
        ShowLook(m_inactive, false);
    else
        ShowLook(m_hover, true);
}

void O2007Hover::RestLook(bool hover_while_tracking) {
    if (m_inactive && (!m_button_active || !m_enabled)) {
        ShowLook(m_inactive, false);
        return;
    }
    const bool hovered = hover_while_tracking && m_tracker && m_tracker->Tracking();
    ShowLook(hovered ? m_hover : m_normal, true);
}

void O2007Hover::LeaveLook() {
    if ((!m_button_active || !m_enabled) && m_inactive)
        ShowLook(m_inactive, false);
    else
        ShowLook(m_normal, true);
    fire(DISPID_O2007Hover_MouseLeave);
}

void O2007Hover::ShowLook(IDispatch* picture, bool with_tip) {
    m_image1.SetPicture(picture);
    m_image1.SetToolTipText(with_tip ? m_hover_text : u"");
    refresh();
}

void O2007Hover::RaiseMouse(DISPID id, SHORT button, SHORT shift, float x, float y) {
    std::array<VARIANT, 4> args{by_ref(&button), by_ref(&shift), by_ref(&x), by_ref(&y)};
    fire(id, args);
}

IDispatch* frame::make_O2007Hover() {
    return new O2007Hover();
}

} // namespace paginor
