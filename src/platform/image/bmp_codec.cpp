// BMP files and the bare DIBs that icons hold: 1, 4, 8, 16, 24 and 32 bits per pixel,
// uncompressed or with bit-field masks; bottom-up or top-down.
#include "platform/image/image_codec_parts.h"

#include <cstdlib>

namespace paginor::platform::codec {

namespace {

uint32_t le32(std::span<const uint8_t> b, size_t at) {
    if (at + 4 > b.size())
        invalid_picture("truncated bitmap");
    return uint32_t(b[at]) | uint32_t(b[at + 1]) << 8 | uint32_t(b[at + 2]) << 16 |
           uint32_t(b[at + 3]) << 24;
}

uint16_t le16(std::span<const uint8_t> b, size_t at) {
    if (at + 2 > b.size())
        invalid_picture("truncated bitmap");
    return uint16_t(b[at] | b[at + 1] << 8);
}

struct Header {
    int64_t width{0};
    int64_t height{0}; // rows of colour data (icons: half the stored height)
    bool top_down{false};
    int bits{0};
    uint32_t compression{0};
    uint32_t masks[4]{0, 0, 0, 0};
    size_t palette_at{0};
    size_t palette_entries{0};
    size_t palette_stride{4};
    size_t pixels_at{0};
};

Header read_header(std::span<const uint8_t> dib, bool icon) {
    Header h;
    uint32_t size = le32(dib, 0);
    if (size == 12) {
        h.width = le16(dib, 4);
        h.height = int16_t(le16(dib, 6));
        h.bits = le16(dib, 10);
        h.palette_stride = 3;
    } else if (size >= 40) {
        h.width = int32_t(le32(dib, 4));
        h.height = int32_t(le32(dib, 8));
        h.bits = le16(dib, 14);
        h.compression = le32(dib, 16);
        h.palette_entries = le32(dib, 32);
        if (h.compression == 3 || h.compression == 6)
            for (int i = 0; i < (size >= 56 ? 4 : 3); ++i)
                h.masks[i] = le32(dib, 40 + size_t(i) * 4);
    } else {
        invalid_picture("unknown bitmap header");
    }
    h.top_down = h.height < 0;
    h.height = std::llabs(h.height);
    if (icon)
        h.height /= 2;
    h.palette_at = size;
    if (size == 40 && (h.compression == 3 || h.compression == 6))
        h.palette_at += h.compression == 6 ? 16 : 12;
    if (h.bits <= 8 && h.palette_entries == 0)
        h.palette_entries = size_t(1) << h.bits;
    if (h.bits > 8)
        h.palette_entries = 0;
    h.pixels_at = h.palette_at + h.palette_entries * h.palette_stride;
    bool known_depth =
        h.bits == 1 || h.bits == 4 || h.bits == 8 || h.bits == 16 || h.bits == 24 || h.bits == 32;
    if (!known_depth || (h.compression != 0 && h.compression != 3 && h.compression != 6))
        invalid_picture("unsupported bitmap encoding");
    check_size(h.width, h.height);
    return h;
}

// The value of a masked channel scaled to 0..255.
uint32_t channel(uint32_t v, uint32_t mask) {
    if (mask == 0)
        return 0;
    int shift = __builtin_ctz(mask);
    uint32_t max = mask >> shift;
    return ((v & mask) >> shift) * 255 / max;
}

uint32_t pixel_at(std::span<const uint8_t> dib, const Header& h, size_t row_at, int64_t x) {
    auto byte = [&](size_t at) {
        if (at >= dib.size())
            invalid_picture("truncated bitmap");
        return dib[at];
    };
    auto palette = [&](size_t i) -> uint32_t {
        if (i >= h.palette_entries)
            return 0xFF000000;
        size_t at = h.palette_at + i * h.palette_stride;
        return 0xFF000000 | uint32_t(byte(at + 2)) << 16 | uint32_t(byte(at + 1)) << 8 | byte(at);
    };
    switch (h.bits) {
    case 1:
        return palette((byte(row_at + size_t(x) / 8) >> (7 - x % 8)) & 1);
    case 4:
        return palette((byte(row_at + size_t(x) / 2) >> (x % 2 ? 0 : 4)) & 0xF);
    case 8:
        return palette(byte(row_at + size_t(x)));
    case 16: {
        uint32_t v = byte(row_at + size_t(x) * 2) | uint32_t(byte(row_at + size_t(x) * 2 + 1)) << 8;
        uint32_t r = h.compression ? h.masks[0] : 0x7C00, g = h.compression ? h.masks[1] : 0x03E0,
                 b = h.compression ? h.masks[2] : 0x001F;
        return 0xFF000000 | channel(v, r) << 16 | channel(v, g) << 8 | channel(v, b);
    }
    case 24: {
        size_t at = row_at + size_t(x) * 3;
        return 0xFF000000 | uint32_t(byte(at + 2)) << 16 | uint32_t(byte(at + 1)) << 8 | byte(at);
    }
    default: {
        uint32_t v = le32(dib, row_at + size_t(x) * 4);
        if (!h.compression)
            return v;
        uint32_t a = h.masks[3] ? channel(v, h.masks[3]) : 0;
        return a << 24 | channel(v, h.masks[0]) << 16 | channel(v, h.masks[1]) << 8 |
               channel(v, h.masks[2]);
    }
    }
}

// 32-bit pixels whose alpha bytes are all zero are opaque (the common way of writing them).
void fix_unused_alpha(Image& img) {
    for (uint32_t p : img.pixels)
        if (p >> 24)
            return;
    for (uint32_t& p : img.pixels)
        p |= 0xFF000000;
}

} // namespace

Image decode_dib(std::span<const uint8_t> dib, bool icon, size_t pixels_at) {
    Header h = read_header(dib, icon);
    if (pixels_at)
        h.pixels_at = pixels_at;
    size_t stride = ((size_t(h.width) * h.bits + 31) / 32) * 4;
    // Every colour row must be there before the picture is allocated, so a header alone
    // never costs the memory of the size it claims.
    if (h.pixels_at > dib.size() || stride * size_t(h.height) > dib.size() - h.pixels_at)
        invalid_picture("truncated bitmap");
    Image img;
    img.width = int(h.width);
    img.height = int(h.height);
    img.format = ImageFormat::Bmp;
    img.pixels.resize(size_t(img.width) * img.height);
    for (int64_t r = 0; r < h.height; ++r) {
        size_t row_at = h.pixels_at + size_t(r) * stride;
        int64_t y = h.top_down ? r : h.height - 1 - r;
        for (int64_t x = 0; x < h.width; ++x)
            img.pixels[size_t(y * h.width + x)] = pixel_at(dib, h, row_at, x);
    }
    if (h.bits == 32)
        fix_unused_alpha(img);
    if (icon && h.bits < 32) {
        // The AND mask below the colour rows: 1 marks a transparent pixel.
        size_t mask_at = h.pixels_at + size_t(h.height) * stride;
        size_t mask_stride = ((size_t(h.width) + 31) / 32) * 4;
        for (int64_t r = 0; r < h.height; ++r) {
            int64_t y = h.top_down ? r : h.height - 1 - r;
            for (int64_t x = 0; x < h.width; ++x) {
                size_t at = mask_at + size_t(r) * mask_stride + size_t(x) / 8;
                if (at < dib.size() && ((dib[at] >> (7 - x % 8)) & 1))
                    img.pixels[size_t(y * h.width + x)] = 0;
            }
        }
    }
    settle_alpha(img);
    return img;
}

Image decode_bmp(std::span<const uint8_t> bytes) {
    if (bytes.size() < 14)
        invalid_picture("truncated bitmap");
    uint32_t offset = le32(bytes, 10);
    if (offset < 14 + 12 || offset > bytes.size())
        invalid_picture("bad bitmap offset");
    return decode_dib(bytes.subspan(14), false, offset - 14);
}

} // namespace paginor::platform::codec
