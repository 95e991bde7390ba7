#include "platform/blit.h"

#include "platform/dc.h"
#include "platform/gdi_objects.h"
#include "platform/raster_ops.h"
#include "platform/raster_trace.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <vector>

namespace paginor::platform {

namespace {

constexpr int64_t kNoKey = -1;

// A pixel value to compare against, or kNoKey for a colour no pixel can have (-1).
int64_t key_pixel(COLORREF c) {
    return (c >> 24) ? kNoKey : int64_t(pixel_from_colorref(c));
}

uint32_t pattern_value(const gdi::Dc& d, bool mono_dst) {
    COLORREF c = brush_colour(d.brush ? d.brush : GetStockObject(WHITE_BRUSH));
    if (c == CLR_INVALID)
        c = 0;
    if (mono_dst)
        return mono_from_colorref(c) ? ~0u : 0u;
    return pixel_from_colorref(c & 0xFFFFFF);
}

std::vector<uint32_t>& scratch_row(size_t n) {
    static std::vector<uint32_t> row;
    if (row.size() < n)
        row.resize(n);
    return row;
}

// One source row expressed in the target's terms (24-bit pixels or all-ones/zeros words).
void convert_row(const Bitmap& sb, const gdi::Dc& sdc, int sy, int sx, int n, bool mono_dst,
                 const gdi::Dc& ddc, uint32_t* out) {
    if (!sb.monochrome()) {
        const uint32_t* row = sb.colour_row(sy) + sx;
        if (!mono_dst) {
            for (int x = 0; x < n; ++x)
                out[x] = row[x] & 0xFFFFFF;
            return;
        }
        int64_t key = key_pixel(sdc.bk_colour);
        for (int x = 0; x < n; ++x)
            out[x] = int64_t(row[x] & 0xFFFFFF) == key ? ~0u : 0u;
        return;
    }
    const uint8_t* row = sb.bit_row(sy) + sx;
    uint32_t one = mono_dst ? ~0u : pixel_from_colorref(ddc.bk_colour & 0xFFFFFF);
    uint32_t zero = mono_dst ? 0u : pixel_from_colorref(ddc.text_colour & 0xFFFFFF);
    for (int x = 0; x < n; ++x)
        out[x] = row[x] ? one : zero;
}

void write_row(Bitmap& db, int dy, int dx, int n, uint8_t op, uint32_t pattern, const uint32_t* s) {
    if (!db.monochrome()) {
        uint32_t* d = db.colour_row(dy) + dx;
        rop::combine_row(op, pattern, s, n,
                         [&](int x, auto f) { d[x] = f(d[x] & 0xFFFFFF) & 0xFFFFFF; });
        return;
    }
    uint8_t* d = db.bit_row(dy) + dx;
    rop::combine_row(op, pattern, s, n, [&](int x, auto f) { d[x] = f(d[x] ? ~0u : 0u) & 1; });
}

// The rectangle [l, r) x [t, b) given in 64 bits, cut to `area`.
RECT clip64(int64_t l, int64_t t, int64_t r, int64_t b, const RECT& area) {
    RECT out{int32_t(std::max<int64_t>(l, area.left)), int32_t(std::max<int64_t>(t, area.top)),
             int32_t(std::min<int64_t>(r, area.right)), int32_t(std::min<int64_t>(b, area.bottom))};
    return gdi::empty(out) ? RECT{} : out;
}

struct BlitJob {
    gdi::Dc* ddc;
    Bitmap* db;
    gdi::Dc* sdc;
    Bitmap* sb;
    RECT to;      // target pixels that change
    int sx0, sy0; // source position of to's top-left corner
    uint8_t op;
};

void blit_rows(const BlitJob& j) {
    bool mono_dst = j.db->monochrome();
    uint32_t pattern = rop::uses_pattern(j.op) ? pattern_value(*j.ddc, mono_dst) : 0;
    int n = j.to.width();
    bool upward = j.sb == j.db && j.sy0 < j.to.top;
    bool colour_copy = j.sb && !j.sb->monochrome() && !mono_dst && j.op == 0xCC;
    bool keyed =
        colour_copy && j.ddc->bk_mode == NEWTRANSPARENT && display_device().transparent_blt;
    int64_t key = key_pixel(j.ddc->bk_colour);
    for (int k = 0; k < j.to.height(); ++k) {
        int row = upward ? j.to.height() - 1 - k : k;
        int dy = j.to.top + row;
        if (colour_copy && !keyed) {
            std::memmove(j.db->colour_row(dy) + j.to.left, j.sb->colour_row(j.sy0 + row) + j.sx0,
                         size_t(n) * 4);
        } else if (keyed) {
            uint32_t* d = j.db->colour_row(dy) + j.to.left;
            const uint32_t* s = j.sb->colour_row(j.sy0 + row) + j.sx0;
            for (int x = 0; x < n; ++x)
                if (int64_t(s[x] & 0xFFFFFF) != key)
                    d[x] = s[x];
        } else {
            uint32_t* s = nullptr;
            if (j.sb) {
                s = scratch_row(size_t(n)).data();
                convert_row(*j.sb, *j.sdc, j.sy0 + row, j.sx0, n, mono_dst, *j.ddc, s);
            }
            write_row(*j.db, dy, j.to.left, n, j.op, pattern, s);
        }
    }
}

} // namespace

BOOL BitBlt(HDC dst, int x, int y, int cx, int cy, HDC src, int x_src, int y_src, DWORD rop) {
    trace_call("BitBlt", {TraceArg::handle(dst), x, y, cx, cy, TraceArg::handle(src), x_src, y_src,
                          TraceArg::hex(rop)});
    gdi::Dc* ddc = gdi::dc(dst);
    uint8_t op = rop::index_of(rop);
    gdi::Dc* sdc = rop::uses_source(op) ? gdi::dc(src) : nullptr;
    if (!ddc || (rop::uses_source(op) && !sdc) || cx < 0 || cy < 0)
        return 0;
    BlitJob job{ddc, gdi::surface(*ddc), sdc, sdc ? gdi::surface(*sdc) : nullptr, {}, 0, 0, op};
    RECT to = clip64(x, y, int64_t(x) + cx, int64_t(y) + cy, gdi::drawable_rect(*ddc));
    if (job.sb) {
        int64_t dx = int64_t(x_src) - x, dy = int64_t(y_src) - y;
        RECT src_area{0, 0, job.sb->width(), job.sb->height()};
        RECT from = clip64(to.left + dx, to.top + dy, to.right + dx, to.bottom + dy, src_area);
        to = clip64(from.left - dx, from.top - dy, from.right - dx, from.bottom - dy, to);
        job.sx0 = int(to.left + dx);
        job.sy0 = int(to.top + dy);
    }
    job.to = to;
    if (!gdi::empty(to))
        blit_rows(job);
    return 1;
}

namespace {

bool supported_dib(const BITMAPINFO* info) {
    if (!info)
        return false;
    const BITMAPINFOHEADER& h = info->bmiHeader;
    return h.biSize >= 40 && h.biWidth > 0 && h.biHeight != 0 && h.biPlanes == 1 &&
           h.biBitCount == 32 && h.biCompression == BI_RGB;
}

// Columns [lo, hi) of the target row whose source column falls inside the buffer.
struct ColumnMap {
    int lo{0};
    int hi{0};
};

} // namespace

int StretchDIBits(HDC hdc, int x_dst, int y_dst, int dst_width, int dst_height, int x_src,
                  int y_src, int src_width, int src_height, const void* bits,
                  const BITMAPINFO* info, UINT usage, DWORD rop) {
    const BITMAPINFOHEADER h = info ? info->bmiHeader : BITMAPINFOHEADER{};
    trace_call("StretchDIBits",
               {TraceArg::handle(hdc), x_dst, y_dst, dst_width, dst_height, x_src, y_src, src_width,
                src_height, int64_t(h.biSize), h.biWidth, h.biHeight, h.biPlanes, h.biBitCount,
                int64_t(h.biCompression), int64_t(usage), TraceArg::hex(rop)});
    gdi::Dc* d = gdi::dc(hdc);
    if (!d || !bits || !supported_dib(info) || dst_width <= 0 || dst_height <= 0 ||
        src_width <= 0 || src_height <= 0)
        return 0;
    Bitmap* bm = gdi::surface(*d);
    const int W = h.biWidth;
    const int64_t H = std::abs(int64_t(h.biHeight));
    const bool bottom_up = h.biHeight > 0;
    const auto* px = static_cast<const uint32_t*>(bits);
    const uint8_t op = rop::index_of(rop);
    const bool mono = bm->monochrome();
    const uint32_t pattern = pattern_value(*d, mono);
    RECT to = clip64(x_dst, y_dst, int64_t(x_dst) + dst_width, int64_t(y_dst) + dst_height,
                     gdi::drawable_rect(*d));
    int n = to.width();
    auto src_col = [&](int x) { return x_src + (int64_t(x - x_dst) * src_width) / dst_width; };
    ColumnMap cols{0, n};
    while (cols.lo < n && src_col(to.left + cols.lo) < 0)
        ++cols.lo;
    while (cols.hi > cols.lo && src_col(to.left + cols.hi - 1) >= W)
        --cols.hi;
    const bool one_to_one = src_width == dst_width;
    for (int dy = to.top; dy < to.bottom; ++dy) {
        int64_t rel = (int64_t(dy - y_dst) * src_height) / dst_height;
        int64_t mem_row = bottom_up ? int64_t(y_src) + src_height - 1 - rel : int64_t(y_src) + rel;
        if (mem_row < 0 || mem_row >= H || cols.hi <= cols.lo)
            continue;
        const uint32_t* row = px + mem_row * W;
        int count = cols.hi - cols.lo;
        int x0 = to.left + cols.lo;
        if (one_to_one && op == 0xCC && !mono) {
            // Alpha bits come along; nothing reads them on a bitmap without alpha.
            std::memcpy(bm->colour_row(dy) + x0, row + src_col(x0), size_t(count) * 4);
            continue;
        }
        uint32_t* s = scratch_row(size_t(count)).data();
        for (int x = 0; x < count; ++x) {
            uint32_t p = row[src_col(x0 + x)] & 0xFFFFFF;
            s[x] = mono ? (mono_from_colorref(colorref_from_pixel(p)) ? ~0u : 0u) : p;
        }
        write_row(*bm, dy, x0, count, op, pattern, s);
    }
    return src_height;
}

} // namespace paginor::platform
