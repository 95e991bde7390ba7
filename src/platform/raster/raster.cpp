#include "platform/raster/raster.h"

#include "platform/raster/colour.h"
#include "platform/raster/gdi_objects.h"

#include <algorithm>
#include <cstdlib>

namespace paginor::platform {

namespace {

bool inside(const RECT& r, int x, int y) {
    return x >= r.left && x < r.right && y >= r.top && y < r.bottom;
}

void fill(gdi::Dc& d, const RECT& rect, COLORREF colour) {
    Bitmap* b = gdi::surface(d);
    RECT r = gdi::intersect(rect, gdi::drawable_rect(d));
    if (gdi::empty(r))
        return;
    if (b->monochrome()) {
        uint8_t v = mono_from_colorref(colour);
        for (int y = r.top; y < r.bottom; ++y)
            std::fill_n(b->bit_row(y) + r.left, r.width(), v);
        return;
    }
    uint32_t v = pixel_from_colorref(colour & 0xFFFFFF);
    for (int y = r.top; y < r.bottom; ++y)
        std::fill_n(b->colour_row(y) + r.left, r.width(), v);
}

// The colour a brush argument stands for, or CLR_INVALID when it paints nothing.
COLORREF brush_argument(HBRUSH brush) {
    if (brush >= 1 && brush <= HBRUSH(kSysColorCount))
        return GetSysColor(int(brush) - 1);
    if (!gdi::brush(brush))
        return CLR_INVALID;
    return brush_colour(brush);
}

void frame(gdi::Dc& d, const RECT& r, COLORREF c) {
    if (gdi::empty(r))
        return;
    fill(d, {r.left, r.top, r.right, r.top + 1}, c);
    fill(d, {r.left, r.bottom - 1, r.right, r.bottom}, c);
    fill(d, {r.left, r.top, r.left + 1, r.bottom}, c);
    fill(d, {r.right - 1, r.top, r.right, r.bottom}, c);
}

} // namespace

COLORREF SetPixel(HDC hdc, int x, int y, COLORREF colour) {
    gdi::Dc* d = gdi::dc(hdc);
    if (!d || !inside(gdi::drawable_rect(*d), x, y))
        return CLR_INVALID;
    Bitmap* b = gdi::surface(*d);
    b->set_pixel(x, y, colour);
    return b->pixel(x, y);
}

COLORREF GetPixel(HDC hdc, int x, int y) {
    gdi::Dc* d = gdi::dc(hdc);
    if (!d || !inside(gdi::drawable_rect(*d), x, y))
        return CLR_INVALID;
    return gdi::surface(*d)->pixel(x, y);
}

int FillRect(HDC hdc, const RECT& rect, HBRUSH brush) {
    gdi::Dc* d = gdi::dc(hdc);
    COLORREF c = brush_argument(brush);
    if (!d || c == CLR_INVALID)
        return 0;
    fill(*d, rect, c);
    return 1;
}

int FrameRect(HDC hdc, const RECT& rect, HBRUSH brush) {
    gdi::Dc* d = gdi::dc(hdc);
    COLORREF c = brush_argument(brush);
    if (!d || c == CLR_INVALID)
        return 0;
    frame(*d, rect, c);
    return 1;
}

BOOL Rectangle(HDC hdc, int left, int top, int right, int bottom) {
    gdi::Dc* d = gdi::dc(hdc);
    if (!d)
        return 0;
    RECT r{left, top, right, bottom};
    COLORREF inner = brush_colour(d->brush ? d->brush : GetStockObject(WHITE_BRUSH));
    gdi::Pen* p = gdi::pen(d->pen ? d->pen : GetStockObject(BLACK_PEN));
    bool outline = p && p->style != PS_NULL;
    if (inner != CLR_INVALID)
        fill(*d, outline ? RECT{left + 1, top + 1, right - 1, bottom - 1} : r, inner);
    if (outline)
        for (int i = 0; i < p->width && !gdi::empty(r);
             ++i, r = {r.left + 1, r.top + 1, r.right - 1, r.bottom - 1})
            frame(*d, r, p->colour);
    return 1;
}

BOOL MoveToEx(HDC hdc, int x, int y, POINT* previous) {
    gdi::Dc* d = gdi::dc(hdc);
    if (!d)
        return 0;
    if (previous)
        *previous = d->pen_pos;
    d->pen_pos = {x, y};
    return 1;
}

BOOL LineTo(HDC hdc, int x, int y) {
    gdi::Dc* d = gdi::dc(hdc);
    if (!d)
        return 0;
    gdi::Pen* p = gdi::pen(d->pen ? d->pen : GetStockObject(BLACK_PEN));
    POINT from = d->pen_pos;
    d->pen_pos = {x, y};
    if (!p || p->style == PS_NULL)
        return 1;
    // Bresenham; wide pens stamp a square centred on each point.
    int64_t dx = std::abs(int64_t(x) - from.x), dy = -std::abs(int64_t(y) - from.y);
    int sx = from.x < x ? 1 : -1, sy = from.y < y ? 1 : -1;
    int64_t err = dx + dy;
    int cx = from.x, cy = from.y;
    int half = (p->width - 1) / 2;
    int step = 0;
    while (cx != x || cy != y) {
        bool on = p->style == PS_SOLID || (p->style == PS_DOT ? step % 2 == 0 : step % 8 < 6);
        if (on)
            fill(*d, {cx - half, cy - half, cx - half + p->width, cy - half + p->width}, p->colour);
        ++step;
        int64_t e2 = 2 * err;
        if (e2 >= dy) {
            err += dy;
            cx += sx;
        }
        if (e2 <= dx) {
            err += dx;
            cy += sy;
        }
    }
    return 1;
}

namespace {

struct Ring {
    COLORREF top_left;
    COLORREF bottom_right;
};

// Colours of the outer and inner ring for each raised/sunken choice.
Ring outer_ring(UINT edge) {
    if (edge & BDR_RAISEDOUTER)
        return {GetSysColor(COLOR_3DLIGHT), GetSysColor(COLOR_3DDKSHADOW)};
    return {GetSysColor(COLOR_BTNSHADOW), GetSysColor(COLOR_BTNHIGHLIGHT)};
}

Ring inner_ring(UINT edge) {
    if (edge & BDR_RAISEDINNER)
        return {GetSysColor(COLOR_BTNHIGHLIGHT), GetSysColor(COLOR_BTNSHADOW)};
    return {GetSysColor(COLOR_3DDKSHADOW), GetSysColor(COLOR_3DLIGHT)};
}

void ring(gdi::Dc& d, RECT& r, Ring c, UINT flags) {
    if (flags & BF_MONO)
        c = {GetSysColor(COLOR_WINDOWFRAME), GetSysColor(COLOR_WINDOWFRAME)};
    else if (flags & BF_FLAT)
        c = {GetSysColor(COLOR_BTNSHADOW), GetSysColor(COLOR_BTNSHADOW)};
    if (flags & BF_LEFT)
        fill(d, {r.left, r.top, r.left + 1, r.bottom}, c.top_left);
    if (flags & BF_TOP)
        fill(d, {r.left, r.top, r.right, r.top + 1}, c.top_left);
    if (flags & BF_RIGHT)
        fill(d, {r.right - 1, r.top, r.right, r.bottom}, c.bottom_right);
    if (flags & BF_BOTTOM)
        fill(d, {r.left, r.bottom - 1, r.right, r.bottom}, c.bottom_right);
    r = {r.left + ((flags & BF_LEFT) ? 1 : 0), r.top + ((flags & BF_TOP) ? 1 : 0),
         r.right - ((flags & BF_RIGHT) ? 1 : 0), r.bottom - ((flags & BF_BOTTOM) ? 1 : 0)};
}

} // namespace

BOOL DrawEdge(HDC hdc, RECT* rect, UINT edge, UINT flags) {
    gdi::Dc* d = gdi::dc(hdc);
    if (!d || !rect)
        return 0;
    RECT r = *rect;
    if (edge & (BDR_RAISEDOUTER | BDR_SUNKENOUTER))
        ring(*d, r, outer_ring(edge), flags);
    if (edge & (BDR_RAISEDINNER | BDR_SUNKENINNER))
        ring(*d, r, inner_ring(edge), flags);
    if (flags & BF_MIDDLE)
        fill(*d, r, GetSysColor(COLOR_BTNFACE));
    if (flags & BF_ADJUST)
        *rect = r;
    return 1;
}

void fill_solid(HDC hdc, const RECT& rect, COLORREF colour) {
    if (gdi::Dc* d = gdi::dc(hdc))
        fill(*d, rect, colour);
}

} // namespace paginor::platform
