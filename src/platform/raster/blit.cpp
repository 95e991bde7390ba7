#include "platform/raster/blit.h"

#include "platform/raster/blit_rows.h"
#include "platform/raster/dc.h"
#include "platform/raster/gdi_objects.h"
#include "platform/raster/raster_ops.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <vector>

namespace paginor::platform {

namespace {

// The pixel value a colour key stands for; a colour with its top byte set (-1, an
// untranslatable colour) matches nothing.
uint32_t key_pixel(COLORREF c) {
    return (c >> 24) ? rows::kNoKey : pixel_from_colorref(c);
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

// How the source's elements become the target's: decided once per blit.
rows::Source source_kind(const Bitmap* sb, bool mono_dst) {
    if (!sb)
        return rows::Source::None;
    if (sb->monochrome())
        return mono_dst ? rows::Source::Bits : rows::Source::Colour;
    return mono_dst ? rows::Source::Key : rows::Source::Words;
}

rows::RowJob row_job(const BlitJob& j) {
    rows::RowJob r;
    r.op = j.op;
    r.pattern = rop::uses_pattern(j.op) ? pattern_value(*j.ddc, j.db->monochrome()) : 0;
    if (j.sdc)
        r.key = key_pixel(j.sdc->bk_colour);
    if (!j.db->monochrome()) {
        r.one = pixel_from_colorref(j.ddc->bk_colour & 0xFFFFFF);
        r.zero = pixel_from_colorref(j.ddc->text_colour & 0xFFFFFF);
    }
    return r;
}

const void* source_row(const Bitmap& b, int y, int x) {
    if (b.monochrome())
        return b.bit_row(y) + x;
    return b.colour_row(y) + x;
}

void* target_row(Bitmap& b, int y, int x) {
    if (b.monochrome())
        return b.bit_row(y) + x;
    return b.colour_row(y) + x;
}

void run_blit(const BlitJob& j) {
    const bool mono_dst = j.db->monochrome();
    const int n = j.to.width();
    const bool same = j.sb == j.db;
    const bool upward = same && j.sy0 < j.to.top;
    const bool colour_copy = j.sb && !j.sb->monochrome() && !mono_dst && j.op == 0xCC;
    const bool keyed =
        colour_copy && j.ddc->bk_mode == NEWTRANSPARENT && display_device().transparent_blt;
    const uint32_t key = key_pixel(j.ddc->bk_colour);
    const rows::RowJob rj = row_job(j);
    const rows::RowKernel kernel = rows::pick(source_kind(j.sb, mono_dst), mono_dst, j.op);
    // Within one bitmap a source row may overlap its target row: read it out first.
    const size_t row_bytes = j.sb ? size_t(n) * (j.sb->monochrome() ? 1 : 4) : 0;
    uint32_t* copy = same ? scratch_row(size_t(n)).data() : nullptr;
    for (int k = 0; k < j.to.height(); ++k) {
        const int row = upward ? j.to.height() - 1 - k : k;
        const int dy = j.to.top + row;
        void* d = target_row(*j.db, dy, j.to.left);
        const void* s = j.sb ? source_row(*j.sb, j.sy0 + row, j.sx0) : nullptr;
        if (colour_copy && !keyed) {
            std::memmove(d, s, row_bytes);
            continue;
        }
        if (copy && s) {
            std::memcpy(copy, s, row_bytes);
            s = copy;
        }
        if (keyed)
            rows::keyed_copy(static_cast<const uint32_t*>(s), static_cast<uint32_t*>(d), n, key);
        else
            kernel(rj, s, d, n);
    }
}

} // namespace

BOOL BitBlt(HDC dst, int x, int y, int cx, int cy, HDC src, int x_src, int y_src, DWORD rop) {
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
        run_blit(job);
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
                  const BITMAPINFO* info, UINT /*usage*/, DWORD rop) {
    const BITMAPINFOHEADER h = info ? info->bmiHeader : BITMAPINFOHEADER{};
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
    rows::RowJob job;
    job.op = op;
    job.pattern = pattern_value(*d, mono);
    const rows::RowKernel kernel = rows::pick(rows::Source::Words, mono, op);
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
        void* target = target_row(*bm, dy, x0);
        if (one_to_one && !mono) {
            kernel(job, row + src_col(x0), target, count);
            continue;
        }
        uint32_t* s = scratch_row(size_t(count)).data();
        for (int x = 0; x < count; ++x) {
            uint32_t p = row[src_col(x0 + x)] & 0xFFFFFF;
            s[x] = mono ? (mono_from_colorref(colorref_from_pixel(p)) ? ~0u : 0u) : p;
        }
        kernel(job, s, target, count);
    }
    return src_height;
}

BOOL write_dib_rows(HDC hdc, int x, int y, int width, int height, const DibRowWriter& row) {
    gdi::Dc* d = gdi::dc(hdc);
    if (!d || width < 0 || height < 0)
        return 0;
    Bitmap* bm = gdi::surface(*d);
    const RECT to = clip64(x, y, int64_t(x) + width, int64_t(y) + height, gdi::drawable_rect(*d));
    const int n = to.width();
    if (gdi::empty(to) || n <= 0)
        return 1;
    const int first = to.left - x;
    if (!bm->monochrome()) {
        for (int dy = to.top; dy < to.bottom; ++dy)
            row(dy - y, first, n, bm->colour_row(dy) + to.left);
        return 1;
    }
    rows::RowJob job;
    job.pattern = pattern_value(*d, true);
    const rows::RowKernel kernel = rows::pick(rows::Source::Words, true, job.op);
    uint32_t* s = scratch_row(size_t(n)).data();
    for (int dy = to.top; dy < to.bottom; ++dy) {
        row(dy - y, first, n, s);
        for (int i = 0; i < n; ++i)
            s[i] = mono_from_colorref(colorref_from_pixel(s[i] & 0xFFFFFF)) ? ~0u : 0u;
        kernel(job, s, target_row(*bm, dy, to.left), n);
    }
    return 1;
}

} // namespace paginor::platform
