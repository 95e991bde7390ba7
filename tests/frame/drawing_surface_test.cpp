// The persistent drawing surface: clearing, transparent Print that moves CurrentX/Y the
// way the host runtime's Print does, text extents in the surface's font (following the
// font object and the screen density), drawings that survive repaints and resizes, and
// raster objects that balance.
#include "frame/drawing_surface.h"
#include "frame/user_control.h"
#include "platform/core/error.h"
#include "platform/core/system_profile.h"
#include "platform/raster/bitmap.h"
#include "platform/raster/colour.h"
#include "platform/raster/gdi.h"
#include "platform/raster/raster.h"
#include "platform/window/dc_window.h"
#include "platform/window/message.h"
#include "platform/window/window.h"
#include "platform/window/window_system.h"

#include <gtest/gtest.h>

using namespace paginor;
using namespace paginor::frame;
using platform::COLORREF;

namespace {

constexpr COLORREF kWhite = 0xFFFFFF, kRed = 0x0000FF;

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
    EXPECT_EQ(s.CurrentX, 90 + s.TextWidth(u"WW"));
    EXPECT_EQ(s.CurrentY, 10);
    // Transparent: the glyphs' box keeps both backgrounds where no stroke falls.
    EXPECT_EQ(platform::GetPixel(s.hDC(), 90, 10 + line - 1), 0x00FF00u);
    EXPECT_EQ(platform::GetPixel(s.hDC(), 90 + s.TextWidth(u"WW") - 1, 10), kWhite);
    bool red = false;
    for (int y = 10; y < 10 + line; ++y)
        for (int x = 90; x < 90 + s.TextWidth(u"WW"); ++x)
            red |= platform::GetPixel(s.hDC(), x, y) == kRed;
    EXPECT_TRUE(red) << "the strokes take the ForeColor";
    EXPECT_EQ(pixels_not(s, {100, 10 + line, 200, 100}, kWhite), 0) << "nothing below the line";

    s.Print(u"x\ny"); // continues the line, then a new one, then moves below it
    EXPECT_EQ(s.CurrentX, 0);
    EXPECT_EQ(s.CurrentY, 10 + 2 * line);
    s.Cls();
    EXPECT_EQ(s.CurrentX, 0);
    EXPECT_EQ(s.CurrentY, 0);
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
    try {
        s.SetFont(nullptr);
        FAIL() << "took a null font";
    } catch (const RuntimeError& e) {
        EXPECT_EQ(e.number(), 91);
    }
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
        EXPECT_EQ(s.width(), 1);
        EXPECT_EQ(s.height(), 1);
        s.Print(u"text");
    }
    EXPECT_EQ(platform::gdi_object_counts(), before);
}

// A control that draws once, when it starts, and never in its paint handler.
class Sketch final : public UserControl, public IUnknown {
  public:
    HRESULT QueryInterface(REFIID, void**) override { return E_NOINTERFACE; }
    ULONG AddRef() override { return 2; }
    ULONG Release() override { return 1; }
    IUnknown* control_unknown() override { return this; }
    const Class& control_class() const override { return class_entry(ClassId::GradientButton); }

  private:
    void UserControl_InitProperties() override {
        SetBackColor(kWhite);
        platform::fill_solid(surface().hDC(), {2, 2, 6, 6}, kRed);
    }
};

class Site final : public ControlSite {
  public:
    HWND window{0};
    HWND site_window() override { return window; }
    bool ambient_user_mode() override { return true; }
    void on_property_changed(IUnknown*, DISPID) override {}
};

TEST(DrawingSurface, AControlsDrawingSurvivesRepaints) {
    platform::WindowSystemScope scope;
    Site site;
    platform::WindowDesc form;
    form.rect = {0, 0, 100, 100};
    site.window = platform::CreateWindow(form);
    Sketch control;
    control.site(&site, 0, 0, 150, 150);
    control.init_properties();
    control.show();
    control.move(0, 0, 300, 150); // 20 x 10 px
    for (int round = 0; round < 2; ++round) {
        control.refresh();
        platform::DoEvents();
        const platform::Bitmap* shown = platform::window_surface(control.hwnd());
        ASSERT_NE(shown, nullptr);
        EXPECT_EQ(platform::colorref_from_pixel(shown->colour_row(3)[3] & 0xFFFFFF), kRed) << round;
        EXPECT_EQ(platform::colorref_from_pixel(shown->colour_row(3)[15] & 0xFFFFFF), kWhite)
            << round;
    }
    EXPECT_EQ(control.surface().width(), 20);
    control.terminate();
}

} // namespace
