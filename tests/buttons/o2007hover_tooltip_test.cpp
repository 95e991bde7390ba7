// The tool-tip of O2007Hover's picture: HoverText shows after the pointer rests on the
// picture for the hover time, in a bordered box of the tool-tip colours below the
// pointer, and goes on a press or when the pointer leaves.
#include "support/hover_host.h"

#include "platform/raster/colour.h"
#include "platform/raster/raster.h"
#include "platform/window/dc_window.h"
#include "platform/window/window.h"

using namespace paginor;
using namespace paginor::test;

namespace {

class HoverTip : public HoverHost {
  public:
    platform::HWND tip_window() { return self().tool_tip()->window(); }
};

TEST_F(HoverTip, ShowsAfterTheHoverTimeAndGoesOnPressOrLeave) {
    set_pictures(false);
    frame::Bstr text(u"Prompt");
    ASSERT_EQ(button->put_HoverText(text.get()), S_OK);
    ASSERT_NE(self().tool_tip(), nullptr);

    move(10, 10);
    advance(399);
    EXPECT_EQ(tip_window(), 0u) << "not before the hover time";
    advance(1);
    ASSERT_NE(tip_window(), 0u);
    EXPECT_EQ(self().tool_tip()->text(), u"Prompt");
    platform::RECT r{};
    platform::GetWindowRect(tip_window(), &r);
    EXPECT_EQ(r.left, 10);
    EXPECT_EQ(r.top, 30);
    EXPECT_GT(r.right - r.left, 6);
    const platform::HDC hdc = platform::GetDC(tip_window());
    EXPECT_EQ(platform::GetPixel(hdc, 0, 0), platform::GetSysColor(platform::COLOR_INFOTEXT));
    EXPECT_EQ(platform::GetPixel(hdc, 1, 1), platform::GetSysColor(platform::COLOR_INFOBK));
    platform::ReleaseDC(tip_window(), hdc);

    click();
    EXPECT_EQ(tip_window(), 0u) << "a press hides it";

    move(11, 11);
    advance(400);
    ASSERT_NE(tip_window(), 0u);
    move(50, 35);
    advance(100);
    EXPECT_EQ(tip_window(), 0u) << "leaving hides it";

    move(28, 28); // the bare surface has no tip
    advance(1000);
    EXPECT_EQ(tip_window(), 0u);
}

TEST_F(HoverTip, InactiveLookHasNoTip) {
    set_pictures(true);
    frame::Bstr text(u"Prompt");
    ASSERT_EQ(button->put_HoverText(text.get()), S_OK);
    ASSERT_EQ(button->put_Enabled(VARIANT_FALSE), S_OK);
    move(10, 10);
    advance(1000);
    EXPECT_EQ(tip_window(), 0u);
}

} // namespace
