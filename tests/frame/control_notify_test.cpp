// Every control's property-notification point as a host uses it, sited or not: listed
// after the event point, found by IPropertyNotifySink, refusing a sink that is not one,
// every reported change an OnChanged with the member's DISPID (-1 for a name that is no
// member) in advise order and beside the site's own record, none after Unadvise, and the
// sinks let go when the control goes.
#include "support/late_bound.h"
#include "support/notify_sink.h"
#include "support/objects.h"
#include "support/test_site.h"

#include "automation/object_count.h"
#include "frame/user_control.h"
#include "platform/window/window.h"
#include "platform/window/window_system.h"

#include <paginor/PaginorV2CTL.h>

#include <gtest/gtest.h>

#include <functional>
#include <vector>

using namespace paginor;
using test::Lines;
using test::NotifySink;

namespace {

TEST(ControlNotify, ReportedChangesReachEverySinkByDispid) {
    struct Row {
        const char* what;
        const CLSID* clsid;
        bool sited;
        DISPID member;
        std::function<void(IDispatch*)> change; // makes the control report `member`
    };
    const Row rows[] = {
        {"hover button, sited, a put that reports", &CLSID_O2007Hover, true, 0x68030003,
         [](IDispatch* d) {
             test::LateCall(d, u"BackColor", DISPATCH_PROPERTYPUT, {test::long_arg(0x123456)});
         }},
        {"gradient button, not sited, its own report", &CLSID_GradientButton, false, 0x6803000C,
         [](IDispatch* d) { frame::UserControl::from(d)->PropertyChanged(u"color1"); }},
    };
    platform::WindowSystemScope scope;
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        const long before = automation::live_objects();
        Lines log;
        NotifySink a{"a", log}, b{"b", log}, refused{"refused", log};
        refused.answers_sink = false;
        test::TestSite site;
        automation::Ref<IDispatch> control = test::create(*row.clsid);
        ASSERT_TRUE(control);
        if (row.sited) {
            site.window = platform::CreateWindow(platform::WindowDesc{});
            frame::UserControl::from(control.get())->site(&site, 0, 0, 600, 600);
        }
        auto container =
            test::query<IConnectionPointContainer>(control.get(), IID_IConnectionPointContainer);
        automation::Ref<IConnectionPoint> point;
        ASSERT_EQ(container->FindConnectionPoint(IID_IPropertyNotifySink, point.put()), S_OK);
        {
            automation::Ref<IEnumConnectionPoints> points;
            automation::Ref<IConnectionPoint> listed[3];
            ASSERT_EQ(container->EnumConnectionPoints(points.put()), S_OK);
            for (auto& p : listed)
                points->Next(1, p.put(), nullptr);
            EXPECT_TRUE(listed[0] && listed[1].get() == point.get() && !listed[2])
                << "the event point, then this one";
        }
        DWORD cookie = 0;
        EXPECT_EQ(point->Advise(refused.unknown(), &cookie), CONNECT_E_CANNOTCONNECT);
        for (NotifySink* s : {&a, &b})
            ASSERT_EQ(point->Advise(s->unknown(), &s->cookie), S_OK);

        row.change(control.get());
        frame::UserControl::from(control.get())->PropertyChanged(u"NoSuchMember");
        ASSERT_EQ(point->Unadvise(a.cookie), S_OK);
        row.change(control.get());

        const std::string m = std::to_string(row.member);
        // refs: the test's, the point's, and the one held across the call.
        EXPECT_EQ(log, (Lines{"a " + m + " refs 3", "b " + m + " refs 3", "a -1 refs 3",
                              "b -1 refs 3", "b " + m + " refs 3"}));
        EXPECT_EQ(site.changes, (row.sited ? std::vector<DISPID>{row.member, -1, row.member}
                                           : std::vector<DISPID>{}));
        point.reset();
        container.reset();
        control.reset();
        EXPECT_EQ(b.refs, 1u) << "the control kept its sink";
        EXPECT_EQ(automation::live_objects(), before);
    }
}

} // namespace
