#include "platform/raster/bitmap.h"
#include "platform/raster/blit.h"
#include "platform/raster/dc.h"
#include "platform/raster/gdi.h"
#include "platform/raster/raster.h"

#include <gtest/gtest.h>

#include <functional>
#include <vector>

using namespace paginor::platform;

namespace {

// A memory DC with a fresh bitmap of the given kind; pixels set from a list, left to right.
struct Surface {
    HDC dc{0};
    HBITMAP bitmap{0};
    HGDIOBJ old{0};
    Surface(bool mono, const std::vector<COLORREF>& row) {
        dc = CreateCompatibleDC(0);
        bitmap = CreateBitmap(int(row.size()), 1, 1, mono ? 1 : 32, nullptr);
        old = SelectObject(dc, bitmap);
        for (size_t x = 0; x < row.size(); ++x)
            SetPixel(dc, int(x), 0, row[x]);
    }
    ~Surface() {
        SelectObject(dc, old);
        DeleteObject(bitmap);
        DeleteDC(dc);
    }
    std::vector<COLORREF> row(int n) const {
        std::vector<COLORREF> out;
        for (int x = 0; x < n; ++x)
            out.push_back(GetPixel(dc, x, 0));
        return out;
    }
};

constexpr COLORREF W = 0xFFFFFF, K = 0;

struct Op {
    const char* name;
    DWORD rop;
    std::function<uint32_t(uint32_t p, uint32_t s, uint32_t d)> f;
};

const std::vector<Op>& ops() {
    static const std::vector<Op> table{
        {"SRCCOPY", SRCCOPY, [](auto, auto s, auto) { return s; }},
        {"SRCAND", SRCAND, [](auto, auto s, auto d) { return s & d; }},
        {"SRCINVERT", SRCINVERT, [](auto, auto s, auto d) { return s ^ d; }},
        {"SRCPAINT", SRCPAINT, [](auto, auto s, auto d) { return s | d; }},
        {"NOTSRCCOPY", NOTSRCCOPY, [](auto, auto s, auto) { return ~s; }},
        {"SRCERASE", SRCERASE, [](auto, auto s, auto d) { return s & ~d; }},
        {"NOTSRCERASE", NOTSRCERASE, [](auto, auto s, auto d) { return ~(s | d); }},
        {"MERGEPAINT", MERGEPAINT, [](auto, auto s, auto d) { return ~s | d; }},
        {"MERGECOPY", MERGECOPY, [](auto p, auto s, auto) { return p & s; }},
        {"PATCOPY", PATCOPY, [](auto p, auto, auto) { return p; }},
        {"PATINVERT", PATINVERT, [](auto p, auto, auto d) { return p ^ d; }},
        {"DSTINVERT", DSTINVERT, [](auto, auto, auto d) { return ~d; }},
        {"BLACKNESS", BLACKNESS, [](auto, auto, auto) { return 0u; }},
        {"WHITENESS", WHITENESS, [](auto, auto, auto) { return ~0u; }},
    };
    return table;
}

} // namespace

// Source and target pixels are chosen so that every combination of bits occurs; the
// expected value converts the source by the desktop's rules and then applies the
// operation as a plain formula.
TEST(BitBlt, MonoAndColourConversionUnderEveryRasterOperation) {
    const std::vector<COLORREF> colour_src{RGB(9, 9, 9), W, K, RGB(200, 100, 50)};
    const std::vector<COLORREF> colour_dst{RGB(0x12, 0x34, 0x56), W, K, RGB(9, 9, 9)};
    const std::vector<COLORREF> mono_src{W, K, W, K};
    const std::vector<COLORREF> mono_dst{W, W, K, K};
    const COLORREF src_bk = RGB(9, 9, 9);                          // colour -> mono: equal is 1
    const COLORREF dst_bk = RGB(1, 2, 3), dst_text = RGB(4, 5, 6); // mono -> colour: 1 bk, 0 text
    const COLORREF brush = RGB(0x0F, 0xF0, 0x33);
    for (const Op& op : ops()) {
        for (int kind = 0; kind < 4; ++kind) {
            bool mono_from = kind & 1, mono_to = kind & 2;
            SCOPED_TRACE(testing::Message() << op.name << (mono_from ? " mono" : " colour")
                                            << (mono_to ? " -> mono" : " -> colour"));
            Surface src(mono_from, mono_from ? mono_src : colour_src);
            Surface dst(mono_to, mono_to ? mono_dst : colour_dst);
            SetBkColor(src.dc, src_bk);
            SetBkColor(dst.dc, dst_bk);
            SetTextColor(dst.dc, dst_text);
            HBRUSH b = CreateSolidBrush(brush);
            HGDIOBJ old_brush = SelectObject(dst.dc, b);
            std::vector<COLORREF> before = dst.row(4);
            ASSERT_TRUE(BitBlt(dst.dc, 0, 0, 4, 1, src.dc, 0, 0, op.rop));
            std::vector<COLORREF> want;
            for (int x = 0; x < 4; ++x) {
                COLORREF s = mono_from ? mono_src[x] : colour_src[x];
                if (mono_from && !mono_to)
                    s = s == W ? dst_bk : dst_text;
                else if (!mono_from && mono_to)
                    s = s == src_bk ? W : K;
                COLORREF p = mono_to ? (mono_from_colorref(brush) ? W : K) : brush;
                want.push_back(op.f(p, s, before[x]) & 0xFFFFFF);
            }
            EXPECT_EQ(dst.row(4), want);
            SelectObject(dst.dc, old_brush);
            DeleteObject(b);
        }
    }
}

TEST(BitBlt, ClippingOverlapAndBadArguments) {
    Surface a(false, {RGB(1, 0, 0), RGB(2, 0, 0), RGB(3, 0, 0), RGB(4, 0, 0), RGB(5, 0, 0)});
    // Overlapping copy within one bitmap moves the row right by two.
    EXPECT_TRUE(BitBlt(a.dc, 2, 0, 3, 1, a.dc, 0, 0, SRCCOPY));
    EXPECT_EQ(a.row(5), (std::vector<COLORREF>{RGB(1, 0, 0), RGB(2, 0, 0), RGB(1, 0, 0),
                                               RGB(2, 0, 0), RGB(3, 0, 0)}));
    // Source partly outside its bitmap: only the part that exists lands.
    Surface b(false, {K, K, K, K, K});
    EXPECT_TRUE(BitBlt(b.dc, 0, 0, 5, 1, a.dc, 3, 0, SRCCOPY));
    EXPECT_EQ(b.row(5), (std::vector<COLORREF>{RGB(2, 0, 0), RGB(3, 0, 0), K, K, K}));
    // Negative targets clip away; the out-of-range reads are CLR_INVALID.
    EXPECT_TRUE(BitBlt(b.dc, -3, 0, 4, 1, 0, 0, 0, WHITENESS));
    EXPECT_EQ(b.row(2), (std::vector<COLORREF>{W, RGB(3, 0, 0)}));
    EXPECT_EQ(GetPixel(b.dc, 5, 0), CLR_INVALID);
    EXPECT_FALSE(BitBlt(b.dc, 0, 0, 1, 1, 0x12345, 0, 0, SRCCOPY)); // source needed, unknown
    EXPECT_FALSE(BitBlt(0x12345, 0, 0, 1, 1, a.dc, 0, 0, SRCCOPY));
    EXPECT_FALSE(BitBlt(b.dc, 0, 0, -1, 1, a.dc, 0, 0, SRCCOPY));
    EXPECT_TRUE(BitBlt(b.dc, 0, 0, 0, 0, a.dc, 0, 0, SRCCOPY));
}

TEST(BitBlt, NewTransparentOnlyOnADeviceThatSaysSo) {
    for (bool device : {false, true}) {
        SCOPED_TRACE(device ? "device copies transparently" : "plain device");
        bool saved = display_device().transparent_blt;
        display_device().transparent_blt = device;
        Surface src(false, {RGB(1, 1, 1), RGB(9, 9, 9), RGB(2, 2, 2)});
        Surface dst(false, {W, W, W});
        SetBkMode(dst.dc, NEWTRANSPARENT);
        SetBkColor(dst.dc, RGB(9, 9, 9));
        EXPECT_EQ(GetDeviceCaps(dst.dc, CAPS1), device ? C1_TRANSPARENT : 0);
        BitBlt(dst.dc, 0, 0, 3, 1, src.dc, 0, 0, SRCCOPY);
        EXPECT_EQ(dst.row(3),
                  (std::vector<COLORREF>{RGB(1, 1, 1), device ? W : RGB(9, 9, 9), RGB(2, 2, 2)}));
        display_device().transparent_blt = saved;
    }
}

namespace {

BITMAPINFO header(int w, int h) {
    BITMAPINFO info{};
    info.bmiHeader.biWidth = w;
    info.bmiHeader.biHeight = h;
    return info;
}

std::vector<std::vector<COLORREF>> grid(HDC dc, int w, int h) {
    std::vector<std::vector<COLORREF>> out(static_cast<size_t>(h));
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            out[size_t(y)].push_back(GetPixel(dc, x, y));
    return out;
}

} // namespace

TEST(StretchDIBits, RowOrderScalingAndSourceOrigin) {
    // Buffer rows as stored: A B C / D E F (pixels 0x00RRGGBB).
    const uint32_t bits[] = {0x010000, 0x020000, 0x030000, 0x040000, 0x050000, 0x060000};
    const COLORREF A = RGB(1, 0, 0), B = RGB(2, 0, 0), C = RGB(3, 0, 0), D = RGB(4, 0, 0),
                   E = RGB(5, 0, 0), F = RGB(6, 0, 0), O = RGB(0, 0, 0);
    struct Case {
        const char* name;
        int dw, dh, sx, sy, sw, sh, height_sign;
        std::vector<std::vector<COLORREF>> want; // top 4 x 4 of the target
    };
    const Case cases[] = {
        {"bottom-up: stored first row is the bottom",
         3,
         2,
         0,
         0,
         3,
         2,
         1,
         {{D, E, F, O}, {A, B, C, O}, {O, O, O, O}, {O, O, O, O}}},
        {"top-down",
         3,
         2,
         0,
         0,
         3,
         2,
         -1,
         {{A, B, C, O}, {D, E, F, O}, {O, O, O, O}, {O, O, O, O}}},
        {"doubled to the nearest pixel",
         4,
         4,
         0,
         0,
         2,
         2,
         -1,
         {{A, A, B, B}, {A, A, B, B}, {D, D, E, E}, {D, D, E, E}}},
        {"bottom-up source y counts from the bottom",
         2,
         1,
         1,
         1,
         2,
         1,
         1,
         {{E, F, O, O}, {O, O, O, O}, {O, O, O, O}, {O, O, O, O}}},
        {"halved", 2, 1, 0, 0, 3, 2, -1, {{A, B, O, O}, {O, O, O, O}, {O, O, O, O}, {O, O, O, O}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        HDC dc = CreateCompatibleDC(0);
        HBITMAP bm = CreateBitmap(4, 4, 1, 32, nullptr);
        HGDIOBJ old = SelectObject(dc, bm);
        BITMAPINFO info = header(3, 2 * c.height_sign);
        EXPECT_EQ(StretchDIBits(dc, 0, 0, c.dw, c.dh, c.sx, c.sy, c.sw, c.sh, bits, &info,
                                DIB_RGB_COLORS, SRCCOPY),
                  c.sh);
        EXPECT_EQ(grid(dc, 4, 4), c.want);
        SelectObject(dc, old);
        DeleteObject(bm);
        DeleteDC(dc);
    }
}

TEST(StretchDIBits, RefusesWhatItCannotRead) {
    HDC dc = CreateCompatibleDC(0);
    HBITMAP bm = CreateBitmap(2, 2, 1, 32, nullptr);
    HGDIOBJ old = SelectObject(dc, bm);
    const uint32_t bits[4] = {0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF};
    BITMAPINFO info = header(2, 2);
    BITMAPINFO depth24 = info;
    depth24.bmiHeader.biBitCount = 24;
    BITMAPINFO rle = info;
    rle.bmiHeader.biCompression = 1;
    EXPECT_EQ(StretchDIBits(dc, 0, 0, 2, 2, 0, 0, 2, 2, bits, &depth24, 0, SRCCOPY), 0);
    EXPECT_EQ(StretchDIBits(dc, 0, 0, 2, 2, 0, 0, 2, 2, bits, &rle, 0, SRCCOPY), 0);
    EXPECT_EQ(StretchDIBits(dc, 0, 0, 2, 2, 0, 0, 2, 2, nullptr, &info, 0, SRCCOPY), 0);
    EXPECT_EQ(StretchDIBits(dc, 0, 0, 0, 2, 0, 0, 2, 2, bits, &info, 0, SRCCOPY), 0);
    EXPECT_EQ(StretchDIBits(0x4242, 0, 0, 2, 2, 0, 0, 2, 2, bits, &info, 0, SRCCOPY), 0);
    EXPECT_EQ(GetPixel(dc, 0, 0), 0u);
    // Other raster operations combine with the target.
    fill_solid(dc, {0, 0, 2, 2}, RGB(0x0F, 0x0F, 0x0F));
    EXPECT_EQ(StretchDIBits(dc, 0, 0, 2, 2, 0, 0, 2, 2, bits, &info, 0, SRCINVERT), 2);
    EXPECT_EQ(GetPixel(dc, 1, 1), RGB(0xF0, 0xF0, 0xF0));
    SelectObject(dc, old);
    DeleteObject(bm);
    DeleteDC(dc);
}
