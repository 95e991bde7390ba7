// The raster layer's own view of the objects behind the handles. Only the raster files
// (DCs, blits, pixels, text, codecs) include this; everyone else holds handles.
#pragma once

#include "platform/raster/bitmap.h"
#include "platform/raster/gdi.h"
#include "platform/text/font.h"

#include <memory>

namespace paginor::platform::gdi {

struct Brush {
    COLORREF colour{0};
    bool hollow{false};
};

struct Pen {
    int style{PS_SOLID};
    int width{1};
    COLORREF colour{0};
};

// Where a DC draws: a memory DC into the bitmap selected into it, a window DC into the
// window's backing bitmap, clipped to the window's visible part.
struct Dc {
    bool memory{true};
    HWND window{0};
    Bitmap* backing{nullptr}; // a window DC's surface, owned by the window surfaces
    HBITMAP bitmap{0};
    HBRUSH brush{0};
    HPEN pen{0};
    HFONT font{0};
    COLORREF bk_colour{0xFFFFFF};
    COLORREF text_colour{0};
    int bk_mode{2}; // OPAQUE
    POINT pen_pos{};
    // Extra clipping in surface coordinates on top of the surface's bounds; a window DC
    // sets it to the visible part of the client area.
    bool has_clip{false};
    RECT clip{};
};

Dc* dc(HDC hdc);
Bitmap* bitmap(HBITMAP h);
Brush* brush(HBRUSH h);
Pen* pen(HPEN h);
FontObject* font(HFONT h);

// The bitmap a DC draws on (never null for a live DC) and the rectangle it may touch.
Bitmap* surface(const Dc& d);
RECT drawable_rect(const Dc& d);

HDC add_dc(std::unique_ptr<Dc> d);
HBITMAP add_bitmap(std::unique_ptr<Bitmap> b);
HFONT add_font(std::unique_ptr<FontObject> f);
void remove_dc(HDC hdc);

// The intersection of two rectangles; empty (all zero) when they do not meet.
RECT intersect(const RECT& a, const RECT& b);
bool empty(const RECT& r);

} // namespace paginor::platform::gdi
