// The property generation: it must move with every change a GetProp could see, and stay
// put otherwise, or a caller keeping what it read would answer from stale values.
#include "message_recorder.h"

#include <functional>

using namespace paginor::platform;
using namespace paginor::testing_support;

namespace {

class PropGenerationTest : public WindowSystemTest {};

struct GenerationCase {
    const char* what;
    std::function<void(HWND w, HWND child)> step;
    bool moves;
    bool child_has_prop{true};
};

TEST_F(PropGenerationTest, MovesWithEveryVisibleChangeAndOnlyThen) {
    const GenerationCase cases[] = {
        {"a new property", [](HWND w, HWND) { SetProp(w, u"b", 2); }, true},
        {"a new value", [](HWND w, HWND) { SetProp(w, u"a", 3); }, true},
        {"the same value again", [](HWND w, HWND) { SetProp(w, u"a", 1); }, true},
        {"a removal", [](HWND w, HWND) { RemoveProp(w, u"a"); }, true},
        {"reads",
         [](HWND w, HWND) {
             EXPECT_EQ(GetProp(w, u"a"), 1);
             EXPECT_EQ(EnumProps(w).size(), 1u);
             EXPECT_EQ(GetProp(w, u"x"), 0);
         },
         false},
        {"removing a missing name", [](HWND w, HWND) { RemoveProp(w, u"x"); }, false},
        {"a store that fails",
         [](HWND w, HWND) {
             FailNextPropStores(1);
             SetProp(w, u"a", 5);
         },
         false},
        {"a store on a non-window", [](HWND, HWND) { SetProp(0x999, u"a", 5); }, false},
        {"an empty name", [](HWND w, HWND) { SetProp(w, u"", 5); }, false},
        {"a child with a property destroyed with its parent",
         [](HWND w, HWND) { DestroyWindow(w); }, true},
        {"a window without properties goes", [](HWND, HWND child) { DestroyWindow(child); }, true,
         false},
        {"a reset, which also starts the handles again", [](HWND, HWND) { ResetWindowSystem(); },
         true},
    };
    for (const GenerationCase& c : cases) {
        SCOPED_TRACE(c.what);
        HWND w = make(0, {0, 0, 10, 10});
        HWND child = make(w, {0, 0, 5, 5});
        SetProp(w, u"a", 1);
        if (c.child_has_prop) {
            SetProp(child, u"c", 1);
        }
        uint64_t before = GetPropGeneration();
        c.step(w, child);
        uint64_t after = GetPropGeneration();
        EXPECT_EQ(after != before, c.moves);
        EXPECT_GE(after, before); // never goes back
        EXPECT_GT(after, 0u);
        FailNextPropStores(0);
        DestroyWindow(w);
    }
}

} // namespace
