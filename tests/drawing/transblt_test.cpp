#include "drawing/modTransBlt.h"
#include "platform/raster/bitmap.h"
#include "platform/raster/dc.h"
#include "platform/raster/gdi.h"
#include "platform/raster/raster.h"
#include "platform/raster/raster_trace.h"

#include <gtest/gtest.h>

#include <functional>
#include <vector>

using namespace paginor;
using namespace paginor::platform;
using modTransBlt::TransBlt;

namespace {

struct Surface {
    HDC dc{0};
    HBITMAP bitmap{0};
    HGDIOBJ old{0};
    int w, h;
    Surface(int width, int height, std::function<COLORREF(int, int)> paint) : w(width), h(height) {
        dc = CreateCompatibleDC(0);
        bitmap = CreateBitmap(w, h, 1, 32, nullptr);
        old = SelectObject(dc, bitmap);
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x)
                SetPixel(dc, x, y, paint(x, y));
    }
    ~Surface() {
        SelectObject(dc, old);
        DeleteObject(bitmap);
        DeleteDC(dc);
    }
    std::vector<COLORREF> pixels() const {
        std::vector<COLORREF> out;
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x)
                out.push_back(GetPixel(dc, x, y));
        return out;
    }
};

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
    };
    for (const BlitCase& c : cases) {
        std::vector<COLORREF> results[2];
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
            for (int y = 0; y < 6; ++y)
                for (int x = 0; x < 8; ++x) {
                    COLORREF want = target_paint(x, y);
                    int sx = x - c.dx + c.sx, sy = y - c.dy + c.sy;
                    bool in_block = x >= c.dx && x < c.dx + c.w && y >= c.dy && y < c.dy + c.h;
                    if (in_block && sx < 8 && sy < 6 && source_paint(sx, sy) != COLORREF(c.key))
                        want = source_paint(sx, sy);
                    ASSERT_EQ(GetPixel(target.dc, x, y), want) << x << "," << y;
                }
            results[path] = target.pixels();
        }
        EXPECT_EQ(results[0], results[1]) << c.name;
    }
}

TEST(TransBlt, AllKeySourceLeavesTargetUnchanged) {
    Surface target(4, 4, target_paint);
    Surface source(4, 4, [](int, int) { return kKey; });
    std::vector<COLORREF> before = target.pixels();
    TransBlt(target.dc, 0, 0, 4, 4, source.dc, 0, 0, int32_t(kKey));
    EXPECT_EQ(target.pixels(), before);
}

TEST(TransBlt, MaskPathMakesTheEightBlitsInOrder) {
    DeviceMode mode(false);
    Surface target(8, 6, target_paint);
    Surface source(8, 6, source_paint);
    RasterTrace trace;
    TransBlt(target.dc, 2, 1, 5, 4, source.dc, 1, 0, int32_t(kKey));
    std::vector<std::string> expected{
        "GetDeviceCaps(dst, 94)",
        "CreateCompatibleDC(dst) = colourDC",
        "CreateCompatibleDC(dst) = maskDC",
        "CreateCompatibleDC(dst) = invDC",
        "CreateCompatibleDC(dst) = backDC",
        "CreateBitmap(5, 4, 1, 1) = maskBM",
        "CreateBitmap(5, 4, 1, 1) = invBM",
        "CreateCompatibleBitmap(dst, 5, 4) = backBM",
        "CreateCompatibleBitmap(dst, 5, 4) = colourBM",
        "SelectObject(colourDC, colourBM) = default",
        "SelectObject(maskDC, maskBM) = default",
        "SelectObject(invDC, invBM) = default",
        "SelectObject(backDC, backBM) = default",
        "SetBkColor(src, 0x00FF00FF)",
        "BitBlt(maskDC, 0, 0, 5, 4, src, 1, 0, 0x00CC0020)",
        "SetBkColor(src, 0x00FFFFFF)",
        "BitBlt(invDC, 0, 0, 5, 4, maskDC, 0, 0, 0x00330008)",
        "BitBlt(backDC, 0, 0, 5, 4, dst, 2, 1, 0x00CC0020)",
        "BitBlt(backDC, 0, 0, 5, 4, maskDC, 0, 0, 0x008800C6)",
        "BitBlt(colourDC, 0, 0, 5, 4, src, 1, 0, 0x00CC0020)",
        "BitBlt(colourDC, 0, 0, 5, 4, invDC, 0, 0, 0x008800C6)",
        "BitBlt(backDC, 0, 0, 5, 4, colourDC, 0, 0, 0x00660046)",
        "BitBlt(dst, 2, 1, 5, 4, backDC, 0, 0, 0x00CC0020)",
        "SelectObject(colourDC, default) = colourBM",
        "SelectObject(maskDC, default) = maskBM",
        "SelectObject(invDC, default) = invBM",
        "SelectObject(backDC, default) = backBM",
        "DeleteObject(colourBM)",
        "DeleteObject(maskBM)",
        "DeleteObject(invBM)",
        "DeleteObject(backBM)",
        "DeleteDC(colourDC)",
        "DeleteDC(maskDC)",
        "DeleteDC(invDC)",
        "DeleteDC(backDC)",
    };
    // Name the objects by the order the routine makes them.
    std::map<uint32_t, std::string> names{
        {target.dc, "dst"}, {source.dc, "src"}, {GetStockObject(DEFAULT_BITMAP), "default"}};
    const char* made[] = {"colourDC", "maskDC", "invDC",  "backDC",
                          "maskBM",   "invBM",  "backBM", "colourBM"};
    int next = 0;
    for (const RasterCall& call : trace.calls())
        if (call.has_result && next < 8 && call.name.rfind("Create", 0) == 0)
            names[uint32_t(call.result.value)] = made[next++];
    std::vector<std::string> got = trace.lines(names);
    ASSERT_EQ(got.size(), expected.size());
    for (size_t i = 0; i < got.size(); ++i)
        EXPECT_EQ(got[i], expected[i]) << "first difference at call " << i;
}

TEST(TransBlt, DevicePathSetsModeAndColourThenRestoresThemInOrder) {
    DeviceMode mode(true);
    Surface target(8, 6, target_paint);
    Surface source(8, 6, source_paint);
    SetBkColor(target.dc, RGB(7, 7, 7));
    RasterTrace trace;
    TransBlt(target.dc, 2, 1, 5, 4, source.dc, 1, 0, int32_t(kKey));
    std::vector<std::string> expected{
        "GetDeviceCaps(dst, 94)",      "SetBkMode(dst, 3)",
        "SetBkColor(dst, 0x00FF00FF)", "BitBlt(dst, 2, 1, 5, 4, src, 1, 0, 0x00CC0020)",
        "SetBkColor(dst, 0x00070707)", "SetBkMode(dst, 2)",
    };
    EXPECT_EQ(trace.lines({{target.dc, "dst"}, {source.dc, "src"}}), expected);
}
