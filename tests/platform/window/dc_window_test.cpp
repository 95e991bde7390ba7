#include "platform/image/image_codec.h"
#include "platform/raster/bitmap.h"
#include "platform/raster/dc.h"
#include "platform/raster/gdi.h"
#include "platform/raster/raster.h"
#include "platform/window/dc_window.h"
#include "support/message_recorder.h"

using namespace paginor::platform;
using namespace paginor::testing_support;

namespace {

class WindowDc : public WindowSystemTest {};

TEST_F(WindowDc, DrawsIntoTheBackingBitmapClippedToTheVisiblePart) {
    HWND top = make(0, {100, 100, 140, 130});
    // A child hanging over its parent's right and bottom edges: only 10 x 5 of it shows.
    HWND child = make(top, {30, 25, 50, 45});
    const GdiCounts before = gdi_object_counts();
    HDC dc = GetDC(child);
    EXPECT_EQ(GetObjectType(dc), OBJ_DC);
    EXPECT_EQ(WindowFromDC(dc), child);
    EXPECT_EQ(gdi_object_counts().dcs, before.dcs + 1);
    EXPECT_EQ(GetClipBox(dc), (RECT{0, 0, 10, 5}));
    // A bitmap cannot go into a window DC; compatible bitmaps are colour.
    HBITMAP compatible = CreateCompatibleBitmap(dc, 2, 2);
    EXPECT_FALSE(bitmap_object(compatible)->monochrome());
    EXPECT_EQ(SelectObject(dc, compatible), 0u);
    DeleteObject(compatible);

    fill_solid(dc, {0, 0, 20, 20}, RGB(255, 0, 0));
    Bitmap* surface = window_surface(child);
    EXPECT_EQ(surface->width(), 20);
    EXPECT_EQ(surface->pixel(9, 4), RGB(255, 0, 0));
    EXPECT_EQ(surface->pixel(10, 4), 0u); // clipped away
    EXPECT_EQ(surface->pixel(9, 5), 0u);
    EXPECT_EQ(GetPixel(dc, 12, 2), CLR_INVALID);
    EXPECT_EQ(image_from_dc(dc).pixels, std::vector<uint32_t>(50, 0xFFFF0000u)); // 10 x 5

    EXPECT_EQ(ReleaseDC(top, dc), 0); // not this window's DC
    EXPECT_EQ(DeleteDC(dc), 0);       // window DCs go back through ReleaseDC
    EXPECT_EQ(ReleaseDC(child, dc), 1);
    EXPECT_EQ(gdi_object_counts(), before);

    // Hidden: nothing can be drawn. Resized: the backing follows, keeping its pixels.
    ShowWindow(child, SW_HIDE);
    dc = GetDC(child);
    EXPECT_EQ(GetClipBox(dc), (RECT{}));
    EXPECT_EQ(SetPixel(dc, 0, 0, 0xFFFFFF), CLR_INVALID);
    ReleaseDC(child, dc);
    ShowWindow(child, SW_SHOW);
    MoveWindow(child, 0, 0, 30, 8, TRUE);
    dc = GetDC(child);
    EXPECT_EQ(GetClipBox(dc), (RECT{0, 0, 30, 8}));
    EXPECT_EQ(window_surface(child)->width(), 30);
    EXPECT_EQ(GetPixel(dc, 9, 4), RGB(255, 0, 0));
    ReleaseDC(child, dc);
    EXPECT_EQ(GetDC(0x7777), 0u);
    EXPECT_EQ(gdi_object_counts(), before);
}

} // namespace
