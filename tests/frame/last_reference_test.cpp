// A host that lets a control go from inside the control's own work: its handler releases
// the last reference and pumps messages, on each path a call reaches a control by (a
// typed member, a late-bound member, a window message). The control finishes what it was
// doing on a live object and goes when it is done; AddressSanitizer is the judge.
#include "support/late_bound.h"
#include "support/objects.h"
#include "support/test_sink.h"
#include "support/test_site.h"

#include "automation/object_count.h"
#include "frame/user_control.h"
#include "platform/window/input.h"
#include "platform/window/message.h"
#include "platform/window/window.h"
#include "platform/window/window_system.h"

#include <paginor/PaginorV2CTL.h>

#include <gtest/gtest.h>

#include <functional>

using namespace paginor;

namespace {

constexpr DISPID kEnabled = 0x68030004; // _O2007Hover.Enabled

// One stage per row: a window system, a form window, a hover button sited on it with a
// sink advised, and the host's one reference to it.
class Stage {
  public:
    Stage() {
        platform::WindowDesc form;
        form.rect = {0, 0, 200, 200};
        site.window = platform::CreateWindow(form);
        platform::SetActiveWindow(site.window);
        before = automation::live_objects();
        host = test::create<_O2007Hover>(CLSID_O2007Hover, IID__O2007Hover);
        // The host's reference stays the only one.
        test::advise(host.get(), DIID___O2007Hover, &sink);
        frame::UserControl::from(host.get())->site(&site, 150, 150, 600, 600); // (10, 10), 40 px
        frame::UserControl::from(host.get())->show();
        platform::DoEvents();
    }
    // What the host's handler does: the last reference goes, then a pump.
    void let_go() {
        host.reset();
        platform::DoEvents();
    }

    platform::WindowSystemScope scope;
    test::TestSite site;
    test::Sink sink{{"", "MouseUp", "MouseMove", "Click"}};
    automation::Ref<_O2007Hover> host;
    long before{0};
};

TEST(LastReference, ControlOutlivesTheHandlerThatReleasesIt) {
    struct Row {
        const char* path;
        std::function<HRESULT(Stage&)> act;
    };
    const Row rows[] = {
        {"typed member",
         [](Stage& s) {
             s.site.on_change = [&s] { s.let_go(); };
             return s.host->put_Enabled(VARIANT_FALSE);
         }},
        {"late-bound member",
         [](Stage& s) {
             s.site.on_change = [&s] { s.let_go(); };
             const VARIANT off = *automation::Variant::boolean(false).get();
             return test::LateCall(s.host.get(), kEnabled, DISPATCH_PROPERTYPUT, {off}).hr;
         }},
        {"window message",
         [](Stage& s) {
             s.sink.handler = [&s](DISPPARAMS&) {
                 if (s.sink.seen.back().starts_with("MouseUp"))
                     s.let_go();
             };
             platform::Input::moveTo(30, 30);
             platform::Input::click();
             platform::DoEvents();
             // The control finished its handler: the Click after MouseUp still came.
             return !s.sink.seen.empty() && s.sink.seen.back() == "Click" ? S_OK : E_FAIL;
         }},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.path);
        Stage stage;
        ASSERT_TRUE(stage.host);
        EXPECT_EQ(row.act(stage), S_OK);
        EXPECT_FALSE(stage.host) << "the handler never ran";
        EXPECT_EQ(automation::live_objects(), stage.before) << "the control did not go";
    }
}

} // namespace
