#include "support/message_recorder.h"
#include "support/raises.h"

#include "automation/ref.h"
#include "platform/core/error.h"
#include "platform/core/system_profile.h"
#include "platform/window/input.h"
#include "platform/window/module.h"
#include "tracking/cMouseTrack.h"

#include <string>
#include <utility>

using namespace paginor;
using namespace paginor::platform;
using namespace paginor::testing_support;
using std::chrono::milliseconds;

namespace {

// The events as the owner sees them: "hover b s x y" and "leave", comma-separated.
class Events : public MouseTrackListener {
  public:
    void MouseHover(LONG& Button, LONG& Shift, float& X, float& Y) override {
        add("hover " + std::to_string(Button) + " " + std::to_string(Shift) + " " +
            std::to_string(int(X)) + " " + std::to_string(int(Y)));
    }
    void MouseLeave() override { add("leave"); }
    void add(const std::string& event) { seen += (seen.empty() ? "" : ", ") + event; }
    std::string seen;
};

// A late-bound object with "hwnd" and "Parent", as a control presents itself.
class FakeControl : public IDispatch {
  public:
    FakeControl(HWND hwnd, FakeControl* parent) : m_hwnd(hwnd), m_parent(parent) {}
    HRESULT QueryInterface(REFIID, void** ppv) override {
        *ppv = nullptr;
        return E_NOINTERFACE;
    }
    ULONG AddRef() override { return ++refs; }
    ULONG Release() override { return --refs; }
    HRESULT GetTypeInfoCount(UINT*) override { return E_NOTIMPL; }
    HRESULT GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
    HRESULT GetIDsOfNames(REFIID, OLECHAR** names, UINT, LCID, DISPID* ids) override {
        const std::u16string_view name = names[0];
        *ids = name == u"hwnd" ? 1 : name == u"Parent" && m_parent ? 2 : DISPID_UNKNOWN;
        return *ids == DISPID_UNKNOWN ? DISP_E_UNKNOWNNAME : S_OK;
    }
    HRESULT Invoke(DISPID id, REFIID, LCID, WORD flags, DISPPARAMS*, VARIANT* result, EXCEPINFO*,
                   UINT*) override {
        EXPECT_EQ(flags, DISPATCH_PROPERTYGET);
        if (id == 1) {
            result->vt = VT_I4;
            result->lVal = LONG(m_hwnd);
        } else {
            m_parent->AddRef();
            result->vt = VT_DISPATCH;
            result->pdispVal = m_parent;
        }
        return S_OK;
    }
    ULONG refs{1};

  private:
    HWND m_hwnd;
    FakeControl* m_parent;
};

class MouseTrackTest : public WindowSystemTest {
  protected:
    void SetUp() override {
        form = make(0, {0, 0, 200, 200});
        button = make(form, {50, 50, 100, 80}); // screen (50,50)-(100,80)
        other = make(0, {300, 0, 400, 100});
        SetActiveWindow(form);
        tracker->SetListener(&events);
        start_recording();
    }
    void TearDown() override {
        tracker.reset();
        // The tracker unhooked itself as it went: the windows are as they were.
        EXPECT_TRUE(unhooked());
        EXPECT_EQ(GetWindowLongPtr(button, GWLP_WNDPROC),
                  reinterpret_cast<LONG_PTR>(&RecordingProc));
    }
    bool unhooked() const { return EnumProps(button).empty() && EnumProps(form).empty(); }
    void profile(DWORD platform_id, DWORD major, CommonControls cc, bool fails = false) {
        SetSystemProfile({platform_id, major, 0, 2600, fails, cc});
    }
    // Handler counts per message on a window, as the subclassing service stores them.
    static std::vector<int32_t> hooked(HWND hwnd) {
        std::vector<int32_t> msgs;
        const std::string prefix = std::to_string(int32_t(hwnd)) + "#";
        for (const auto& [name, value] : EnumProps(hwnd)) {
            const std::string text(name.begin(), name.end());
            if (text.starts_with(prefix) && text.ends_with("C"))
                msgs.push_back(std::stoi(text.substr(prefix.size())));
        }
        std::sort(msgs.begin(), msgs.end());
        return msgs;
    }
    void attach(LONG force = -1) {
        HWND h = button;
        tracker->AttachMouseTrackingByHwnd(h, force);
    }

    HWND form{0};
    HWND button{0};
    HWND other{0};
    Events events;
    automation::Ref<cMouseTrack> tracker{automation::Ref<cMouseTrack>::adopt(new cMouseTrack)};
};

struct ChoiceCase {
    const char* what;
    DWORD platform_id;
    DWORD major;
    CommonControls cc;
    bool version_fails;
    LONG force; // -1: the automatic choice
    LONG method;
};

TEST_F(MouseTrackTest, AutomaticChoiceFollowsTheSystemProfile) {
    const ChoiceCase cases[] = {
        {"NT 4", 2, 4, CommonControls::Absent, false, -1, 0},
        {"9x family 5", 1, 5, CommonControls::Absent, false, -1, 0},
        {"NT 3 with 4.71", 2, 3, CommonControls::V4_71, false, -1, 1},
        {"9x 4 with 6.0", 1, 4, CommonControls::V6_0, false, -1, 1},
        {"9x 4 with 4.70", 1, 4, CommonControls::V4_70, false, -1, 2},
        {"9x 4, no version entry", 1, 4, CommonControls::NoVersionEntry, false, -1, 2},
        {"9x 4, no library", 1, 4, CommonControls::Absent, false, -1, 2},
        {"version call fails, 4.71", 2, 5, CommonControls::V4_71, true, -1, 1},
        {"version call fails, none", 2, 5, CommonControls::Absent, true, -1, 2},
        // A forced value outside the range works like the user request.
        {"forced 5 where capture would be chosen", 1, 4, CommonControls::Absent, false, 5, 5},
    };
    const std::vector<int32_t> track{673, 675};
    const std::vector<int32_t> capture{512, 514, 517, 520};
    for (const ChoiceCase& c : cases) {
        SCOPED_TRACE(c.what);
        profile(c.platform_id, c.major, c.cc, c.version_fails);
        attach(c.force);
        EXPECT_EQ(tracker->Method(), c.method);
        EXPECT_EQ(hooked(button), c.method == 2 ? capture : track);
        EXPECT_EQ(hooked(form), c.method == 2 ? std::vector<int32_t>{6} : std::vector<int32_t>{});
        if (c.method == 2) {
            EXPECT_EQ(tracker->ParentWindow(), form);
        }
        EXPECT_EQ(LoadedModuleCount(), 0); // the library is released after the look
        // Whichever mechanism, leaving the button ends in one leave, the capture let go.
        Input::moveTo(60, 55);
        tracker->StartMouseTracking();
        Input::moveTo(150, 150);
        DoEvents();
        EXPECT_EQ(std::exchange(events.seen, ""), "leave");
        EXPECT_EQ(GetCapture(), 0u);
        tracker->DetachMouseTracking();
        EXPECT_TRUE(unhooked());
    }
}

TEST_F(MouseTrackTest, UserRequestHoverThenLeaveAndHowArgumentsDecode) {
    attach();
    ASSERT_EQ(tracker->Method(), 0);
    EXPECT_FALSE(tracker->Tracking());
    Input::moveTo(60, 55);
    tracker->StartMouseTracking();
    tracker->StartMouseTracking(); // already tracking: nothing
    EXPECT_TRUE(tracker->Tracking());
    Input::keyDown(VK_SHIFT);
    Input::keyDown(VK_CONTROL);
    Input::press(MouseButton::Left);
    Input::press(MouseButton::Middle);
    ws.clock().advance(milliseconds(400));
    DoEvents();
    EXPECT_FALSE(tracker->Tracking());
    EXPECT_EQ(events.seen, "hover 5 3 10 5");
    tracker->StartMouseTracking();
    Input::moveTo(10, 10);
    DoEvents();
    EXPECT_FALSE(tracker->Tracking());
    EXPECT_EQ(events.seen, "hover 5 3 10 5, leave");
    EXPECT_EQ(ModuleEntryCallCount("_TrackMouseEvent"), 0);
    // The window's own procedure saw the reports first (MsgResponse 2).
    EXPECT_EQ(tracker->get_MsgResponse(), 2);
    tracker->put_MsgResponse(0);
    EXPECT_EQ(tracker->get_MsgResponse(), 2);
    EXPECT_EQ(
        std::count_if(log().begin(), log().end(),
                      [&](const MsgRow& r) { return r.hwnd == button && r.msg == WM_MOUSEHOVER; }),
        1);
    // Y is lParam divided by 65536, truncating: a negative y just above reads 0.
    events.seen.clear();
    for (LPARAM l : {MAKELPARAM(7, 9), MAKELPARAM(-3, 4), MAKELPARAM(8, -1), MAKELPARAM(8, -2)})
        SendMessage(button, WM_MOUSEHOVER, MK_RBUTTON, l);
    EXPECT_EQ(events.seen, "hover 2 0 7 9, hover 2 0 65533 4, hover 2 0 8 0, hover 2 0 8 -1");
}

TEST_F(MouseTrackTest, CommonControlsRequestAndItsFailures) {
    profile(1, 4, CommonControls::V4_71);
    attach();
    ASSERT_EQ(tracker->Method(), 1);
    Input::moveTo(60, 55);
    tracker->StartMouseTracking();
    EXPECT_EQ(ModuleEntryCallCount("_TrackMouseEvent"), 1);
    EXPECT_EQ(LoadedModuleCount(), 0);
    ws.clock().advance(milliseconds(400));
    DoEvents();
    EXPECT_EQ(events.seen, "hover 0 0 10 5");

    const std::pair<CommonControls, std::string> failures[] = {
        {CommonControls::Absent, "53 PaginorV2CTL.cMouseTrack: File not found: comctl32.dll"},
        {CommonControls::V4_70, "453 PaginorV2CTL.cMouseTrack: Can't find DLL entry point "
                                "_TrackMouseEvent in comctl32.dll"},
    };
    for (const auto& [cc, says] : failures) {
        profile(2, 5, cc);
        attach(1); // forced: the library is not asked at attach time
        EXPECT_EQ(tracker->Method(), 1);
        EXPECT_EQ(test::raised([&] { tracker->StartMouseTracking(); }), says);
        EXPECT_FALSE(tracker->Tracking());
        EXPECT_EQ(LoadedModuleCount(), 0);
    }
}

TEST_F(MouseTrackTest, CaptureMechanismInsideTestAndButtonRules) {
    attach(2);
    ASSERT_EQ(tracker->Method(), 2);
    EXPECT_EQ(hooked(form), (std::vector<int32_t>{6}));
    Input::moveTo(60, 55);
    tracker->StartMouseTracking();
    EXPECT_EQ(GetCapture(), button);
    Input::moveTo(70, 60); // inside: nothing
    Input::press();
    Input::moveTo(150, 150); // a drag out keeps the capture
    DoEvents();
    EXPECT_TRUE(events.seen.empty());
    EXPECT_EQ(GetCapture(), button);
    Input::release(); // button-up outside with no button down: leave
    DoEvents();
    EXPECT_EQ(events.seen, "leave");
    EXPECT_EQ(GetCapture(), 0u);
    EXPECT_FALSE(tracker->Tracking());

    // A button-up inside captures again; the top-level's deactivation is a leave.
    events.seen.clear();
    Input::moveTo(60, 55);
    tracker->StartMouseTracking();
    Input::click(MouseButton::Right);
    DoEvents();
    EXPECT_TRUE(tracker->Tracking());
    EXPECT_EQ(GetCapture(), button);
    SetActiveWindow(other);
    EXPECT_EQ(events.seen, "leave");
    EXPECT_EQ(GetCapture(), 0u);
    SetActiveWindow(form); // not tracking: activation alone reports nothing
    EXPECT_EQ(events.seen, "leave");

    // Inside the rectangle but covered by another window counts as outside.
    tracker->StartMouseTracking();
    HWND cover = make(form, {55, 52, 65, 60});
    Input::moveTo(57, 54);
    DoEvents();
    EXPECT_EQ(events.seen, "leave, leave");
    DestroyWindow(cover);
}

TEST_F(MouseTrackTest, AttachingThroughTheObjectAndItsParent) {
    FakeControl parent(form, nullptr);
    FakeControl control(button, &parent);
    IDispatch* obj = &control;
    tracker->AttachMouseTracking(obj, 2);
    EXPECT_EQ(tracker->WatchedWindow(), button);
    EXPECT_EQ(tracker->ParentWindow(), form);
    EXPECT_EQ(hooked(form), (std::vector<int32_t>{6}));
    EXPECT_EQ(parent.refs, 1u); // the Parent reference was given back

    // Attaching again drops the earlier hooks first; hwnd 0 hooks nothing.
    FakeControl empty(0, nullptr);
    obj = &empty;
    tracker->AttachMouseTracking(obj);
    EXPECT_EQ(tracker->WatchedWindow(), 0u);
    EXPECT_TRUE(unhooked());

    // No Parent member: the capture mechanism cannot find its parent.
    FakeControl orphan(button, nullptr);
    obj = &orphan;
    EXPECT_EQ(test::error_of([&] { tracker->AttachMouseTracking(obj, 2); }), 438);
    tracker->DetachMouseTracking();
    obj = nullptr;
    EXPECT_THROW(tracker->AttachMouseTracking(obj), RuntimeError);

    // Hook errors reach the caller.
    HWND foreign = make(0, {0, 0, 5, 5});
    SetWindowProcessId(foreign, GetCurrentProcessId() + 1);
    EXPECT_EQ(test::raised([&] { tracker->AttachMouseTrackingByHwnd(foreign); }),
              "0x8004331c PaginorV2CTL.WindowProc: Can't modify external window");
    tracker->DetachMouseTracking();
}

} // namespace
