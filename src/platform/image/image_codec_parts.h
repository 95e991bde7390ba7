// The decoders behind decode_image, one per format file.
#pragma once

#include "platform/image/image_codec.h"
#include "platform/raster/bitmap.h"

namespace paginor::platform::codec {

Image decode_png(std::span<const uint8_t> bytes);
Image decode_bmp(std::span<const uint8_t> bytes);
// A device-independent bitmap without a file header (as ICO entries store them); when
// `icon` is set the height covers the colour rows plus the AND mask below them.
// `pixels_at`, when not 0, is where the pixel rows start (a file header says so).
Image decode_dib(std::span<const uint8_t> dib, bool icon, size_t pixels_at = 0);
Image decode_ico(std::span<const uint8_t> bytes);
Image decode_jpeg(std::span<const uint8_t> bytes);
Image decode_gif(std::span<const uint8_t> bytes);

// Throws "Invalid picture" with a reason.
[[noreturn]] void invalid_picture(const char* why);
// Throws when a size is empty or too large to decode.
void check_size(int64_t width, int64_t height);
// has_alpha from the pixels.
void settle_alpha(Image& image);

} // namespace paginor::platform::codec
