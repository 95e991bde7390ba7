#include "support/hover_host.h"

#include "platform/window/message_ids.h"
#include "platform/window/window.h"

using namespace paginor;
using namespace paginor::test;
using platform::MouseButton;

namespace {

class HoverEvents : public HoverHost {};

TEST_F(HoverEvents, PointerRoundOverPictureAndSurface) {
    set_pictures(false);

    struct Step {
        const char* what;
        std::function<void()> act;
        const char *events, *look;
    };
    const Step steps[] = {
        {"enter over the picture", [&] { move(10, 11); }, "MouseMove 0 0 30 45", "hover"},
        {"move on the picture", [&] { move(12, 11); }, "MouseMove 0 0 60 45", "hover"},
        {"rest past the hover time", [&] { advance(500); }, "", "hover"},
        {"left click on the picture", [&] { click(); }, "Click", "hover"},
        {"onto the bare surface", [&] { move(28, 30); }, "MouseMove 0 0 300 330", "hover"},
        {"left click on the bare surface: Click twice", [&] { advance(600), click(); },
         "MouseUp 1 0 300 330; Click; Click", "hover"},
        {"right click on the bare surface", [&] { advance(600), click(MouseButton::Right); },
         "MouseUp 2 0 300 330", "hover"},
        {"leave the control", [&] { move(50, 35); }, "MouseLeave", "normal"},
        {"come back", [&] { move(9, 9); }, "MouseMove 0 0 15 15", "hover"},
        {"double click on the bare surface: the second press raises one Click",
         [&] { move(28, 30), advance(600), click(), click(); },
         "MouseMove 0 0 300 330; MouseUp 1 0 300 330; Click; Click; MouseUp 1 0 300 330; Click",
         "hover"},
        {"Space with Shift, then Shift alone: KeyUp carries the shift state",
         [&] {
             platform::SetFocus(self().hwnd());
             input([] { platform::Input::keyDown(platform::VK_SHIFT); });
             input([] { platform::Input::key(32); });
             input([] { platform::Input::keyUp(platform::VK_SHIFT); });
         },
         "KeyUp 32 1; KeyUp 16 0", "hover"},
        {"disabled: only moves, the leave and keys raise events",
         [&] {
             ASSERT_EQ(button->put_Enabled(VARIANT_FALSE), S_OK);
             move(28, 28), click(), move(10, 10), click();
             input([] { platform::Input::key(13); });
             move(50, 35);
         },
         "MouseMove 0 0 300 300; MouseMove 0 0 30 30; KeyUp 13 0; MouseLeave", "normal"},
    };
    for (const Step& s : steps) {
        s.act();
        EXPECT_EQ(events(), s.events) << s.what;
        EXPECT_EQ(shown(), s.look) << s.what;
    }
}

// A press captured and released outside. On the picture: taking the capture ends the
// tracker's leave request (a leave report), the captured move starts hovering again, the
// release lets the pointer go where it is (another leave), and there is no Click. On the
// surface: the same, and its MouseUp still raises Click (it does not look at where).
TEST_F(HoverEvents, PressReleasedOutside) {
    set_pictures(false);
    const struct {
        int x, y;
        const char* events;
    } rows[] = {
        {10, 10, "MouseMove 0 0 30 30; MouseLeave; MouseMove 1 0 630 405; MouseLeave"},
        {28, 28,
         "MouseMove 0 0 300 300; MouseLeave; MouseMove 1 0 630 405; MouseLeave; "
         "MouseUp 1 0 630 405; Click"},
    };
    for (const auto& row : rows) {
        move(row.x, row.y);
        input([] { platform::Input::press(); });
        move(50, 35);
        input([] { platform::Input::release(); });
        EXPECT_EQ(events(), row.events) << row.x;
        EXPECT_EQ(platform::GetCapture(), platform::HWND(0));
        advance(1000);
    }
}

class HoverLooks : public HoverHost {};

struct LookCase {
    const char* name;
    bool with_inactive, enabled, button_active, hover_inactive;
    const char *rest, *hovered, *left;
};

// Rest is the look after the flags are set (SetButtonActive and Enabled apply it).
const LookCase kLooks[] = {
    {"plain", false, true, true, true, "normal", "hover", "normal"},
    {"disabled, inactive picture", true, false, true, true, "inactive", "inactive", "inactive"},
    {"disabled, no inactive picture", false, false, true, true, "normal", "hover", "normal"},
    {"not active, hover inactive", true, true, false, true, "inactive", "hover", "inactive"},
    {"not active, no hover inactive", true, true, false, false, "inactive", "inactive", "inactive"},
    {"not active, no inactive picture", false, true, false, false, "normal", "hover", "normal"},
};

TEST_F(HoverLooks, RestHoverAndLeaveByFlags) {
    for (const LookCase& c : kLooks) {
        SCOPED_TRACE(c.name);
        set_pictures(c.with_inactive);
        ASSERT_EQ(button->put_HoverInactive(c.hover_inactive ? VARIANT_TRUE : VARIANT_FALSE), S_OK);
        ASSERT_EQ(button->SetButtonActive(c.button_active ? VARIANT_TRUE : VARIANT_FALSE), S_OK);
        ASSERT_EQ(button->put_Enabled(c.enabled ? VARIANT_TRUE : VARIANT_FALSE), S_OK);
        EXPECT_EQ(shown(), c.rest);
        move(28, 28);
        EXPECT_EQ(shown(), c.hovered);
        EXPECT_TRUE(self().tracking());
        move(50, 35);
        EXPECT_EQ(shown(), c.left);
        EXPECT_FALSE(self().tracking());
        // Back to a clean state for the next row.
        ASSERT_EQ(button->putref_InactiveImage(nullptr), S_OK);
        ASSERT_EQ(button->SetButtonActive(VARIANT_TRUE), S_OK);
        ASSERT_EQ(button->put_Enabled(VARIANT_TRUE), S_OK);
    }
}

// Only NormalImage shows at once; SetButtonActive keeps the hover look while tracking,
// Enabled's rest look does not.
TEST_F(HoverLooks, WhichChangesShowAPictureAtOnce) {
    ASSERT_EQ(button->putref_HoverImage(hover.get()), S_OK);
    EXPECT_EQ(shown(), "none");
    ASSERT_EQ(button->putref_NormalImage(normal.get()), S_OK);
    EXPECT_EQ(shown(), "normal");
    move(10, 10);
    EXPECT_EQ(shown(), "hover");
    ASSERT_EQ(button->SetButtonActive(VARIANT_TRUE), S_OK);
    EXPECT_EQ(shown(), "hover");
    ASSERT_EQ(button->put_Enabled(VARIANT_TRUE), S_OK);
    EXPECT_EQ(shown(), "normal");
    ASSERT_EQ(button->putref_NormalImage(inactive.get()), S_OK); // shown whatever the state
    EXPECT_EQ(shown(), "inactive");
}

TEST_F(HoverLooks, StartHoverWithoutPointer) {
    set_pictures(false);
    ASSERT_EQ(button->StartHover(), S_OK);
    EXPECT_EQ(shown(), "hover");
    EXPECT_TRUE(self().tracking());
    EXPECT_EQ(events(), "");
}

class HoverInDesigner : public HoverHost {
    bool user_mode() const override { return false; }
};

TEST_F(HoverInDesigner, NoTrackerNoHoverLook) {
    set_pictures(false);
    move(10, 10);
    EXPECT_EQ(shown(), "normal");
    EXPECT_EQ(button->StartHover(), S_OK);
    EXPECT_EQ(shown(), "normal");
    EXPECT_FALSE(self().tracking());
    move(50, 35);
    EXPECT_EQ(events(), "MouseMove 0 0 30 30");
}

class HoverTip : public HoverHost {
  public:
    platform::HWND tip_window() { return self().tool_tip()->window(); }
};

TEST_F(HoverTip, TakenAtTheNextLookShownAfterTheHoverTimeGoneOnPressOrLeave) {
    set_pictures(false);
    automation::Bstr text(u"Prompt");
    ASSERT_EQ(button->put_HoverText(text.get()), S_OK);
    ASSERT_NE(self().tool_tip(), nullptr);
    EXPECT_EQ(tip(), "") << "the text becomes Image1's tip only at the next look";

    move(10, 10);
    EXPECT_EQ(tip(), "Prompt");
    advance(399);
    EXPECT_EQ(tip_window(), 0u) << "not before the hover time";
    advance(1);
    ASSERT_NE(tip_window(), 0u);
    EXPECT_EQ(self().tool_tip()->text(), u"Prompt"); // placed and drawn: form_test.cpp

    click();
    EXPECT_EQ(tip_window(), 0u) << "a press hides it";

    move(11, 11);
    advance(400);
    ASSERT_NE(tip_window(), 0u);
    automation::Bstr later(u"Later");
    ASSERT_EQ(button->put_HoverText(later.get()), S_OK);
    move(12, 12); // still tracking: no new look
    EXPECT_EQ(tip(), "Prompt");
    move(50, 35);
    advance(100);
    EXPECT_EQ(tip_window(), 0u) << "leaving hides it";
    EXPECT_EQ(tip(), "Later");

    move(28, 28); // the bare surface has no tip
    advance(1000);
    EXPECT_EQ(tip_window(), 0u);

    ASSERT_EQ(button->putref_InactiveImage(inactive.get()), S_OK);
    ASSERT_EQ(button->put_Enabled(VARIANT_FALSE), S_OK); // the inactive look has none
    EXPECT_EQ(tip(), "");
    move(10, 10);
    advance(1000);
    EXPECT_EQ(tip_window(), 0u);
}

} // namespace
