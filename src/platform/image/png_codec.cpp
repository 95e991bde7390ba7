// PNG through libpng's simplified API, which handles every colour type, bit depth,
// palette transparency and interlacing for us.
#include "platform/core/error.h"
#include "platform/core/unicode.h"
#include "platform/image/image_codec_parts.h"

#include <png.h>

#include <algorithm>
#include <cstring>
#include <fstream>

namespace paginor::platform {

namespace codec {

namespace {

uint32_t be32(const uint8_t* p) {
    return uint32_t(p[0]) << 24 | uint32_t(p[1]) << 16 | uint32_t(p[2]) << 8 | p[3];
}

// Whether the image data chunks are long enough to inflate to the rows the header
// claims: deflate never expands more than 1032 to 1, and every row holds at least a
// filter byte and one byte of samples. Checked before the picture is allocated.
bool holds_pixel_data(std::span<const uint8_t> bytes, uint32_t width, uint32_t height) {
    constexpr uint64_t kMostInflation = 1032;
    uint64_t compressed = 0;
    for (size_t at = 8; at + 8 <= bytes.size();) {
        const uint64_t length = be32(&bytes[at]);
        if (std::memcmp(&bytes[at + 4], "IDAT", 4) == 0)
            compressed += std::min<uint64_t>(length, bytes.size() - at - 8);
        at += 12 + size_t(std::min<uint64_t>(length, bytes.size()));
    }
    const uint64_t least_row = 1 + (uint64_t(width) + 7) / 8;
    return compressed * kMostInflation >= least_row * height;
}

} // namespace

Image decode_png(std::span<const uint8_t> bytes) {
    png_image png;
    std::memset(&png, 0, sizeof png);
    png.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_memory(&png, bytes.data(), bytes.size()))
        invalid_picture("damaged PNG");
    if (int64_t(png.width) * png.height > kMaxBitmapPixels || png.width == 0) {
        png_image_free(&png);
        invalid_picture("bad size");
    }
    if (!holds_pixel_data(bytes, png.width, png.height)) {
        png_image_free(&png);
        invalid_picture("truncated PNG");
    }
    png.format = PNG_FORMAT_BGRA; // bytes B, G, R, A: 0xAARRGGBB little-endian words
    Image out;
    out.width = int(png.width);
    out.height = int(png.height);
    out.format = ImageFormat::Png;
    out.pixels.resize(size_t(out.width) * out.height);
    if (!png_image_finish_read(&png, nullptr, out.pixels.data(), 0, nullptr)) {
        png_image_free(&png);
        invalid_picture("damaged PNG");
    }
    settle_alpha(out);
    return out;
}

} // namespace codec

std::vector<uint8_t> encode_png(const Image& image) {
    if (image.width < 1 || image.height < 1)
        codec::invalid_picture("empty image");
    png_image png;
    std::memset(&png, 0, sizeof png);
    png.version = PNG_IMAGE_VERSION;
    png.width = png_uint_32(image.width);
    png.height = png_uint_32(image.height);
    png.format = image.has_alpha ? PNG_FORMAT_BGRA : PNG_FORMAT_BGR;
    std::vector<uint8_t> rows;
    const void* data = image.pixels.data();
    if (!image.has_alpha) {
        rows.resize(image.pixels.size() * 3);
        for (size_t i = 0; i < image.pixels.size(); ++i) {
            rows[i * 3] = uint8_t(image.pixels[i]);
            rows[i * 3 + 1] = uint8_t(image.pixels[i] >> 8);
            rows[i * 3 + 2] = uint8_t(image.pixels[i] >> 16);
        }
        data = rows.data();
    }
    png_alloc_size_t size = 0;
    if (!png_image_write_to_memory(&png, nullptr, &size, 0, data, 0, nullptr))
        codec::invalid_picture("cannot encode");
    std::vector<uint8_t> out(size);
    if (!png_image_write_to_memory(&png, out.data(), &size, 0, data, 0, nullptr))
        codec::invalid_picture("cannot encode");
    out.resize(size);
    return out;
}

void save_png(const Image& image, const std::string& path) {
    std::vector<uint8_t> bytes = encode_png(image);
    std::ofstream f(path, std::ios::binary | std::ios::trunc);
    f.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
    if (!f)
        raise_standard(std_error::PathFileAccessError, u"PaginorV2CTL", from_utf8(path));
}

} // namespace paginor::platform
