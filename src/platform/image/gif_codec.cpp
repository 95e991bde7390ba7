// GIF through giflib: the first frame on the logical screen, its transparent index kept
// as alpha 0 and the rest of the screen transparent.
//
// The frame is read record by record rather than slurped whole, so that nothing is
// allocated for a frame before its size is checked, a frame's rows are kept only where
// they fall on the screen, and rows missing from a truncated file stay transparent
// instead of showing whatever memory held.
#include "platform/image/image_codec_parts.h"

#include <gif_lib.h>

#include <algorithm>
#include <cstring>
#include <memory>

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

struct Closer {
    void operator()(GifFileType* gif) const {
        int error = 0;
        DGifCloseFile(gif, &error);
    }
};
using GifFile = std::unique_ptr<GifFileType, Closer>;

// LZW turns one 12-bit code into at most 4096 pixels: a frame claiming more pixels than
// its remaining bytes can carry is refused before a row is decoded.
constexpr int64_t kMostPixelsPerByte = 4096 * 8 / 12;

// The extensions before the first frame, for its transparent index.
void read_extensions_to_frame(GifFileType* gif, int& key) {
    key = NO_TRANSPARENT_COLOR;
    for (;;) {
        GifRecordType type = UNDEFINED_RECORD_TYPE;
        if (DGifGetRecordType(gif, &type) != GIF_OK || type == TERMINATE_RECORD_TYPE)
            invalid_picture("GIF without frames");
        if (type == IMAGE_DESC_RECORD_TYPE)
            return;
        if (type != EXTENSION_RECORD_TYPE)
            invalid_picture("damaged GIF");
        int code = 0;
        GifByteType* block = nullptr;
        if (DGifGetExtension(gif, &code, &block) != GIF_OK)
            invalid_picture("damaged GIF");
        GraphicsControlBlock gcb;
        if (code == GRAPHICS_EXT_FUNC_CODE && block &&
            DGifExtensionToGCB(block[0], block + 1, &gcb) == GIF_OK)
            key = gcb.TransparentColor;
        while (block)
            if (DGifGetExtensionNext(gif, &block) != GIF_OK)
                invalid_picture("damaged GIF");
    }
}

// The frame's rows in the order they are stored (interlaced frames in four passes).
std::vector<int> row_order(int height, bool interlaced) {
    std::vector<int> rows;
    rows.reserve(size_t(height));
    if (!interlaced) {
        for (int y = 0; y < height; ++y)
            rows.push_back(y);
        return rows;
    }
    const int starts[] = {0, 4, 2, 1}, steps[] = {8, 8, 4, 2};
    for (int pass = 0; pass < 4; ++pass)
        for (int y = starts[pass]; y < height; y += steps[pass])
            rows.push_back(y);
    return rows;
}

Image decode_first_frame(GifFileType* gif, const Reader& reader) {
    int key = NO_TRANSPARENT_COLOR;
    read_extensions_to_frame(gif, key);
    if (DGifGetImageDesc(gif) != GIF_OK)
        invalid_picture("damaged GIF");
    const GifImageDesc& d = gif->Image;
    const ColorMapObject* map = d.ColorMap ? d.ColorMap : gif->SColorMap;
    if (!map)
        invalid_picture("GIF without colours");
    const int64_t w = gif->SWidth > 0 ? gif->SWidth : d.Width;
    const int64_t h = gif->SHeight > 0 ? gif->SHeight : d.Height;
    check_size(w, h);
    const int64_t frame_pixels = int64_t(d.Width) * d.Height;
    if (d.Width < 1 || d.Height < 1 || frame_pixels > kMaxBitmapPixels ||
        frame_pixels > int64_t(reader.bytes.size() - reader.at) * kMostPixelsPerByte)
        invalid_picture("bad GIF frame size");
    // Rows are decoded one at a time and kept only where they meet the screen; the
    // screen itself is allocated once at least one row has decoded.
    std::vector<GifPixelType> line(size_t(d.Width));
    std::vector<std::pair<int, std::vector<GifPixelType>>> rows;
    size_t decoded = 0;
    for (int y : row_order(d.Height, d.Interlace)) {
        if (DGifGetLine(gif, line.data(), d.Width) != GIF_OK)
            break;
        ++decoded;
        if (d.Top + y < h)
            rows.emplace_back(d.Top + y, line);
    }
    if (decoded == 0)
        invalid_picture("damaged GIF");
    Image img;
    img.width = int(w);
    img.height = int(h);
    img.format = ImageFormat::Gif;
    img.pixels.assign(size_t(w * h), 0);
    for (const auto& [py, pixels] : rows) {
        for (int x = 0; x < d.Width; ++x) {
            const int64_t px = int64_t(d.Left) + x;
            const int index = pixels[size_t(x)];
            if (px >= w || index == key || index >= map->ColorCount)
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
    GifFile gif(DGifOpen(&reader, read_bytes, &error));
    if (!gif)
        invalid_picture("damaged GIF");
    return decode_first_frame(gif.get(), reader);
}

} // namespace paginor::platform::codec
