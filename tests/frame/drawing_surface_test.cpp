// A control's drawing surviving repaints is in user_control_test.cpp.
#include "frame/drawing_surface.h"
#include "platform/core/error.h"
#include "platform/core/system_profile.h"
#include "platform/raster/colour.h"
#include "platform/raster/gdi.h"
#include "platform/raster/raster.h"

#include "support/raises.h"

#include <gtest/gtest.h>

#include <utility>

using namespace paginor;
using namespace paginor::frame;
using platform::COLORREF;
using platform::RECT;

namespace {

constexpr COLORREF kWhite = 0xFFFFFF, kRed = 0x0000FF;

// The current point.
using Point = std::pair<double, double>;
Point current(const DrawingSurface& s) {
    return {s.CurrentX, s.CurrentY};
}

// Pixels of a rectangle of the surface that are not the colour.
int pixels_not(const DrawingSurface& s, RECT r, COLORREF colour) {
    int n = 0;
    for (int y = r.top; y < r.bottom; ++y)
        for (int x = r.left; x < r.right; ++x)
            n += platform::GetPixel(s.hDC(), x, y) != colour;
    return n;
}

TEST(DrawingSurface, PrintDrawsTransparentlyAndMovesTheCurrentPoint) {
    DrawingSurface s(kWhite, FontDescription{u"Arial", 12}, u"Test");
    s.resize(200, 100);
    EXPECT_EQ(pixels_not(s, {0, 0, 200, 100}, kWhite), 0);
    const int line = s.TextHeight(u"");
    EXPECT_GT(line, 12);
    EXPECT_EQ(s.TextHeight(u"a\r\nb\nc"), 3 * line);
    EXPECT_EQ(s.TextWidth(u"ab\r\nabcd"), s.TextWidth(u"abcd"));
    EXPECT_GT(s.TextWidth(u"abcd"), s.TextWidth(u"ab"));

    platform::fill_solid(s.hDC(), {0, 0, 100, 100}, 0x00FF00); // left half green
    s.SetForeColor(kRed);
    s.CurrentX = 90;
    s.CurrentY = 10;
    s.Print(u"WW", false);
    const int ww = s.TextWidth(u"WW");
    EXPECT_EQ(current(s), Point(90 + ww, 10));
    // Transparent: the glyphs' box keeps both backgrounds where no stroke falls.
    EXPECT_EQ(platform::GetPixel(s.hDC(), 90, 10 + line - 1), 0x00FF00u);
    EXPECT_EQ(platform::GetPixel(s.hDC(), 90 + ww - 1, 10), kWhite);
    EXPECT_LT(pixels_not(s, {90, 10, 90 + ww, 10 + line}, kRed), ww * line)
        << "the strokes take the ForeColor";
    EXPECT_EQ(pixels_not(s, {100, 10 + line, 200, 100}, kWhite), 0) << "nothing below the line";

    s.Print(u"x\ny"); // continues the line, then a new one, then moves below it
    EXPECT_EQ(current(s), Point(0, 10 + 2 * line));
    s.Cls();
    EXPECT_EQ(current(s), Point(0, 0));
    EXPECT_EQ(pixels_not(s, {0, 0, 200, 100}, kWhite), 0);
}

TEST(DrawingSurface, ExtentsFollowTheFontObjectAndTheScreenDensity) {
    DrawingSurface s(kWhite, FontDescription{u"Arial", 9}, u"Test");
    const int plain = s.TextWidth(u"Criterion"), height = s.TextHeight(u"");
    s.Font()->set_bold(true);
    EXPECT_GT(s.TextWidth(u"Criterion"), plain);
    StdFont* big = StdFont::create(FontDescription{u"Arial", 18});
    s.SetFont(big);
    big->Release(); // the surface holds its own reference
    EXPECT_GT(s.TextHeight(u""), height * 3 / 2);
    const int at15 = s.TextHeight(u"");
    platform::set_screen_twips_per_pixel(12);
    EXPECT_GT(s.TextHeight(u""), at15); // more pixels per point
    platform::set_screen_twips_per_pixel(15);
    EXPECT_EQ(s.TextHeight(u""), at15);
    EXPECT_EQ(test::error_of([&] { s.SetFont(nullptr); }), 91) << "took a null font";
    EXPECT_EQ(s.Font()->description().size, 18);
}

TEST(DrawingSurface, ResizeKeepsTheDrawingAndObjectsBalance) {
    const platform::GdiCounts before = platform::gdi_object_counts();
    {
        DrawingSurface s(0x8000000F, FontDescription{}, u"Test");
        s.resize(10, 10);
        platform::SetPixel(s.hDC(), 9, 9, kRed);
        s.resize(20, 5); // narrower in one way, wider in the other
        EXPECT_EQ(pixels_not(s, {10, 0, 20, 5}, platform::GetSysColor(15)), 0);
        s.resize(20, 20);
        EXPECT_EQ(platform::GetPixel(s.hDC(), 9, 9), platform::GetSysColor(15))
            << "what was cut off does not come back";
        platform::SetPixel(s.hDC(), 3, 4, kRed);
        s.resize(0, -4); // taken as 1 x 1
        EXPECT_EQ(std::pair(s.width(), s.height()), std::pair(1, 1));
        s.Print(u"text");
    }
    EXPECT_EQ(platform::gdi_object_counts(), before);
}

} // namespace
