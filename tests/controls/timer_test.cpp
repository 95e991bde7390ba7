// The timer control on the manual clock: ticks every Interval while enabled, never at 0,
// and refuses intervals outside 0..65535.
#include "controls/Timer.h"
#include "platform/core/error.h"
#include "platform/window/message.h"
#include "platform/window/window_system.h"

#include <gtest/gtest.h>

#include <chrono>

using namespace paginor;

namespace {

TEST(Timer, TicksOnThePlatformClock) {
    platform::WindowSystemScope scope;
    controls::Timer timer;
    std::vector<uint64_t> ticks;
    timer.on_timer = [&] { ticks.push_back(scope.clock().monotonic_ms()); };
    auto run = [&](int ms) {
        for (int i = 0; i < ms / 10; ++i) {
            scope.clock().advance(std::chrono::milliseconds(10));
            platform::DoEvents();
        }
    };
    run(200);
    EXPECT_TRUE(ticks.empty()) << "Interval 0 never fires";
    timer.SetInterval(50);
    run(160);
    EXPECT_EQ(ticks, (std::vector<uint64_t>{250, 300, 350}));
    timer.SetEnabled(false);
    run(100);
    EXPECT_EQ(ticks.size(), 3u);
    timer.SetEnabled(true); // the wait starts afresh
    run(60);
    EXPECT_EQ(ticks.back(), 510u);

    struct Case {
        int32_t interval;
        int error;
    };
    for (const Case c : {Case{-1, 380}, Case{65536, 380}, Case{65535, 0}, Case{0, 0}}) {
        int number = 0;
        try {
            timer.SetInterval(c.interval);
        } catch (const RuntimeError& e) {
            number = e.number();
        }
        EXPECT_EQ(number, c.error) << c.interval;
    }
    EXPECT_EQ(timer.Interval(), 0);
}

} // namespace
