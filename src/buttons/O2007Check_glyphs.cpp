#include "buttons/O2007Check_glyphs.h"

#include "frame/std_picture.h"
#include "platform/image/image_codec.h"

#include <string_view>
#include <utility>

namespace paginor {

namespace {

constexpr int kGlyphSize = 13;

// Each character is a key of kLegend. The rest glyphs have a slate frame on white, the
// hover glyphs an amber frame on pale gold; none uses the list's mask colour, so every
// pixel is opaque.
constexpr std::pair<char, uint32_t> kLegend[] = {
    {'B', 0x5D7189}, // frame
    {'i', 0xC9D3DE}, // inner ring
    {'w', 0xFFFFFF}, // face
    {'k', 0x1E3C64}, // tick
    {'g', 0x8A96A3}, // greyed square
    {'O', 0xD9901E}, // hover frame
    {'y', 0xF7CF7C}, // hover inner ring
    {'Y', 0xFFF3D6}, // hover face
};

// unchecked
constexpr std::string_view kURows[kGlyphSize] = {
    "BBBBBBBBBBBBB", "BiiiiiiiiiiiB", "BiwwwwwwwwwiB", "BiwwwwwwwwwiB", "BiwwwwwwwwwiB",
    "BiwwwwwwwwwiB", "BiwwwwwwwwwiB", "BiwwwwwwwwwiB", "BiwwwwwwwwwiB", "BiwwwwwwwwwiB",
    "BiwwwwwwwwwiB", "BiiiiiiiiiiiB", "BBBBBBBBBBBBB",
};

// checked
constexpr std::string_view kCRows[kGlyphSize] = {
    "BBBBBBBBBBBBB", "BiiiiiiiiiiiB", "BiwwwwwwwwwiB", "BiwwwwwwwwwiB", "BiwwwwwwwkwiB",
    "BiwwwwwwkkwiB", "BiwkwwwkkwwiB", "BiwkkwkkwwwiB", "BiwwkkkwwwwiB", "BiwwwkwwwwwiB",
    "BiwwwwwwwwwiB", "BiiiiiiiiiiiB", "BBBBBBBBBBBBB",
};

// greyed
constexpr std::string_view kGRows[kGlyphSize] = {
    "BBBBBBBBBBBBB", "BiiiiiiiiiiiB", "BiwwwwwwwwwiB", "BiwwwwwwwwwiB", "BiwwgggggwwiB",
    "BiwwgggggwwiB", "BiwwgggggwwiB", "BiwwgggggwwiB", "BiwwgggggwwiB", "BiwwwwwwwwwiB",
    "BiwwwwwwwwwiB", "BiiiiiiiiiiiB", "BBBBBBBBBBBBB",
};

// unchecked, pointer over
constexpr std::string_view kHRows[kGlyphSize] = {
    "OOOOOOOOOOOOO", "OyyyyyyyyyyyO", "OyYYYYYYYYYyO", "OyYYYYYYYYYyO", "OyYYYYYYYYYyO",
    "OyYYYYYYYYYyO", "OyYYYYYYYYYyO", "OyYYYYYYYYYyO", "OyYYYYYYYYYyO", "OyYYYYYYYYYyO",
    "OyYYYYYYYYYyO", "OyyyyyyyyyyyO", "OOOOOOOOOOOOO",
};

// checked, pointer over
constexpr std::string_view kCHRows[kGlyphSize] = {
    "OOOOOOOOOOOOO", "OyyyyyyyyyyyO", "OyYYYYYYYYYyO", "OyYYYYYYYYYyO", "OyYYYYYYYkYyO",
    "OyYYYYYYkkYyO", "OyYkYYYkkYYyO", "OyYkkYkkYYYyO", "OyYYkkkYYYYyO", "OyYYYkYYYYYyO",
    "OyYYYYYYYYYyO", "OyyyyyyyyyyyO", "OOOOOOOOOOOOO",
};

struct Glyph {
    std::u16string_view key;
    const std::string_view* rows;
};

constexpr Glyph kGlyphs[] = {
    {u"U", kURows}, {u"C", kCRows}, {u"G", kGRows}, {u"H", kHRows}, {u"CH", kCHRows},
};

uint32_t colour_of(char key) {
    for (const auto& [k, rgb] : kLegend)
        if (k == key)
            return 0xFF000000u | rgb;
    return 0xFF000000u;
}

automation::Ref<IDispatch> picture_of(const std::string_view* rows) {
    platform::Image image;
    image.width = image.height = kGlyphSize;
    image.format = platform::ImageFormat::Png;
    for (int y = 0; y < kGlyphSize; ++y)
        for (char key : rows[y])
            image.pixels.push_back(colour_of(key));
    return automation::Ref<IDispatch>::adopt(
        frame::StdPicture::from_bytes(platform::encode_png(image)));
}

} // namespace

void load_check_glyphs(controls::ImageList& list) {
    for (const Glyph& g : kGlyphs)
        list.Add(std::u16string(g.key), picture_of(g.rows).get());
}

} // namespace paginor
