#include <paginor/automation.h>

#include "automation/object_count.h"
#include "support/test_sink.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <sstream>
#include <string>
#include <vector>

using namespace paginor;
using test::Ref;

namespace {

static_assert(sizeof(CONNECTDATA) == 16 && offsetof(CONNECTDATA, dwCookie) == 8);

// An enumerator's answer as text: "S_OK", "S_FALSE" or the number.
std::string result(HRESULT hr) {
    return hr == S_OK ? "S_OK" : hr == S_FALSE ? "S_FALSE" : std::to_string(hr);
}

// Next(n) with a fetched count as "<answer> <cookie>...", each element checked to be the sink
// advised under its cookie (by_cookie[cookie]); the references handed out are released at once, so
// a Next that hands out uncounted references leaves a sink short.
std::string fetch(IEnumConnections* e, ULONG n,
                  const std::vector<const IUnknown*>& by_cookie = {}) {
    std::vector<CONNECTDATA> out(n + 1, CONNECTDATA{nullptr, 0xDEAD});
    ULONG fetched = 99;
    std::string got = result(e->Next(n, out.data(), &fetched));
    EXPECT_LE(fetched, n);
    for (ULONG i = 0; i < fetched && i < n; ++i) {
        const DWORD cookie = out[i].dwCookie;
        got += " " + std::to_string(cookie);
        if (cookie < by_cookie.size()) {
            EXPECT_EQ(out[i].pUnk, by_cookie[cookie]) << "the sink of cookie " << cookie;
        }
        out[i].pUnk->Release();
    }
    EXPECT_EQ(out[n].dwCookie, 0xDEADu) << "Next wrote past celt";
    return got;
}

class Enumerate : public ::testing::Test {
  public:
    void SetUp() override {
        ASSERT_TRUE(relay);
        for (test::Sink* s : {&a, &b, &c, &d})
            cookies.push_back(test::advise(relay.get(), DIID___clsPromptEvents, s, &point));
        ASSERT_TRUE(point);
    }
    void TearDown() override {
        point.reset();
        relay.reset();
        for (test::Sink* s : {&a, &b, &c, &d})
            EXPECT_EQ(s->refs, 1u) << "a reference to a sink was kept or lost";
        EXPECT_EQ(automation::live_objects(), before);
    }
    Ref<IEnumConnections> connections() {
        Ref<IEnumConnections> e;
        EXPECT_EQ(point->EnumConnections(e.put()), S_OK);
        return e;
    }
    // b is advised again late, under cookie 5.
    std::string next(IEnumConnections* e, ULONG n) {
        return fetch(e, n, {nullptr, &a, &b, &c, &d, &b});
    }
    std::string next(const Ref<IEnumConnections>& e, ULONG n) { return next(e.get(), n); }

    long before{automation::live_objects()};
    test::Sink a, b, c, d;
    Ref<IDispatch> relay{test::create(CLSID_clsPromptEvents)};
    Ref<IConnectionPoint> point;
    std::vector<DWORD> cookies;
};

TEST_F(Enumerate, ConnectionsInAdviseOrderOnASnapshotThatHoldsItsSinks) {
    ASSERT_EQ(cookies, (std::vector<DWORD>{1, 2, 3, 4}));
    ASSERT_EQ(point->Unadvise(2), S_OK);
    Ref<IEnumConnections> e = connections();
    ASSERT_TRUE(e);
    // Later changes of the point do not reach the snapshot.
    ASSERT_EQ(point->Unadvise(1), S_OK);
    DWORD late = 0;
    ASSERT_EQ(point->Advise(&b, &late), S_OK);
    EXPECT_EQ(late, 5u);
    EXPECT_EQ(a.refs, 2u) << "unadvised, still held by the enumerator";
    EXPECT_EQ(next(e, 4), "S_FALSE 1 3 4");
    EXPECT_EQ(e.detach()->Release(), 0u);
    EXPECT_EQ(a.refs, 1u) << "the enumerator's end lets the unadvised sink go";
    EXPECT_EQ(next(connections(), 9), "S_FALSE 3 4 5");
}

TEST_F(Enumerate, NextSkipResetAndCloneWalkOneSnapshot) {
    Ref<IEnumConnections> first = connections(), clone;
    ASSERT_TRUE(first);
    // "<enumerator> <call> <n> = <answer>": the clone goes on from the place it was made at,
    // the original from its own; a skip to the end exactly answers S_OK, past it stops there.
    const char* const steps[] = {
        "first Next 0 = S_OK",          "first Next 1 = S_OK 1",    "first Clone 0 = S_OK",
        "clone Next 2 = S_OK 2 3",      "first Next 1 = S_OK 2",    "first Skip 2 = S_OK",
        "first Skip 1 = S_FALSE",       "first Next 1 = S_FALSE",   "clone Next 3 = S_FALSE 4",
        "clone Reset 0 = S_OK",         "clone Skip 9 = S_FALSE",   "clone Next 1 = S_FALSE",
        "first Reset 0 = S_OK",         "first Skip 1 = S_OK",      "first Clone 0 = S_OK",
        "clone Next 9 = S_FALSE 2 3 4", "first Next 3 = S_OK 2 3 4"};
    for (const std::string step : steps) {
        std::istringstream in(step);
        std::string which, op;
        ULONG n = 0;
        in >> which >> op >> n;
        IEnumConnections* e = (which == "clone" ? clone : first).get();
        const std::string got = op == "Next" ? next(e, n)
                                             : result(op == "Skip"    ? e->Skip(n)
                                                      : op == "Reset" ? e->Reset()
                                                                      : e->Clone(clone.put()));
        EXPECT_EQ(got, step.substr(step.find(" = ") + 3)) << step;
    }
    clone.reset();

    // Bad input: nothing handed out, the place kept.
    CONNECTDATA out[2]{{nullptr, 7}, {nullptr, 7}};
    ULONG fetched = 7;
    first->Reset();
    EXPECT_EQ(first->Next(2, out, nullptr), E_INVALIDARG);
    EXPECT_EQ(first->Next(0, out, nullptr), E_INVALIDARG);
    EXPECT_EQ(first->Next(1, nullptr, &fetched), E_POINTER);
    EXPECT_EQ(fetched, 0u);
    EXPECT_EQ(out[0].dwCookie, 7u);
    EXPECT_EQ(first->Clone(nullptr), E_POINTER);
    EXPECT_EQ(point->EnumConnections(nullptr), E_POINTER);
    EXPECT_EQ(first->Next(1, out, nullptr), S_OK) << "fetched may be null for one";
    EXPECT_EQ(out[0].dwCookie, 1u);
    out[0].pUnk->Release();

    EXPECT_EQ(test::query<IUnknown>(first.get(), IID_IUnknown).get(), first.get());
    void* other = &other;
    EXPECT_EQ(first->QueryInterface(IID_IEnumVARIANT, &other), E_NOINTERFACE);
    EXPECT_EQ(other, nullptr);
    EXPECT_EQ(first.detach()->Release(), 0u);
}

TEST_F(Enumerate, TheOnePointKeepsItsObjectAlive) {
    auto container =
        test::query<IConnectionPointContainer>(relay.get(), IID_IConnectionPointContainer);
    EXPECT_EQ(container->EnumConnectionPoints(nullptr), E_POINTER);
    Ref<IEnumConnectionPoints> e;
    ASSERT_EQ(container->EnumConnectionPoints(e.put()), S_OK);
    container.reset();
    point.reset();
    ASSERT_EQ(relay.detach()->Release(), 1u)
        << "the enumerator holds the point, the object's count";

    IConnectionPoint* out[3]{};
    ULONG fetched = 0;
    EXPECT_EQ(e->Next(3, out, &fetched), S_FALSE);
    ASSERT_EQ(fetched, 1u);
    EXPECT_EQ(out[1], nullptr) << "nothing written past the end";
    point = Ref<IConnectionPoint>::adopt(out[0]); // still the live point: its sinks are there
    EXPECT_EQ(next(connections(), 5), "S_FALSE 1 2 3 4");
    point.reset();
    EXPECT_EQ(e.detach()->Release(), 0u);
    EXPECT_EQ(a.refs, 1u) << "the object went with the enumerator and let its sinks go";
}

} // namespace
