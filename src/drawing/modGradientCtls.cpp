#include "drawing/modGradientCtls.h"

#include "platform/raster/blit.h"
#include "platform/raster/colour.h"
#include "platform/raster/dc.h"

#include <algorithm>
#include <cstring>
#include <vector>

namespace paginor::modGradientCtls {

namespace {

using namespace platform;

struct Channels {
    int64_t r, g, b;
};

Channels split(int32_t colour) {
    uint32_t c = uint32_t(colour) & 0xFFFFFF;
    return {c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF};
}

// Entries first .. first + count - 1 of the ramp whose last index is n, as DIB pixels.
std::vector<uint32_t> ramp(Channels c1, Channels c2, int64_t n, int64_t first, int64_t count) {
    std::vector<uint32_t> out(static_cast<size_t>(count));
    auto pack = [](int64_t r, int64_t g, int64_t b) { return uint32_t(b + g * 256 + r * 65536); };
    if (n == 0) {
        std::fill(out.begin(), out.end(),
                  pack(c1.r / 2 + c2.r / 2, c1.g / 2 + c2.g / 2, c1.b / 2 + c2.b / 2));
        return out;
    }
    Channels d{c2.r - c1.r, c2.g - c1.g, c2.b - c1.b};
    for (int64_t k = 0; k < count; ++k) {
        int64_t i = first + k;
        out[size_t(k)] = pack(c1.r + d.r * i / n, c1.g + d.g * i / n, c1.b + d.b * i / n);
    }
    return out;
}

// One value across a row: a few stores, then doubling copies, which run at copy speed
// where a plain store loop would not be vectorised.
void fill_row(uint32_t* row, int32_t n, uint32_t value) {
    int32_t filled = std::min<int32_t>(n, 16);
    std::fill_n(row, filled, value);
    while (filled < n) {
        int32_t more = std::min(filled, n - filled);
        std::memcpy(row + filled, row, size_t(more) * 4);
        filled += more;
    }
}

// The part of the rectangle on the target, as offsets into the whole rectangle.
struct Visible {
    int64_t ox{0}, oy{0}; // first column and row of the rectangle that shows
    int32_t w{0}, h{0};
};

Visible visible_part(HDC hdc, int32_t left, int32_t top, int32_t width, int32_t height) {
    RECT clip = GetClipBox(hdc);
    int64_t l = std::max<int64_t>(left, clip.left), t = std::max<int64_t>(top, clip.top);
    int64_t r = std::min<int64_t>(int64_t(left) + width, clip.right);
    int64_t b = std::min<int64_t>(int64_t(top) + height, clip.bottom);
    if (r <= l || b <= t)
        return {};
    return {l - left, t - top, int32_t(r - l), int32_t(b - t)};
}

} // namespace

void DrawGradient(HDC hdc, int32_t left, int32_t top, int32_t width, int32_t height,
                  int32_t colour1, int32_t colour2, int32_t direction) {
    if (width < 1 || height < 1 || direction < gdHorizontal || direction > gdDiagonalUp)
        return;
    Visible v = visible_part(hdc, left, top, width, height);
    if (v.w < 1 || v.h < 1)
        return;
    const int64_t W = width, H = height;
    const int64_t n = direction == gdHorizontal ? W - 1
                      : direction == gdVertical ? H - 1
                                                : W + H - 2;
    // The ramp index of the visible block's top-left pixel and how far the rows shift it.
    int64_t first = 0, count = 0;
    switch (direction) {
    case gdHorizontal:
        first = v.ox, count = v.w;
        break;
    case gdVertical:
        first = v.oy, count = v.h;
        break;
    case gdDiagonalDown:
        first = v.ox + v.oy, count = int64_t(v.w) + v.h - 1;
        break;
    default: // up: the index grows with the distance from the bottom row
        first = v.ox + (H - 1 - (v.oy + v.h - 1)), count = int64_t(v.w) + v.h - 1;
        break;
    }
    const std::vector<uint32_t> entries = ramp(split(colour1), split(colour2), n, first, count);
    const uint32_t* e = entries.data();
    const int32_t last_row = v.h - 1;
    // Each row is computed straight into the target, one write per pixel.
    write_dib_rows(hdc, int32_t(left + v.ox), int32_t(top + v.oy), v.w, v.h,
                   [&](int r, int col, int n_cols, uint32_t* out) {
                       const size_t bytes = size_t(n_cols) * 4;
                       switch (direction) {
                       case gdHorizontal:
                           std::memcpy(out, e + col, bytes);
                           break;
                       case gdVertical:
                           fill_row(out, n_cols, e[r]);
                           break;
                       case gdDiagonalDown:
                           std::memcpy(out, e + r + col, bytes);
                           break;
                       default:
                           std::memcpy(out, e + (last_row - r) + col, bytes);
                           break;
                       }
                   });
}

int32_t TranslateColor(OLE_COLOR colour, int32_t palette) {
    COLORREF out = 0;
    if (OleTranslateColor(colour, platform::HANDLE32(palette), &out) != S_OK)
        return -1;
    return int32_t(out);
}

} // namespace paginor::modGradientCtls
