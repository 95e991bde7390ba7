// Pictures to and from bytes: PNG, BMP, ICO, JPEG and the first frame of a GIF, recognised
// by their content (never by a file name), with transparency kept as straight alpha; and
// PNG export of any bitmap or DC.
#pragma once

#include "platform/core/types.h"

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace paginor::platform {

enum class ImageFormat { Unknown, Png, Bmp, Ico, Jpeg, Gif };

// The format the bytes start like; Unknown when none.
ImageFormat sniff_image_format(std::span<const uint8_t> bytes);

// Decoded pixels, top row first, 0xAARRGGBB each (alpha 255 = opaque).
struct Image {
    int width{0};
    int height{0};
    bool has_alpha{false}; // some pixel is not fully opaque
    ImageFormat format{ImageFormat::Unknown};
    std::vector<uint32_t> pixels;
};

// Decodes a picture. Throws RuntimeError "Invalid picture" (481) for an unknown format,
// damaged data or a picture larger than kMaxBitmapPixels.
Image decode_image(std::span<const uint8_t> bytes);
// Reads and decodes a file (UTF-8 path); throws "File not found" (53) when it cannot be
// read, otherwise as decode_image.
Image load_image_file(const std::string& path);

// A colour bitmap holding the image (alpha kept, has_alpha set when the image has it);
// 0 for an empty image.
HBITMAP create_bitmap_from_image(const Image& image);
// The pixels of a bitmap (monochrome as black and white, opaque unless the bitmap carries
// alpha); an empty image for an unknown handle.
Image image_from_bitmap(HBITMAP bitmap);
// What a DC shows: its selected bitmap (memory DC) or backing bitmap (window DC), cut to
// its drawable area; empty for an unknown DC.
Image image_from_dc(HDC hdc);

// PNG bytes of an image (RGBA when it has alpha, else RGB); throws RuntimeError
// "Invalid picture" for an empty image.
std::vector<uint8_t> encode_png(const Image& image);
// Writes a PNG file; throws "Path/File access error" (75) when the file cannot be written.
void save_png(const Image& image, const std::string& path);

} // namespace paginor::platform
