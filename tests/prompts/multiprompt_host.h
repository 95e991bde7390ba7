// A search form of the public host API holding one MultiPrompt ("mp1", MyName AUTH) with a
// prompt relay and an event broker bound, as a host sets them up. Every notification is
// logged as "sender Event=data" (relay) or "sender Event!data" (broker); a test may answer
// or call back from inside a notification through their logs' answer.
#pragma once

#include <paginor/form.h>

#include "host/api.h"
#include "platform/window/window.h"
#include "prompts/MultiPrompt.h"

#include "support/host_form.h"
#include "support/objects.h"
#include "support/raster_golden.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace paginor::test {

class MultiPromptHost : public ::testing::Test {
  protected:
    void SetUp() override {
        PaginorSetClock(1);
        PaginorSetLocalTime(2026, 12, 5, 10, 0, 0);
        PaginorSetTwipsPerPixel(15, 15);
        form = Form::create(u"Search", 9000, 2400).value;
        // Made by the library's own class factory, as a host that links it does.
        relay = create(CLSID_clsPromptEvents), broker = create(CLSID_cEventBroker);
        ASSERT_TRUE(relay && broker);
        relay_log.emplace(relay.get(), log, "=");
        broker_log.emplace(broker.get(), log, "!");
        mp = add_prompt(u"mp1", u"AUTH", 120);
        ASSERT_TRUE(mp);
        PaginorDoEvents();
    }
    void TearDown() override {
        relay_log.reset(), broker_log.reset();
        form = Form();
        PaginorSetClock(0);
    }

    // A MultiPrompt named name at top twips, 7200 twips wide, with MyName, the relay and
    // the broker set; its style and value type before the name, as a host sets them up.
    Control add_prompt(std::u16string_view name, std::u16string_view my_name, LONG top,
                       LONG style = 0, LONG val_type = 0) {
        Control c = form.add(u"PaginorV2CTL.MultiPrompt", name, 120, top, 7200, 390).value;
        EXPECT_TRUE(c.put(u"MyStyle", style) && c.put(u"ValType", val_type));
        EXPECT_TRUE(c.put(u"MyName", my_name));
        EXPECT_TRUE(set_ref(c, u"PE", relay.get()));
        EXPECT_TRUE(c.call(u"SetEventBroker", broker.get()));
        return c;
    }
    static Status set_ref(Control& c, std::u16string_view name, IDispatch* object) {
        std::u16string text(name);
        OLECHAR* names[] = {text.data()};
        DISPID id = 0;
        c.object()->GetIDsOfNames(IID_NULL, names, 1, 0, &id);
        Variant value(object);
        return detail::status_of(
            detail::invoke(*c.object(), id, DISPATCH_PROPERTYPUTREF, &value, 1).error.hr);
    }
    std::u16string str(std::u16string_view name) { return mp.get(name).value.to_string(); }
    static MultiPrompt& of(const Control& c) {
        return *dynamic_cast<MultiPrompt*>(frame::UserControl::from(c.object()));
    }
    std::string events() {
        PaginorDoEvents();
        return std::exchange(log, "");
    }
    MultiPrompt& self() { return of(mp); }
    // The centre of a child window of the control, in form pixels.
    platform::POINT centre(platform::HWND child) {
        platform::RECT r{};
        platform::GetWindowRect(child, &r);
        platform::POINT p{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
        platform::ScreenToClient(host::api::form_of(form.get()).hwnd(), &p);
        return p;
    }
    platform::Image render(const std::string& name) { return rendered(form, name); }
    void click_at(platform::POINT p) { test::click_at(form, p.x, p.y); }
    void key(SHORT code) { tap(form, code); }
    // Picks a row of a drop-down list as a user does with the keyboard: a click opens it
    // (and focuses it), Esc closes it, Home/Down walk the rows.
    void pick(const controls::ComboBox& list, int row) {
        click_at(centre(list.hWnd()));
        key(27);
        key(36);
        for (int i = 0; i < row; ++i)
            key(40);
    }

    Form form;
    Control mp;
    Ref<IDispatch> relay, broker;
    std::string log;
    std::optional<EventLog> relay_log, broker_log;
};

} // namespace paginor::test
