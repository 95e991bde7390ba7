#include "controls/vertical_scroll.h"

#include "platform/raster/bitmap.h"
#include "platform/raster/blit.h"
#include "platform/raster/colour.h"
#include "platform/raster/raster.h"
#include "platform/window/message_ids.h"

#include <algorithm>

namespace paginor::controls {

namespace pf = platform;

namespace {

// A small solid triangle pointing up or down, centred in the box.
void arrow(pf::HDC hdc, const pf::RECT& box, bool up, pf::COLORREF colour) {
    const int cx = (box.left + box.right) / 2, cy = (box.top + box.bottom) / 2;
    for (int row = 0; row < 4; ++row) {
        const int y = up ? cy - 2 + row : cy + 1 - row;
        pf::fill_solid(hdc, {cx - row, y, cx + row + 1, y + 1}, colour);
    }
}

} // namespace

void VerticalScroll::set_extent(int content, int viewport) {
    m_content = std::max(content, 0);
    m_viewport = std::max(viewport, 0);
    m_top = std::clamp(m_top, 0, max_top());
}

bool VerticalScroll::scroll_to(int y) {
    const int before = m_top;
    m_top = std::clamp(y, 0, max_top());
    return m_top != before;
}

bool VerticalScroll::key(int vk) {
    const int page = std::max(m_viewport - kLine, kLine);
    switch (vk) {
    case pf::VK_PRIOR:
        return scroll_to(m_top - page);
    case pf::VK_NEXT:
        return scroll_to(m_top + page);
    case pf::VK_HOME:
        return scroll_to(0);
    case pf::VK_END:
        return scroll_to(max_top());
    case pf::VK_UP:
        return scroll_to(m_top - kLine);
    case pf::VK_DOWN:
        return scroll_to(m_top + kLine);
    default:
        return false;
    }
}

bool VerticalScroll::wheel(int delta) {
    return scroll_to(m_top - delta * 3 * kLine / 120);
}

int VerticalScroll::thumb_height() const {
    if (m_content <= 0)
        return track();
    return std::clamp(track() * m_viewport / m_content, std::min(8, track()), track());
}

int VerticalScroll::thumb_top() const {
    const int room = track() - thumb_height();
    const int range = max_top();
    return kBarWidth + (range > 0 ? int(int64_t(room) * m_top / range) : 0);
}

bool VerticalScroll::press(int y) {
    if (!has_bar())
        return false;
    const int page = std::max(m_viewport - kLine, kLine);
    if (y < kBarWidth)
        return scroll_to(m_top - kLine);
    if (y >= m_viewport - kBarWidth)
        return scroll_to(m_top + kLine);
    if (y < thumb_top())
        return scroll_to(m_top - page);
    if (y >= thumb_top() + thumb_height())
        return scroll_to(m_top + page);
    m_drag_from = y;
    m_drag_top = m_top;
    return false;
}

bool VerticalScroll::drag(int y) {
    const int room = track() - thumb_height();
    if (m_drag_from < 0 || room <= 0)
        return false;
    return scroll_to(m_drag_top + int(int64_t(y - m_drag_from) * max_top() / room));
}

// A track in the buttons' own colour would hide the thumb, so it is then a checker of the
// face and the highlight, as the desktop's classic scroll bars draw it.
void VerticalScroll::fill_track(pf::HDC hdc, const pf::RECT& bar) {
    const pf::COLORREF track = pf::GetSysColor(pf::COLOR_SCROLLBAR);
    const pf::COLORREF face = pf::GetSysColor(pf::COLOR_BTNFACE);
    if (track != face) {
        pf::fill_solid(hdc, bar, track);
        return;
    }
    const uint32_t pixels[2] = {pf::pixel_from_colorref(face),
                                pf::pixel_from_colorref(pf::GetSysColor(pf::COLOR_BTNHIGHLIGHT))};
    pf::write_dib_rows(hdc, bar.left, bar.top, bar.right - bar.left, bar.bottom - bar.top,
                       [&](int row, int first, int count, uint32_t* out) {
                           for (int x = 0; x < count; ++x)
                               out[x] = pixels[(bar.left + first + x + bar.top + row) & 1];
                       });
}

void VerticalScroll::paint(pf::HDC hdc, const pf::RECT& bar) const {
    if (!has_bar())
        return;
    const pf::COLORREF face = pf::GetSysColor(pf::COLOR_BTNFACE);
    const pf::COLORREF text = pf::GetSysColor(pf::COLOR_BTNTEXT);
    fill_track(hdc, bar);
    pf::RECT up{bar.left, bar.top, bar.right, bar.top + kBarWidth};
    pf::RECT down{bar.left, bar.bottom - kBarWidth, bar.right, bar.bottom};
    pf::RECT thumb{bar.left, bar.top + thumb_top(), bar.right,
                   bar.top + thumb_top() + thumb_height()};
    for (pf::RECT* r : {&up, &down, &thumb}) {
        pf::fill_solid(hdc, *r, face);
        pf::DrawEdge(hdc, r, pf::EDGE_RAISED, pf::BF_RECT);
    }
    arrow(hdc, up, true, text);
    arrow(hdc, down, false, text);
}

} // namespace paginor::controls
