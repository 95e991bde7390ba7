#include "controls/PictureBox.h"

#include "frame/std_picture.h"
#include "platform/core/error.h"
#include "platform/raster/bitmap.h"
#include "platform/raster/blit.h"
#include "platform/raster/colour.h"
#include "platform/raster/dc.h"
#include "platform/raster/gdi.h"
#include "platform/raster/raster.h"
#include "platform/window/dc_window.h"
#include "platform/window/input.h"
#include "platform/window/window.h"

#include <algorithm>

namespace paginor::controls {

namespace pf = platform;

namespace {

constexpr std::u16string_view kSource = u"PaginorV2CTL.PictureBox";

bool is_pointer_message(UINT msg) {
    return msg == pf::WM_MOUSEMOVE || (msg >= pf::WM_LBUTTONDOWN && msg <= pf::WM_MBUTTONDBLCLK);
}

} // namespace

PictureBox::PictureBox(HWND parent, RECT rect, bool visible) : m_visible(visible) {
    if (!pf::IsWindow(parent))
        raise_standard(std_error::InvalidProcedureCall, std::u16string(kSource),
                       u"The picture box needs a parent window");
    pf::WindowDesc desc;
    desc.parent = parent;
    desc.rect = rect;
    desc.proc = &PictureBox::window_proc;
    desc.visible = visible;
    desc.userdata = reinterpret_cast<pf::LONG_PTR>(this);
    m_hwnd = pf::CreateWindow(desc);
}

PictureBox::~PictureBox() {
    if (m_hwnd) {
        pf::SetWindowLongPtr(m_hwnd, pf::GWLP_USERDATA, 0);
        pf::DestroyWindow(m_hwnd);
    }
}

void PictureBox::SetPicture(IDispatch* picture) {
    m_picture = automation::Ref<IDispatch>(picture);
    fit_picture();
    Refresh();
}

void PictureBox::SetAutoSize(bool on) {
    m_auto_size = on;
    fit_picture();
}

void PictureBox::SetBackColor(OLE_COLOR colour) {
    m_back_color = colour;
    Refresh();
}

void PictureBox::SetBorderStyle(SHORT style) {
    if (style != 0 && style != 1)
        raise_standard(std_error::InvalidPropertyValue, std::u16string(kSource),
                       u"Invalid property value: BorderStyle is 0 (none) or 1 (fixed single)");
    m_border_style = style;
    fit_picture();
    Refresh();
}

void PictureBox::Move(int left, int top, int width, int height) {
    pf::MoveWindow(m_hwnd, left, top, std::max(width, 0), std::max(height, 0), pf::TRUE);
}

RECT PictureBox::rect_in_parent() const {
    RECT r{};
    pf::GetWindowRect(m_hwnd, &r);
    POINT origin{r.left, r.top};
    pf::ScreenToClient(pf::GetParent(m_hwnd), &origin);
    return {origin.x, origin.y, origin.x + r.right - r.left, origin.y + r.bottom - r.top};
}

int PictureBox::Left() const {
    return rect_in_parent().left;
}

int PictureBox::Top() const {
    return rect_in_parent().top;
}

int PictureBox::Width() const {
    const RECT r = rect_in_parent();
    return r.right - r.left;
}

int PictureBox::Height() const {
    const RECT r = rect_in_parent();
    return r.bottom - r.top;
}

int PictureBox::ScaleWidth() const {
    return std::max(Width() - 2 * inset(), 0);
}

int PictureBox::ScaleHeight() const {
    return std::max(Height() - 2 * inset(), 0);
}

void PictureBox::SetVisible(bool on) {
    m_visible = on;
    pf::ShowWindow(m_hwnd, on ? pf::SW_SHOW : pf::SW_HIDE);
}

void PictureBox::SetEnabled(bool on) {
    m_enabled = on;
    pf::EnableWindow(m_hwnd, on ? pf::TRUE : pf::FALSE);
}

void PictureBox::SetFocus() {
    pf::SetFocus(m_hwnd);
}

void PictureBox::Refresh() {
    pf::InvalidateRect(m_hwnd, nullptr, pf::FALSE);
}

void PictureBox::add_windowless(frame::Windowless* child) {
    m_children.add(child);
    Refresh();
}

void PictureBox::fit_picture() {
    const frame::StdPicture* p = frame::StdPicture::from(m_picture.get());
    if (!m_auto_size || !p)
        return;
    const RECT r = rect_in_parent();
    Move(r.left, r.top, p->width_px() + 2 * inset(), p->height_px() + 2 * inset());
}

LRESULT PictureBox::window_proc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    auto* self = reinterpret_cast<PictureBox*>(pf::GetWindowLongPtr(hwnd, pf::GWLP_USERDATA));
    if (!self || self->m_hwnd != hwnd)
        return pf::DefWindowProc(hwnd, msg, wParam, lParam);
    return self->respond(msg, wParam, lParam);
}

LRESULT PictureBox::respond(UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case pf::WM_PAINT:
        paint();
        return 0;
    case pf::WM_SETFOCUS:
        if (on_got_focus)
            on_got_focus();
        return 0;
    case pf::WM_KILLFOCUS:
        if (on_lost_focus)
            on_lost_focus();
        return 0;
    case pf::WM_KEYDOWN:
    case pf::WM_CHAR:
    case pf::WM_KEYUP:
        key(msg, wParam);
        return 0;
    default:
        pointer(msg, wParam, lParam);
        return 0;
    }
}

void PictureBox::key(UINT msg, WPARAM wParam) {
    frame::KeyEvent e{static_cast<SHORT>(wParam), 0};
    if (msg == pf::WM_KEYDOWN && on_key_down) {
        e.shift = frame::shift_state();
        on_key_down(e);
    } else if (msg == pf::WM_CHAR && on_key_press) {
        on_key_press(e.key);
    } else if (msg == pf::WM_KEYUP && on_key_up) {
        e.shift = frame::shift_state();
        on_key_up(e);
    }
}

void PictureBox::pointer(UINT msg, WPARAM wParam, LPARAM lParam) {
    const int i = inset();
    const POINT at{static_cast<int16_t>(lParam & 0xFFFF) - i,
                   static_cast<int16_t>((lParam >> 16) & 0xFFFF) - i};
    const pf::SIZE content{ScaleWidth(), ScaleHeight()};
    // The frame is the window's edge: it takes no press and no move of its own.
    const RECT client{0, 0, content.cx, content.cy};
    if (is_pointer_message(msg) && !m_children.pressed() && !pf::PtInRect(&client, at))
        return;
    m_children.pointer(m_hwnd, msg, wParam, at, content);
}

void PictureBox::paint() {
    const HDC hdc = pf::GetDC(m_hwnd);
    if (!hdc)
        return;
    const int i = inset(), w = ScaleWidth(), h = ScaleHeight();
    if (w > 0 && h > 0) {
        // The content is drawn off-screen at its own origin, so that the picture and the
        // children keep client coordinates inside the frame.
        const HDC memory = pf::CreateCompatibleDC(hdc);
        const pf::HBITMAP bitmap = pf::CreateCompatibleBitmap(hdc, w, h);
        const pf::HGDIOBJ old = pf::SelectObject(memory, bitmap);
        paint_content(memory, w, h);
        pf::BitBlt(hdc, i, i, w, h, memory, 0, 0, pf::SRCCOPY);
        pf::SelectObject(memory, old);
        pf::DeleteObject(bitmap);
        pf::DeleteDC(memory);
    }
    if (i > 0) {
        const pf::HBRUSH frame = pf::CreateSolidBrush(pf::GetSysColor(pf::COLOR_WINDOWFRAME));
        pf::FrameRect(hdc, RECT{0, 0, Width(), Height()}, frame);
        pf::DeleteObject(frame);
    }
    pf::ReleaseDC(m_hwnd, hdc);
}

void PictureBox::paint_content(HDC hdc, int width, int height) {
    pf::COLORREF back = 0;
    if (pf::OleTranslateColor(m_back_color, 0, &back) != S_OK)
        back = 0;
    pf::fill_solid(hdc, RECT{0, 0, width, height}, back);
    if (const frame::StdPicture* p = frame::StdPicture::from(m_picture.get()))
        p->draw(hdc, 0, 0, p->width_px(), p->height_px());
    m_children.paint(hdc);
}

void PictureBox::surface_mouse_down(const frame::MouseEvent& e) {
    if (on_mouse_down)
        on_mouse_down(e);
}

void PictureBox::surface_mouse_move(const frame::MouseEvent& e) {
    if (on_mouse_move)
        on_mouse_move(e);
}

void PictureBox::surface_mouse_up(const frame::MouseEvent& e) {
    if (on_mouse_up)
        on_mouse_up(e);
}

void PictureBox::surface_click() {
    if (on_click)
        on_click();
}

void PictureBox::surface_dbl_click() {
    if (on_dbl_click)
        on_dbl_click();
}

} // namespace paginor::controls
