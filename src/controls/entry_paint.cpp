#include "controls/entry_paint.h"

#include "platform/raster/colour.h"
#include "platform/raster/dc.h"
#include "platform/raster/gdi.h"
#include "platform/raster/raster.h"
#include "platform/text/font.h"
#include "platform/text/text.h"

namespace paginor::controls {

namespace pf = platform;

pf::COLORREF translated(OLE_COLOR colour) {
    pf::COLORREF out = 0;
    return pf::OleTranslateColor(colour, 0, &out) == S_OK ? out : 0;
}

ScopedFont::ScopedFont(pf::HDC hdc, std::u16string_view face, double points, bool bold)
    : m_dc(hdc ? hdc : pf::CreateCompatibleDC(0)), m_own_dc(hdc == 0) {
    m_font = pf::create_font(face, points, bold);
    m_old = pf::SelectObject(m_dc, m_font);
}

ScopedFont::~ScopedFont() {
    pf::SelectObject(m_dc, m_old);
    pf::DeleteObject(m_font);
    if (m_own_dc)
        pf::DeleteDC(m_dc);
}

std::vector<int> ScopedFont::carets(std::u16string_view text) const {
    return pf::GetCaretPositions(m_dc, text);
}

int ScopedFont::height() const {
    pf::TEXTMETRIC tm{};
    pf::GetTextMetrics(m_dc, &tm);
    return tm.tmHeight;
}

void draw_sunken_edge(pf::HDC hdc, const pf::RECT& r) {
    // Shadow on the outer top-left, dark shadow inside it; light on the bottom-right.
    const auto frame = [hdc](const pf::RECT& rect, int top_left, int bottom_right) {
        const pf::COLORREF tl = pf::GetSysColor(top_left), br = pf::GetSysColor(bottom_right);
        pf::fill_solid(hdc, {rect.left, rect.top, rect.right, rect.top + 1}, tl);
        pf::fill_solid(hdc, {rect.left, rect.top, rect.left + 1, rect.bottom}, tl);
        pf::fill_solid(hdc, {rect.left, rect.bottom - 1, rect.right, rect.bottom}, br);
        pf::fill_solid(hdc, {rect.right - 1, rect.top, rect.right, rect.bottom}, br);
    };
    frame(r, pf::COLOR_BTNSHADOW, pf::COLOR_BTNHIGHLIGHT);
    frame({r.left + 1, r.top + 1, r.right - 1, r.bottom - 1}, pf::COLOR_3DDKSHADOW,
          pf::COLOR_3DLIGHT);
}

} // namespace paginor::controls
