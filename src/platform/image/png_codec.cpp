// PNG through libpng's simplified API, which handles every colour type, bit depth,
// palette transparency and interlacing for us.
#include "platform/core/error.h"
#include "platform/core/unicode.h"
#include "platform/image/image_codec_parts.h"

#include <png.h>

#include <cstring>
#include <fstream>

namespace paginor::platform {

namespace codec {

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
