// A search form of the public host API holding one MultiPrompt ("mp1", MyName AUTH) with a
// prompt relay and an event broker bound, as a host sets them up. Every notification is
// logged as "Event=data" (relay) or "Event!data" (broker); a test may answer or call
// back from inside a relay notification through on_relay.
#pragma once

#include <paginor/form.h>
#include <paginor/host.h>

#include "host/api.h"
#include "platform/window/window.h"
#include "prompts/MultiPrompt.h"

#include "support/raster_golden.h"

#include <filesystem>

#include <gtest/gtest.h>

#include <functional>
#include <string>

namespace paginor::test {

inline std::string narrow(std::u16string_view text) {
    std::string out;
    for (char16_t c : text)
        out += c < 128 ? char(c) : '?';
    return out;
}

// A relay made by the library's own class factory, as a host that links it does.
inline HRESULT make(REFCLSID clsid, Ref<IDispatch>& out) {
    Ref<IClassFactory> factory;
    const HRESULT hr = DllGetClassObject(clsid, IID_IClassFactory, factory.put_void());
    return FAILED(hr) ? hr : factory->CreateInstance(nullptr, IID_IDispatch, out.put_void());
}

class MultiPromptHost : public ::testing::Test {
  protected:
    void SetUp() override {
        PaginorSetClock(1);
        PaginorSetLocalTime(2026, 12, 5, 10, 0, 0);
        PaginorSetTwipsPerPixel(15, 15);
        form = Form::create(u"Search", 7800, 2400).value;
        mp = form.add(u"PaginorV2CTL.MultiPrompt", u"mp1", 120, 120, 7200, 390).value;
        ASSERT_TRUE(mp);
        ASSERT_EQ(make(CLSID_clsPromptEvents, relay), S_OK);
        ASSERT_EQ(make(CLSID_cEventBroker, broker), S_OK);
        ASSERT_EQ(PaginorAdvise(relay.get(), &MultiPromptHost::heard, this, &relay_cookie), S_OK);
        ASSERT_EQ(PaginorAdvise(broker.get(), &MultiPromptHost::heard, this, &broker_cookie), S_OK);
        ASSERT_TRUE(mp.put(u"MyName", u"AUTH"));
        ASSERT_TRUE(set_ref(u"PE", relay.get()));
        ASSERT_TRUE(mp.call(u"SetEventBroker", broker.get()));
        PaginorDoEvents();
    }
    void TearDown() override {
        PaginorUnadvise(relay.get(), relay_cookie);
        PaginorUnadvise(broker.get(), broker_cookie);
        form = Form();
        PaginorSetClock(0);
    }

    Status set_ref(std::u16string_view name, IDispatch* object) {
        std::u16string text(name);
        OLECHAR* names[] = {text.data()};
        DISPID id = 0;
        mp.object()->GetIDsOfNames(IID_NULL, names, 1, 0, &id);
        Variant value(object);
        return detail::status_of(
            detail::invoke(*mp.object(), id, DISPATCH_PROPERTYPUTREF, &value, 1).error.hr);
    }
    std::u16string str(std::u16string_view name) { return mp.get(name).value.to_string(); }
    std::string events() {
        PaginorDoEvents();
        return std::exchange(log, "");
    }
    MultiPrompt& self() {
        return *dynamic_cast<MultiPrompt*>(frame::UserControl::from(mp.object()));
    }
    // The centre of a child window of the control, in form pixels.
    platform::POINT centre(platform::HWND child) {
        platform::RECT r{};
        platform::GetWindowRect(child, &r);
        platform::POINT p{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
        platform::ScreenToClient(host::api::form_of(form.get()).hwnd(), &p);
        return p;
    }
    void click_at(platform::POINT p) {
        PaginorAdvanceClock(600);
        form.mouse(p.x, p.y);
        form.click();
        PaginorDoEvents();
    }
    void key(SHORT code) {
        form.key(code, true);
        form.key(code, false);
        PaginorDoEvents();
    }
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
    DWORD relay_cookie = 0, broker_cookie = 0;
    std::string log;
    std::function<void(const std::u16string& event, BSTR* data)> on_relay;
    std::function<void(const std::u16string& event)> on_broker;

  private:
    static void heard(void* context, DISPID, const OLECHAR*, DISPPARAMS* params) {
        auto* self = static_cast<MultiPromptHost*>(context);
        const std::u16string sender = *params->rgvarg[2].pbstrVal;
        const std::u16string event = *params->rgvarg[1].pbstrVal;
        BSTR* data = params->rgvarg[0].pbstrVal;
        const bool relayed = event == u"CaptionWidth" || event == u"ValueSelected" ||
                             event == u"PromptClicked" || event == u"DateClicked";
        self->log += (self->log.empty() ? "" : "; ") + narrow(sender) + " " + narrow(event) +
                     (relayed ? "=" : "!") + narrow(*data ? *data : u"");
        if (relayed && self->on_relay)
            self->on_relay(event, data);
        if (!relayed && self->on_broker)
            self->on_broker(event);
    }
};

// Writes text into a by-reference answer.
inline void answer(BSTR* data, const char16_t* text) {
    SysFreeString(*data);
    *data = SysAllocString(text);
}

} // namespace paginor::test
