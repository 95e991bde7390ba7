// Bitmaps: 32-bit colour (0xAARRGGBB per pixel, top row first) and 1-bit monochrome
// (one byte per pixel holding 0 or 1, so that blits stay simple loops). Colour pixels
// carry alpha only in bitmaps made from pictures (has_alpha); drawing writes alpha 0.
#pragma once

#include "platform/core/types.h"
#include "platform/raster/bitmap_store.h"

#include <cstdint>
#include <vector>

namespace paginor::platform {

// The largest bitmap the layer makes; larger requests fail instead of exhausting memory.
constexpr int64_t kMaxBitmapPixels = int64_t(1) << 26;

class Bitmap {
  public:
    Bitmap(int width, int height, bool monochrome);

    int width() const { return m_width; }
    int height() const { return m_height; }
    bool monochrome() const { return m_monochrome; }
    bool has_alpha() const { return m_has_alpha; }
    void set_has_alpha(bool on) { m_has_alpha = on; }

    // Row pointers; y must lie in [0, height). A colour bitmap has no bit rows and a
    // monochrome one no colour rows (nullptr).
    uint32_t* colour_row(int y) {
        return m_monochrome ? nullptr : m_store.words() + size_t(y) * m_width;
    }
    const uint32_t* colour_row(int y) const {
        return m_monochrome ? nullptr : m_store.words() + size_t(y) * m_width;
    }
    uint8_t* bit_row(int y) {
        return m_monochrome ? m_store.data() + size_t(y) * m_width : nullptr;
    }
    const uint8_t* bit_row(int y) const {
        return m_monochrome ? m_store.data() + size_t(y) * m_width : nullptr;
    }

    // The colour at (x, y) as a COLORREF (white or black for monochrome); CLR_INVALID
    // outside the bitmap. set_pixel ignores positions outside.
    COLORREF pixel(int x, int y) const;
    void set_pixel(int x, int y, COLORREF colour);

    // Changes the size, keeping the pixels that still fit at their place; new pixels are
    // black (or 0). Sizes below 1 become 1.
    void resize(int width, int height);

    HDC selected_into{0};
    bool stock{false};

  private:
    int m_width{0};
    int m_height{0};
    bool m_monochrome{false};
    bool m_has_alpha{false};
    PixelStore m_store; // width * height words (colour) or bytes (monochrome)
};

// Pixel layout conversions: COLORREF 0x00BBGGRR <-> pixel 0x00RRGGBB.
constexpr uint32_t pixel_from_colorref(COLORREF c) {
    return ((c & 0xFF) << 16) | (c & 0xFF00) | ((c >> 16) & 0xFF);
}
constexpr COLORREF colorref_from_pixel(uint32_t p) {
    return ((p & 0xFF) << 16) | (p & 0xFF00) | ((p >> 16) & 0xFF);
}
// How a colour lands on a monochrome surface: light colours become 1 (white).
constexpr uint8_t mono_from_colorref(COLORREF c) {
    return (GetRValue(c) * 30 + GetGValue(c) * 59 + GetBValue(c) * 11) >= 12800 ? 1 : 0;
}

// A bitmap of width x height with planes x bits-per-pixel of 1 (monochrome) or 24/32
// (colour); pixels start black (colour) or 0. `bits`, when given, is copied in as rows
// of 32-bit pixels (colour) or of 16-bit-aligned bit rows, high bit first (monochrome).
// 0 for a size below 1, above kMaxBitmapPixels or an unsupported depth.
HBITMAP CreateBitmap(int width, int height, UINT planes, UINT bits_per_pixel, const void* bits);

// A bitmap in the format of what the DC draws on: colour for a window DC or a memory DC
// holding a colour bitmap, monochrome for a memory DC still holding its 1x1 default.
// 0 for an unknown DC or a size CreateBitmap refuses.
HBITMAP CreateCompatibleBitmap(HDC hdc, int width, int height);

// Width and height of a bitmap; {0, 0} for an unknown handle.
SIZE GetBitmapDimension(HBITMAP bitmap);

// Direct access for the layer's consumers (presenter, codecs, tests); nullptr for an
// unknown handle. The pointer lives until the bitmap is deleted.
Bitmap* bitmap_object(HBITMAP bitmap);

} // namespace paginor::platform
