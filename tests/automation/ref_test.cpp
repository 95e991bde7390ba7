#include "automation/ref.h"

#include <gtest/gtest.h>

#include <functional>

using paginor::automation::Ref;
using paginor::automation::write_out;

namespace {

struct Counted final : IUnknown {
    ULONG refs = 1;
    HRESULT QueryInterface(REFIID, void**) override { return E_NOINTERFACE; }
    ULONG AddRef() override { return ++refs; }
    ULONG Release() override { return --refs; }
};

TEST(Ref, CountsBalance) {
    using R = Ref<IUnknown>;
    struct Case {
        const char* what;
        std::function<void(Counted&, R&)> step;
        ULONG refs;  // the object's count after the step, while the Ref still lives
        ULONG after; // and once the Ref is gone
    };
    // clang-format off
    const Case cases[] = {
        {"borrow adds one", [](Counted& c, R& r) { r = R(&c); }, 2, 1},
        {"adopt takes the caller's", [](Counted& c, R& r) { r = R::adopt(&c); }, 1, 0},
        {"copy adds one", [](Counted& c, R& r) { R first(&c); r = first; }, 2, 1},
        {"move hands over",
         [](Counted& c, R& r) { R first(&c); r = std::move(first); EXPECT_FALSE(first); }, 2, 1},
        {"reset releases", [](Counted& c, R& r) { r = R(&c); r.reset(); }, 1, 1},
        {"put releases the old and owns what is written", [](Counted& c, R& r) {
             r = R(&c);
             IUnknown** slot = r.put();
             EXPECT_EQ(c.refs, 1u);
             c.AddRef();
             *slot = &c;
         }, 2, 1},
        {"detach gives the reference away", [](Counted& c, R& r) {
             r = R(&c);
             IUnknown* out = nullptr;
             EXPECT_EQ(write_out(&out, std::move(r)), S_OK);
             EXPECT_EQ(out, &c);
         }, 2, 2},
    };
    // clang-format on
    for (const auto& k : cases) {
        SCOPED_TRACE(k.what);
        Counted object;
        {
            R r;
            k.step(object, r);
            EXPECT_EQ(object.refs, k.refs);
        }
        EXPECT_EQ(object.refs, k.after); // what it handed out stays
    }
}

TEST(Ref, WriteOutRefusesANullPointerWithoutMaking) {
    bool made = false;
    EXPECT_EQ(write_out(static_cast<int*>(nullptr),
                        [&] {
                            made = true;
                            return 1;
                        }),
              E_POINTER);
    EXPECT_FALSE(made);
    int value = 0;
    EXPECT_EQ(write_out(&value, [] { return 7; }), S_OK);
    EXPECT_EQ(value, 7);
    Counted object;
    EXPECT_EQ(write_out(static_cast<IUnknown**>(nullptr), Ref<IUnknown>(&object)), E_POINTER);
    EXPECT_EQ(object.refs, 1u); // the refused reference was released, not leaked
}

} // namespace
