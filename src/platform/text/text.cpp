#include "platform/text/text.h"

#include "platform/text/text_shape.h"

#include <algorithm>

namespace paginor::platform {

namespace text {

Run shape(FaceInstance& face, std::u16string_view s) {
    Run run;
    run.caret.assign(s.size() + 1, 0);
    if (s.empty())
        return run;
    hb_buffer_t* buf = hb_buffer_create();
    hb_buffer_add_utf16(buf, reinterpret_cast<const uint16_t*>(s.data()), int(s.size()), 0,
                        int(s.size()));
    hb_buffer_guess_segment_properties(buf);
    hb_shape(face.shaper(), buf, nullptr, 0);
    unsigned n = 0;
    hb_glyph_info_t* info = hb_buffer_get_glyph_infos(buf, &n);
    hb_glyph_position_t* pos = hb_buffer_get_glyph_positions(buf, &n);
    int32_t pen = 0;
    int32_t extra = face.synthetic_bold() ? 64 : 0;
    for (unsigned i = 0; i < n; ++i) {
        run.glyphs.push_back(
            {info[i].codepoint, info[i].cluster, pen, pos[i].x_offset, pos[i].y_offset});
        pen += pos[i].x_advance + extra;
    }
    hb_buffer_destroy(buf);
    run.width = (pen + 32) >> 6;
    // Carets: each unit starts where its cluster's first glyph starts.
    std::vector<int> start(s.size() + 1, -1);
    for (const Glyph& g : run.glyphs)
        if (g.cluster < s.size() && start[g.cluster] < 0)
            start[g.cluster] = (g.x + 32) >> 6;
    start[s.size()] = run.width;
    for (size_t i = s.size(); i-- > 0;)
        if (start[i] < 0)
            start[i] = start[i + 1];
    run.caret = start;
    return run;
}

namespace {

void blend(Bitmap& b, int x, int y, uint32_t fg, unsigned a) {
    uint32_t& d = b.colour_row(y)[x];
    if (a >= 255) {
        d = fg;
        return;
    }
    uint32_t out = 0;
    for (int shift = 0; shift <= 16; shift += 8) {
        int dc = int((d >> shift) & 0xFF), fc = int((fg >> shift) & 0xFF);
        int v = dc + ((fc - dc) * int(a) + (fc > dc ? 127 : -127)) / 255;
        out |= uint32_t(std::clamp(v, 0, 255)) << shift;
    }
    d = out;
}

void draw_glyph_bitmap(Bitmap& b, const FT_Bitmap& g, int left, int top, const RECT& clip,
                       COLORREF colour) {
    bool mono_glyph = g.pixel_mode == FT_PIXEL_MODE_MONO;
    uint32_t fg = pixel_from_colorref(colour & 0xFFFFFF);
    uint8_t bit = mono_from_colorref(colour);
    for (unsigned row = 0; row < g.rows; ++row) {
        int y = top + int(row);
        if (y < clip.top || y >= clip.bottom)
            continue;
        const uint8_t* src = g.buffer + int(row) * g.pitch;
        for (unsigned col = 0; col < g.width; ++col) {
            int x = left + int(col);
            if (x < clip.left || x >= clip.right)
                continue;
            unsigned a = mono_glyph ? ((src[col / 8] >> (7 - col % 8)) & 1) * 255 : src[col];
            if (a == 0)
                continue;
            if (b.monochrome())
                b.bit_row(y)[x] = bit;
            else
                blend(b, x, y, fg, a);
        }
    }
}

void fill_clipped(Bitmap& b, RECT r, const RECT& clip, COLORREF colour) {
    r = gdi::intersect(r, clip);
    for (int y = r.top; y < r.bottom; ++y)
        for (int x = r.left; x < r.right; ++x)
            b.set_pixel(x, y, colour);
}

FontObject& font_of(gdi::Dc& d) {
    FontObject* f = gdi::font(d.font);
    return f ? *f : *gdi::font(GetStockObject(SYSTEM_FONT));
}

} // namespace

void render(gdi::Dc& d, const Run& run, int x, int y, const RECT& clip_in, int mnemonic) {
    FontObject& font = font_of(d);
    FaceInstance& face = *font.face;
    Bitmap& b = *gdi::surface(d);
    RECT clip = gdi::intersect(clip_in, gdi::drawable_rect(d));
    if (gdi::empty(clip))
        return;
    bool mono = b.monochrome();
    int baseline = y + face.ascent();
    for (const Glyph& g : run.glyphs) {
        const FaceInstance::RenderedGlyph* glyph = face.rendered(g.id, mono);
        if (!glyph || !glyph->bitmap.buffer)
            continue;
        int gx = x + ((g.x + g.dx + 32) >> 6) + glyph->left;
        int gy = baseline - ((g.dy + 32) >> 6) - glyph->top;
        draw_glyph_bitmap(b, glyph->bitmap, gx, gy, clip, d.text_colour);
    }
    int t = face.line_thickness();
    if (font.request.underline) {
        int uy = baseline + face.underline_offset() - t / 2;
        fill_clipped(b, {x, uy, x + run.width, uy + t}, clip, d.text_colour);
    }
    if (font.request.strikeout) {
        int sy = baseline - face.strikeout_offset();
        fill_clipped(b, {x, sy, x + run.width, sy + t}, clip, d.text_colour);
    }
    if (mnemonic >= 0 && size_t(mnemonic) + 1 < run.caret.size()) {
        int uy = baseline + face.underline_offset() - t / 2;
        fill_clipped(
            b, {x + run.caret[size_t(mnemonic)], uy, x + run.caret[size_t(mnemonic) + 1], uy + t},
            clip, d.text_colour);
    }
}

void fill_background(gdi::Dc& d, const Run& run, int x, int y, const RECT& clip) {
    if (d.bk_mode != 2)
        return;
    FaceInstance& face = *font_of(d).face;
    RECT box = gdi::intersect({x, y, x + run.width, y + face.height()},
                              gdi::intersect(clip, gdi::drawable_rect(d)));
    fill_clipped(*gdi::surface(d), box, box, d.bk_colour);
}

} // namespace text

namespace {

constexpr RECT kEverywhere{INT32_MIN / 2, INT32_MIN / 2, INT32_MAX / 2, INT32_MAX / 2};

} // namespace

BOOL TextOut(HDC hdc, int x, int y, std::u16string_view s) {
    gdi::Dc* d = gdi::dc(hdc);
    if (!d)
        return 0;
    text::Run run = text::shape(dc_face(d->font), s);
    text::fill_background(*d, run, x, y, kEverywhere);
    text::render(*d, run, x, y, kEverywhere);
    return 1;
}

BOOL GetTextExtentPoint32(HDC hdc, std::u16string_view s, SIZE* size) {
    gdi::Dc* d = gdi::dc(hdc);
    if (!d || !size)
        return 0;
    FaceInstance& face = dc_face(d->font);
    *size = {text::shape(face, s).width, face.height()};
    return 1;
}

std::vector<int> GetCaretPositions(HDC hdc, std::u16string_view s) {
    gdi::Dc* d = gdi::dc(hdc);
    if (!d)
        return {};
    return text::shape(dc_face(d->font), s).caret;
}

BOOL GetTextMetrics(HDC hdc, TEXTMETRIC* out) {
    gdi::Dc* d = gdi::dc(hdc);
    if (!d || !out)
        return 0;
    FontObject* f = gdi::font(d->font);
    if (!f)
        f = gdi::font(GetStockObject(SYSTEM_FONT));
    const FaceInstance& face = *f->face;
    out->tmHeight = face.height();
    out->tmAscent = face.ascent();
    out->tmDescent = face.descent();
    out->tmInternalLeading = face.internal_leading();
    out->tmExternalLeading = 0;
    out->tmAveCharWidth = face.average_width();
    out->tmWeight = f->request.weight;
    out->tmItalic = f->request.italic;
    out->tmUnderlined = f->request.underline;
    out->tmStruckOut = f->request.strikeout;
    return 1;
}

std::u16string GetTextFace(HDC hdc) {
    gdi::Dc* d = gdi::dc(hdc);
    if (!d)
        return {};
    FontObject* f = gdi::font(d->font);
    if (!f)
        f = gdi::font(GetStockObject(SYSTEM_FONT));
    return f->request.face;
}

} // namespace paginor::platform
