// JPEG through libjpeg-turbo; errors come back through a long jump out of the library.
#include "platform/image/image_codec_parts.h"

#include <csetjmp>
#include <cstdio>

#include <jpeglib.h>

namespace paginor::platform::codec {

namespace {

struct ErrorManager {
    jpeg_error_mgr base;
    std::jmp_buf jump;
};

void on_error(j_common_ptr info) {
    std::longjmp(reinterpret_cast<ErrorManager*>(info->err)->jump, 1);
}

void on_message(j_common_ptr) {}

constexpr long kMostWorkingMemory = 512L << 20;

// Within the pixel limit, and not more pixels than the bytes can describe: a picture
// has at least one 8x8 block per 64 pixels, and each costs at least one bit in its scan.
bool plausible_size(JDIMENSION width, JDIMENSION height, size_t bytes) {
    const int64_t pixels = int64_t(width) * height;
    return width > 0 && height > 0 && pixels <= kMaxBitmapPixels &&
           pixels / (64 * 8) <= int64_t(bytes);
}

// Decodes into `out`; false on a library error. Kept apart so that nothing with a
// destructor lives across the long jump.
bool run_decoder(std::span<const uint8_t> bytes, Image& out) {
    jpeg_decompress_struct info;
    ErrorManager err;
    info.err = jpeg_std_error(&err.base);
    err.base.error_exit = on_error;
    err.base.output_message = on_message;
    if (setjmp(err.jump)) {
        jpeg_destroy_decompress(&info);
        return false;
    }
    jpeg_create_decompress(&info);
    jpeg_mem_src(&info, bytes.data(), static_cast<unsigned long>(bytes.size()));
    // The decoder's own working memory (a progressive image keeps every coefficient)
    // is capped too: past it the library fails instead of allocating.
    info.mem->max_memory_to_use = kMostWorkingMemory;
    jpeg_read_header(&info, TRUE);
    // The size is checked before decompression starts, as starting allocates for it.
    if (!plausible_size(info.image_width, info.image_height, bytes.size())) {
        jpeg_destroy_decompress(&info);
        return false;
    }
    info.out_color_space = JCS_EXT_BGRA;
    jpeg_start_decompress(&info);
    out.width = int(info.output_width);
    out.height = int(info.output_height);
    out.pixels.resize(size_t(out.width) * out.height);
    while (info.output_scanline < info.output_height) {
        JSAMPROW row =
            reinterpret_cast<JSAMPROW>(&out.pixels[size_t(info.output_scanline) * out.width]);
        jpeg_read_scanlines(&info, &row, 1);
    }
    jpeg_finish_decompress(&info);
    jpeg_destroy_decompress(&info);
    return true;
}

} // namespace

Image decode_jpeg(std::span<const uint8_t> bytes) {
    Image out;
    if (!run_decoder(bytes, out) || out.width < 1)
        invalid_picture("damaged JPEG");
    out.format = ImageFormat::Jpeg;
    out.has_alpha = false;
    return out;
}

} // namespace paginor::platform::codec
