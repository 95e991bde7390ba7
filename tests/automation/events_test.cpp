// Sinks that unadvise inside a round (the same rounds every point shares) are in
// font_notify_test.cpp.
#include <paginor/automation.h>

#include "automation/variant.h"
#include "support/late_bound.h"
#include "support/test_sink.h"

#include <gtest/gtest.h>

using namespace paginor;
using automation::Bstr;
using automation::bstr_view;
using test::Ref;
using Lines = std::vector<std::string>;

namespace {

// Every test ends with every sink let go and nothing of the library alive.
class Relays : public ::testing::Test {
  public:
    void TearDown() override {
        for (const test::Sink* s : {&a, &b})
            EXPECT_EQ(s->refs, 1u) << "a reference to a sink was kept";
        EXPECT_EQ(DllCanUnloadNow(), S_OK);
    }
    test::Sink a, b;
};

// The relay's by-reference data, typed and late-bound alike: the first sink answers, the
// second sees that answer and appends to it; without a sink the data stays, and data given
// through a VT_BYREF|VT_VARIANT comes back as text.
TEST_F(Relays, PromptRelayBringsTheSinksAnswerBackTypedAndLateBound) {
    auto relay = test::create<_clsPromptEvents>(CLSID_clsPromptEvents, IID__clsPromptEvents);
    a.handler = [](DISPPARAMS& p) {
        BSTR* data = p.rgvarg[0].pbstrVal;
        SysFreeString(*data);
        *data = SysAllocString(u"CODE42");
        SysFreeString(*p.rgvarg[2].pbstrVal); // a sink may replace every argument
        *p.rgvarg[2].pbstrVal = SysAllocString(u"changed");
    };
    b.handler = [](DISPPARAMS& p) {
        std::u16string data(bstr_view(*p.rgvarg[0].pbstrVal));
        SysFreeString(*p.rgvarg[0].pbstrVal);
        *p.rgvarg[0].pbstrVal = SysAllocString((data + u"+").c_str());
    };
    Ref<IConnectionPoint> point;
    const DWORD c1 = test::advise(relay.get(), DIID___clsPromptEvents, &a, &point);
    const DWORD c2 = test::advise(relay.get(), DIID___clsPromptEvents, &b);
    ASSERT_NE(c1, 0u);
    ASSERT_NE(c2, 0u);
    Bstr object(u"pfClient"), name(u"PromptClicked"), data(u"old"), late(u"old");
    EXPECT_EQ(relay->RaiseAnEvent(object.get(), name.get(), data.out_keep()), S_OK);
    EXPECT_EQ(data.view(), u"CODE42+");
    EXPECT_EQ(object.view(), u"pfClient"); // the caller's by-value strings are untouched
    BSTR held = late.release();
    VARIANT ref{};
    ref.vt = VT_BYREF | VT_BSTR;
    ref.pbstrVal = &held;
    const std::vector<VARIANT> args{test::text_arg(object.get()), test::text_arg(name.get()), ref};
    EXPECT_EQ(test::LateCall(relay.get(), 0x60030000, DISPATCH_METHOD, args).hr, S_OK);
    late = Bstr::adopt(held);
    EXPECT_EQ(late.view(), data.view());
    // Sinks of one round share the event's variables, as handlers of one raised event do.
    EXPECT_EQ(a.seen, (Lines{"1 pfClient PromptClicked old", "1 pfClient PromptClicked old"}));
    EXPECT_EQ(b.seen, (Lines{"1 changed PromptClicked CODE42", "1 changed PromptClicked CODE42"}));
    EXPECT_EQ(relay->RaiseAnEvent(object.get(), name.get(), nullptr), E_POINTER);

    EXPECT_EQ(point->Unadvise(c1), S_OK);
    EXPECT_EQ(point->Unadvise(c1), CONNECT_E_NOCONNECTION);
    EXPECT_EQ(point->Unadvise(c2), S_OK);
    EXPECT_EQ(a.refs, 1u); // every reference the relay took is given back
    held = late.release();
    EXPECT_EQ(test::LateCall(relay.get(), 0x60030000, DISPATCH_METHOD, args).hr, S_OK);
    EXPECT_EQ(bstr_view(held), u"CODE42+") << "no sink: the data stays";
    late = Bstr::adopt(held);
    automation::Variant inner(LONG(5));
    VARIANT vref{};
    vref.vt = VT_BYREF | VT_VARIANT;
    vref.pvarVal = inner.get();
    EXPECT_EQ(test::LateCall(relay.get(), 0x60030000, DISPATCH_METHOD, {args[0], args[1], vref}).hr,
              S_OK);
    EXPECT_EQ(bstr_view(inner->bstrVal), u"5");
    EXPECT_EQ(a.seen.size(), 2u) << "unadvised";
}

TEST_F(Relays, BrokerRaisesCopiesAndASinkMayReleaseTheRelayInside) {
    auto* broker = test::create<_cEventBroker>(CLSID_cEventBroker, IID__cEventBroker).detach();
    ASSERT_NE(test::advise(broker, DIID___cEventBroker, &a), 0u);
    a.handler = [&](DISPPARAMS& p) {
        SysFreeString(*p.rgvarg[0].pbstrVal);
        *p.rgvarg[0].pbstrVal = SysAllocString(u"ignored");
        broker->Release(); // the host drops its last reference from inside the event
    };
    Bstr control(u"mpFirm"), event(u"Go"), data(u"x");
    EXPECT_EQ(broker->RaiseTheEvent(control.get(), event.get(), data.get()), S_OK);
    EXPECT_EQ(data.view(), u"x");
    EXPECT_EQ(a.seen, Lines{"1 mpFirm Go x"});
    EXPECT_EQ(a.refs, 1u); // the relay died after the round and let the sink go
}

// The dual interface (the object's IDispatch) and the event point of each class with earlier
// identifiers answer those too; the point always reports the current one. (Every class's
// current identifiers: class_info_test.cpp.)
TEST_F(Relays, CurrentAndEarlierIdentifiersAnswer) {
    struct Row {
        const CLSID* clsid;
        std::vector<const IID*> dual, events; // the current one first
    };
    const Row rows[] = {
        {&CLSID_DDOC, {&IID__DDOC, &IID_DDOC___v0}, {&DIID___DDOC, &DIID___DDOC___v0}},
        {&CLSID_PromptField,
         {&IID__PromptField, &IID_PromptField___v0, &IID_PromptField___v1},
         {&DIID___PromptField, &DIID___PromptField___v0, &DIID___PromptField___v1}},
        {&CLSID_MultiPrompt,
         {&IID__MultiPrompt, &IID_MultiPrompt___v0},
         {&DIID___MultiPrompt, &DIID___MultiPrompt___v0}},
    };
    for (const auto& r : rows) {
        Ref<IDispatch> d = test::create(*r.clsid);
        for (const IID* iid : r.dual)
            EXPECT_EQ(test::query<IUnknown>(d.get(), *iid).get(), d.get());
        void* none = reinterpret_cast<void*>(1);
        EXPECT_EQ(d->QueryInterface(IID__HoverButton, &none), E_NOINTERFACE);
        EXPECT_EQ(none, nullptr);
        EXPECT_EQ(d->QueryInterface(IID_IUnknown, nullptr), E_POINTER);

        auto cpc = test::query<IConnectionPointContainer>(d.get(), IID_IConnectionPointContainer);
        ASSERT_TRUE(cpc);
        Ref<IConnectionPoint> first, cp;
        for (const IID* iid : r.events) {
            ASSERT_EQ(cpc->FindConnectionPoint(*iid, cp.put()), S_OK);
            IID reported{};
            cp->GetConnectionInterface(&reported);
            EXPECT_EQ(reported, *r.events[0]);
            if (!first)
                first = cp;
            EXPECT_EQ(cp.get(), first.get());
        }
        IConnectionPoint* no_point = nullptr;
        EXPECT_EQ(cpc->FindConnectionPoint(DIID___O2007Check, &no_point), CONNECT_E_NOCONNECTION);
        EXPECT_EQ(cpc->FindConnectionPoint(IID__DDOC, &no_point), CONNECT_E_NOCONNECTION);
        EXPECT_EQ(first->Advise(nullptr, nullptr), E_POINTER);
    }
}

TEST_F(Relays, FactoryErrorsCountsAndLocks) {
    void* p = reinterpret_cast<void*>(1);
    EXPECT_EQ(DllGetClassObject(IID__DDOC, IID_IClassFactory, &p), CLASS_E_CLASSNOTAVAILABLE);
    EXPECT_EQ(p, nullptr);
    EXPECT_EQ(DllGetClassObject(CLSID_DDOC, IID_IClassFactory, nullptr), E_POINTER);
    Ref<IClassFactory> f;
    ASSERT_EQ(DllGetClassObject(CLSID_HoverButton, IID_IClassFactory, f.put_void()), S_OK);
    EXPECT_EQ(DllCanUnloadNow(), S_FALSE); // a factory is alive
    EXPECT_EQ(f->CreateInstance(&a, IID_IUnknown, &p), CLASS_E_NOAGGREGATION);
    EXPECT_EQ(f->CreateInstance(nullptr, IID_IUnknown, nullptr), E_POINTER);
    EXPECT_EQ(f->CreateInstance(nullptr, IID__DDOC, &p), E_NOINTERFACE);
    EXPECT_EQ(p, nullptr);
    EXPECT_EQ(f->LockServer(1), S_OK);
    EXPECT_EQ(f.detach()->Release(), 0u);
    EXPECT_EQ(DllCanUnloadNow(), S_FALSE); // locked
    ASSERT_EQ(DllGetClassObject(CLSID_HoverButton, IID_IClassFactory, f.put_void()), S_OK);
    EXPECT_EQ(f->LockServer(0), S_OK);
    Ref<IUnknown> object;
    ASSERT_EQ(f->CreateInstance(nullptr, IID_IUnknown, object.put_void()), S_OK);
    f.reset();
    EXPECT_EQ(DllCanUnloadNow(), S_FALSE); // an object is alive
    EXPECT_EQ(test::refs(object.get()), 1u);
}

} // namespace
