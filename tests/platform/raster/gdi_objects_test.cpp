#include "platform/raster/bitmap.h"
#include "platform/raster/colour.h"
#include "platform/raster/dc.h"
#include "platform/raster/gdi.h"
#include "platform/raster/raster.h"
#include "platform/text/font.h"
#include "support/memory_surface.h"

#include <gtest/gtest.h>

using namespace paginor;
using namespace paginor::platform;

TEST(GdiObjects, CountsSelectionAndDeletionRules) {
    const GdiCounts start = gdi_object_counts();
    HDC a = CreateCompatibleDC(0);
    HDC b = CreateCompatibleDC(a);
    EXPECT_EQ(CreateCompatibleDC(0x777), 0u);
    HBITMAP colour = CreateBitmap(4, 3, 1, 32, nullptr);
    HBRUSH brush = CreateSolidBrush(RGB(1, 2, 3));
    HPEN pen = CreatePen(PS_SOLID, 1, 0);
    HFONT font = create_font(u"Arial", 10);
    EXPECT_EQ(gdi_object_counts(), (GdiCounts{start.dcs + 2, start.bitmaps + 1, start.brushes + 1,
                                              start.pens + 1, start.fonts + 1}));
    EXPECT_EQ(GetObjectType(a), OBJ_MEMDC);
    EXPECT_EQ(GetObjectType(colour), OBJ_BITMAP);
    EXPECT_EQ(GetObjectType(font), OBJ_FONT);
    EXPECT_EQ(GetObjectType(0x123), 0u);

    // A new memory DC holds the 1x1 monochrome default; compatible bitmaps follow it.
    HBITMAP mono = CreateCompatibleBitmap(a, 2, 2);
    EXPECT_TRUE(bitmap_object(mono)->monochrome());
    HGDIOBJ default_bitmap = SelectObject(a, colour);
    EXPECT_EQ(default_bitmap, GetStockObject(DEFAULT_BITMAP));
    HBITMAP now_colour = CreateCompatibleBitmap(a, 2, 2);
    EXPECT_FALSE(bitmap_object(now_colour)->monochrome());
    EXPECT_EQ(GetCurrentObject(a, OBJ_BITMAP), colour);

    // One DC at a time per bitmap; selected objects cannot be deleted.
    EXPECT_EQ(SelectObject(b, colour), 0u);
    EXPECT_FALSE(DeleteObject(colour));
    EXPECT_EQ(SelectObject(a, brush), GetStockObject(WHITE_BRUSH));
    EXPECT_FALSE(DeleteObject(brush));
    EXPECT_EQ(SelectObject(a, GetStockObject(WHITE_BRUSH)), brush);
    EXPECT_EQ(SelectObject(a, default_bitmap), colour);
    EXPECT_EQ(SelectObject(b, colour), default_bitmap);
    EXPECT_TRUE(DeleteDC(b)); // unselects, does not delete
    EXPECT_TRUE(DeleteObject(colour));
    EXPECT_FALSE(DeleteObject(colour));
    EXPECT_TRUE(DeleteObject(GetStockObject(BLACK_PEN))); // stock: a no-op
    EXPECT_NE(GetStockObject(BLACK_PEN), 0u);
    EXPECT_FALSE(DeleteObject(a)); // DCs go through DeleteDC
    for (HGDIOBJ h :
         {HGDIOBJ(mono), HGDIOBJ(now_colour), HGDIOBJ(brush), HGDIOBJ(pen), HGDIOBJ(font)})
        EXPECT_TRUE(DeleteObject(h));
    EXPECT_TRUE(DeleteDC(a));
    EXPECT_FALSE(DeleteDC(a));
    EXPECT_EQ(gdi_object_counts(), start);

    // Sizes that would exhaust memory are refused.
    EXPECT_EQ(CreateBitmap(0, 5, 1, 32, nullptr), 0u);
    EXPECT_EQ(CreateBitmap(100000, 100000, 1, 32, nullptr), 0u);
    EXPECT_EQ(CreateBitmap(2, 2, 1, 8, nullptr), 0u);
    EXPECT_EQ(gdi_object_counts(), start);
}

TEST(GdiObjects, DcStateAndDeviceCaps) {
    HDC dc = CreateCompatibleDC(0);
    EXPECT_EQ(GetTextColor(dc), 0u);
    EXPECT_EQ(SetBkColor(dc, 0xFFFFFFFF), 0xFFFFFFu); // white before
    EXPECT_EQ(GetBkColor(dc), 0xFFFFFFFFu);           // kept as given
    EXPECT_EQ(SetBkMode(dc, NEWTRANSPARENT), OPAQUE); // opaque before
    EXPECT_EQ(SetBkMode(dc, 7), 0);
    EXPECT_EQ(GetBkMode(dc), NEWTRANSPARENT);
    EXPECT_EQ(SetBkColor(0x999, 0), CLR_INVALID);
    EXPECT_EQ(GetDeviceCaps(dc, BITSPIXEL), 32);
    EXPECT_EQ(GetDeviceCaps(dc, LOGPIXELSX), 96);
    EXPECT_EQ(GetDeviceCaps(0x999, BITSPIXEL), 0);
    EXPECT_EQ(GetClipBox(dc), (RECT{0, 0, 1, 1}));
    DeleteDC(dc);
}

TEST(Raster, PixelsRectanglesLinesAndEdges) {
    paginor::testing_support::MemorySurface surface(6, 5);
    HDC dc = surface.dc;
    auto rows = [&] {
        std::vector<std::string> out;
        for (int y = 0; y < 5; ++y) {
            std::string line;
            for (int x = 0; x < 6; ++x) {
                COLORREF c = GetPixel(dc, x, y);
                line += c == 0                                 ? '.'
                        : c == RGB(255, 0, 0)                  ? 'r'
                        : c == RGB(0, 0, 255)                  ? 'b'
                        : c == GetSysColor(COLOR_3DLIGHT)      ? 'l'
                        : c == GetSysColor(COLOR_3DDKSHADOW)   ? 'k'
                        : c == GetSysColor(COLOR_BTNHIGHLIGHT) ? 'h'
                        : c == GetSysColor(COLOR_BTNSHADOW)    ? 's'
                                                               : '?';
            }
            out.push_back(line);
        }
        return out;
    };
    EXPECT_EQ(SetPixel(dc, 2, 2, 0xFF0000FF), RGB(255, 0, 0)); // top byte dropped
    EXPECT_EQ(SetPixel(dc, 6, 0, 0), CLR_INVALID);
    HPEN pen = CreatePen(PS_SOLID, 1, RGB(0, 0, 255));
    HBRUSH brush = CreateSolidBrush(RGB(255, 0, 0));
    HGDIOBJ old_pen = SelectObject(dc, pen);
    HGDIOBJ old_brush = SelectObject(dc, brush);
    Rectangle(dc, 0, 0, 4, 4);
    EXPECT_EQ(rows(), (std::vector<std::string>{"bbbb..", "brrb..", "brrb..", "bbbb..", "......"}));
    MoveToEx(dc, 5, 0, nullptr);
    LineTo(dc, 5, 4); // the end point stays unpainted
    POINT at{};
    MoveToEx(dc, 0, 4, &at);
    EXPECT_EQ(at, (POINT{5, 4}));
    LineTo(dc, 3, 4);
    EXPECT_EQ(rows(), (std::vector<std::string>{"bbbb.b", "brrb.b", "brrb.b", "bbbb.b", "bbb..."}));
    fill_solid(dc, {0, 0, 6, 5}, 0);
    RECT r{0, 0, 6, 5};
    DrawEdge(dc, &r, EDGE_RAISED, BF_RECT | BF_ADJUST);
    EXPECT_EQ(r, (RECT{2, 2, 4, 3}));
    EXPECT_EQ(rows(), (std::vector<std::string>{"lllllk", "lhhhsk", "lh..sk", "lssssk", "kkkkkk"}));
    EXPECT_EQ(FillRect(dc, {0, 0, 6, 5}, HBRUSH(COLOR_BTNSHADOW + 1)), 1);
    EXPECT_EQ(rows()[4], "ssssss");
    EXPECT_EQ(FillRect(dc, {0, 0, 6, 5}, GetStockObject(NULL_BRUSH)), 0);
    // An untranslatable colour (-1) reaching a brush paints its low 24 bits.
    HBRUSH minus_one = CreateSolidBrush(0xFFFFFFFF);
    EXPECT_EQ(FillRect(dc, {0, 0, 1, 1}, minus_one), 1);
    EXPECT_EQ(GetPixel(dc, 0, 0), 0xFFFFFFu);
    DeleteObject(minus_one);
    SelectObject(dc, old_pen);
    SelectObject(dc, old_brush);
    DeleteObject(pen);
    DeleteObject(brush);
}

TEST(Colours, OleTranslateColorTable) {
    struct Case {
        OLE_COLOR in;
        HRESULT hr;
        COLORREF out;
    };
    std::vector<Case> cases = {
        {0x00123456, S_OK, 0x123456},         {0x02345678, S_OK, 0x345678}, // palette-relative
        {0x01000009, S_OK, RGB(255, 0, 0)},   {0x8000001F, E_INVALIDARG, 0xABCDEF},
        {0x80000105, E_INVALIDARG, 0xABCDEF}, {0x01000010, E_INVALIDARG, 0xABCDEF},
        {0x04000000, E_INVALIDARG, 0xABCDEF}, {0xFFFFFFFF, E_INVALIDARG, 0xABCDEF},
    };
    for (int i = 0; i < kSysColorCount; ++i) // every system colour: its current value
        cases.push_back({0x80000000u | OLE_COLOR(i), S_OK, GetSysColor(i)});
    for (const Case& c : cases) {
        COLORREF out = 0xABCDEF;
        EXPECT_EQ(OleTranslateColor(c.in, 0, &out), c.hr) << std::hex << c.in;
        EXPECT_EQ(out, c.out) << std::hex << c.in;
    }
    EXPECT_EQ(OleTranslateColor(0, 0, nullptr), E_POINTER);
    // System colours translate to their current value.
    COLORREF out = 0;
    set_sys_color(COLOR_INFOBK, RGB(1, 1, 1));
    EXPECT_EQ(OleTranslateColor(0x80000018, 0, &out), S_OK);
    EXPECT_EQ(out, RGB(1, 1, 1));
    reset_sys_colors();
    EXPECT_EQ(GetSysColor(COLOR_INFOBK), RGB(255, 255, 225));
    EXPECT_EQ(GetSysColor(99), 0u);
}
