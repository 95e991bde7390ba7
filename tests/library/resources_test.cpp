#include "library/resources.h"

#include "platform/core/error.h"

#include <gtest/gtest.h>

#include <array>
#include <set>

using namespace paginor;
using namespace paginor::frame;

namespace {

uint32_t u32(const std::vector<uint8_t>& b, std::size_t at) {
    return uint32_t(b[at]) | uint32_t(b[at + 1]) << 8 | uint32_t(b[at + 2]) << 16 |
           uint32_t(b[at + 3]) << 24;
}

uint16_t u16(const std::vector<uint8_t>& b, std::size_t at) {
    return static_cast<uint16_t>(b[at] | b[at + 1] << 8);
}

// The colour 0x00RRGGBB of pixel (x, y), y counted from the top, read back from the BMP.
uint32_t pixel(const std::vector<uint8_t>& bmp, int x, int y) {
    uint32_t offset = u32(bmp, 10);
    int bpp = u16(bmp, 28);
    uint32_t stride = (16 * bpp + 31) / 32 * 4;
    std::size_t row = offset + stride * (14 - y); // bottom-up
    if (bpp == 24) {
        std::size_t p = row + 3 * x;
        return uint32_t(bmp[p + 2]) << 16 | uint32_t(bmp[p + 1]) << 8 | bmp[p];
    }
    uint8_t pair = bmp[row + x / 2];
    std::size_t index = x % 2 == 0 ? pair >> 4 : pair & 0x0F;
    std::size_t entry = 54 + 4 * index;
    return uint32_t(bmp[entry + 2]) << 16 | uint32_t(bmp[entry + 1]) << 8 | bmp[entry];
}

uint32_t legend_colour(const ToolboxBitmap& b, int x, int y) {
    for (const auto& [key, rgb] : b.legend) {
        if (key == b.rows[y][x]) {
            return rgb;
        }
    }
    ADD_FAILURE() << "key not in legend";
    return 0;
}

} // namespace

TEST(ToolboxBitmaps, HeadersAreExactFor24And4BitsPerPixel) {
    struct Expected {
        int bpp;
        uint32_t file_size, offset, image_size, colours_used;
    };
    // 24 bpp: 48-byte rows; 4 bpp: 8-byte rows after a 16-entry palette.
    const Expected table[] = {{24, 54 + 48 * 15, 54, 48 * 15, 0},
                              {4, 54 + 64 + 8 * 15, 54 + 64, 8 * 15, 16}};
    for (const ToolboxBitmap& b : toolbox_bitmaps()) {
        SCOPED_TRACE(b.id);
        const Expected& e = b.bits_per_pixel == 24 ? table[0] : table[1];
        std::vector<uint8_t> bmp = toolbox_bitmap_bmp(b);
        ASSERT_EQ(bmp.size(), e.file_size);
        EXPECT_EQ(bmp[0], 'B');
        EXPECT_EQ(bmp[1], 'M');
        EXPECT_EQ(u32(bmp, 2), e.file_size);
        EXPECT_EQ(u32(bmp, 6), 0u);
        EXPECT_EQ(u32(bmp, 10), e.offset);
        EXPECT_EQ(u32(bmp, 14), 40u);
        EXPECT_EQ(u32(bmp, 18), 16u);
        EXPECT_EQ(u32(bmp, 22), 15u); // positive height: bottom-up
        EXPECT_EQ(u16(bmp, 26), 1u);
        EXPECT_EQ(u16(bmp, 28), e.bpp);
        EXPECT_EQ(u32(bmp, 30), 0u); // BI_RGB
        EXPECT_EQ(u32(bmp, 34), e.image_size);
        EXPECT_EQ(u32(bmp, 38), 3780u);
        EXPECT_EQ(u32(bmp, 42), 3780u);
        EXPECT_EQ(u32(bmp, 46), e.colours_used);
        EXPECT_EQ(u32(bmp, 50), 0u);
        // Every pixel reads back as the colour its table key stands for.
        for (int y = 0; y < 15; ++y) {
            for (int x = 0; x < 16; ++x) {
                ASSERT_EQ(pixel(bmp, x, y), legend_colour(b, x, y)) << x << "," << y;
            }
        }
    }
}

TEST(ToolboxBitmaps, OnePerControlWithTheDocumentedIdsAndDepths) {
    struct Row {
        int id;
        std::string_view control;
        int bpp;
    };
    const Row expected[] = {{30000, "DDOC", 24},           {30001, "HoverButton", 24},
                            {30002, "PromptField", 24},    {30003, "MultiPrompt", 24},
                            {30004, "GradientButton", 24}, {30005, "O2007Hover", 4},
                            {30006, "O2007Check", 4}};
    auto bitmaps = toolbox_bitmaps();
    ASSERT_EQ(bitmaps.size(), std::size(expected));
    std::set<std::vector<uint8_t>> distinct;
    for (std::size_t i = 0; i < bitmaps.size(); ++i) {
        EXPECT_EQ(bitmaps[i].id, expected[i].id);
        EXPECT_EQ(bitmaps[i].control, expected[i].control);
        EXPECT_EQ(bitmaps[i].bits_per_pixel, expected[i].bpp);
        EXPECT_EQ(find_toolbox_bitmap(expected[i].id), &bitmaps[i]);
        // A picture, not a blank: at least four colours actually used.
        std::set<char> keys;
        for (std::string_view row : bitmaps[i].rows) {
            keys.insert(row.begin(), row.end());
        }
        EXPECT_GE(keys.size(), 4u) << expected[i].control;
        distinct.insert(toolbox_bitmap_bmp(bitmaps[i]));
    }
    EXPECT_EQ(distinct.size(), bitmaps.size());
    EXPECT_EQ(find_toolbox_bitmap(29999), nullptr);
    EXPECT_EQ(find_toolbox_bitmap(30007), nullptr);
}

TEST(ToolboxBitmaps, AFaultyTableIsReportedNotEncoded) {
    constexpr std::array<std::string_view, 15> short_row{"................", "...",
                                                         "................", "................",
                                                         "................", "................",
                                                         "................", "................",
                                                         "................", "................",
                                                         "................", "................",
                                                         "................", "................",
                                                         "................"};
    constexpr std::array<std::string_view, 15> unknown_key{
        "................", "......?.........", "................", "................",
        "................", "................", "................", "................",
        "................", "................", "................", "................",
        "................", "................", "................"};
    constexpr std::array legend{std::pair<char, uint32_t>{'.', 0xC0C0C0}};
    const ToolboxBitmap faulty[] = {
        {1, "short row", 24, short_row, legend},
        {2, "unknown key", 24, unknown_key, legend},
        {3, "palette of one", 4, unknown_key, legend},
        {4, "8 bpp", 8, short_row, legend},
    };
    for (const auto& b : faulty) {
        EXPECT_THROW(toolbox_bitmap_bmp(b), RuntimeError) << b.control;
    }
}
