#include "frame/drawing_surface.h"

#include "platform/core/error.h"
#include "platform/core/system_profile.h"
#include "platform/raster/bitmap.h"
#include "platform/raster/blit.h"
#include "platform/raster/colour.h"
#include "platform/raster/dc.h"
#include "platform/raster/gdi.h"
#include "platform/raster/raster.h"
#include "platform/text/text.h"

#include <algorithm>
#include <utility>
#include <vector>

namespace paginor::frame {

namespace pf = platform;

namespace {

pf::COLORREF translated(OLE_COLOR colour, pf::COLORREF fallback) {
    pf::COLORREF out = 0;
    return pf::OleTranslateColor(colour, 0, &out) == S_OK ? out : fallback;
}

// The lines of a text split at CR LF, CR or LF; an empty text is one empty line.
std::vector<std::u16string_view> lines_of(std::u16string_view text) {
    std::vector<std::u16string_view> lines;
    size_t start = 0;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] != u'\r' && text[i] != u'\n')
            continue;
        lines.push_back(text.substr(start, i - start));
        if (text[i] == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n')
            ++i;
        start = i + 1;
    }
    lines.push_back(text.substr(start));
    return lines;
}

uint64_t fresh_version() {
    static uint64_t last = 0; // the user-interface thread's alone
    return ++last;
}

} // namespace

DrawingSurface::DrawingSurface(OLE_COLOR back_color, const FontDescription& font,
                               std::u16string source)
    : m_back_color(back_color), m_font(Ref<StdFont>::adopt(StdFont::create(font))),
      m_source(std::move(source)) {
    m_dc = pf::CreateCompatibleDC(0);
    m_bitmap = pf::CreateBitmap(m_width, m_height, 1, 32, nullptr);
    m_first_bitmap = pf::SelectObject(m_dc, m_bitmap);
    pf::SetBkMode(m_dc, pf::TRANSPARENT);
    m_font->add_listener(this);
    select_font();
    SetForeColor(m_fore_color);
    Cls();
}

DrawingSurface::~DrawingSurface() {
    m_font->remove_listener(this);
    pf::SelectObject(m_dc, m_first_font);
    pf::SelectObject(m_dc, m_first_bitmap);
    pf::DeleteObject(m_hfont);
    pf::DeleteObject(m_bitmap);
    pf::DeleteDC(m_dc);
}

void DrawingSurface::resize(int width, int height) {
    width = std::max(width, 1);
    height = std::max(height, 1);
    if (width == m_width && height == m_height)
        return;
    const pf::HBITMAP bigger = pf::CreateBitmap(width, height, 1, 32, nullptr);
    if (!bigger) // larger than a bitmap can be: drawing goes on, clipped to the old size
        return;
    const HDC scratch = pf::CreateCompatibleDC(0);
    const pf::HGDIOBJ first = pf::SelectObject(scratch, bigger);
    pf::fill_solid(scratch, pf::RECT{0, 0, width, height}, translated(m_back_color, 0));
    pf::BitBlt(scratch, 0, 0, m_width, m_height, m_dc, 0, 0, pf::SRCCOPY);
    pf::SelectObject(scratch, first);
    pf::DeleteDC(scratch);
    pf::SelectObject(m_dc, bigger);
    pf::DeleteObject(m_bitmap);
    m_bitmap = bigger;
    m_width = width;
    m_height = height;
    m_version = fresh_version();
}

void DrawingSurface::SetBackColor(OLE_COLOR colour) {
    m_back_color = colour;
    Cls();
}

void DrawingSurface::SetForeColor(OLE_COLOR colour) {
    m_fore_color = colour;
    pf::SetTextColor(m_dc, translated(colour, 0));
}

void DrawingSurface::SetFont(StdFont* font) {
    if (!font)
        raise_standard(std_error::ObjectNotSet, m_source);
    if (font == m_font)
        return;
    font->add_listener(this);
    m_font->remove_listener(this);
    m_font = Ref<StdFont>(font);
    m_hfont_twips = 0;
    select_font();
}

void DrawingSurface::Cls() {
    pf::fill_solid(m_dc, pf::RECT{0, 0, m_width, m_height}, translated(m_back_color, 0));
    CurrentX = 0;
    CurrentY = 0;
    m_version = fresh_version();
}

void DrawingSurface::Print(std::u16string_view text, bool new_line) {
    select_font();
    const std::vector<std::u16string_view> lines = lines_of(text);
    int x = static_cast<int>(CurrentX), y = static_cast<int>(CurrentY);
    pf::SIZE extent{};
    for (size_t i = 0; i < lines.size(); ++i) {
        if (i > 0) {
            x = 0;
            y += extent.cy;
        }
        pf::TextOut(m_dc, x, y, lines[i]);
        pf::GetTextExtentPoint32(m_dc, lines[i], &extent);
    }
    if (new_line) {
        CurrentX = 0;
        CurrentY = y + extent.cy;
    } else {
        CurrentX = x + extent.cx;
        CurrentY = y;
    }
}

int DrawingSurface::TextWidth(std::u16string_view text) {
    select_font();
    int widest = 0;
    for (std::u16string_view line : lines_of(text)) {
        pf::SIZE extent{};
        pf::GetTextExtentPoint32(m_dc, line, &extent);
        widest = std::max<int>(widest, extent.cx);
    }
    return widest;
}

int DrawingSurface::TextHeight(std::u16string_view text) {
    select_font();
    pf::SIZE extent{};
    pf::GetTextExtentPoint32(m_dc, u"", &extent);
    return extent.cy * static_cast<int>(lines_of(text).size());
}

void DrawingSurface::copy_to(HDC target) const {
    pf::BitBlt(target, 0, 0, m_width, m_height, m_dc, 0, 0, pf::SRCCOPY);
}

pf::HBITMAP DrawingSurface::exchange_bitmap(pf::HBITMAP bitmap) {
    const pf::SIZE size = pf::GetBitmapDimension(bitmap);
    if (size.cx != m_width || size.cy != m_height)
        return 0;
    pf::SelectObject(m_dc, bitmap);
    return std::exchange(m_bitmap, bitmap);
}

uint64_t DrawingSurface::version() {
    select_font();
    return m_version;
}

void DrawingSurface::OnFontChanged(DISPID) {
    m_hfont_twips = 0; // made again at the next use
}

// The raster font follows the font object and the screen's density, both of which may
// change between two uses.
void DrawingSurface::select_font() {
    const double twips = pf::screen_twips_per_pixel_y();
    if (m_hfont && m_hfont_twips == twips)
        return;
    const pf::HFONT fresh = m_font->create_hfont();
    const pf::HGDIOBJ previous = pf::SelectObject(m_dc, fresh);
    if (!m_first_font)
        m_first_font = previous;
    pf::DeleteObject(m_hfont);
    m_hfont = fresh;
    m_hfont_twips = twips;
    m_version = fresh_version();
}

} // namespace paginor::frame
