// The three looks of O2007Hover (rest, hover, leave) and its tool-tip text, across the
// flags that choose between them.
#include "support/hover_host.h"

using namespace paginor;
using namespace paginor::test;

namespace {

class HoverLooks : public HoverHost {};

struct LookCase {
    const char* name;
    bool with_inactive;
    bool enabled;
    bool button_active;
    bool hover_inactive;
    const char* rest;
    const char* hovered;
    const char* left;
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

TEST_F(HoverLooks, HoverTextBecomesTheTipOnlyAtTheNextLook) {
    set_pictures(true);
    frame::Bstr text(u"Prompt");
    ASSERT_EQ(button->put_HoverText(text.get()), S_OK);
    EXPECT_EQ(tip(), "");
    move(10, 10);
    EXPECT_EQ(tip(), "Prompt");
    frame::Bstr other(u"Later");
    ASSERT_EQ(button->put_HoverText(other.get()), S_OK);
    move(12, 12); // still tracking: no new look
    EXPECT_EQ(tip(), "Prompt");
    move(50, 35);
    EXPECT_EQ(tip(), "Later");
    ASSERT_EQ(button->put_Enabled(VARIANT_FALSE), S_OK); // inactive look: no tip
    EXPECT_EQ(tip(), "");
    frame::Bstr read;
    ASSERT_EQ(button->get_HoverText(read.out()), S_OK);
    EXPECT_EQ(read.view(), u"Later");
}

TEST_F(HoverLooks, NormalImageShowsAtOnceOthersWaitForALook) {
    ASSERT_EQ(button->putref_HoverImage(hover), S_OK);
    EXPECT_EQ(shown(), "none");
    ASSERT_EQ(button->putref_NormalImage(normal), S_OK);
    EXPECT_EQ(shown(), "normal");
    move(10, 10);
    EXPECT_EQ(shown(), "hover");
    ASSERT_EQ(button->putref_NormalImage(inactive), S_OK); // shown whatever the state
    EXPECT_EQ(shown(), "inactive");
}

TEST_F(HoverLooks, SetButtonActiveKeepsHoverWhileTracking) {
    set_pictures(true);
    move(10, 10);
    ASSERT_EQ(button->SetButtonActive(VARIANT_TRUE), S_OK);
    EXPECT_EQ(shown(), "hover");
    ASSERT_EQ(button->put_Enabled(VARIANT_TRUE), S_OK); // Enabled's rest look: normal
    EXPECT_EQ(shown(), "normal");
}

TEST_F(HoverLooks, StartHoverWithoutPointer) {
    set_pictures(false);
    ASSERT_EQ(button->StartHover(), S_OK);
    EXPECT_EQ(shown(), "hover");
    EXPECT_TRUE(self().tracking());
    EXPECT_TRUE(log.take().empty());
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
    EXPECT_EQ(log.take(), (std::vector<std::string>{"MouseMove 0 0 30 30"}));
}

} // namespace
