// The gradient button's input: the pointer moves the hover and pressed flags and raises
// the mouse events, a 20 ms poll notices the pointer leaving (the button has no leave
// report of its own), an auto-repeat timer raises MouseDownRepeat while a button is held,
// and keys pass through to the host.
//
// Every event reaches a host that may end the control, pump messages or set properties
// inside it. The frame holds the control alive for the window's messages and the timers'
// handlers hold it here; after each event a handler goes on only while the control still
// has its window.
#include "drawing/GradientButton.h"

#include "frame/mouse_event_args.h"
#include "platform/window/input.h"
#include "platform/window/message.h"
#include "platform/window/window.h"

#include <array>

namespace paginor {

namespace pf = platform;

// --- Pointer --------------------------------------------------------------------------

void GradientButton::UserControl_MouseDown(const frame::MouseEvent& e) {
    if (m_mode != Panel) {
        m_pressed = true;
        m_hover = false;
        Redraw();
    }
    if (!RaiseMouse(DISPID_GradientButton_MouseDown, e))
        return;
    m_tmrMouseDown.SetEnabled(true);
}

void GradientButton::UserControl_MouseMove(const frame::MouseEvent& e) {
    if (!m_hover) {
        m_hover = IsMouseOver();
        if (e.button == 1 && m_hover)
            m_pressed = true;
        Redraw();
        // Also when the pointer turned out not to be over: the poll then ends the look.
        m_tmrMouse.SetEnabled(true);
    }
    RaiseMouse(DISPID_GradientButton_MouseMove, e);
}

void GradientButton::UserControl_MouseUp(const frame::MouseEvent& e) {
    m_tmrMouseDown.SetEnabled(false);
    m_pressed = false;
    const bool over = IsMouseOver();
    m_hover = over;
    Redraw();
    if (over) {
        if (e.button == 1)
            m_value = !m_value;
        if (!Raise(DISPID_GradientButton_Click))
            return;
    }
    if (!RaiseMouse(DISPID_GradientButton_MouseUp, e))
        return;
    Redraw();
}

// The second press of a double click: the frame raises no MouseDown for it, so this gives
// it the down look; its release clicks as any release does.
void GradientButton::UserControl_DblClick() {
    m_pressed = true;
    m_hover = false;
    Redraw();
}

// --- Timers ---------------------------------------------------------------------------

void GradientButton::tmrMouse_Timer() {
    const Ref<IUnknown> alive(control_unknown());
    // A release or move waiting in the queue runs first, so the tick sees its flags.
    pf::DoEvents();
    if (!Alive())
        return StopTimers();
    if (IsMouseOver()) {
        Raise(DISPID_GradientButton_MouseOnTimer);
        return;
    }
    if (!Raise(DISPID_GradientButton_MouseOff))
        return;
    m_hover = false;
    m_pressed = false;
    Redraw();
    m_tmrMouse.SetEnabled(false);
}

void GradientButton::tmrMouseDown_Timer() {
    const Ref<IUnknown> alive(control_unknown());
    if (!Alive())
        return StopTimers();
    VARIANT_BOOL over = IsMouseOver() ? VARIANT_TRUE : VARIANT_FALSE;
    std::array<VARIANT, 1> args{bool_by_ref(&over)};
    fire(DISPID_GradientButton_MouseDownRepeat, args); // the host's answer is not used
}

// --- Keys -----------------------------------------------------------------------------

void GradientButton::UserControl_KeyDown(frame::KeyEvent& e) {
    std::array<VARIANT, 2> args{by_ref(&e.key), by_ref(&e.shift)};
    fire(DISPID_GradientButton_KeyDown, args);
}

void GradientButton::UserControl_KeyPress(SHORT& ascii) {
    std::array<VARIANT, 1> args{by_ref(&ascii)};
    fire(DISPID_GradientButton_KeyPress, args);
}

// The button's window stands for its picture holder, which takes the focus with it: the
// space bar's release clicks it, after the key's own KeyUp.
void GradientButton::UserControl_KeyUp(frame::KeyEvent& e) {
    const SHORT key = e.key;
    std::array<VARIANT, 2> args{by_ref(&e.key), by_ref(&e.shift)};
    fire(DISPID_GradientButton_KeyUp, args);
    if (key == 32 && Alive())
        Raise(DISPID_GradientButton_Click);
}

// Enter, as the host sends it to its default button while another control has the focus.
void GradientButton::UserControl_AccessKeyPress(SHORT& ascii) {
    if (ascii == 13)
        Raise(DISPID_GradientButton_Click);
}

// --- Private procedures ---------------------------------------------------------------

bool GradientButton::IsMouseOver() const {
    pf::POINT cursor{};
    pf::GetCursorPos(&cursor);
    pf::POINT origin{0, 0};
    pf::ClientToScreen(hwnd(), &origin);
    const int dx = cursor.x - origin.x, dy = cursor.y - origin.y;
    return dx >= 0 && dx <= ScaleWidth() && dy >= 0 && dy <= ScaleHeight();
}

bool GradientButton::RaiseMouse(DISPID id, frame::MouseEvent e) {
    std::array<VARIANT, 4> args = mouse_args(e);
    fire(id, args);
    return Alive();
}

bool GradientButton::Raise(DISPID id) {
    fire(id);
    return Alive();
}

bool GradientButton::Alive() const {
    return hwnd() != 0 && pf::IsWindow(hwnd());
}

void GradientButton::StopTimers() {
    m_tmrMouse.SetEnabled(false);
    m_tmrMouseDown.SetEnabled(false);
}

} // namespace paginor
