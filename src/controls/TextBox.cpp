#include "controls/TextBox.h"

#include "controls/entry_paint.h"
#include "frame/twips.h"
#include "frame/windowless_children.h"
#include "platform/core/error.h"
#include "platform/raster/bitmap.h"
#include "platform/raster/blit.h"
#include "platform/raster/colour.h"
#include "platform/raster/dc.h"
#include "platform/raster/gdi.h"
#include "platform/raster/raster.h"
#include "platform/text/text.h"
#include "platform/window/dc_window.h"
#include "platform/window/input.h"
#include "platform/window/window.h"

#include <algorithm>

namespace paginor::controls {

namespace pf = platform;

namespace {

constexpr std::u16string_view kSource = u"PaginorV2CTL.TextBox";
constexpr int kEdge = 2;  // the sunken edge
constexpr int kInset = 3; // the edge and one pixel of room before the text

} // namespace

TextBox::TextBox(HWND parent, RECT rect, bool visible)
    : ChildWindow(parent, rect, visible, kSource, u"The text box needs a parent window") {
    m_tip = std::make_unique<ToolTip>(hWnd(), [this](pf::POINT) { return m_tip_text; });
    forget_carets();
}

TextBox::~TextBox() {
    m_tip.reset();
}

void TextBox::SetText(std::u16string text) {
    if (text == m_text)
        return;
    m_text = std::move(text);
    m_caret = m_anchor = 0;
    m_scroll = 0;
    forget_carets();
    Redraw();
    raise(on_change);
}

void TextBox::SetSelStart(int start) {
    m_caret = m_anchor = std::clamp(start, 0, int(m_text.size()));
    scroll_to_caret();
    Redraw();
}

void TextBox::SetSelLength(int length) {
    m_anchor = SelStart();
    m_caret = std::clamp(m_anchor + length, 0, int(m_text.size()));
    scroll_to_caret();
    Redraw();
}

void TextBox::SetBackColor(OLE_COLOR colour) {
    m_back_color = colour;
    Redraw();
}

void TextBox::SetForeColor(OLE_COLOR colour) {
    m_fore_color = colour;
    Redraw();
}

void TextBox::SetFont(std::u16string face, double points, bool bold) {
    m_face = std::move(face);
    m_points = points > 0 ? points : 8.25;
    m_bold = bold;
    forget_carets();
    scroll_to_caret();
    Redraw();
}

LRESULT TextBox::respond(UINT msg, WPARAM wParam, LPARAM lParam) {
    m_tip->relay(msg, wParam, lParam);
    if (route_key(msg, wParam))
        return 0;
    switch (msg) {
    case pf::WM_PAINT:
        paint();
        return 0;
    case pf::WM_SIZE:
        scroll_to_caret();
        return 0;
    case pf::WM_SETFOCUS:
        Redraw();
        raise(on_got_focus);
        return 0;
    case pf::WM_CAPTURECHANGED:
        m_dragging = false;
        return 0;
    case pf::WM_KILLFOCUS:
        m_dragging = false;
        Redraw();
        raise(on_lost_focus);
        return 0;
    default:
        pointer(msg, wParam, lParam);
        return 0;
    }
}

void TextBox::key_down(WPARAM vk) {
    frame::KeyEvent e{static_cast<SHORT>(vk), frame::shift_state()};
    if (!raise(on_key_down, e))
        return;
    const bool extend = (e.shift & 1) != 0;
    const bool selected = SelLength() > 0;
    switch (e.key) {
    case pf::VK_LEFT:
        move_caret(selected && !extend ? SelStart() : m_caret - 1, extend);
        return;
    case pf::VK_RIGHT:
        move_caret(selected && !extend ? SelStart() + SelLength() : m_caret + 1, extend);
        return;
    case pf::VK_HOME:
        move_caret(0, extend);
        return;
    case pf::VK_END:
        move_caret(int(m_text.size()), extend);
        return;
    case pf::VK_DELETE:
        if (m_locked)
            return;
        if (!selected)
            m_anchor = std::min(m_caret + 1, int(m_text.size()));
        replace_selection(u"");
        return;
    default:
        return;
    }
}

void TextBox::character(SHORT ascii) {
    if (!raise(on_key_press, ascii) || ascii == 0 || m_locked)
        return;
    if (ascii == 8) {
        if (SelLength() == 0)
            m_anchor = std::max(m_caret - 1, 0);
        replace_selection(u"");
    } else if (static_cast<char16_t>(ascii) >= u' ') {
        const char16_t c = static_cast<char16_t>(ascii);
        replace_selection(std::u16string_view(&c, 1));
    }
}

void TextBox::replace_selection(std::u16string_view text) {
    const int start = SelStart();
    std::u16string next = m_text;
    next.replace(size_t(start), size_t(SelLength()), text);
    m_caret = m_anchor = start + int(text.size());
    if (next == m_text) {
        scroll_to_caret();
        Redraw();
        return;
    }
    m_text = std::move(next);
    forget_carets();
    scroll_to_caret();
    Redraw();
    raise(on_change);
}

void TextBox::move_caret(int to, bool extend) {
    m_caret = std::clamp(to, 0, int(m_text.size()));
    if (!extend)
        m_anchor = m_caret;
    scroll_to_caret();
    Redraw();
}

void TextBox::pointer(UINT msg, WPARAM wParam, LPARAM lParam) {
    const int x = static_cast<int16_t>(lParam & 0xFFFF);
    const int y = static_cast<int16_t>((lParam >> 16) & 0xFFFF);
    SHORT button = 0;
    if (msg == pf::WM_LBUTTONDOWN || msg == pf::WM_LBUTTONDBLCLK || msg == pf::WM_LBUTTONUP)
        button = 1;
    else if (msg == pf::WM_RBUTTONDOWN || msg == pf::WM_RBUTTONDBLCLK || msg == pf::WM_RBUTTONUP)
        button = 2;
    else if (msg == pf::WM_MBUTTONDOWN || msg == pf::WM_MBUTTONDBLCLK || msg == pf::WM_MBUTTONUP)
        button = 4;
    else if (msg == pf::WM_MOUSEMOVE)
        button = SHORT((wParam & pf::MK_LBUTTON ? 1 : 0) | (wParam & pf::MK_RBUTTON ? 2 : 0) |
                       (wParam & pf::MK_MBUTTON ? 4 : 0));
    else
        return;
    const frame::MouseEvent e{button, frame::shift_state(),
                              float(frame::pixels_to_twips(x, frame::Axis::Across)),
                              float(frame::pixels_to_twips(y, frame::Axis::Down))};
    const bool down = msg == pf::WM_LBUTTONDOWN || msg == pf::WM_LBUTTONDBLCLK ||
                      msg == pf::WM_RBUTTONDOWN || msg == pf::WM_RBUTTONDBLCLK ||
                      msg == pf::WM_MBUTTONDOWN || msg == pf::WM_MBUTTONDBLCLK;
    if (down) {
        pf::SetFocus(hWnd());
        pf::SetCapture(hWnd());
        if (button == 1) {
            move_caret(caret_at(x), (wParam & pf::MK_SHIFT) != 0);
            m_dragging = true;
        }
        raise(on_mouse_down, e);
    } else if (msg == pf::WM_MOUSEMOVE) {
        if (m_dragging)
            move_caret(caret_at(x), true);
        raise(on_mouse_move, e);
    } else {
        if (button == 1)
            m_dragging = false;
        if ((wParam & (pf::MK_LBUTTON | pf::MK_RBUTTON | pf::MK_MBUTTON)) == 0)
            pf::ReleaseCapture();
        raise(on_mouse_up, e);
    }
}

void TextBox::forget_carets() {
    m_offsets.clear();
}

// Shaped when first asked for after a change, so that any number of texts set between
// two paints shape the line once.
const std::vector<int>& TextBox::carets() const {
    if (m_offsets.empty()) {
        m_offsets = ScopedFont(0, m_face, m_points, m_bold).carets(m_text);
        m_offsets.resize(m_text.size() + 1, m_offsets.empty() ? 0 : m_offsets.back());
    }
    return m_offsets;
}

int TextBox::caret_at(int x) const {
    const int at = x - kInset + m_scroll;
    const std::vector<int>& offsets = carets();
    int best = 0;
    for (int i = 1; i < int(offsets.size()); ++i)
        if (std::abs(offsets[size_t(i)] - at) < std::abs(offsets[size_t(best)] - at))
            best = i;
    return best;
}

void TextBox::scroll_to_caret() {
    const int room = std::max(Width() - 2 * kInset, 1);
    const int caret = carets()[size_t(m_caret)];
    if (caret - m_scroll > room)
        m_scroll = caret - room;
    if (caret < m_scroll)
        m_scroll = caret;
    // Never leave empty room on the right while text lies hidden on the left.
    m_scroll = std::clamp(m_scroll, 0, std::max(carets().back() - room, 0));
    if (caret < m_scroll)
        m_scroll = caret;
}

void TextBox::paint() {
    const HDC window = pf::GetDC(hWnd());
    const int w = Width(), h = Height();
    if (!window || w <= 0 || h <= 0) {
        pf::ReleaseDC(hWnd(), window);
        return;
    }
    const HDC hdc = pf::CreateCompatibleDC(window);
    const pf::HBITMAP bitmap = pf::CreateCompatibleBitmap(window, w, h);
    const pf::HGDIOBJ old = pf::SelectObject(hdc, bitmap);
    pf::fill_solid(hdc, {0, 0, w, h}, translated(m_back_color));
    {
        const ScopedFont font(hdc, m_face, m_points, m_bold);
        const int top = (h - font.height()) / 2, left = kInset - m_scroll;
        const RECT inner{kInset - 1, kEdge, w - kEdge, h - kEdge};
        pf::set_dc_clip(hdc, inner);
        pf::SetBkMode(hdc, pf::TRANSPARENT);
        pf::SetTextColor(hdc, Enabled() ? translated(m_fore_color)
                                        : pf::GetSysColor(pf::COLOR_GRAYTEXT));
        pf::TextOut(hdc, left, top, m_text);
        if (Focused() && SelLength() > 0) {
            const int from = left + carets()[size_t(SelStart())];
            const int to = left + carets()[size_t(SelStart() + SelLength())];
            const RECT band{std::max(from, inner.left), top, std::min(to, inner.right),
                            top + font.height()};
            pf::fill_solid(hdc, band, pf::GetSysColor(pf::COLOR_HIGHLIGHT));
            pf::set_dc_clip(hdc, band);
            pf::SetTextColor(hdc, pf::GetSysColor(pf::COLOR_HIGHLIGHTTEXT));
            pf::TextOut(hdc, left, top, m_text);
            pf::set_dc_clip(hdc, inner);
        }
        if (Focused() && SelLength() == 0) {
            const int x = left + carets()[size_t(m_caret)];
            pf::fill_solid(hdc, {x, top, x + 1, top + font.height()}, translated(m_fore_color));
        }
        pf::clear_dc_clip(hdc);
    }
    draw_sunken_edge(hdc, {0, 0, w, h});
    pf::BitBlt(window, 0, 0, w, h, hdc, 0, 0, pf::SRCCOPY);
    pf::SelectObject(hdc, old);
    pf::DeleteObject(bitmap);
    pf::DeleteDC(hdc);
    pf::ReleaseDC(hWnd(), window);
}

} // namespace paginor::controls
