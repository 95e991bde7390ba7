#include "automation/object_count.h"
#include "frame/drawing_surface.h"
#include "frame/nested_control.h"
#include "frame/user_control.h"
#include "platform/core/error.h"
#include "platform/core/system_profile.h"
#include "platform/raster/bitmap.h"
#include "platform/raster/colour.h"
#include "platform/raster/raster.h"
#include "platform/window/dc_window.h"
#include "platform/window/input.h"
#include "platform/window/message.h"
#include "platform/window/window.h"
#include "platform/window/window_system.h"

#include "support/raises.h"
#include "support/test_site.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

using namespace paginor;
using namespace paginor::frame;
using namespace paginor::library;
namespace {

// Appends an entry to a log whose entries stand apart by "; ".
void note(std::string& log, const std::string& entry) {
    log += (log.empty() ? "" : "; ") + entry;
}

class Recording final : public UserControl, public IUnknown {
  public:
    std::string seen;

    HRESULT QueryInterface(REFIID, void**) override { return E_NOINTERFACE; }
    ULONG AddRef() override { return 2; }
    ULONG Release() override { return 1; }
    IUnknown* control_unknown() override { return this; }
    const automation::Class& control_class() const override {
        return class_entry(ClassId::O2007Hover);
    }

  private:
    // "<name>" and the arguments as whole numbers.
    template <class... A> void log(const char* name, A... a) {
        std::string line = name;
        ((line += " " + std::to_string(int(a))), ...);
        note(seen, line);
    }
    void UserControl_Initialize() override { log("Initialize"); }
    void UserControl_InitProperties() override {
        log("InitProperties");
        SetBackColor(0x00FFFFFF); // drawn once, never in the paint handler
        platform::fill_solid(surface().hDC(), {2, 2, 6, 6}, 0x000000FF);
    }
    void UserControl_ReadProperties(const PropertyBag&) override { log("ReadProperties"); }
    void UserControl_WriteProperties(PropertyBag&) override { log("WriteProperties"); }
    void UserControl_Show() override { log("Show"); }
    void UserControl_Resize() override { log("Resize", Width(), Height()); }
    void UserControl_Paint(HDC) override { log("Paint"); }
    void UserControl_Terminate() override { log("Terminate"); }
    void mouse(const char* name, const MouseEvent& e) { log(name, e.button, e.shift, e.x, e.y); }
    void UserControl_MouseDown(const MouseEvent& e) override { mouse("MouseDown", e); }
    void UserControl_MouseMove(const MouseEvent& e) override { mouse("MouseMove", e); }
    void UserControl_MouseUp(const MouseEvent& e) override { mouse("MouseUp", e); }
    void UserControl_Click() override { log("Click"); }
    void UserControl_DblClick() override { log("DblClick"); }
    void UserControl_KeyDown(KeyEvent& e) override { log("KeyDown", e.key, e.shift); }
    void UserControl_KeyPress(SHORT& k) override { log("KeyPress", k); }
    void UserControl_KeyUp(KeyEvent& e) override { log("KeyUp", e.key, e.shift); }
    void UserControl_EnterFocus() override { log("EnterFocus"); }
    void UserControl_ExitFocus() override { log("ExitFocus"); }
};

const char* const kHoverEvents[] = {"", "MouseUp", "MouseMove", "Click", "MouseLeave", "KeyUp"};

// A container that places three image buttons when it starts, as the prompt field does.
class Container final : public test::StubControl<ClassId::PromptField> {
  public:
    std::string seen;
    std::vector<NestedControl*> buttons;

  private:
    void UserControl_Initialize() override {
        const char* names[] = {"hPrompt", "hCalendar", "hAdd"};
        for (int i = 0; i < 3; ++i)
            buttons.push_back(
                &add_control(ClassId::O2007Hover, 300.0 * i, 60, 240, 240,
                             [this, name = std::string(names[i])](DISPID id, EventArgs& args) {
                                 on_button(name, id, args);
                             }));
    }
    void UserControl_Terminate() override { note(seen, "Terminate"); }

    void on_button(const std::string& name, DISPID id, EventArgs& args) {
        std::string line = name + " " + kHoverEvents[id];
        if (id == 1 || id == 2)
            line += " " + std::to_string(args.i2(0)) + " " + std::to_string(args.i2(1)) + " " +
                    std::to_string(int(args.r4(2))) + " " + std::to_string(int(args.r4(3)));
        note(seen, line);
    }
};

class UserControlHost : public ::testing::Test {
  protected:
    void SetUp() override {
        platform::WindowDesc form;
        form.rect = {0, 0, 200, 100};
        site.window = platform::CreateWindow(form);
        site.font = {u"Arial", 10, true};
        platform::SetActiveWindow(site.window);
    }
    // Input, then the pump.
    template <class Input> void input(Input in) {
        in();
        platform::DoEvents();
    }
    // The container sited, started and shown at (left, top), 1500 x 600 twips.
    void start(double left = 150, double top = 150) {
        container.site(&site, left, top, 1500, 600);
        container.init_properties();
        container.show();
        container.move(left, top, 1500, 600);
        platform::DoEvents();
    }
    platform::WindowSystemScope scope;
    test::TestSite site;
    Recording control;
    Container container;
};

TEST_F(UserControlHost, LifecycleStepsInOrderPaintsCoalesceAndMessagesBecomeEvents) {
    control.site(&site, 150, 150, 300, 450); // (10, 10), 20 x 30 px
    control.init_properties();
    control.show();                   // the first Resize, at the sited size, comes before Show
    control.move(150, 150, 300, 450); // the same size: no Resize
    control.move(150, 150, 600, 450);
    platform::DoEvents();
    control.refresh();
    control.refresh();
    platform::DoEvents(); // two invalidations, one paint
    // What InitProperties drew shows at every paint; the rest is the BackColor.
    const platform::Bitmap* shown = platform::window_surface(control.hwnd());
    ASSERT_NE(shown, nullptr);
    EXPECT_EQ(control.surface().width(), 40);
    EXPECT_EQ(platform::colorref_from_pixel(shown->colour_row(3)[3] & 0xFFFFFF), 0x0000FFu);
    EXPECT_EQ(platform::colorref_from_pixel(shown->colour_row(3)[15] & 0xFFFFFF), 0xFFFFFFu);
    control.SetBackColor(0x0000FF00);
    platform::DoEvents();
    EXPECT_EQ(std::exchange(control.seen, ""),
              "Initialize; InitProperties; Resize 300 450; Show; Resize 600 450; Paint; Paint; "
              "Paint");

    platform::Input::moveTo(12, 13);
    platform::Input::click(); // press gives the focus
    platform::Input::click(); // the second press is a double-click
    input([] { platform::Input::press(platform::MouseButton::Right); });
    platform::Input::moveTo(60, 70); // captured: still ours
    platform::DoEvents();
    input([] { platform::Input::release(platform::MouseButton::Right); });
    input([] { platform::Input::keyDown(platform::VK_SHIFT); });
    input([] { platform::Input::key('A'); });
    input([] { platform::Input::keyUp(platform::VK_SHIFT); });
    platform::SetFocus(site.window);
    EXPECT_EQ(std::exchange(control.seen, ""),
              "MouseMove 0 0 30 45; EnterFocus; MouseDown 1 0 30 45; MouseUp 1 0 30 45; Click; "
              "DblClick; MouseUp 1 0 30 45; MouseDown 2 0 30 45; MouseMove 2 0 750 900; "
              "MouseUp 2 0 750 900; KeyDown 16 1; KeyDown 65 1; KeyPress 65; KeyUp 65 1; "
              "KeyUp 16 0; ExitFocus");
    EXPECT_EQ(platform::GetCapture(), 0u);

    PropertyBag bag;
    control.write_properties(bag);
    control.read_properties(bag);
    control.terminate();
    control.terminate();
    EXPECT_EQ(control.seen, "WriteProperties; ReadProperties; Terminate");
    EXPECT_EQ(control.hwnd(), 0u);
}

TEST_F(UserControlHost, ChildrenSitInsideTheContainerAtItsModeAndFont) {
    platform::set_screen_twips_per_pixel(12, 15);
    site.user_mode = false;
    const long before = automation::live_objects();
    start(120, 120);
    ASSERT_EQ(container.buttons.size(), 3u);
    EXPECT_EQ(automation::live_objects(),
              before + 3 + 4); // the buttons, and the four surfaces' fonts
    for (size_t i = 0; i < 3; ++i) {
        UserControl& child = container.buttons[i]->control();
        EXPECT_EQ(platform::GetParent(child.hwnd()), container.hwnd());
        EXPECT_TRUE(platform::IsWindowVisible(child.hwnd()));
        RECT r{};
        platform::GetWindowRect(child.hwnd(), &r); // 12 twips a pixel across, 15 down
        EXPECT_EQ(r, (RECT{10 + 25 * LONG(i), 12, 30 + 25 * LONG(i), 28})) << i;
        EXPECT_FALSE(child.UserMode());
        EXPECT_EQ(child.AmbientFont(), site.font);
        EXPECT_EQ(child.Parent(), static_cast<IDispatch*>(&container));
    }
    // The children follow the container's font as it is when they ask.
    container.surface().Font()->set_size(14);
    EXPECT_EQ(container.buttons[0]->control().AmbientFont().size, 14);

    container.terminate();
    EXPECT_EQ(automation::live_objects(), before);
    EXPECT_EQ(container.seen, "Terminate");
    platform::set_screen_twips_per_pixel(15);
}

TEST_F(UserControlHost, ChildEventsReachTheContainersHandlerAndNoChildWhereNoneCanGo) {
    // Before the container has a window.
    EXPECT_EQ(test::error_of([&] { container.add_control(ClassId::O2007Hover, 0, 0, 9, 9, {}); }),
              5);
    start(); // container at (10, 10); buttons at (10, 14), (30, 14), (50, 14), 16 px square
    input([] { platform::Input::moveTo(15, 20); });
    input([] { platform::Input::click(); });
    input([] { platform::Input::moveTo(52, 16); });
    input([] { platform::Input::key('K'); });
    // No pictures: every button is bare surface, so a left click raises MouseUp and Click
    // twice; moving on to another button leaves the first; the key goes to the button that the
    // click gave the focus.
    EXPECT_EQ(container.seen, "hPrompt MouseMove 0 0 75 90; hPrompt MouseUp 1 0 75 90; "
                              "hPrompt Click; hPrompt Click; hPrompt MouseLeave; "
                              "hAdd MouseMove 0 0 30 30; hPrompt KeyUp");

    const long before = automation::live_objects();
    // A creatable class that is no control.
    EXPECT_EQ(
        test::error_of([&] { container.add_control(ClassId::clsPromptEvents, 0, 0, 9, 9, {}); }),
        5);
    EXPECT_EQ(automation::live_objects(), before);
    // A handler that throws stays inside the handler; the children keep working.
    container.add_control(ClassId::O2007Hover, 0, 0, 300, 60, [](DISPID, EventArgs& args) {
        (void)args[9]; // past the last argument: error 450
    });
    container.seen = "";
    input([] { platform::Input::moveTo(12, 11); });
    input([] { platform::Input::moveTo(52, 16); });
    EXPECT_EQ(container.seen, "hAdd MouseLeave; hAdd MouseMove 0 0 30 30");
}

} // namespace
