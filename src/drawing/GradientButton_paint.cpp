// The gradient button's painter: the whole look, drawn from the properties and the hover
// and pressed flags as resolved into a Look, and the choice between painting it and
// copying back a look kept from before.
#include "drawing/GradientButton.h"

#include "drawing/modGradientCtls.h"
#include "drawing/modTransBlt.h"
#include "frame/drawing_surface.h"
#include "platform/raster/dc.h"
#include "platform/raster/raster.h"

#include <algorithm>
#include <cstdint>

namespace paginor {

namespace {

namespace pf = platform;
using modGradientCtls::TranslateColor;

// Half of a difference, rounded toward minus infinity: an odd leftover goes right/down.
int64_t floor_half(int64_t v) {
    return v >= 0 ? v / 2 : -((1 - v) / 2);
}

int32_t clamp32(int64_t v) {
    return static_cast<int32_t>(std::clamp<int64_t>(v, INT32_MIN, INT32_MAX));
}

// A band inset by `inset` on every side of the sw x sh drawing area; a band without room
// has a size below 1, which DrawGradient leaves undrawn.
void band(pf::HDC dc, int64_t inset, int sw, int sh, int32_t c1, int32_t c2, int32_t dir) {
    modGradientCtls::DrawGradient(dc, clamp32(inset), clamp32(inset), clamp32(sw - 2 * inset),
                                  clamp32(sh - 2 * inset), c1, c2, dir);
}

// Where the font-effect copies of the caption go, relative to the caption, in order.
struct Offsets {
    int count;
    int dx[4], dy[4];
};

Offsets effect_copies(eFontEffect effect) {
    switch (effect) {
    case Outline:
        return {4, {-1, -1, 1, 1}, {-1, 1, -1, 1}};
    case Shadow:
        return {1, {1}, {1}};
    case Emboss:
        return {1, {-1}, {-1}};
    default:
        return {0, {}, {}};
    }
}

// Single pixels that soften the outline, corner by corner, the outer pixel of each pair
// first; the inner ones only with a border.
void paint_corners(pf::HDC dc, int w, int h, pf::COLORREF back, pf::COLORREF border, bool inner) {
    const int corners[4][4] = {
        {0, 0, 1, 1}, {w - 1, 0, w - 2, 1}, {0, h - 1, 1, h - 2}, {w - 1, h - 1, w - 2, h - 2}};
    for (const auto& c : corners) {
        pf::SetPixel(dc, c[0], c[1], back);
        if (inner)
            pf::SetPixel(dc, c[2], c[3], border);
    }
}

// The effect copies in the second colour, then the caption in the surface's own text
// colour, whose property value is left as it was.
void paint_caption(frame::DrawingSurface& s, std::u16string_view caption, int64_t x, int64_t y,
                   eFontEffect effect, int32_t copy_colour, int32_t colour) {
    const Offsets copies = effect_copies(effect);
    pf::SetTextColor(s.hDC(), pf::COLORREF(copy_colour));
    for (int i = 0; i < copies.count; ++i) {
        s.CurrentX = double(x + copies.dx[i]);
        s.CurrentY = double(y + copies.dy[i]);
        s.Print(caption);
    }
    pf::SetTextColor(s.hDC(), pf::COLORREF(colour));
    s.CurrentX = double(x);
    s.CurrentY = double(y);
    s.Print(caption);
}

} // namespace

GradientButton::Look GradientButton::CurrentLook() {
    frame::DrawingSurface& s = surface();
    const bool down = (m_pressed && m_mode != Panel) || (m_mode == CheckBox && m_value);
    const OLE_COLOR c1 = down ? m_down_color1 : m_hover ? m_hover_color1 : m_color1;
    const OLE_COLOR c2 = down ? m_down_color2 : m_hover ? m_hover_color2 : m_color2;
    return Look{.surface = s.version(),
                .picture = m_picButton.version(),
                .caption = m_caption_version,
                .sw = ScaleWidth(),
                .sh = ScaleHeight(),
                .border = TranslateColor(m_border_color),
                .bevel = TranslateColor(m_bevel_color),
                .c1 = TranslateColor(c1),
                .c2 = TranslateColor(c2),
                .back = TranslateColor(m_back_color),
                .fore = TranslateColor(s.ForeColor()),
                .fore2 = TranslateColor(m_fore_color2),
                .border_width = m_border_width,
                .bevel_width = m_bevel_width,
                .down = down,
                .offset = Pressed(),
                .panel = m_mode == Panel,
                .effect = m_font_effect};
}

bool GradientButton::ShowLook() {
    Look look = CurrentLook();
    if (m_shown == look)
        return false;
    if (!m_looks.show(look, m_shown, surface()))
        Paint(look);
    m_shown = std::move(look);
    return true;
}

void GradientButton::UserControl_Resize() {
    ShowLook();
}

void GradientButton::Paint(const Look& look) {
    frame::DrawingSurface& s = surface();
    const pf::HDC dc = s.hDC();
    const int sw = look.sw, sh = look.sh;
    const int64_t bw = look.border_width, bv = look.bevel_width;

    // The border is what the clear leaves; the bevel is a solid band, the face a vertical
    // gradient inside it.
    pf::fill_solid(dc, pf::RECT{0, 0, s.width(), s.height()}, pf::COLORREF(look.border));
    band(dc, bw, sw, sh, look.bevel, look.bevel, modGradientCtls::gdDiagonalDown);
    band(dc, bw + bv, sw, sh, look.c1, look.c2, modGradientCtls::gdVertical);

    // The picture, left of a caption or centred without one, one pixel further when the
    // button is down.
    const bool picture = m_picButton.HasPicture();
    const int pw = m_picButton.Width(), ph = m_picButton.Height();
    if (picture) {
        const int64_t offset = look.offset ? 1 : 0;
        const int64_t x = m_caption.empty() ? floor_half(int64_t(sw) - pw) + offset : 5 + offset;
        const int64_t y = floor_half(int64_t(sh) - ph) + offset;
        const drawing::PictureHolder::Surface source(m_picButton);
        modTransBlt::TransBlt(dc, clamp32(x), clamp32(y), pw, ph, source.hdc(), 0, 0,
                              drawing::PictureHolder::kForeColor);
    }

    // The control's width and height in pixels are its drawing area's: its twips are
    // whole pixels times the twips per pixel.
    paint_corners(dc, sw, sh, pf::COLORREF(look.back), pf::COLORREF(look.border), bw > 0);

    // The caption after the picture or centred, top-aligned on a panel; it never moves
    // with the press.
    const int64_t cw = s.TextWidth(m_caption), ch = s.TextHeight(m_caption);
    const int64_t x = picture ? int64_t(pw) + 10 : floor_half(sw - cw);
    const int64_t y = look.panel ? 3 : floor_half(sh - ch);
    paint_caption(s, m_caption, x, y, look.effect, look.fore2, look.fore);
}

} // namespace paginor
