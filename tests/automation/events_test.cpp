// Both relays raising EventRaised to host sinks, connection points found by current and
// earlier identifiers, re-entrant release and unadvise, and the module's counts.
#include <paginor/automation.h>

#include "automation/variant.h"
#include "library/classes.h"
#include "support/objects.h"
#include "support/test_sink.h"

#include <gtest/gtest.h>

using namespace paginor;
using frame::Bstr;
using frame::bstr_view;
using Events = std::vector<test::Sink::Event>;

namespace {

bool operator_eq(const Events& a, const Events& b) {
    if (a.size() != b.size())
        return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (a[i].id != b[i].id || a[i].args != b[i].args)
            return false;
    return true;
}

} // namespace

TEST(Relays, PromptRelayBringsTheSinksAnswerBack) {
    auto* relay = test::create<_clsPromptEvents>(CLSID_clsPromptEvents, IID__clsPromptEvents);
    test::Sink first, second;
    // The first sink answers; the second sees that answer and appends to it.
    first.handler = [](DISPPARAMS& p) {
        BSTR* data = p.rgvarg[0].pbstrVal;
        SysFreeString(*data);
        *data = SysAllocString(u"CODE42");
        SysFreeString(*p.rgvarg[2].pbstrVal); // a sink may replace every argument
        *p.rgvarg[2].pbstrVal = SysAllocString(u"changed");
    };
    second.handler = [](DISPPARAMS& p) {
        std::u16string data(bstr_view(*p.rgvarg[0].pbstrVal));
        SysFreeString(*p.rgvarg[0].pbstrVal);
        *p.rgvarg[0].pbstrVal = SysAllocString((data + u"+").c_str());
    };
    IConnectionPoint *cp1 = nullptr, *cp2 = nullptr;
    const DWORD c1 = test::advise(relay, DIID___clsPromptEvents, &first, &cp1);
    const DWORD c2 = test::advise(relay, DIID___clsPromptEvents, &second, &cp2);
    ASSERT_NE(c1, 0u);
    ASSERT_NE(c2, 0u);
    Bstr object(u"pfClient"), name(u"PromptClicked"), data(u"old");
    EXPECT_EQ(relay->RaiseAnEvent(object.get(), name.get(), data.out_keep()), S_OK);
    EXPECT_EQ(data.view(), u"CODE42+");
    EXPECT_EQ(object.view(), u"pfClient"); // the caller's by-value strings are untouched
    const Events expected = {{1, {u"pfClient", u"PromptClicked", u"old"}},
                             {1, {u"changed", u"PromptClicked", u"CODE42"}}};
    EXPECT_TRUE(operator_eq(first.seen, Events{expected[0]}));
    // Sinks of one round share the event's variables, as handlers of one raised event do.
    EXPECT_TRUE(operator_eq(second.seen, Events{expected[1]}));
    EXPECT_EQ(relay->RaiseAnEvent(object.get(), name.get(), nullptr), E_POINTER);

    EXPECT_EQ(cp1->Unadvise(c1), S_OK);
    EXPECT_EQ(cp1->Unadvise(c1), CONNECT_E_NOCONNECTION);
    EXPECT_EQ(cp2->Unadvise(c2), S_OK);
    EXPECT_EQ(first.refs, 1u); // every reference the relay took is given back
    cp1->Release();
    cp2->Release();
    EXPECT_EQ(relay->Release(), 0u);
}

TEST(Relays, BrokerRaisesCopiesAndASinkMayReleaseTheRelayInside) {
    auto* broker = test::create<_cEventBroker>(CLSID_cEventBroker, IID__cEventBroker);
    test::Sink sink;
    IConnectionPoint* cp = nullptr;
    const DWORD cookie = test::advise(broker, DIID___cEventBroker, &sink, &cp);
    ASSERT_NE(cookie, 0u);
    cp->Release();
    sink.handler = [&](DISPPARAMS& p) {
        SysFreeString(*p.rgvarg[0].pbstrVal);
        *p.rgvarg[0].pbstrVal = SysAllocString(u"ignored");
        broker->Release(); // the host drops its last reference from inside the event
    };
    Bstr control(u"mpFirm"), event(u"Go"), data(u"x");
    EXPECT_EQ(broker->RaiseTheEvent(control.get(), event.get(), data.get()), S_OK);
    EXPECT_EQ(data.view(), u"x");
    ASSERT_EQ(sink.seen.size(), 1u);
    EXPECT_EQ(sink.seen[0].args, (std::vector<std::u16string>{u"mpFirm", u"Go", u"x"}));
    EXPECT_EQ(sink.refs, 1u); // the relay died after the round and let the sink go
    EXPECT_EQ(DllCanUnloadNow(), S_OK);
}

TEST(Relays, SinkUnadvisingAnotherDuringTheRoundSkipsIt) {
    auto* relay = test::create<_clsPromptEvents>(CLSID_clsPromptEvents, IID__clsPromptEvents);
    test::Sink a, b;
    IConnectionPoint *cpa = nullptr, *cpb = nullptr;
    test::advise(relay, DIID___clsPromptEvents, &a, &cpa);
    const DWORD cb = test::advise(relay, DIID___clsPromptEvents, &b, &cpb);
    a.handler = [&](DISPPARAMS&) { cpa->Unadvise(cb); };
    Bstr s(u"s"), d(u"d");
    EXPECT_EQ(relay->RaiseAnEvent(s.get(), s.get(), d.out_keep()), S_OK);
    EXPECT_EQ(a.seen.size(), 1u);
    EXPECT_EQ(b.seen.size(), 0u);
    EXPECT_EQ(b.refs, 1u);
    cpa->Release();
    cpb->Release();
    EXPECT_EQ(relay->Release(), 0u);
    EXPECT_EQ(a.refs, 1u);
}

TEST(ConnectionPoints, FoundByCurrentAndEarlierEventIdentifiers) {
    struct Row {
        const CLSID* clsid;
        std::vector<const IID*> answers;
    };
    const Row rows[] = {
        {&CLSID_DDOC, {&DIID___DDOC, &DIID___DDOC___v0}},
        {&CLSID_PromptField,
         {&DIID___PromptField, &DIID___PromptField___v0, &DIID___PromptField___v1}},
        {&CLSID_MultiPrompt, {&DIID___MultiPrompt, &DIID___MultiPrompt___v0}},
        {&CLSID_GradientButton, {&DIID___GradientButton}},
    };
    for (const auto& r : rows) {
        IDispatch* d = test::create(*r.clsid);
        IConnectionPointContainer* cpc = nullptr;
        ASSERT_EQ(d->QueryInterface(IID_IConnectionPointContainer, reinterpret_cast<void**>(&cpc)),
                  S_OK);
        IConnectionPoint* first = nullptr;
        for (const IID* iid : r.answers) {
            IConnectionPoint* cp = nullptr;
            ASSERT_EQ(cpc->FindConnectionPoint(*iid, &cp), S_OK);
            IID reported{};
            cp->GetConnectionInterface(&reported);
            EXPECT_EQ(reported, *r.answers[0]); // always reports the current identifier
            if (!first)
                first = cp;
            else {
                EXPECT_EQ(cp, first);
                cp->Release();
            }
        }
        IConnectionPoint* none = nullptr;
        EXPECT_EQ(cpc->FindConnectionPoint(DIID___O2007Check, &none), CONNECT_E_NOCONNECTION);
        EXPECT_EQ(cpc->FindConnectionPoint(IID__DDOC, &none), CONNECT_E_NOCONNECTION);
        EXPECT_EQ(first->Advise(nullptr, nullptr), E_POINTER);
        first->Release();
        cpc->Release();
        EXPECT_EQ(d->Release(), 0u);
    }
}

TEST(Factory, ErrorsCountsAndLocks) {
    void* p = reinterpret_cast<void*>(1);
    EXPECT_EQ(DllGetClassObject(IID__DDOC, IID_IClassFactory, &p), CLASS_E_CLASSNOTAVAILABLE);
    EXPECT_EQ(p, nullptr);
    EXPECT_EQ(DllGetClassObject(CLSID_DDOC, IID_IClassFactory, nullptr), E_POINTER);
    IClassFactory* f = nullptr;
    ASSERT_EQ(DllGetClassObject(CLSID_HoverButton, IID_IClassFactory, reinterpret_cast<void**>(&f)),
              S_OK);
    EXPECT_EQ(DllCanUnloadNow(), S_FALSE); // a factory is alive
    test::Sink outer;
    EXPECT_EQ(f->CreateInstance(&outer, IID_IUnknown, &p), CLASS_E_NOAGGREGATION);
    EXPECT_EQ(f->CreateInstance(nullptr, IID_IUnknown, nullptr), E_POINTER);
    EXPECT_EQ(f->CreateInstance(nullptr, IID__DDOC, &p), E_NOINTERFACE);
    EXPECT_EQ(p, nullptr);
    EXPECT_EQ(f->LockServer(1), S_OK);
    EXPECT_EQ(f->Release(), 0u);
    EXPECT_EQ(DllCanUnloadNow(), S_FALSE); // locked
    ASSERT_EQ(DllGetClassObject(CLSID_HoverButton, IID_IClassFactory, reinterpret_cast<void**>(&f)),
              S_OK);
    EXPECT_EQ(f->LockServer(0), S_OK);
    IUnknown* object = nullptr;
    ASSERT_EQ(f->CreateInstance(nullptr, IID_IUnknown, reinterpret_cast<void**>(&object)), S_OK);
    f->Release();
    EXPECT_EQ(DllCanUnloadNow(), S_FALSE); // an object is alive
    EXPECT_EQ(test::refs(object), 1u);
    EXPECT_EQ(object->Release(), 0u);
    EXPECT_EQ(DllCanUnloadNow(), S_OK);
}

TEST(Factory, EveryClassIsCreatableAndItsOwn) {
    for (const auto& c : frame::type_library().classes) {
        IDispatch* d = test::create(*c.clsid);
        ASSERT_NE(d, nullptr);
        void* itf = nullptr;
        EXPECT_EQ(d->QueryInterface(*c.default_interface->iid, &itf), S_OK);
        static_cast<IUnknown*>(itf)->Release();
        ITypeInfo* info = nullptr;
        ASSERT_EQ(d->GetTypeInfo(0, 0, &info), S_OK);
        TYPEATTR* attr = nullptr;
        info->GetTypeAttr(&attr);
        EXPECT_EQ(attr->guid, *c.default_interface->iid);
        info->ReleaseTypeAttr(attr);
        info->Release();
        EXPECT_EQ(d->Release(), 0u);
    }
    EXPECT_EQ(DllCanUnloadNow(), S_OK);
}
