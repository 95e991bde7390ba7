#include "controls/ListPopup.h"

#include "controls/entry_paint.h"
#include "platform/raster/bitmap.h"
#include "platform/raster/blit.h"
#include "platform/raster/colour.h"
#include "platform/raster/dc.h"
#include "platform/raster/gdi.h"
#include "platform/raster/raster.h"
#include "platform/text/text.h"
#include "platform/window/dc_window.h"
#include "platform/window/window.h"

#include <algorithm>
#include <utility>

namespace paginor::controls {

namespace pf = platform;

namespace {

constexpr int kScrollWidth = 16;
constexpr int kCellPadding = 2;

} // namespace

void ListPopup::show(int left, int top, int width, int max_rows, const Look& look,
                     std::vector<int> columns) {
    hide();
    m_look = look;
    m_columns = std::move(columns);
    {
        const ScopedFont font(0, look.face, look.points, look.bold);
        m_row_height = std::max(font.height(), 1);
    }
    m_page = std::max(std::min(max_rows, m_count()), 1);
    m_top = std::clamp(m_top, 0, std::max(m_count() - m_page, 0));
    pf::WindowDesc desc;
    desc.rect = {left, top, left + width, top + m_page * m_row_height + 2};
    desc.proc = &ListPopup::proc;
    desc.userdata = reinterpret_cast<pf::LONG_PTR>(this);
    m_hwnd = pf::CreateWindow(desc);
}

void ListPopup::hide() {
    if (!m_hwnd)
        return;
    pf::SetWindowLongPtr(m_hwnd, pf::GWLP_USERDATA, 0);
    pf::DestroyWindow(std::exchange(m_hwnd, 0));
}

void ListPopup::set_top(int row) {
    m_top = std::clamp(row, 0, std::max(m_count() - m_page, 0));
    refresh();
}

void ListPopup::set_highlight(int row) {
    m_highlight = row;
    if (row >= 0 && row < m_top)
        m_top = row;
    else if (row >= m_top + m_page)
        m_top = row - m_page + 1;
    set_top(m_top);
}

int ListPopup::hit(pf::POINT screen) const {
    pf::RECT r{};
    if (!m_hwnd || !pf::GetWindowRect(m_hwnd, &r) || !pf::PtInRect(&r, screen))
        return kOutside;
    if (scrolls() && screen.x >= r.right - 1 - kScrollWidth)
        return kScrollBar;
    const int row = m_top + (screen.y - r.top - 1) / m_row_height;
    return row < m_count() && row < m_top + m_page ? row : kOutside;
}

void ListPopup::refresh() {
    if (m_hwnd)
        pf::InvalidateRect(m_hwnd, nullptr, pf::FALSE);
}

pf::LRESULT ListPopup::proc(pf::HWND hwnd, UINT msg, pf::WPARAM, pf::LPARAM) {
    auto* self = reinterpret_cast<ListPopup*>(pf::GetWindowLongPtr(hwnd, pf::GWLP_USERDATA));
    if (self && msg == pf::WM_PAINT)
        self->paint();
    return 0;
}

void ListPopup::paint() {
    const pf::HDC hdc = pf::GetDC(m_hwnd);
    pf::RECT r{};
    pf::GetClientRect(m_hwnd, &r);
    pf::fill_solid(hdc, r, translated(m_look.back));
    const int text_right = r.right - 1 - (scrolls() ? kScrollWidth : 0);
    {
        const ScopedFont font(hdc, m_look.face, m_look.points, m_look.bold);
        pf::SetBkMode(hdc, pf::TRANSPARENT);
        const int last = std::min(m_top + m_page, m_count());
        for (int row = m_top; row < last; ++row) {
            const int y = 1 + (row - m_top) * m_row_height;
            const bool lit = row == m_highlight;
            if (lit)
                pf::fill_solid(hdc, {1, y, text_right, y + m_row_height},
                               pf::GetSysColor(pf::COLOR_HIGHLIGHT));
            pf::SetTextColor(hdc, lit ? pf::GetSysColor(pf::COLOR_HIGHLIGHTTEXT)
                                      : translated(m_look.fore));
            int x = 1;
            for (size_t c = 0; c < m_columns.size() && x < text_right; ++c) {
                if (m_columns[c] <= 0)
                    continue;
                pf::RECT cell{x + kCellPadding, y, std::min(x + m_columns[c], text_right),
                              y + m_row_height};
                pf::DrawText(hdc, m_cell(row, int(c)), &cell,
                             pf::DT_SINGLELINE | pf::DT_NOPREFIX | pf::DT_END_ELLIPSIS);
                x += m_columns[c];
            }
        }
    }
    if (scrolls()) {
        // The strip and a thumb whose place and length follow the rows shown.
        const int h = r.bottom - 2, count = m_count();
        pf::fill_solid(hdc, {text_right, 1, r.right - 1, r.bottom - 1},
                       pf::GetSysColor(pf::COLOR_SCROLLBAR));
        const int length = std::max(h * m_page / count, 8);
        const int at = 1 + (h - length) * m_top / std::max(count - m_page, 1);
        pf::fill_solid(hdc, {text_right + 1, at, r.right - 2, at + length},
                       pf::GetSysColor(pf::COLOR_BTNFACE));
        pf::fill_solid(hdc, {text_right + 1, at + length - 1, r.right - 2, at + length},
                       pf::GetSysColor(pf::COLOR_BTNSHADOW));
    }
    const pf::HBRUSH frame = pf::CreateSolidBrush(pf::GetSysColor(pf::COLOR_WINDOWFRAME));
    pf::FrameRect(hdc, r, frame);
    pf::DeleteObject(frame);
    pf::ReleaseDC(m_hwnd, hdc);
}

} // namespace paginor::controls
