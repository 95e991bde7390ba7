// The line and label controls: end points both drawn, AutoSize from the caption's extent
// in its font, transparent versus opaque background, and drawing objects given back.
#include "controls/Label.h"
#include "controls/Line.h"
#include "platform/raster/bitmap.h"
#include "platform/raster/dc.h"
#include "platform/raster/gdi.h"
#include "platform/raster/raster.h"
#include "platform/text/font.h"
#include "platform/window/window_system.h"

#include <gtest/gtest.h>

using namespace paginor;
namespace pf = paginor::platform;

namespace {

class Canvas {
  public:
    Canvas(int w, int h) {
        dc = pf::CreateCompatibleDC(0);
        bitmap = pf::CreateBitmap(w, h, 1, 32, nullptr);
        old = pf::SelectObject(dc, bitmap);
        pf::fill_solid(dc, {0, 0, w, h}, pf::RGB(0, 255, 0));
    }
    ~Canvas() {
        pf::SelectObject(dc, old);
        pf::DeleteObject(bitmap);
        pf::DeleteDC(dc);
    }
    pf::HDC dc{0};

  private:
    pf::HBITMAP bitmap{0};
    pf::HGDIOBJ old{0};
};

TEST(Line, BothEndPointsAreDrawn) {
    pf::WindowSystemScope scope;
    pf::set_screen_twips_per_pixel(15);
    Canvas c(10, 10);
    controls::Line line;
    line.SetBorderColor(0x000000FF);
    line.SetEnds(15, 30, 75, 30); // (1, 2) to (5, 2)
    const pf::GdiCounts before = pf::gdi_object_counts();
    line.paint(c.dc);
    EXPECT_EQ(pf::gdi_object_counts(), before);
    std::string row;
    for (int x = 0; x < 7; ++x)
        row += pf::GetPixel(c.dc, x, 2) == pf::RGB(255, 0, 0) ? '#' : '.';
    EXPECT_EQ(row, ".#####.");
    EXPECT_EQ(line.bounds(), pf::RECT{}) << "a line takes no input";
}

TEST(Label, AutoSizeBackStyleAndBold) {
    pf::WindowSystemScope scope;
    controls::Label label;
    label.SetCaption(u"Search");
    label.Move(2, 2, 5, 5);
    EXPECT_EQ(label.bounds(), (pf::RECT{2, 2, 7, 7})) << "no AutoSize: size kept";
    label.SetAutoSize(true);
    const pf::RECT plain = label.bounds();
    EXPECT_GT(plain.right - plain.left, 20);
    EXPECT_GT(plain.bottom - plain.top, 8);
    label.SetFontBold(true);
    EXPECT_GT(label.bounds().right, plain.right) << "bold text is wider";

    Canvas c(80, 30);
    const pf::GdiCounts before = pf::gdi_object_counts();
    label.SetBackStyle(0);
    label.paint(c.dc);
    EXPECT_EQ(pf::gdi_object_counts(), before);
    EXPECT_EQ(pf::GetPixel(c.dc, 2, 2), pf::RGB(0, 255, 0)) << "transparent: beneath shows";
    int inked = 0;
    const pf::RECT r = label.bounds();
    for (int y = r.top; y < r.bottom; ++y)
        for (int x = r.left; x < r.right; ++x)
            inked += pf::GetPixel(c.dc, x, y) != pf::RGB(0, 255, 0);
    EXPECT_GT(inked, 20) << "the caption is drawn";
    label.SetBackStyle(1);
    label.SetBackColor(0x00FF0000);
    label.paint(c.dc);
    EXPECT_EQ(pf::GetPixel(c.dc, 2, 2), pf::RGB(0, 0, 255)) << "opaque: BackColor";
    EXPECT_EQ(pf::GetPixel(c.dc, r.right, r.top), pf::RGB(0, 255, 0)) << "only its bounds";
}

} // namespace
