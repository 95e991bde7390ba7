#include "drawing/modGradientCtls.h"
#include "platform/raster/colour.h"
#include "support/memory_surface.h"

#include <gtest/gtest.h>

#include <vector>

using namespace paginor;
using namespace paginor::platform;
using modGradientCtls::DrawGradient;

namespace {

// A surface filled with RGB(1, 2, 3), the colour nothing draws.
struct Surface : paginor::testing_support::MemorySurface {
    Surface(int w, int h) : MemorySurface(w, h, [](int, int) { return RGB(1, 2, 3); }) {}
};

constexpr COLORREF r(int v) { // a shade of red
    return RGB(uint8_t(v), 0, 0);
}

struct RampCase {
    const char* name;
    int direction, width, height;
    int32_t colour1, colour2;
    std::vector<std::vector<COLORREF>> rows; // top to bottom
};

// What the whole-ramp reference below does not reach: one-pixel ramps, the top byte, -1,
// and nothing drawn for an empty rectangle or an unknown direction, and no drawing object
// left behind. (Every pixel of larger ramps in every direction: the reference.)
TEST(DrawGradient, RampArithmeticInEveryDirection) {
    const COLORREF L = RGB(254, 254, 254), W = 0xFFFFFF, C1 = RGB(10, 200, 30),
                   C2 = RGB(250, 0, 31), N = RGB(1, 2, 3);
    const RampCase cases[] = {
        {"one-wide averages halves", 0, 1, 2, 0x000000, 0x0000FF, {{r(127)}, {r(127)}}},
        {"vertical height 1: odd halves lose one", 1, 3, 1, 0xFFFFFF, 0xFFFFFF, {{L, L, L}}},
        {"channels in place, top byte ignored", 0, 2, 1, 0x7F1EC80A, 0x011F00FA, {{C1, C2}}},
        {"-1 paints white", 1, 2, 2, -1, -1, {{W, W}, {W, W}}},
        {"nothing for no width", 1, 0, 5, 0x0000FF, 0xFF0000, {}},
        {"nothing for a negative height", 2, 4, -1, 0x0000FF, 0xFF0000, {}},
        {"nothing for an unknown direction", 4, 2, 1, 0x0000FF, 0xFF0000, {{N, N}}},
    };
    for (const RampCase& c : cases) {
        SCOPED_TRACE(c.name);
        Surface s(c.width + 2, c.height + 2);
        const GdiCounts before = gdi_object_counts();
        DrawGradient(s.dc, 1, 1, c.width, c.height, c.colour1, c.colour2, c.direction);
        EXPECT_EQ(gdi_object_counts(), before);
        std::vector<COLORREF> want; // the ramp in a frame that nothing touched
        for (int y = 0; y < c.height + 2; ++y)
            for (int x = 0; x < c.width + 2; ++x) {
                bool inside = x >= 1 && x <= c.width && y >= 1 && y <= c.height;
                want.push_back(inside ? c.rows[size_t(y - 1)][size_t(x - 1)] : N);
            }
        EXPECT_EQ(s.pixels(), want);
    }
}

// The colour of pixel (x, y) of a whole ramp, straight from the ramp's definition.
COLORREF reference(int dir, int64_t w, int64_t h, uint32_t c1, uint32_t c2, int64_t x, int64_t y) {
    int64_t n = dir == 0 ? w - 1 : dir == 1 ? h - 1 : w + h - 2;
    int64_t i = dir == 0 ? x : dir == 1 ? y : dir == 2 ? x + y : x + (h - 1 - y);
    auto ch = [&](int shift) {
        int64_t a = (c1 >> shift) & 0xFF, b = (c2 >> shift) & 0xFF;
        return n == 0 ? a / 2 + b / 2 : a + (b - a) * i / n;
    };
    return RGB(uint8_t(ch(0)), uint8_t(ch(8)), uint8_t(ch(16)));
}

TEST(DrawGradient, OnlyTheVisiblePartIsComputedWithTheWholeRampsPixels) {
    struct Case {
        int left, top, width, height;
    };
    // Rows wider than 16 pixels are filled by doubling copies. The last two are ramps of
    // 4e18 pixels, of which only the target's part may be computed.
    constexpr int G = 1'000'000'000, kW = 40, kH = 12;
    const Case cases[] = {{-7, -3, 50, 30}, {5, 4, 30, 20},           {-50, 2, 60, 3},
                          {3, -40, 2, 45},  {100, 100, 2 * G, 2 * G}, {-G, -G, 2 * G, 2 * G}};
    for (int dir = 0; dir < 4; ++dir) {
        for (const Case& c : cases) {
            SCOPED_TRACE(testing::Message() << "direction " << dir << " at " << c.left << ","
                                            << c.top << " " << c.width << "x" << c.height);
            Surface s(kW, kH);
            DrawGradient(s.dc, c.left, c.top, c.width, c.height, 0x10E020, 0xF01080, dir);
            for (int y = 0; y < kH; ++y)
                for (int x = 0; x < kW; ++x) {
                    bool inside =
                        x >= c.left && x < c.left + c.width && y >= c.top && y < c.top + c.height;
                    COLORREF want = inside ? reference(dir, c.width, c.height, 0x10E020, 0xF01080,
                                                       x - c.left, y - c.top)
                                           : RGB(1, 2, 3);
                    ASSERT_EQ(GetPixel(s.dc, x, y), want) << x << "," << y;
                }
        }
    }
}

// The values themselves are OleTranslateColor's (Colours.OleTranslateColorTable); here only
// what the wrapper adds: a value passes through, a failure becomes -1.
TEST(TranslateColor, PlainSystemAndUntranslatable) {
    EXPECT_EQ(modGradientCtls::TranslateColor(0x00123456), 0x123456);
    EXPECT_EQ(modGradientCtls::TranslateColor(0x8000000F), int32_t(RGB(212, 208, 200)));
    EXPECT_EQ(modGradientCtls::TranslateColor(0x80000063), -1); // no such system colour
}

} // namespace
