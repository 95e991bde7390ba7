#include "controls/Label.h"

#include "platform/raster/colour.h"
#include "platform/raster/dc.h"
#include "platform/raster/gdi.h"
#include "platform/raster/raster.h"
#include "platform/text/font.h"
#include "platform/text/text.h"

#include <algorithm>

namespace paginor::controls {

namespace pf = platform;

namespace {

pf::COLORREF translated(OLE_COLOR c) {
    pf::COLORREF out = 0;
    return pf::OleTranslateColor(c, 0, &out) == S_OK ? out : 0;
}

} // namespace

void Label::SetCaption(std::u16string caption) {
    m_caption = std::move(caption);
    fit();
}

void Label::SetAutoSize(bool on) {
    m_auto_size = on;
    fit();
}

void Label::SetFontBold(bool on) {
    m_bold = on;
    fit();
}

void Label::SetFont(std::u16string face, double points) {
    m_face = std::move(face);
    m_points = points > 0 ? points : 8.25;
    fit();
}

void Label::Move(int left, int top, int width, int height) {
    m_left = left;
    m_top = top;
    m_width = std::max(width, 0);
    m_height = std::max(height, 0);
    fit();
}

void Label::fit() {
    if (!m_auto_size)
        return;
    const pf::HDC dc = pf::CreateCompatibleDC(0);
    const pf::HFONT font = pf::create_font(m_face, m_points, m_bold);
    const pf::HGDIOBJ old = pf::SelectObject(dc, font);
    // Measured as drawn: "&" marks the next character and takes no room; "&&" is one "&".
    pf::RECT extent{0, 0, 0, 0};
    pf::DrawText(dc, m_caption, &extent, pf::DT_CALCRECT | pf::DT_SINGLELINE);
    pf::SelectObject(dc, old);
    pf::DeleteObject(font);
    pf::DeleteDC(dc);
    m_width = extent.right;
    m_height = extent.bottom;
}

void Label::paint(pf::HDC hdc) {
    pf::RECT r = bounds();
    if (m_back_style == 1)
        pf::fill_solid(hdc, r, translated(m_back_color));
    const pf::HFONT font = pf::create_font(m_face, m_points, m_bold);
    const pf::HGDIOBJ old = pf::SelectObject(hdc, font);
    const int mode = pf::SetBkMode(hdc, pf::TRANSPARENT);
    const pf::COLORREF colour = pf::SetTextColor(hdc, translated(m_fore_color));
    pf::DrawText(hdc, m_caption, &r, m_auto_size ? pf::DT_SINGLELINE : pf::DT_WORDBREAK);
    pf::SetTextColor(hdc, colour);
    pf::SetBkMode(hdc, mode);
    pf::SelectObject(hdc, old);
    pf::DeleteObject(font);
}

} // namespace paginor::controls
