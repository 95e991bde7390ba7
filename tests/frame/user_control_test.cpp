// The control frame as a host drives it: a recording control sited on a plain site,
// its lifecycle steps in order, pointer and key messages turned into the host runtime's
// control events, and repaints coalesced until the next DoEvents.
#include "frame/user_control.h"
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

class Recording final : public UserControl, public IUnknown {
  public:
    Lines seen;

    HRESULT QueryInterface(REFIID, void**) override { return E_NOINTERFACE; }
    ULONG AddRef() override { return 2; }
    ULONG Release() override { return 1; }
    IUnknown* control_unknown() override { return this; }
    const Class& control_class() const override { return class_entry(ClassId::O2007Hover); }
    ~Recording() override = default;

  private:
    static std::string args(const MouseEvent& e) {
        return " " + std::to_string(e.button) + " " + std::to_string(e.shift) + " " +
               std::to_string(int(e.x)) + " " + std::to_string(int(e.y));
    }
    void UserControl_Initialize() override { seen.push_back("Initialize"); }
    void UserControl_InitProperties() override { seen.push_back("InitProperties"); }
    void UserControl_ReadProperties(const PropertyBag&) override {
        seen.push_back("ReadProperties");
    }
    void UserControl_WriteProperties(PropertyBag&) override { seen.push_back("WriteProperties"); }
    void UserControl_Show() override { seen.push_back("Show"); }
    void UserControl_Resize() override {
        seen.push_back("Resize " + std::to_string(int(Width())) + "x" +
                       std::to_string(int(Height())));
    }
    void UserControl_Paint(HDC) override { seen.push_back("Paint"); }
    void UserControl_Terminate() override { seen.push_back("Terminate"); }
    void UserControl_MouseDown(const MouseEvent& e) override {
        seen.push_back("MouseDown" + args(e));
    }
    void UserControl_MouseMove(const MouseEvent& e) override {
        seen.push_back("MouseMove" + args(e));
    }
    void UserControl_MouseUp(const MouseEvent& e) override { seen.push_back("MouseUp" + args(e)); }
    void UserControl_Click() override { seen.push_back("Click"); }
    void UserControl_DblClick() override { seen.push_back("DblClick"); }
    void UserControl_KeyDown(KeyEvent& e) override {
        seen.push_back("KeyDown " + std::to_string(e.key) + " " + std::to_string(e.shift));
    }
    void UserControl_KeyPress(SHORT& k) override {
        seen.push_back("KeyPress " + std::to_string(k));
    }
    void UserControl_KeyUp(KeyEvent& e) override {
        seen.push_back("KeyUp " + std::to_string(e.key) + " " + std::to_string(e.shift));
    }
    void UserControl_EnterFocus() override { seen.push_back("EnterFocus"); }
    void UserControl_ExitFocus() override { seen.push_back("ExitFocus"); }
};

class Site final : public ControlSite {
  public:
    HWND window{0};
    std::vector<DISPID> changes;
    HWND site_window() override { return window; }
    bool ambient_user_mode() override { return true; }
    void on_property_changed(IUnknown*, DISPID id) override { changes.push_back(id); }
};

class UserControlHost : public ::testing::Test {
  protected:
    void SetUp() override {
        platform::WindowDesc form;
        form.rect = {0, 0, 100, 100};
        site.window = platform::CreateWindow(form);
        platform::SetActiveWindow(site.window);
    }
    platform::WindowSystemScope scope;
    Site site;
    Recording control;
};

TEST_F(UserControlHost, LifecycleStepsInOrderAndPaintsCoalesce) {
    control.site(&site, 150, 150, 300, 450); // (10, 10), 20 x 30 px
    control.init_properties();
    control.show();                   // the first Resize, at the sited size, comes before Show
    control.move(150, 150, 300, 450); // the same size: no Resize
    control.move(150, 150, 600, 450);
    platform::DoEvents();
    control.refresh();
    control.refresh();
    control.SetBackColor(0x000000FF);
    platform::DoEvents(); // three invalidations, one paint
    PropertyBag bag;
    control.write_properties(bag);
    control.read_properties(bag);
    control.terminate();
    control.terminate();
    const Lines expected{"Initialize",     "InitProperties", "Resize 300x450", "Show",
                         "Resize 600x450", "Paint",          "Paint",          "WriteProperties",
                         "ReadProperties", "Terminate"};
    EXPECT_EQ(control.seen, expected);
    EXPECT_EQ(control.hwnd(), 0u);
}

TEST_F(UserControlHost, MessagesBecomeControlEvents) {
    control.site(&site, 150, 150, 300, 450);
    control.show();
    platform::DoEvents();
    control.seen.clear();
    platform::Input::moveTo(12, 13);
    platform::Input::click(); // press gives the focus
    platform::Input::click(); // the second press is a double-click
    platform::Input::press(platform::MouseButton::Right);
    platform::DoEvents();
    platform::Input::moveTo(60, 70); // captured: still ours
    platform::DoEvents();
    platform::Input::release(platform::MouseButton::Right);
    platform::DoEvents();
    platform::Input::keyDown(platform::VK_SHIFT);
    platform::DoEvents();
    platform::Input::key('A');
    platform::DoEvents();
    platform::Input::keyUp(platform::VK_SHIFT);
    platform::DoEvents();
    platform::SetFocus(site.window);
    const Lines expected{"MouseMove 0 0 30 45",
                         "EnterFocus",
                         "MouseDown 1 0 30 45",
                         "MouseUp 1 0 30 45",
                         "Click",
                         "DblClick",
                         "MouseUp 1 0 30 45",
                         "MouseDown 2 0 30 45",
                         "MouseMove 2 0 750 900",
                         "MouseUp 2 0 750 900",
                         "KeyDown 16 1",
                         "KeyDown 65 1",
                         "KeyPress 65",
                         "KeyUp 65 1",
                         "KeyUp 16 0",
                         "ExitFocus"};
    EXPECT_EQ(control.seen, expected);
    EXPECT_EQ(platform::GetCapture(), 0u);
    control.PropertyChanged(u"Enabled");
    control.PropertyChanged(u"Nonsense");
    EXPECT_EQ(site.changes, (std::vector<DISPID>{0x68030004, -1}));
    control.terminate();
}

} // namespace
