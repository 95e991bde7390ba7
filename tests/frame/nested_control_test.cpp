// A control holding library controls of its own, as the prompt controls hold their image
// buttons: each child made through the class factory inside the container's window,
// placed in twips, run at the container's ambient mode and font, its events reaching the
// container's handler with their arguments, and all of it gone when the container ends.
#include "automation/object_count.h"
#include "frame/drawing_surface.h"
#include "frame/nested_control.h"
#include "platform/core/error.h"
#include "platform/core/system_profile.h"
#include "platform/window/input.h"
#include "platform/window/message.h"
#include "platform/window/window.h"
#include "platform/window/window_system.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace paginor;
using namespace paginor::frame;
using Lines = std::vector<std::string>;

namespace {

const char* const kHoverEvents[] = {"", "MouseUp", "MouseMove", "Click", "MouseLeave", "KeyUp"};

// A container that places three image buttons when it starts, as the prompt field does.
class Container final : public UserControl, public IDispatch {
  public:
    Lines seen;
    std::vector<NestedControl*> buttons;
    using UserControl::add_control;

    HRESULT QueryInterface(REFIID riid, void** ppv) override {
        if (riid != IID_IUnknown && riid != IID_IDispatch)
            return E_NOINTERFACE;
        *ppv = static_cast<IDispatch*>(this);
        return S_OK;
    }
    ULONG AddRef() override { return 2; }
    ULONG Release() override { return 1; }
    HRESULT GetTypeInfoCount(UINT*) override { return E_NOTIMPL; }
    HRESULT GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
    HRESULT GetIDsOfNames(REFIID, OLECHAR**, UINT, LCID, DISPID*) override { return E_NOTIMPL; }
    HRESULT Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*, UINT*) override {
        return E_NOTIMPL;
    }
    IUnknown* control_unknown() override { return static_cast<IDispatch*>(this); }
    const Class& control_class() const override { return class_entry(ClassId::PromptField); }

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
    void UserControl_Terminate() override { seen.push_back("Terminate"); }

    void on_button(const std::string& name, DISPID id, EventArgs& args) {
        std::string line = name + " " + kHoverEvents[id];
        if (id == 1 || id == 2)
            line += " " + std::to_string(args.i2(0)) + " " + std::to_string(args.i2(1)) + " " +
                    std::to_string(int(args.r4(2))) + " " + std::to_string(int(args.r4(3)));
        seen.push_back(line);
    }
};

class Site final : public ControlSite {
  public:
    HWND window{0};
    bool user_mode{true};
    FontDescription font{u"Arial", 10, true};
    HWND site_window() override { return window; }
    bool ambient_user_mode() override { return user_mode; }
    void on_property_changed(IUnknown*, DISPID) override {}
    FontDescription ambient_font() override { return font; }
};

class NestedControls : public ::testing::Test {
  protected:
    void SetUp() override {
        platform::WindowDesc form;
        form.rect = {0, 0, 200, 100};
        site.window = platform::CreateWindow(form);
        platform::SetActiveWindow(site.window);
    }
    void start(double left = 150, double top = 150) {
        container.site(&site, left, top, 1500, 600);
        container.init_properties();
        container.show();
        container.move(left, top, 1500, 600);
        platform::DoEvents();
    }
    platform::WindowSystemScope scope;
    Site site;
    Container container;
};

TEST_F(NestedControls, ChildrenSitInsideTheContainerAtItsModeAndFont) {
    platform::set_screen_twips_per_pixel(12);
    site.user_mode = false;
    const long before = live_objects();
    start(120, 120);
    ASSERT_EQ(container.buttons.size(), 3u);
    EXPECT_EQ(live_objects(), before + 3 + 4); // the buttons, and the four surfaces' fonts
    for (size_t i = 0; i < 3; ++i) {
        UserControl& child = container.buttons[i]->control();
        EXPECT_EQ(platform::GetParent(child.hwnd()), container.hwnd());
        EXPECT_TRUE(platform::IsWindowVisible(child.hwnd()));
        RECT r{};
        platform::GetWindowRect(child.hwnd(), &r); // 12 twips a pixel
        EXPECT_EQ(r.left, 10 + 25 * int(i)) << i;
        EXPECT_EQ(r.top, 10 + 5);
        EXPECT_EQ(r.right - r.left, 20);
        EXPECT_FALSE(child.UserMode());
        EXPECT_EQ(child.AmbientFont(), site.font);
        EXPECT_EQ(child.Parent(), static_cast<IDispatch*>(&container));
    }
    // The children follow the container's font as it is when they ask.
    container.surface().Font()->set_size(14);
    EXPECT_EQ(container.buttons[0]->control().AmbientFont().size, 14);

    container.terminate();
    EXPECT_EQ(live_objects(), before);
    EXPECT_EQ(container.seen, Lines{"Terminate"});
    platform::set_screen_twips_per_pixel(15);
}

TEST_F(NestedControls, ChildEventsReachTheContainersHandler) {
    start(); // container at (10, 10); buttons at (10, 14), (30, 14), (50, 14), 16 px square
    platform::Input::moveTo(15, 20);
    platform::DoEvents();
    platform::Input::click();
    platform::DoEvents();
    platform::Input::moveTo(52, 16);
    platform::DoEvents();
    platform::Input::keyDown('K');
    platform::Input::keyUp('K');
    platform::DoEvents();
    // No pictures: every button is bare surface, so a left click raises MouseUp and Click
    // twice; moving on to another button leaves the first; the key goes to the button that the
    // click gave the focus.
    const Lines expected{"hPrompt MouseMove 0 0 75 90",
                         "hPrompt MouseUp 1 0 75 90",
                         "hPrompt Click",
                         "hPrompt Click",
                         "hPrompt MouseLeave",
                         "hAdd MouseMove 0 0 30 30",
                         "hPrompt KeyUp"};
    EXPECT_EQ(container.seen, expected);
}

TEST_F(NestedControls, RefusedWhereNoChildCanGo) {
    // Before the container has a window.
    try {
        container.add_control(ClassId::O2007Hover, 0, 0, 100, 100, nullptr);
        FAIL() << "placed a child before site()";
    } catch (const RuntimeError& e) {
        EXPECT_EQ(e.number(), 5);
    }
    start();
    const long before = live_objects();
    // A creatable class that is no control.
    try {
        container.add_control(ClassId::clsPromptEvents, 0, 0, 100, 100, nullptr);
        FAIL() << "placed a relay as a control";
    } catch (const RuntimeError& e) {
        EXPECT_EQ(e.number(), 5);
    }
    EXPECT_EQ(live_objects(), before);
    // A handler that throws stays inside the handler; the children keep working.
    container.add_control(ClassId::O2007Hover, 0, 0, 300, 60, [](DISPID, EventArgs& args) {
        (void)args[9]; // past the last argument: error 450
    });
    container.seen.clear();
    platform::Input::moveTo(12, 11);
    platform::DoEvents();
    platform::Input::moveTo(52, 16);
    platform::DoEvents();
    EXPECT_EQ(container.seen, Lines{"hAdd MouseMove 0 0 30 30"});
}

} // namespace
