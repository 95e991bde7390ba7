// What the O2007Hover tests share: a fresh window system with a manual clock, a form at
// the screen's origin, the three test pictures, and a sink advised on the control.
//
// The button sits at (120, 120) twips = (8, 8) px, 360 x 360 twips = 24 x 24 px; its
// 16 x 16 picture covers (8..23, 8..23) on the screen, the bare surface the rest.
#pragma once

#include "support/test_sink.h"

#include "automation/variant.h"
#include "buttons/O2007Hover.h"
#include "frame/std_picture.h"
#include "host/form.h"
#include "platform/core/unicode.h"
#include "platform/text/font.h"
#include "platform/window/input.h"
#include "platform/window/message.h"
#include "platform/window/window_system.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace paginor::test {

inline Ref<IDispatch> picture(const char* name) {
    return Ref<IDispatch>::adopt(
        frame::LoadPicture(from_utf8(std::string(PAGINOR_TEST_DATA_DIR "/") + name)));
}

class HoverHost : public ::testing::Test {
  public:
    void SetUp() override {
        platform::set_screen_twips_per_pixel(15);
        form = std::make_unique<host::Form>(u"Form1", 960, 600, 0x00FFFFFF, user_mode());
        disp = form->add(u"PaginorV2CTL.O2007Hover", u"hOne", 120, 120, 360, 360);
        button = static_cast<_O2007Hover*>(disp);
        cookie = advise(disp, DIID___O2007Hover, &log);
        platform::SetActiveWindow(form->hwnd());
        platform::DoEvents();
    }
    void TearDown() override {
        form.reset();
        EXPECT_EQ(log.refs, 1u) << "the control kept the sink";
    }
    virtual bool user_mode() const { return true; }

    O2007Hover& self() { return *static_cast<O2007Hover*>(button); }
    // The picture Image1 shows now: "normal", "hover", "inactive" or "none".
    std::string shown() {
        IDispatch* p = self().image1().Picture();
        return p == normal.get()     ? "normal"
               : p == hover.get()    ? "hover"
               : p == inactive.get() ? "inactive"
               : p == nullptr        ? "none"
                                     : "other";
    }
    std::string tip() { return to_utf8(self().image1().ToolTipText()); }
    // The events seen since the last call, apart by "; ".
    std::string events() {
        std::string all;
        for (const std::string& e : log.take())
            all += (all.empty() ? "" : "; ") + e;
        return all;
    }
    void set_pictures(bool with_inactive) {
        ASSERT_EQ(button->putref_NormalImage(normal.get()), S_OK);
        ASSERT_EQ(button->putref_HoverImage(hover.get()), S_OK);
        if (with_inactive) {
            ASSERT_EQ(button->putref_InactiveImage(inactive.get()), S_OK);
        }
    }
    void move(int x, int y) {
        platform::Input::moveTo(x, y);
        platform::DoEvents();
    }
    void click(platform::MouseButton b = platform::MouseButton::Left) {
        platform::Input::click(b);
        platform::DoEvents();
    }
    // Input, then the pump.
    template <class Input> void input(Input in) {
        in();
        platform::DoEvents();
    }
    void advance(int ms) {
        scope.clock().advance(std::chrono::milliseconds(ms));
        platform::DoEvents();
    }

    platform::WindowSystemScope scope;
    Ref<IDispatch> normal{picture("o2007hover_pic_normal.png")};
    Ref<IDispatch> hover{picture("o2007hover_pic_hover.png")};
    Ref<IDispatch> inactive{picture("o2007hover_pic_inactive.png")};
    std::unique_ptr<host::Form> form;
    IDispatch* disp{nullptr};
    _O2007Hover* button{nullptr};
    Sink log{{"", "MouseUp", "MouseMove", "Click", "MouseLeave", "KeyUp"}};
    DWORD cookie{0};
};

} // namespace paginor::test
