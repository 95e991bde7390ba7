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
    jpeg_read_header(&info, TRUE);
    info.out_color_space = JCS_EXT_BGRA;
    jpeg_start_decompress(&info);
    if (int64_t(info.output_width) * info.output_height > kMaxBitmapPixels) {
        jpeg_destroy_decompress(&info);
        return false;
    }
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
