#include "platform/raster/gdi.h"

#include "platform/raster/gdi_objects.h"

#include <algorithm>
#include <unordered_map>
#include <unordered_set>

namespace paginor::platform {
namespace gdi {
namespace {

// The kind lives in the handle's top byte, as on the desktop, so a handle of the wrong
// kind is recognised without a search.
constexpr uint32_t kDcTag = 0x01u << 24;
constexpr uint32_t kBitmapTag = 0x05u << 24;
constexpr uint32_t kFontTag = 0x0Au << 24;
constexpr uint32_t kBrushTag = 0x10u << 24;
constexpr uint32_t kPenTag = 0x30u << 24;

struct Table {
    uint32_t next{1};
    std::unordered_map<uint32_t, std::unique_ptr<Dc>> dcs;
    std::unordered_map<uint32_t, std::unique_ptr<Bitmap>> bitmaps;
    std::unordered_map<uint32_t, std::unique_ptr<Brush>> brushes;
    std::unordered_map<uint32_t, std::unique_ptr<Pen>> pens;
    std::unordered_map<uint32_t, std::unique_ptr<FontObject>> fonts;
    std::unordered_set<uint32_t> stock;

    uint32_t new_handle(uint32_t tag) {
        uint32_t h = tag | (next & 0xFFFFFF);
        next = (next + 1) & 0xFFFFFF;
        if (next == 0)
            next = 1;
        return h;
    }
};

Table& table() {
    static Table t;
    return t;
}

template <class Map> auto* find(Map& m, uint32_t h) {
    auto it = m.find(h);
    return it == m.end() ? nullptr : it->second.get();
}

} // namespace

Dc* dc(HDC h) {
    return find(table().dcs, h);
}
Bitmap* bitmap(HBITMAP h) {
    return find(table().bitmaps, h);
}
Brush* brush(HBRUSH h) {
    return find(table().brushes, h);
}
Pen* pen(HPEN h) {
    return find(table().pens, h);
}
FontObject* font(HFONT h) {
    return find(table().fonts, h);
}

HDC add_dc(std::unique_ptr<Dc> d) {
    uint32_t h = table().new_handle(kDcTag);
    table().dcs[h] = std::move(d);
    return h;
}

HBITMAP add_bitmap(std::unique_ptr<Bitmap> b) {
    uint32_t h = table().new_handle(kBitmapTag);
    table().bitmaps[h] = std::move(b);
    return h;
}

HFONT add_font(std::unique_ptr<FontObject> f) {
    uint32_t h = table().new_handle(kFontTag);
    table().fonts[h] = std::move(f);
    return h;
}

void remove_dc(HDC h) {
    Dc* d = dc(h);
    if (!d)
        return;
    if (Bitmap* b = bitmap(d->bitmap))
        b->selected_into = 0;
    table().dcs.erase(h);
}

Bitmap* surface(const Dc& d) {
    if (d.backing)
        return d.backing;
    Bitmap* b = bitmap(d.bitmap);
    return b ? b : bitmap(GetStockObject(DEFAULT_BITMAP));
}

RECT drawable_rect(const Dc& d) {
    const Bitmap* b = surface(d);
    RECT r{0, 0, b->width(), b->height()};
    return d.has_clip ? intersect(r, d.clip) : r;
}

RECT intersect(const RECT& a, const RECT& b) {
    RECT r{std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right),
           std::min(a.bottom, b.bottom)};
    return empty(r) ? RECT{} : r;
}

bool empty(const RECT& r) {
    return r.right <= r.left || r.bottom <= r.top;
}

} // namespace gdi

namespace {

uint32_t make_stock(int index) {
    auto& t = gdi::table();
    auto brush = [&](COLORREF c, bool hollow) {
        uint32_t h = t.new_handle(gdi::kBrushTag);
        t.brushes[h] = std::make_unique<gdi::Brush>(gdi::Brush{c, hollow});
        return h;
    };
    auto pen = [&](int style, COLORREF c) {
        uint32_t h = t.new_handle(gdi::kPenTag);
        t.pens[h] = std::make_unique<gdi::Pen>(gdi::Pen{style, 1, c});
        return h;
    };
    switch (index) {
    case WHITE_BRUSH:
        return brush(0xFFFFFF, false);
    case LTGRAY_BRUSH:
        return brush(0xC0C0C0, false);
    case GRAY_BRUSH:
        return brush(0x808080, false);
    case DKGRAY_BRUSH:
        return brush(0x404040, false);
    case BLACK_BRUSH:
    case DC_BRUSH:
        return brush(0, false);
    case NULL_BRUSH:
        return brush(0, true);
    case WHITE_PEN:
        return pen(PS_SOLID, 0xFFFFFF);
    case BLACK_PEN:
    case DC_PEN:
        return pen(PS_SOLID, 0);
    case NULL_PEN:
        return pen(PS_NULL, 0);
    case SYSTEM_FONT:
    case DEFAULT_GUI_FONT: {
        uint32_t h = t.new_handle(gdi::kFontTag);
        LOGFONT lf;
        lf.face = u"MS Sans Serif";
        lf.height = -11;
        HFONT made = CreateFontIndirect(lf);
        t.fonts[h] = std::move(t.fonts[made]);
        t.fonts.erase(made);
        return h;
    }
    case DEFAULT_BITMAP: {
        uint32_t h = t.new_handle(gdi::kBitmapTag);
        t.bitmaps[h] = std::make_unique<Bitmap>(1, 1, true);
        t.bitmaps[h]->stock = true;
        return h;
    }
    default:
        return 0;
    }
}

} // namespace

HGDIOBJ GetStockObject(int index) {
    static std::unordered_map<int, uint32_t> made;
    auto it = made.find(index);
    if (it != made.end())
        return it->second;
    uint32_t h = make_stock(index);
    if (h) {
        gdi::table().stock.insert(h);
        made[index] = h;
    }
    return h;
}

GdiCounts gdi_object_counts() {
    auto& t = gdi::table();
    auto live = [&](const auto& m) {
        return int(std::count_if(m.begin(), m.end(),
                                 [&](const auto& kv) { return !t.stock.count(kv.first); }));
    };
    return {live(t.dcs), live(t.bitmaps), live(t.brushes), live(t.pens), live(t.fonts)};
}

HBRUSH CreateSolidBrush(COLORREF colour) {
    auto& t = gdi::table();
    uint32_t h = t.new_handle(gdi::kBrushTag);
    t.brushes[h] = std::make_unique<gdi::Brush>(gdi::Brush{colour, false});
    return h;
}

HPEN CreatePen(int style, int width, COLORREF colour) {
    auto& t = gdi::table();
    uint32_t h = t.new_handle(gdi::kPenTag);
    if (style != PS_DASH && style != PS_DOT && style != PS_NULL)
        style = PS_SOLID;
    t.pens[h] = std::make_unique<gdi::Pen>(gdi::Pen{style, std::max(width, 1), colour});
    return h;
}

namespace {

HGDIOBJ select_bitmap(gdi::Dc& d, HDC hdc, HBITMAP h) {
    Bitmap* b = gdi::bitmap(h);
    if (!d.memory || (b->selected_into && b->selected_into != hdc && !b->stock))
        return 0;
    HGDIOBJ previous = d.bitmap ? d.bitmap : GetStockObject(DEFAULT_BITMAP);
    if (Bitmap* old = gdi::bitmap(d.bitmap))
        old->selected_into = 0;
    if (!b->stock)
        b->selected_into = hdc;
    d.bitmap = b->stock ? 0 : h;
    return previous;
}

HGDIOBJ swap(HGDIOBJ& slot, HGDIOBJ h, int stock_default) {
    HGDIOBJ previous = slot ? slot : GetStockObject(stock_default);
    slot = h;
    return previous;
}

} // namespace

HGDIOBJ SelectObject(HDC hdc, HGDIOBJ obj) {
    HGDIOBJ result = 0;
    gdi::Dc* d = gdi::dc(hdc);
    if (d) {
        if (gdi::bitmap(obj))
            result = select_bitmap(*d, hdc, obj);
        else if (gdi::brush(obj))
            result = swap(d->brush, obj, WHITE_BRUSH);
        else if (gdi::pen(obj))
            result = swap(d->pen, obj, BLACK_PEN);
        else if (gdi::font(obj))
            result = swap(d->font, obj, SYSTEM_FONT);
    }
    return result;
}

namespace {

bool selected_anywhere(HGDIOBJ obj) {
    for (const auto& [h, d] : gdi::table().dcs)
        if (d->bitmap == obj || d->brush == obj || d->pen == obj || d->font == obj)
            return true;
    return false;
}

} // namespace

BOOL DeleteObject(HGDIOBJ obj) {
    auto& t = gdi::table();
    if (t.stock.count(obj))
        return 1;
    if (GetObjectType(obj) == 0 || GetObjectType(obj) == OBJ_DC || GetObjectType(obj) == OBJ_MEMDC)
        return 0;
    if (selected_anywhere(obj))
        return 0;
    t.bitmaps.erase(obj);
    t.brushes.erase(obj);
    t.pens.erase(obj);
    t.fonts.erase(obj);
    return 1;
}

DWORD GetObjectType(HGDIOBJ obj) {
    if (gdi::Dc* d = gdi::dc(obj))
        return d->memory ? OBJ_MEMDC : OBJ_DC;
    if (gdi::bitmap(obj))
        return OBJ_BITMAP;
    if (gdi::brush(obj))
        return OBJ_BRUSH;
    if (gdi::pen(obj))
        return OBJ_PEN;
    if (gdi::font(obj))
        return OBJ_FONT;
    return 0;
}

COLORREF brush_colour(HBRUSH brush) {
    if (gdi::Brush* b = gdi::brush(brush))
        return b->hollow ? CLR_INVALID : b->colour & 0xFFFFFF;
    if (gdi::Pen* p = gdi::pen(brush))
        return p->colour & 0xFFFFFF;
    return CLR_INVALID;
}

} // namespace paginor::platform
