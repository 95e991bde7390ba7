// O2007Hover as a host sees it: pointer and key input in, events out through the
// connection point, in order, with their by-reference arguments.
#include "support/hover_host.h"

#include "platform/window/message_ids.h"
#include "platform/window/window.h"

using namespace paginor;
using namespace paginor::test;
using platform::MouseButton;
using Lines = std::vector<std::string>;

namespace {

class HoverEvents : public HoverHost {};

TEST_F(HoverEvents, PointerRoundOverPictureAndSurface) {
    set_pictures(false);
    ASSERT_NE(cookie, 0u);

    struct Step {
        const char* what;
        std::function<void(HoverEvents&)> act;
        Lines events;
        const char* look;
    };
    const Step steps[] = {
        {"enter over the picture",
         [](HoverEvents& t) { t.move(10, 11); },
         {"MouseMove 0 0 30 45"},
         "hover"},
        {"move on the picture",
         [](HoverEvents& t) { t.move(12, 11); },
         {"MouseMove 0 0 60 45"},
         "hover"},
        {"rest past the hover time", [](HoverEvents& t) { t.advance(500); }, {}, "hover"},
        {"left click on the picture", [](HoverEvents& t) { t.click(); }, {"Click"}, "hover"},
        {"onto the bare surface",
         [](HoverEvents& t) { t.move(28, 30); },
         {"MouseMove 0 0 300 330"},
         "hover"},
        {"left click on the bare surface: Click twice",
         [](HoverEvents& t) { t.advance(600), t.click(); },
         {"MouseUp 1 0 300 330", "Click", "Click"},
         "hover"},
        {"right click on the bare surface",
         [](HoverEvents& t) { t.advance(600), t.click(MouseButton::Right); },
         {"MouseUp 2 0 300 330"},
         "hover"},
        {"leave the control", [](HoverEvents& t) { t.move(50, 35); }, {"MouseLeave"}, "normal"},
        {"come back", [](HoverEvents& t) { t.move(9, 9); }, {"MouseMove 0 0 15 15"}, "hover"},
    };
    for (const Step& s : steps) {
        s.act(*this);
        EXPECT_EQ(log.take(), s.events) << s.what;
        EXPECT_EQ(shown(), s.look) << s.what;
    }
}

TEST_F(HoverEvents, PressOnPictureReleasedOutsideIsNoClick) {
    set_pictures(false);
    move(10, 10);
    platform::Input::press();
    platform::DoEvents();
    move(50, 35); // captured: the move still belongs to the picture
    platform::Input::release();
    platform::DoEvents();
    // Taking the capture ends the tracker's leave request (a leave report); the captured
    // move starts hovering again; the release lets the pointer go where it is (another).
    const Lines expected{"MouseMove 0 0 30 30", "MouseLeave", "MouseMove 1 0 630 405",
                         "MouseLeave"};
    EXPECT_EQ(log.take(), expected);
    EXPECT_EQ(platform::GetCapture(), platform::HWND(0));
}

TEST_F(HoverEvents, DoubleClickOnSurfaceReplacesTheSecondClick) {
    set_pictures(false);
    move(28, 28);
    log.take();
    click();
    click(); // within the double-click time: the second press is a double-click
    const Lines expected{"MouseUp 1 0 300 300", "Click", "Click", "MouseUp 1 0 300 300", "Click"};
    EXPECT_EQ(log.take(), expected);
}

TEST_F(HoverEvents, DisabledRaisesOnlyMovesLeaveAndKeys) {
    set_pictures(true);
    ASSERT_EQ(button->put_Enabled(VARIANT_FALSE), S_OK);
    move(28, 28);
    click();
    move(10, 10);
    click();
    platform::SetFocus(self().hwnd());
    platform::Input::key(13);
    platform::DoEvents();
    move(50, 35);
    const Lines expected{"MouseMove 0 0 300 300", "MouseMove 0 0 30 30", "KeyUp 13 0",
                         "MouseLeave"};
    EXPECT_EQ(log.take(), expected);
}

TEST_F(HoverEvents, KeyUpCarriesShiftAndAnswersComeBack) {
    platform::SetFocus(self().hwnd());
    platform::Input::keyDown(platform::VK_SHIFT);
    platform::DoEvents();
    platform::Input::key(32);
    platform::DoEvents();
    platform::Input::keyUp(platform::VK_SHIFT);
    platform::DoEvents();
    const Lines expected{"KeyUp 32 1", "KeyUp 16 0"};
    EXPECT_EQ(log.take(), expected);
}

TEST_F(HoverEvents, ReleaseOnSurfaceAfterPressOnSurfaceOutsideStillRaisesMouseUp) {
    set_pictures(false);
    move(28, 28);
    log.take();
    platform::Input::press();
    platform::DoEvents();
    move(50, 35);
    platform::Input::release();
    platform::DoEvents();
    // Captured: the move and the release still come to the control; released outside,
    // the surface's MouseUp still raises Click (it does not look at where). The tracking
    // that the captured move starts reports its leave at once: the pointer is outside.
    const Lines expected{"MouseLeave", "MouseMove 1 0 630 405", "MouseLeave", "MouseUp 1 0 630 405",
                         "Click"};
    EXPECT_EQ(log.take(), expected);
}

} // namespace
