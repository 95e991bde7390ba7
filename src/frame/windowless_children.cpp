#include "frame/windowless_children.h"

#include "frame/twips.h"
#include "frame/user_control.h"
#include "platform/window/input.h"
#include "platform/window/window.h"

#include <algorithm>

namespace paginor::frame {

namespace pf = platform;

namespace {

SHORT buttons_of(WPARAM wParam) {
    SHORT b = 0;
    if (wParam & pf::MK_LBUTTON)
        b |= 1;
    if (wParam & pf::MK_RBUTTON)
        b |= 2;
    if (wParam & pf::MK_MBUTTON)
        b |= 4;
    return b;
}

SHORT shift_of(WPARAM wParam) {
    return static_cast<SHORT>(((wParam & pf::MK_SHIFT) ? 1 : 0) |
                              ((wParam & pf::MK_CONTROL) ? 2 : 0));
}

struct ButtonMessage {
    UINT msg;
    SHORT button;
    enum { Down, Up, Double } what;
};
constexpr ButtonMessage kButtons[] = {
    {pf::WM_LBUTTONDOWN, 1, ButtonMessage::Down},
    {pf::WM_LBUTTONUP, 1, ButtonMessage::Up},
    {pf::WM_LBUTTONDBLCLK, 1, ButtonMessage::Double},
    {pf::WM_RBUTTONDOWN, 2, ButtonMessage::Down},
    {pf::WM_RBUTTONUP, 2, ButtonMessage::Up},
    {pf::WM_RBUTTONDBLCLK, 2, ButtonMessage::Double},
    {pf::WM_MBUTTONDOWN, 4, ButtonMessage::Down},
    {pf::WM_MBUTTONUP, 4, ButtonMessage::Up},
    {pf::WM_MBUTTONDBLCLK, 4, ButtonMessage::Double},
};

// The event as the surface hears it: content pixels.
MouseEvent on_surface(SHORT button, SHORT shift, POINT at) {
    return {button, shift, static_cast<float>(at.x), static_cast<float>(at.y)};
}

// The event as a child hears it: twips from its own top-left corner.
MouseEvent on_child(const MouseEvent& e, const RECT& bounds) {
    const auto tw = [](float px, Axis axis) {
        return static_cast<float>(pixels_to_twips(static_cast<int>(px), axis));
    };
    return {e.button, e.shift, tw(e.x - float(bounds.left), Axis::Across),
            tw(e.y - float(bounds.top), Axis::Down)};
}

} // namespace

SHORT shift_state() {
    SHORT s = 0;
    if (pf::GetKeyState(pf::VK_SHIFT) & 0x8000)
        s |= 1;
    if (pf::GetKeyState(pf::VK_CONTROL) & 0x8000)
        s |= 2;
    if (pf::GetKeyState(pf::VK_MENU) & 0x8000)
        s |= 4;
    return s;
}

void WindowlessChildren::add(Windowless* child) {
    if (child && std::find(m_children.begin(), m_children.end(), child) == m_children.end())
        m_children.push_back(child);
}

void WindowlessChildren::paint(HDC hdc) const {
    for (Windowless* child : m_children)
        if (child->visible())
            child->paint(hdc);
}

Windowless* WindowlessChildren::hit(POINT at) const {
    for (auto it = m_children.rbegin(); it != m_children.rend(); ++it) {
        const RECT r = (*it)->bounds();
        if ((*it)->visible() && pf::PtInRect(&r, at))
            return *it;
    }
    return nullptr;
}

bool WindowlessChildren::pointer(HWND hwnd, UINT msg, WPARAM wParam, POINT at, SIZE content) {
    if (msg == pf::WM_CAPTURECHANGED) {
        m_pressed = false;
        return true;
    }
    if (msg == pf::WM_MOUSEMOVE) {
        Windowless* target = m_pressed ? m_press_target : hit(at);
        const MouseEvent e = on_surface(buttons_of(wParam), shift_of(wParam), at);
        if (!target)
            m_surface.surface_mouse_move(e);
        else if (target->on_mouse_move)
            target->on_mouse_move(on_child(e, target->bounds()));
        return true;
    }
    for (const ButtonMessage& b : kButtons) {
        if (b.msg != msg)
            continue;
        const MouseEvent e = on_surface(b.button, shift_of(wParam), at);
        if (b.what == ButtonMessage::Up)
            button_up(hwnd, e, at, content);
        else
            button_down(hwnd, hit(at), e, b.what == ButtonMessage::Double);
        return true;
    }
    return false;
}

void WindowlessChildren::button_down(HWND hwnd, Windowless* target, const MouseEvent& e, bool dbl) {
    m_press_target = target;
    m_pressed = true;
    m_in_double_click = dbl && e.button == 1;
    pf::SetCapture(hwnd);
    if (pf::GetFocus() != hwnd)
        pf::SetFocus(hwnd);
    if (m_in_double_click) {
        if (!target)
            m_surface.surface_dbl_click();
        else if (target->on_dbl_click)
            target->on_dbl_click();
        return;
    }
    if (!target)
        m_surface.surface_mouse_down(e);
    else if (target->on_mouse_down)
        target->on_mouse_down(on_child(e, target->bounds()));
}

void WindowlessChildren::button_up(HWND hwnd, const MouseEvent& e, POINT at, SIZE content) {
    Windowless* const target = m_press_target;
    const RECT r = target ? target->bounds() : RECT{0, 0, content.cx, content.cy};
    const bool over = pf::PtInRect(&r, at) && hit(at) == target;
    const bool click = e.button == 1 && over && !m_in_double_click;
    if (e.button == 1)
        m_in_double_click = false;
    if (!target) {
        m_surface.surface_mouse_up(e);
        if (click)
            m_surface.surface_click();
    } else {
        if (target->on_mouse_up)
            target->on_mouse_up(on_child(e, r));
        if (click && target->on_click)
            target->on_click();
    }
    // The capture ends after the window's own handling of the release.
    const bool any_down =
        (pf::GetAsyncKeyState(pf::VK_LBUTTON) | pf::GetAsyncKeyState(pf::VK_RBUTTON) |
         pf::GetAsyncKeyState(pf::VK_MBUTTON)) &
        0x8000;
    if (!any_down && pf::IsWindow(hwnd)) {
        m_pressed = false;
        if (pf::GetCapture() == hwnd)
            pf::ReleaseCapture();
    }
}

} // namespace paginor::frame
