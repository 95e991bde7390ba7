#include "controls/child_window.h"

#include "frame/tab_order.h"
#include "frame/windowless_children.h"
#include "platform/core/error.h"
#include "platform/window/dc_window.h"
#include "platform/window/input.h"
#include "platform/window/window.h"

#include <algorithm>
#include <string>

namespace paginor::controls {

namespace pf = platform;

ChildWindow::ChildWindow(pf::HWND parent, pf::RECT rect, bool visible, std::u16string_view source,
                         std::u16string_view what)
    : m_visible(visible) {
    if (!pf::IsWindow(parent))
        raise_standard(std_error::InvalidProcedureCall, std::u16string(source),
                       std::u16string(what));
    pf::WindowDesc desc;
    desc.parent = parent;
    desc.rect = rect;
    desc.proc = &ChildWindow::window_proc;
    desc.visible = visible;
    desc.userdata = reinterpret_cast<pf::LONG_PTR>(this);
    m_hwnd = pf::CreateWindow(desc);
}

ChildWindow::~ChildWindow() {
    *m_alive = false;
    pf::SetWindowLongPtr(m_hwnd, pf::GWLP_USERDATA, 0);
    pf::DestroyWindow(m_hwnd);
}

// Messages sent while the window is being made reach the default procedure: the control
// is not whole yet.
pf::LRESULT ChildWindow::window_proc(pf::HWND hwnd, UINT msg, pf::WPARAM wParam,
                                     pf::LPARAM lParam) {
    auto* self = reinterpret_cast<ChildWindow*>(pf::GetWindowLongPtr(hwnd, pf::GWLP_USERDATA));
    if (!self || self->m_hwnd != hwnd)
        return pf::DefWindowProc(hwnd, msg, wParam, lParam);
    return self->respond(msg, wParam, lParam);
}

void ChildWindow::SetEnabled(bool on) {
    if (!on)
        going_inactive();
    m_enabled = on;
    pf::EnableWindow(m_hwnd, on ? pf::TRUE : pf::FALSE);
    Redraw();
}

void ChildWindow::SetVisible(bool on) {
    if (!on)
        going_inactive();
    m_visible = on;
    pf::ShowWindow(m_hwnd, on ? pf::SW_SHOW : pf::SW_HIDE);
}

void ChildWindow::SetTabStop(bool on) {
    m_tab_stop = on;
    frame::set_tab_stop(m_hwnd, on);
}

void ChildWindow::Move(int left, int top, int width, int height) {
    pf::MoveWindow(m_hwnd, left, top, std::max(width, 0), std::max(height, 0), pf::TRUE);
}

int ChildWindow::Left() const {
    pf::RECT r{};
    pf::GetWindowRect(m_hwnd, &r);
    pf::POINT origin{r.left, r.top};
    pf::ScreenToClient(pf::GetParent(m_hwnd), &origin);
    return origin.x;
}

int ChildWindow::Top() const {
    pf::RECT r{};
    pf::GetWindowRect(m_hwnd, &r);
    pf::POINT origin{r.left, r.top};
    pf::ScreenToClient(pf::GetParent(m_hwnd), &origin);
    return origin.y;
}

int ChildWindow::Width() const {
    pf::RECT r{};
    pf::GetClientRect(m_hwnd, &r);
    return r.right;
}

int ChildWindow::Height() const {
    pf::RECT r{};
    pf::GetClientRect(m_hwnd, &r);
    return r.bottom;
}

void ChildWindow::SetFocus() {
    pf::SetFocus(m_hwnd); // refused by the window system while hidden or disabled
}

bool ChildWindow::Focused() const {
    return pf::GetFocus() == m_hwnd && m_hwnd != 0;
}

bool ChildWindow::route_key(UINT msg, pf::WPARAM wParam) {
    switch (msg) {
    case pf::WM_KEYDOWN:
        // Tab belongs to the form: it moves the focus and the control hears none of it.
        if (wParam == pf::VK_TAB)
            frame::tab_from(m_hwnd, (frame::shift_state() & 1) != 0);
        else
            key_down(wParam);
        return true;
    case pf::WM_CHAR:
        if (wParam != 9)
            character(static_cast<SHORT>(wParam));
        return true;
    case pf::WM_KEYUP:
        if (wParam != pf::VK_TAB) {
            frame::KeyEvent e{static_cast<SHORT>(wParam), frame::shift_state()};
            raise(on_key_up, e);
        }
        return true;
    default:
        return false;
    }
}

void ChildWindow::Redraw() {
    pf::InvalidateRect(m_hwnd, nullptr, pf::FALSE);
}

} // namespace paginor::controls
