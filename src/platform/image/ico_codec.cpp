// Icon files: the largest image of the directory (the deepest at equal size), stored
// either as a PNG or as a DIB with an AND mask.
#include "platform/image/image_codec_parts.h"

namespace paginor::platform::codec {

namespace {

struct Entry {
    int width{0};
    int height{0};
    int bits{0};
    uint32_t size{0};
    uint32_t offset{0};
};

} // namespace

Image decode_ico(std::span<const uint8_t> b) {
    auto u16 = [&](size_t at) { return uint16_t(b[at] | b[at + 1] << 8); };
    auto u32 = [&](size_t at) { return uint32_t(u16(at)) | uint32_t(u16(at + 2)) << 16; };
    size_t count = u16(4);
    if (b.size() < 6 + count * 16)
        invalid_picture("truncated icon");
    Entry best;
    for (size_t i = 0; i < count; ++i) {
        size_t at = 6 + i * 16;
        Entry e{b[at] ? b[at] : 256, b[at + 1] ? b[at + 1] : 256, u16(at + 6), u32(at + 8),
                u32(at + 12)};
        bool bigger = e.width * e.height > best.width * best.height;
        bool deeper = e.width * e.height == best.width * best.height && e.bits > best.bits;
        if (bigger || deeper)
            best = e;
    }
    if (best.size == 0 || size_t(best.offset) + best.size > b.size())
        invalid_picture("truncated icon");
    std::span<const uint8_t> data = b.subspan(best.offset, best.size);
    Image img =
        sniff_image_format(data) == ImageFormat::Png ? decode_png(data) : decode_dib(data, true);
    img.format = ImageFormat::Ico;
    return img;
}

} // namespace paginor::platform::codec
