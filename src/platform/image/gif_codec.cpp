// GIF through giflib: the first frame on the logical screen, its transparent index kept
// as alpha 0 and the rest of the screen transparent.
#include "platform/image/image_codec_parts.h"

#include <gif_lib.h>

#include <cstring>

namespace paginor::platform::codec {

namespace {

struct Reader {
    std::span<const uint8_t> bytes;
    size_t at{0};
};

int read_bytes(GifFileType* gif, GifByteType* out, int n) {
    auto* r = static_cast<Reader*>(gif->UserData);
    size_t take = std::min(size_t(n), r->bytes.size() - r->at);
    std::memcpy(out, r->bytes.data() + r->at, take);
    r->at += take;
    return int(take);
}

int transparent_index(const SavedImage& frame) {
    GraphicsControlBlock gcb;
    for (int i = 0; i < frame.ExtensionBlockCount; ++i)
        if (frame.ExtensionBlocks[i].Function == GRAPHICS_EXT_FUNC_CODE &&
            DGifExtensionToGCB(frame.ExtensionBlocks[i].ByteCount, frame.ExtensionBlocks[i].Bytes,
                               &gcb) == GIF_OK)
            return gcb.TransparentColor;
    return NO_TRANSPARENT_COLOR;
}

Image first_frame(const GifFileType& gif) {
    if (gif.ImageCount < 1)
        invalid_picture("GIF without frames");
    const SavedImage& frame = gif.SavedImages[0];
    const ColorMapObject* map = frame.ImageDesc.ColorMap ? frame.ImageDesc.ColorMap : gif.SColorMap;
    if (!map)
        invalid_picture("GIF without colours");
    int64_t w = gif.SWidth > 0 ? gif.SWidth : frame.ImageDesc.Width;
    int64_t h = gif.SHeight > 0 ? gif.SHeight : frame.ImageDesc.Height;
    check_size(w, h);
    Image img;
    img.width = int(w);
    img.height = int(h);
    img.format = ImageFormat::Gif;
    img.pixels.assign(size_t(w * h), 0);
    int key = transparent_index(frame);
    const GifImageDesc& d = frame.ImageDesc;
    for (int y = 0; y < d.Height; ++y) {
        for (int x = 0; x < d.Width; ++x) {
            int px = d.Left + x, py = d.Top + y;
            if (px < 0 || py < 0 || px >= w || py >= h)
                continue;
            int index = frame.RasterBits[size_t(y) * d.Width + x];
            if (index == key || index >= map->ColorCount)
                continue;
            const GifColorType& c = map->Colors[index];
            img.pixels[size_t(py * w + px)] =
                0xFF000000 | uint32_t(c.Red) << 16 | uint32_t(c.Green) << 8 | c.Blue;
        }
    }
    settle_alpha(img);
    return img;
}

} // namespace

Image decode_gif(std::span<const uint8_t> bytes) {
    Reader reader{bytes, 0};
    int error = 0;
    GifFileType* gif = DGifOpen(&reader, read_bytes, &error);
    if (!gif)
        invalid_picture("damaged GIF");
    if (DGifSlurp(gif) != GIF_OK && gif->ImageCount < 1) {
        DGifCloseFile(gif, &error);
        invalid_picture("damaged GIF");
    }
    try {
        Image img = first_frame(*gif);
        DGifCloseFile(gif, &error);
        return img;
    } catch (...) {
        DGifCloseFile(gif, &error);
        throw;
    }
}

} // namespace paginor::platform::codec
