// Sinks are written as plain vtables, as a host outside C++ writes them.
#include "automation/ref.h"
#include "frame/std_font.h"
#include "support/late_bound.h"
#include "support/notify_sink.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

using namespace paginor;
using namespace paginor::frame;

namespace {

using test::Lines;
using test::NotifySink;

struct Listener final : FontChangeListener {
    explicit Listener(Lines& log) : log(log) {}
    void OnFontChanged(DISPID id) override { log.push_back("listener " + std::to_string(id)); }
    Lines& log;
};

class FontNotify : public ::testing::Test {
  public:
    void SetUp() override {
        Ref<IConnectionPointContainer> container;
        ASSERT_EQ(font->QueryInterface(IID_IConnectionPointContainer, container.put_void()), S_OK);
        ASSERT_EQ(container->FindConnectionPoint(IID_IPropertyNotifySink, point.put()), S_OK);
    }
    void TearDown() override {
        point.reset();
        EXPECT_EQ(font ? font->Release() : 0u, 0u);
        for (const NotifySink* s : {&a, &b, &c})
            EXPECT_EQ(s->refs, 1u) << s->name << " kept";
        EXPECT_EQ(DllCanUnloadNow(), S_OK);
    }
    void advise(std::initializer_list<NotifySink*> sinks) {
        for (NotifySink* s : sinks) {
            s->point = point.get();
            ASSERT_EQ(point->Advise(s->unknown(), &s->cookie), S_OK) << s->name;
        }
    }

    Lines log;
    StdFont* font{StdFont::create()};
    Ref<IConnectionPoint> point;
    NotifySink a{"a", log}, b{"b", log}, c{"c", log};
};

// Typed writes notify alike, in the tests below.
TEST_F(FontNotify, EveryChangeReachesListenersThenSinksInAdviseOrder) {
    Listener listener(log);
    font->add_listener(&listener);
    advise({&a, &b});
    EXPECT_EQ(a.refs, 2u) << "the point holds a reference";
    const VARIANT on = *automation::Variant::boolean(true).get();
    VARIANT size = *automation::Variant(12.0).get();
    automation::Bstr face(u"Tahoma");
    const VARIANT name = test::text_arg(face.get());
    const auto put = [&](DISPID id, VARIANT value) {
        return test::LateCall(font, id, DISPATCH_PROPERTYPUT, {value}).hr;
    };
    EXPECT_EQ(put(DISPID_FONT_BOLD, on), S_OK);
    EXPECT_EQ(put(DISPID_FONT_BOLD, on), S_OK); // same value: no notification
    EXPECT_EQ(put(DISPID_FONT_SIZE, size), S_OK);
    ASSERT_EQ(point->Unadvise(a.cookie), S_OK);
    EXPECT_EQ(point->Unadvise(a.cookie), CONNECT_E_NOCONNECTION);
    EXPECT_EQ(put(DISPID_FONT_NAME, name), S_OK);
    EXPECT_EQ(put(DISPID_FONT_NAME, on), DISP_E_TYPEMISMATCH);
    size.dblVal = 0;
    test::LateCall zero(font, DISPID_FONT_SIZE, DISPATCH_PROPERTYPUT, {size});
    EXPECT_EQ(std::tie(zero.hr, zero.excep.scode, zero.excep.wCode),
              std::make_tuple(DISP_E_EXCEPTION, HRESULT(0x800A017C), WORD(0))); // error 380
    EXPECT_EQ(put(DISPID_FONT_STRIKE, on), S_OK);
    font->remove_listener(&listener);

    // refs: the test's, the point's, and the one held across the call.
    const Lines expected{"listener 3", "a 3 refs 3", "b 3 refs 3", "listener 2", "a 2 refs 3",
                         "b 2 refs 3", "listener 0", "b 0 refs 3", "listener 6", "b 6 refs 3"};
    EXPECT_EQ(log, expected);
    EXPECT_EQ(a.refs, 1u) << "Unadvise lets the sink go at once";
    test::LateCall read(font, u"Size");
    EXPECT_EQ(std::tie(read.hr, read.result->vt, read.result->llVal),
              std::make_tuple(S_OK, VARTYPE(VT_CY), 120000LL));
    EXPECT_EQ(test::late_text(font, u"name"), u"Tahoma");
}

// Also the one point the font enumerates (its connections enumerate as every point's do,
// in enumerator_test.cpp; a sink that is no IPropertyNotifySink is refused by the same
// point in control_notify_test.cpp).
TEST_F(FontNotify, PointAnswersAsTheStandardOneDoes) {
    IID iid{};
    ASSERT_EQ(point->GetConnectionInterface(&iid), S_OK);
    EXPECT_EQ(iid, IID_IPropertyNotifySink);
    Ref<IConnectionPointContainer> container;
    ASSERT_EQ(point->GetConnectionPointContainer(container.put()), S_OK);
    IConnectionPoint* other = reinterpret_cast<IConnectionPoint*>(1);
    EXPECT_EQ(container->FindConnectionPoint(IID_IDispatch, &other), CONNECT_E_NOCONNECTION);
    EXPECT_EQ(other, nullptr);
    Ref<IDispatch> same;
    ASSERT_EQ(container->QueryInterface(IID_IDispatch, same.put_void()), S_OK);
    EXPECT_EQ(same.get(), static_cast<IDispatch*>(font));
    Ref<IEnumConnectionPoints> points;
    Ref<IConnectionPoint> listed;
    ASSERT_EQ(font->EnumConnectionPoints(points.put()), S_OK);
    EXPECT_EQ(points->Next(1, listed.put(), nullptr), S_OK);
    EXPECT_EQ(listed.get(), point.get());

    DWORD cookie = 7;
    EXPECT_EQ(point->Advise(nullptr, &cookie), E_POINTER);
    EXPECT_EQ(cookie, 0u);
}

TEST_F(FontNotify, SinksUnadvisingInsideTheCall) {
    advise({&a, &b, &c});
    a.unadvise = &a; // itself: the round goes on with b
    b.unadvise = &c; // the next one: c misses this round
    font->set_underline(true);
    font->set_underline(false);
    EXPECT_EQ(log, (Lines{"a 5 refs 3", "b 5 refs 3", "b 5 refs 3"}));
    EXPECT_EQ(point->Unadvise(b.cookie), S_OK);
}

TEST_F(FontNotify, ASinkDroppingTheLastReferenceEndsTheRoundSafely) {
    advise({&a, &b});
    point.reset();
    a.drop = std::exchange(font, nullptr); // the test's reference was the last one
    static_cast<StdFont*>(a.drop)->set_strikethrough(true);
    EXPECT_EQ(log, (Lines{"a 6 refs 3", "b 6 refs 3"}))
        << "b still hears the change the round started with";
}

} // namespace
