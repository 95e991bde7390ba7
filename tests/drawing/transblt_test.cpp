#include "drawing/modTransBlt.h"
#include "support/memory_surface.h"

#include <gtest/gtest.h>

#include <vector>

using namespace paginor;
using namespace paginor::platform;
using modTransBlt::TransBlt;
using Surface = paginor::testing_support::MemorySurface;

namespace {

constexpr COLORREF kKey = RGB(255, 0, 255);

COLORREF target_paint(int x, int y) {
    return RGB(uint8_t(10 + x), uint8_t(20 + y), 200);
}
// A source with the key in a checker pattern, white and black among the opaque pixels.
COLORREF source_paint(int x, int y) {
    if ((x + y) % 3 == 0)
        return kKey;
    if (x == 1)
        return 0xFFFFFF;
    if (y == 2)
        return 0;
    return RGB(uint8_t(100 + x), 50, uint8_t(60 + y));
}

struct DeviceMode {
    bool transparent;
    DeviceMode(bool on) : transparent(display_device().transparent_blt) {
        display_device().transparent_blt = on;
    }
    ~DeviceMode() { display_device().transparent_blt = transparent; }
};

struct BlitCase {
    const char* name;
    int dx, dy, w, h, sx, sy;
    int32_t key;
};

} // namespace

TEST(TransBlt, BothPathsGiveTheRequiredPixelsAndBalanceObjects) {
    const BlitCase cases[] = {
        {"whole block", 0, 0, 8, 6, 0, 0, int32_t(kKey)},
        {"offsets on both sides", 2, 1, 5, 4, 1, 2, int32_t(kKey)},
        {"partly off the target", 5, -2, 6, 5, 0, 0, int32_t(kKey)},
        {"key absent copies all", 1, 1, 6, 4, 0, 0, int32_t(RGB(1, 1, 1))},
        {"key -1 matches nothing, not even white", 0, 0, 8, 6, 0, 0, -1},
        {"white key", 0, 0, 8, 6, 0, 0, int32_t(0xFFFFFF)},
        {"empty block", 0, 0, 0, 3, 0, 0, int32_t(kKey)},
        {"a block of key pixels only leaves the target", 3, 3, 1, 1, 0, 0, int32_t(kKey)},
    };
    for (const BlitCase& c : cases) {
        for (int path = 0; path < 2; ++path) {
            SCOPED_TRACE(testing::Message() << c.name << (path ? " (device)" : " (mask)"));
            DeviceMode mode(path == 1);
            Surface target(8, 6, target_paint);
            Surface source(8, 6, source_paint);
            SetBkColor(target.dc, RGB(7, 7, 7));
            SetBkMode(target.dc, OPAQUE);
            GdiCounts before = gdi_object_counts();
            TransBlt(target.dc, c.dx, c.dy, c.w, c.h, source.dc, c.sx, c.sy, c.key);
            EXPECT_EQ(gdi_object_counts(), before);
            EXPECT_EQ(GetBkColor(target.dc), RGB(7, 7, 7));
            EXPECT_EQ(GetBkMode(target.dc), OPAQUE);
            EXPECT_EQ(GetBkColor(source.dc), 0xFFFFFFu);
            std::vector<COLORREF> want;
            for (int y = 0; y < 6; ++y)
                for (int x = 0; x < 8; ++x) {
                    int sx = x - c.dx + c.sx, sy = y - c.dy + c.sy;
                    bool in_block = x >= c.dx && x < c.dx + c.w && y >= c.dy && y < c.dy + c.h;
                    bool shows =
                        in_block && sx < 8 && sy < 6 && source_paint(sx, sy) != COLORREF(c.key);
                    want.push_back(shows ? source_paint(sx, sy) : target_paint(x, y));
                }
            EXPECT_EQ(target.pixels(), want); // the same on both paths
        }
    }
}
