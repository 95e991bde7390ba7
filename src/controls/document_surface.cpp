#include "controls/document_surface.h"

#include "platform/core/error.h"
#include "platform/raster/bitmap.h"
#include "platform/raster/blit.h"
#include "platform/raster/colour.h"
#include "platform/raster/dc.h"
#include "platform/raster/gdi.h"
#include "platform/raster/raster.h"
#include "platform/window/dc_window.h"
#include "platform/window/input.h"
#include "platform/window/message_ids.h"
#include "platform/window/window.h"

#include <algorithm>

namespace paginor::controls {

namespace pf = platform;

DocumentSurface::DocumentSurface(HWND parent, RECT rect, bool visible, const char16_t* source)
    : m_visible(visible) {
    if (!pf::IsWindow(parent))
        raise_standard(std_error::InvalidProcedureCall, std::u16string(source),
                       u"The surface needs a parent window");
    pf::WindowDesc desc;
    desc.parent = parent;
    desc.rect = rect;
    desc.proc = &DocumentSurface::window_proc;
    desc.visible = visible;
    desc.userdata = reinterpret_cast<pf::LONG_PTR>(this);
    m_hwnd = pf::CreateWindow(desc);
}

DocumentSurface::~DocumentSurface() {
    if (m_hwnd) {
        pf::SetWindowLongPtr(m_hwnd, pf::GWLP_USERDATA, 0);
        pf::DestroyWindow(m_hwnd);
    }
}

void DocumentSurface::SetVisible(bool on) {
    m_visible = on;
    pf::ShowWindow(m_hwnd, on ? pf::SW_SHOW : pf::SW_HIDE);
}

void DocumentSurface::Move(int left, int top, int width, int height) {
    pf::MoveWindow(m_hwnd, left, top, std::max(width, 0), std::max(height, 0), pf::TRUE);
    arrange();
}

namespace {

RECT rect_in_parent(HWND hwnd) {
    RECT r{};
    pf::GetWindowRect(hwnd, &r);
    pf::POINT origin{r.left, r.top};
    pf::ScreenToClient(pf::GetParent(hwnd), &origin);
    return {origin.x, origin.y, origin.x + r.right - r.left, origin.y + r.bottom - r.top};
}

} // namespace

int DocumentSurface::Left() const {
    return rect_in_parent(m_hwnd).left;
}

int DocumentSurface::Top() const {
    return rect_in_parent(m_hwnd).top;
}

int DocumentSurface::Width() const {
    const RECT r = rect_in_parent(m_hwnd);
    return r.right - r.left;
}

int DocumentSurface::Height() const {
    const RECT r = rect_in_parent(m_hwnd);
    return r.bottom - r.top;
}

void DocumentSurface::Refresh() {
    pf::InvalidateRect(m_hwnd, nullptr, pf::FALSE);
}

int DocumentSurface::view_width() const {
    return std::max(Width() - (m_scroll.has_bar() ? VerticalScroll::kBarWidth : 0), 0);
}

int DocumentSurface::view_height() const {
    return Height();
}

void DocumentSurface::arrange() {
    m_stale = true;
    Refresh();
}

// The layout is a cache of the content for the current size, so readers that are const
// may fill it.
void DocumentSurface::settle() const {
    if (m_stale)
        const_cast<DocumentSurface*>(this)->lay_out();
}

void DocumentSurface::lay_out() {
    m_stale = false;
    const int width = Width(), height = Height();
    // The full width's layout tells whether the bar is needed and keeps the view in range;
    // a floor for its height that does both spares laying it out.
    const int floor = height > 0 ? content_height_at_least(width, height) : 0;
    if (floor > height && m_scroll.top() <= floor - height) {
        relayout(std::max(width - VerticalScroll::kBarWidth, 0));
        m_scroll.set_extent(m_content_height, height);
        return;
    }
    relayout(width);
    m_scroll.set_extent(m_content_height, height);
    if (m_scroll.has_bar()) {
        relayout(std::max(width - VerticalScroll::kBarWidth, 0));
        m_scroll.set_extent(m_content_height, height);
    }
}

void DocumentSurface::scroll_to(int y) {
    if (y > 0) // the top is always in range, whatever the layout
        settle();
    m_scroll.scroll_to(y);
    Refresh();
}

LRESULT DocumentSurface::message(UINT msg, WPARAM wParam, LPARAM lParam) {
    return pf::DefWindowProc(m_hwnd, msg, wParam, lParam);
}

LRESULT DocumentSurface::window_proc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    auto* self = reinterpret_cast<DocumentSurface*>(pf::GetWindowLongPtr(hwnd, pf::GWLP_USERDATA));
    if (!self || self->m_hwnd != hwnd)
        return pf::DefWindowProc(hwnd, msg, wParam, lParam);
    return self->respond(msg, wParam, lParam);
}

LRESULT DocumentSurface::respond(UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == pf::WM_KEYDOWN || msg == pf::WM_MOUSEWHEEL || msg == pf::WM_LBUTTONDOWN ||
        msg == pf::WM_LBUTTONDBLCLK || msg == pf::WM_MOUSEMOVE || msg == pf::WM_LBUTTONUP)
        settle(); // input moves over the layout
    switch (msg) {
    case pf::WM_PAINT:
        paint();
        return 0;
    case pf::WM_KEYDOWN:
        if (m_scroll.key(int(wParam)))
            Refresh();
        return 0;
    case pf::WM_MOUSEWHEEL:
        if (m_scroll.wheel(int16_t(wParam >> 16)))
            Refresh();
        return 0;
    case pf::WM_LBUTTONDOWN:
    case pf::WM_LBUTTONDBLCLK:
    case pf::WM_MOUSEMOVE:
    case pf::WM_LBUTTONUP:
        pointer(msg, lParam);
        return 0;
    default:
        return message(msg, wParam, lParam);
    }
}

void DocumentSurface::pointer(UINT msg, LPARAM lParam) {
    const int x = int16_t(lParam & 0xFFFF), y = int16_t((lParam >> 16) & 0xFFFF);
    const bool on_bar = m_scroll.has_bar() && x >= view_width();
    bool moved = false;
    if (msg == pf::WM_MOUSEMOVE) {
        moved = m_scroll.drag(y);
    } else if (msg == pf::WM_LBUTTONUP) {
        m_scroll.release();
        pf::ReleaseCapture();
    } else {
        pf::SetFocus(m_hwnd);
        if (on_bar) {
            pf::SetCapture(m_hwnd);
            moved = m_scroll.press(y);
        } else {
            page_click(x, y + m_scroll.top());
        }
    }
    if (moved)
        Refresh();
}

void DocumentSurface::paint() {
    const HDC hdc = pf::GetDC(m_hwnd);
    if (!hdc)
        return;
    const int w = Width(), h = Height();
    if (w > 0 && h > 0) {
        settle();
        // A view at the end stays at the end of what the content turns out to be.
        for (const bool at_end = m_scroll.at_end(); extend_to(m_scroll.top() + h);) {
            lay_out();
            if (at_end)
                m_scroll.scroll_to(m_scroll.content());
        }
        const int view = view_width();
        const HDC memory = pf::CreateCompatibleDC(hdc);
        const pf::HBITMAP bitmap = pf::CreateCompatibleBitmap(hdc, w, h);
        const pf::HGDIOBJ old = pf::SelectObject(memory, bitmap);
        pf::fill_solid(memory, RECT{0, 0, view, h}, pf::GetSysColor(pf::COLOR_WINDOW));
        paint_content(memory, view, m_scroll.top(), h);
        m_scroll.paint(memory, RECT{view, 0, w, h});
        pf::BitBlt(hdc, 0, 0, w, h, memory, 0, 0, pf::SRCCOPY);
        pf::SelectObject(memory, old);
        pf::DeleteObject(bitmap);
        pf::DeleteDC(memory);
    }
    pf::ReleaseDC(m_hwnd, hdc);
}

} // namespace paginor::controls
