// The windowless image: natural size from its picture unless stretched, the picture drawn
// with its transparency over what lies beneath, and counted references to the picture.
#include "controls/Image.h"
#include "frame/std_picture.h"
#include "platform/core/unicode.h"
#include "platform/raster/bitmap.h"
#include "platform/raster/dc.h"
#include "platform/raster/gdi.h"
#include "platform/raster/raster.h"
#include "platform/window/window_system.h"

#include <gtest/gtest.h>

using namespace paginor;

namespace {

frame::StdPicture* load(const char* name) {
    return frame::LoadPicture(from_utf8(std::string(PAGINOR_TEST_DATA_DIR "/") + name));
}

TEST(Image, NaturalSizeStretchAndTransparency) {
    platform::WindowSystemScope scope;
    frame::StdPicture* disc = load("o2007hover_pic_normal.png");
    frame::StdPicture* bars = load("o2007hover_pic_bluered.bmp");
    {
        controls::Image image;
        image.Move(2, 3, 5, 5);
        image.SetPicture(disc);
        EXPECT_EQ(disc->AddRef(), 3u) << "the image holds a reference";
        disc->Release();
        EXPECT_EQ(image.bounds(), (platform::RECT{2, 3, 18, 19})) << "natural size";
        image.SetStretch(true);
        image.SetPicture(bars);
        image.Move(0, 0, 8, 4);
        EXPECT_EQ(image.bounds(), (platform::RECT{0, 0, 8, 4})) << "stretch keeps the size";

        const platform::HDC dc = platform::CreateCompatibleDC(0);
        const platform::HBITMAP target = platform::CreateBitmap(20, 20, 1, 32, nullptr);
        const platform::HGDIOBJ old = platform::SelectObject(dc, target);
        platform::fill_solid(dc, {0, 0, 20, 20}, platform::RGB(0, 255, 0));
        image.paint(dc);
        EXPECT_EQ(platform::GetPixel(dc, 3, 3), platform::RGB(0, 0, 255));
        EXPECT_EQ(platform::GetPixel(dc, 4, 3), platform::RGB(255, 0, 0));
        EXPECT_EQ(platform::GetPixel(dc, 8, 0), platform::RGB(0, 255, 0)) << "outside";

        image.SetStretch(false);
        image.SetPicture(disc);
        image.Move(0, 0, 0, 0);
        platform::fill_solid(dc, {0, 0, 20, 20}, platform::RGB(0, 255, 0));
        image.paint(dc);
        EXPECT_EQ(platform::GetPixel(dc, 0, 0), platform::RGB(0, 255, 0)) << "transparent corner";
        EXPECT_EQ(platform::GetPixel(dc, 8, 8), platform::RGB(40, 90, 200)) << "opaque middle";
        // The ring is half transparent: half of the disc's blue, half of the green.
        const platform::COLORREF ring = platform::GetPixel(dc, 8, 1);
        EXPECT_NEAR(int(ring & 0xFF), (40 + 0) / 2, 1);
        EXPECT_NEAR(int((ring >> 8) & 0xFF), (90 + 255) / 2, 1);
        platform::SelectObject(dc, old);
        platform::DeleteObject(target);
        platform::DeleteDC(dc);
    }
    EXPECT_EQ(disc->Release(), 0u) << "the image let its picture go";
    EXPECT_EQ(bars->Release(), 0u);
}

} // namespace
