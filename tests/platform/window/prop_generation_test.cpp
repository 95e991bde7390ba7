// The property store and its generation, which must move with every change a GetProp could
// see and stay put otherwise, or a caller keeping what it read would answer from stale values.
#include "support/message_recorder.h"
#include "testing/prop_faults.h"

#include <functional>

using namespace paginor::platform;
using namespace paginor::testing_support;

namespace {

class PropGenerationTest : public WindowSystemTest {};

// Each step runs on a window w with property "a" = 1 and a child with "c" = 1 (or none).
struct GenerationCase {
    const char* what;
    bool moves;
    std::function<void(HWND w, HWND child)> step;
    bool child_has_prop{true};
};

TEST_F(PropGenerationTest, MovesWithEveryVisibleChangeAndOnlyThen) {
    using Props = std::vector<std::pair<std::u16string, HANDLE>>;
    const GenerationCase cases[] = {
        {"a new property", true,
         [](HWND w, HWND) {
             EXPECT_TRUE(SetProp(w, u"0", 2));
             EXPECT_EQ(EnumProps(w), (Props{{u"0", 2}, {u"a", 7}})); // by name
         }},
        {"a new value", true,
         [](HWND w, HWND) { EXPECT_TRUE(SetProp(w, u"a", 3) && GetProp(w, u"a") == 3); }},
        {"the same value again", true, [](HWND w, HWND) { SetProp(w, u"a", 7); }},
        {"a removal", true, [](HWND w, HWND) { EXPECT_EQ(RemoveProp(w, u"a"), 7); }},
        {"reads", false,
         [](HWND w, HWND) {
             EXPECT_EQ(GetProp(w, u"a"), 7);
             EXPECT_EQ(EnumProps(w).size(), 1u);
             EXPECT_EQ(GetProp(w, u"x"), 0);
         }},
        {"removing a missing name", false, [](HWND w, HWND) { EXPECT_EQ(RemoveProp(w, u"x"), 0); }},
        {"a store that fails", false,
         [](HWND w, HWND) {
             paginor::seams::FailingPropStores failing(1);
             EXPECT_FALSE(SetProp(w, u"a", 5));
             EXPECT_EQ(GetProp(w, u"a"), 7);
         }},
        {"a store on a non-window", false,
         [](HWND, HWND) { EXPECT_FALSE(SetProp(0x999, u"a", 5)); }},
        {"an empty name", false, [](HWND w, HWND) { EXPECT_FALSE(SetProp(w, u"", 5)); }},
        {"a child with a property destroyed with its parent", true,
         [](HWND w, HWND c) {
             DestroyWindow(w);
             EXPECT_TRUE(EnumProps(w).empty() && EnumProps(c).empty());
         }},
        {"a window without properties goes", true, [](HWND, HWND c) { DestroyWindow(c); }, false},
        {"a reset, which also starts the handles again", true,
         [](HWND, HWND) { ResetWindowSystem(); }},
    };
    for (const GenerationCase& c : cases) {
        SCOPED_TRACE(c.what);
        HWND w = make(0, {0, 0, 10, 10});
        HWND child = make(w, {0, 0, 5, 5});
        SetProp(w, u"a", 7);
        if (c.child_has_prop)
            SetProp(child, u"c", 1);
        const uint64_t before = GetPropGeneration();
        c.step(w, child);
        const uint64_t after = GetPropGeneration();
        EXPECT_EQ(after != before, c.moves);
        EXPECT_GE(after, before); // never goes back, not even on a reset
        EXPECT_GT(after, 0u);
        DestroyWindow(w);
    }
}

} // namespace
