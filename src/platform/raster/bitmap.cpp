#include "platform/raster/bitmap.h"

#include "platform/raster/gdi_objects.h"

#include <algorithm>
#include <cstring>
#include <memory>

namespace paginor::platform {

Bitmap::Bitmap(int width, int height, bool monochrome)
    : m_width(width), m_height(height), m_monochrome(monochrome),
      m_store(size_t(width) * size_t(height) * (monochrome ? 1 : 4), true) {}

COLORREF Bitmap::pixel(int x, int y) const {
    if (x < 0 || y < 0 || x >= m_width || y >= m_height)
        return CLR_INVALID;
    if (m_monochrome)
        return bit_row(y)[x] ? 0xFFFFFF : 0;
    return colorref_from_pixel(colour_row(y)[x] & 0xFFFFFF);
}

void Bitmap::set_pixel(int x, int y, COLORREF colour) {
    if (x < 0 || y < 0 || x >= m_width || y >= m_height)
        return;
    if (m_monochrome)
        bit_row(y)[x] = mono_from_colorref(colour);
    else
        colour_row(y)[x] = pixel_from_colorref(colour & 0xFFFFFF);
}

void Bitmap::resize(int width, int height) {
    width = std::max(width, 1);
    height = std::max(height, 1);
    Bitmap next(width, height, m_monochrome);
    for (int y = 0; y < std::min(height, m_height); ++y) {
        int n = std::min(width, m_width);
        if (m_monochrome)
            std::copy_n(bit_row(y), n, next.bit_row(y));
        else
            std::copy_n(colour_row(y), n, next.colour_row(y));
    }
    m_width = width;
    m_height = height;
    m_store = std::move(next.m_store);
}

namespace {

bool acceptable_size(int width, int height) {
    return width >= 1 && height >= 1 && int64_t(width) * height <= kMaxBitmapPixels;
}

void copy_initial_bits(Bitmap& b, const void* bits) {
    const auto* src = static_cast<const uint8_t*>(bits);
    if (!b.monochrome()) {
        for (int y = 0; y < b.height(); ++y)
            std::memcpy(b.colour_row(y), src + size_t(y) * b.width() * 4, size_t(b.width()) * 4);
        return;
    }
    size_t stride = size_t((b.width() + 15) / 16) * 2;
    for (int y = 0; y < b.height(); ++y)
        for (int x = 0; x < b.width(); ++x)
            b.bit_row(y)[x] = (src[y * stride + x / 8] >> (7 - x % 8)) & 1;
}

} // namespace

HBITMAP CreateBitmap(int width, int height, UINT planes, UINT bits_per_pixel, const void* bits) {
    UINT depth = planes * bits_per_pixel;
    HBITMAP made = 0;
    if (acceptable_size(width, height) && (depth == 1 || depth == 24 || depth == 32)) {
        auto b = std::make_unique<Bitmap>(width, height, depth == 1);
        if (bits)
            copy_initial_bits(*b, bits);
        made = gdi::add_bitmap(std::move(b));
    }
    return made;
}

HBITMAP CreateCompatibleBitmap(HDC hdc, int width, int height) {
    gdi::Dc* d = gdi::dc(hdc);
    HBITMAP made = 0;
    if (d && acceptable_size(width, height)) {
        bool mono = d->memory && gdi::surface(*d)->monochrome();
        made = gdi::add_bitmap(std::make_unique<Bitmap>(width, height, mono));
    }
    return made;
}

SIZE GetBitmapDimension(HBITMAP bitmap) {
    Bitmap* b = gdi::bitmap(bitmap);
    return b ? SIZE{b->width(), b->height()} : SIZE{};
}

Bitmap* bitmap_object(HBITMAP bitmap) {
    return gdi::bitmap(bitmap);
}

} // namespace paginor::platform
