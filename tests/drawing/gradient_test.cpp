#include "drawing/modGradientCtls.h"
#include "platform/raster/bitmap.h"
#include "platform/raster/blit.h"
#include "platform/raster/colour.h"
#include "platform/raster/dc.h"
#include "platform/raster/gdi.h"
#include "platform/raster/raster.h"
#include "platform/raster/raster_trace.h"

#include <gtest/gtest.h>

#include <vector>

using namespace paginor;
using namespace paginor::platform;
using modGradientCtls::DrawGradient;

namespace {

// A memory DC holding a colour bitmap, filled with one colour.
struct Surface {
    HDC dc{0};
    HBITMAP bitmap{0};
    HGDIOBJ old{0};
    Surface(int w, int h, COLORREF fill = RGB(1, 2, 3)) {
        dc = CreateCompatibleDC(0);
        bitmap = CreateBitmap(w, h, 1, 32, nullptr);
        old = SelectObject(dc, bitmap);
        fill_solid(dc, {0, 0, w, h}, fill);
    }
    ~Surface() {
        SelectObject(dc, old);
        DeleteObject(bitmap);
        DeleteDC(dc);
    }
    // Rows top to bottom.
    std::vector<std::vector<COLORREF>> rows(RECT r) const {
        std::vector<std::vector<COLORREF>> out;
        for (int y = r.top; y < r.bottom; ++y) {
            out.emplace_back();
            for (int x = r.left; x < r.right; ++x)
                out.back().push_back(GetPixel(dc, x, y));
        }
        return out;
    }
};

constexpr COLORREF red(int v) {
    return RGB(uint8_t(v), 0, 0);
}

struct RampCase {
    const char* name;
    int direction, width, height;
    int32_t colour1, colour2;
    std::vector<std::vector<COLORREF>> rows; // top to bottom
};

} // namespace

TEST(DrawGradient, RampArithmeticInEveryDirection) {
    const RampCase cases[] = {
        {"one-wide horizontal averages halves",
         0,
         1,
         2,
         0x000000,
         0x0000FF,
         {{red(127)}, {red(127)}}},
        {"width 5 horizontal", 0, 5, 1, 0, 0xFF, {{red(0), red(63), red(127), red(191), red(255)}}},
        {"falling channel truncates toward zero", 0, 3, 1, 0xFF, 0, {{red(255), red(128), red(0)}}},
        {"vertical height 2",
         1,
         2,
         2,
         0x00FF00,
         0xFF0000,
         {{RGB(0, 255, 0), RGB(0, 255, 0)}, {RGB(0, 0, 255), RGB(0, 0, 255)}}},
        {"vertical height 1: odd halves lose one",
         1,
         3,
         1,
         0xFFFFFF,
         0xFFFFFF,
         {{RGB(254, 254, 254), RGB(254, 254, 254), RGB(254, 254, 254)}}},
        {"diagonal down 3x2",
         2,
         3,
         2,
         0,
         0xFF,
         {{red(0), red(85), red(170)}, {red(85), red(170), red(255)}}},
        {"diagonal up 3x2",
         3,
         3,
         2,
         0,
         0xFF,
         {{red(85), red(170), red(255)}, {red(0), red(85), red(170)}}},
        {"diagonal down width 1", 2, 1, 3, 0, 0xFF, {{red(0)}, {red(127)}, {red(255)}}},
        {"diagonal up height 1, falling", 3, 3, 1, 0xFF, 0, {{red(255), red(128), red(0)}}},
        {"channels keep their place, top byte ignored",
         0,
         2,
         1,
         int32_t(0x7F1EC80A),
         int32_t(0x011F00FA),
         {{RGB(10, 200, 30), RGB(250, 0, 31)}}},
        {"-1 paints white", 1, 2, 2, -1, -1, {{0xFFFFFF, 0xFFFFFF}, {0xFFFFFF, 0xFFFFFF}}},
        {"equal colours are solid diagonally",
         3,
         2,
         2,
         0x123456,
         0x123456,
         {{0x123456, 0x123456}, {0x123456, 0x123456}}},
    };
    for (const RampCase& c : cases) {
        SCOPED_TRACE(c.name);
        Surface s(c.width + 2, c.height + 2);
        DrawGradient(s.dc, 1, 1, c.width, c.height, c.colour1, c.colour2, c.direction);
        EXPECT_EQ(s.rows({1, 1, 1 + c.width, 1 + c.height}), c.rows);
        // Nothing outside the rectangle changes.
        for (int x = 0; x < c.width + 2; ++x) {
            EXPECT_EQ(GetPixel(s.dc, x, 0), RGB(1, 2, 3));
            EXPECT_EQ(GetPixel(s.dc, x, c.height + 1), RGB(1, 2, 3));
        }
        EXPECT_EQ(GetPixel(s.dc, 0, 1), RGB(1, 2, 3));
        EXPECT_EQ(GetPixel(s.dc, c.width + 1, 1), RGB(1, 2, 3));
    }
}

TEST(DrawGradient, OneStretchDIBitsOfABottomUpBufferAndNoObjectsLeft) {
    Surface s(20, 20);
    GdiCounts before = gdi_object_counts();
    RasterTrace trace;
    DrawGradient(s.dc, 2, 3, 4, 5, 0x0000FF, 0xFF0000, 1);
    DrawGradient(s.dc, 2, 3, 0, 5, 0x0000FF, 0xFF0000, 1);  // empty: nothing at all
    DrawGradient(s.dc, 2, 3, 4, -1, 0x0000FF, 0xFF0000, 2); // empty
    DrawGradient(s.dc, 2, 3, 4, 5, 0x0000FF, 0xFF0000, 4);  // no such direction
    std::vector<std::string> expected{
        "StretchDIBits(dc, 2, 3, 4, 5, 0, 0, 4, 5, 40, 4, 5, 1, 32, 0, 0, 0x00CC0020)"};
    EXPECT_EQ(trace.lines({{s.dc, "dc"}}), expected);
    EXPECT_EQ(gdi_object_counts(), before);
}

namespace {

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

} // namespace

TEST(DrawGradient, OnlyTheVisiblePartIsComputedWithTheWholeRampsPixels) {
    struct Case {
        int left, top, width, height;
    };
    const Case cases[] = {{-7, -3, 40, 30}, {5, 4, 30, 20}, {-50, 2, 60, 3}, {3, -40, 2, 45}};
    for (int dir = 0; dir < 4; ++dir) {
        for (const Case& c : cases) {
            SCOPED_TRACE(testing::Message() << "direction " << dir << " at " << c.left << ","
                                            << c.top << " " << c.width << "x" << c.height);
            Surface s(16, 12);
            DrawGradient(s.dc, c.left, c.top, c.width, c.height, 0x10E020, 0xF01080, dir);
            for (int y = 0; y < 12; ++y)
                for (int x = 0; x < 16; ++x) {
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

TEST(DrawGradient, HugeRectangleAllocatesOnlyTheTarget) {
    Surface s(8, 6);
    RasterTrace trace;
    DrawGradient(s.dc, -1000000000, -1000000000, 2000000000, 2000000000, 0, 0xFFFFFF, 2);
    DrawGradient(s.dc, 100, 100, 2000000000, 2000000000, 0, 0xFFFFFF, 0); // wholly off target
    std::vector<std::string> expected{
        "StretchDIBits(dc, 0, 0, 8, 6, 0, 0, 8, 6, 40, 8, 6, 1, 32, 0, 0, 0x00CC0020)"};
    EXPECT_EQ(trace.lines({{s.dc, "dc"}}), expected);
    for (int x = 0; x < 8; ++x)
        EXPECT_EQ(GetPixel(s.dc, x, 5),
                  reference(2, 2000000000, 2000000000, 0, 0xFFFFFF, x + 1000000000, 1000000005));
}

TEST(TranslateColor, PlainSystemAndUntranslatable) {
    EXPECT_EQ(modGradientCtls::TranslateColor(0x00123456), 0x123456);
    EXPECT_EQ(modGradientCtls::TranslateColor(0x8000000F), int32_t(RGB(212, 208, 200)));
    EXPECT_EQ(modGradientCtls::TranslateColor(0x80000005), int32_t(0xFFFFFF));
    EXPECT_EQ(modGradientCtls::TranslateColor(0x80000063), -1); // no such system colour
    EXPECT_EQ(modGradientCtls::TranslateColor(0x40000000), -1);
    EXPECT_EQ(modGradientCtls::TranslateColor(0xFFFFFFFF), -1);
    // System colours resolve to their current value.
    set_sys_color(COLOR_BTNFACE, RGB(9, 8, 7));
    EXPECT_EQ(modGradientCtls::TranslateColor(0x8000000F), int32_t(RGB(9, 8, 7)));
    reset_sys_colors();
    EXPECT_EQ(modGradientCtls::TranslateColor(0x8000000F), int32_t(RGB(212, 208, 200)));
}
