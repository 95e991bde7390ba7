#include "platform/image/image_codec.h"

#include "platform/core/error.h"
#include "platform/core/unicode.h"
#include "platform/image/image_codec_parts.h"
#include "platform/raster/bitmap.h"
#include "platform/raster/gdi_objects.h"

#include <cstring>
#include <fstream>
#include <iterator>

namespace paginor::platform {

namespace codec {

void invalid_picture(const char* why) {
    raise_standard(std_error::InvalidPicture, u"PaginorV2CTL",
                   u"Invalid picture: " + from_utf8(why));
}

void check_size(int64_t width, int64_t height) {
    if (width < 1 || height < 1 || width * height > kMaxBitmapPixels)
        invalid_picture("bad size");
}

void settle_alpha(Image& image) {
    image.has_alpha = false;
    for (uint32_t p : image.pixels)
        if ((p >> 24) != 0xFF) {
            image.has_alpha = true;
            return;
        }
}

} // namespace codec

ImageFormat sniff_image_format(std::span<const uint8_t> b) {
    auto starts = [&](std::initializer_list<uint8_t> sig) {
        return b.size() >= sig.size() && std::equal(sig.begin(), sig.end(), b.begin());
    };
    if (starts({0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A}))
        return ImageFormat::Png;
    if (starts({0xFF, 0xD8, 0xFF}))
        return ImageFormat::Jpeg;
    if (starts({'G', 'I', 'F', '8'}))
        return ImageFormat::Gif;
    if (starts({'B', 'M'}) && b.size() >= 26)
        return ImageFormat::Bmp;
    if (starts({0, 0, 1, 0}) && b.size() >= 6 && (b[4] | b[5]) != 0)
        return ImageFormat::Ico;
    return ImageFormat::Unknown;
}

Image decode_image(std::span<const uint8_t> bytes) {
    switch (sniff_image_format(bytes)) {
    case ImageFormat::Png:
        return codec::decode_png(bytes);
    case ImageFormat::Bmp:
        return codec::decode_bmp(bytes);
    case ImageFormat::Ico:
        return codec::decode_ico(bytes);
    case ImageFormat::Jpeg:
        return codec::decode_jpeg(bytes);
    case ImageFormat::Gif:
        return codec::decode_gif(bytes);
    default:
        codec::invalid_picture("unknown format");
    }
}

Image load_image_file(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in)
        raise_standard(std_error::FileNotFound, u"PaginorV2CTL");
    std::vector<uint8_t> bytes((std::istreambuf_iterator<char>(in)),
                               std::istreambuf_iterator<char>());
    return decode_image(bytes);
}

HBITMAP create_bitmap_from_image(const Image& image) {
    if (image.width < 1 || image.height < 1)
        return 0;
    HBITMAP h = CreateBitmap(image.width, image.height, 1, 32, image.pixels.data());
    if (Bitmap* b = bitmap_object(h))
        b->set_has_alpha(image.has_alpha);
    return h;
}

namespace {

Image image_of(const Bitmap& b, RECT r) {
    Image out;
    out.width = r.width();
    out.height = r.height();
    out.has_alpha = b.has_alpha();
    out.format = ImageFormat::Png;
    out.pixels.resize(size_t(out.width) * out.height);
    for (int y = 0; y < out.height; ++y) {
        uint32_t* dst = &out.pixels[size_t(y) * out.width];
        if (b.monochrome()) {
            const uint8_t* src = b.bit_row(r.top + y) + r.left;
            for (int x = 0; x < out.width; ++x)
                dst[x] = src[x] ? 0xFFFFFFFF : 0xFF000000;
            continue;
        }
        const uint32_t* src = b.colour_row(r.top + y) + r.left;
        for (int x = 0; x < out.width; ++x)
            dst[x] = b.has_alpha() ? src[x] : (src[x] | 0xFF000000);
    }
    return out;
}

} // namespace

Image image_from_bitmap(HBITMAP bitmap) {
    Bitmap* b = bitmap_object(bitmap);
    return b ? image_of(*b, {0, 0, b->width(), b->height()}) : Image{};
}

Image image_from_dc(HDC hdc) {
    gdi::Dc* d = gdi::dc(hdc);
    if (!d)
        return {};
    return image_of(*gdi::surface(*d), gdi::drawable_rect(*d));
}

} // namespace paginor::platform
