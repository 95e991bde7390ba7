#include "platform/bitmap.h"

#include "platform/gdi_objects.h"

#include <cstring>
#include <memory>

namespace paginor::platform {

Bitmap::Bitmap(int width, int height, bool monochrome)
    : m_width(width), m_height(height), m_monochrome(monochrome) {
    size_t n = size_t(width) * size_t(height);
    if (monochrome)
        m_bits.assign(n, 0);
    else
        m_colour.assign(n, 0);
}

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
    if (!acceptable_size(width, height) || (depth != 1 && depth != 24 && depth != 32))
        return 0;
    auto b = std::make_unique<Bitmap>(width, height, depth == 1);
    if (bits)
        copy_initial_bits(*b, bits);
    return gdi::add_bitmap(std::move(b));
}

HBITMAP CreateCompatibleBitmap(HDC hdc, int width, int height) {
    gdi::Dc* d = gdi::dc(hdc);
    if (!d || !acceptable_size(width, height))
        return 0;
    bool mono = d->memory && gdi::surface(*d)->monochrome();
    return gdi::add_bitmap(std::make_unique<Bitmap>(width, height, mono));
}

SIZE GetBitmapDimension(HBITMAP bitmap) {
    Bitmap* b = gdi::bitmap(bitmap);
    return b ? SIZE{b->width(), b->height()} : SIZE{};
}

Bitmap* bitmap_object(HBITMAP bitmap) {
    return gdi::bitmap(bitmap);
}

} // namespace paginor::platform
