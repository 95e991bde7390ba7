#include "platform/core/clock.h"
#include "platform/window/window_system.h"

#include <gtest/gtest.h>

using namespace paginor::platform;
using std::chrono::milliseconds;

namespace {

TEST(Clocks, ManualClockMovesBothReadingsAndNormalisesDates) {
    WindowSystemScope scope;
    ManualClock& c = scope.clock();
    c.set_local_time({2024, 2, 28, 23, 59, 59, 900, 60});
    c.advance(milliseconds(150));
    LocalTime t = GetLocalTime();
    EXPECT_EQ(t, (LocalTime{2024, 2, 29, 0, 0, 0, 50, 60, 4})); // leap day, a Thursday
    c.advance(milliseconds(86400000));
    EXPECT_EQ(GetLocalTime().month, 3);
    EXPECT_EQ(GetLocalTime().day, 1);
    c.set_local_time({2023, 13, 32, 0, 0, 0, 0, -300}); // month 13, day 32
    EXPECT_EQ(GetLocalTime(), (LocalTime{2024, 2, 1, 0, 0, 0, 0, -300, 4}));
    uint64_t before = GetTickCount();
    c.wait_until(before + 25);
    c.wait_until(before); // never back
    c.advance(milliseconds(-5));
    EXPECT_EQ(GetTickCount(), before + 25);
}

TEST(Clocks, CivilDayArithmeticAndTheSystemClock) {
    struct Day {
        int y, m, d;
        int64_t days;
        int weekday;
    };
    const Day days[] = {{1970, 1, 1, 0, 4},
                        {1969, 12, 31, -1, 3},
                        {2000, 2, 29, 11016, 2},
                        {1900, 3, 1, -25508, 4},
                        {1601, 1, 1, -134774, 1}};
    for (const Day& d : days) {
        EXPECT_EQ(days_from_civil(d.y, d.m, d.d), d.days) << d.y;
        LocalTime t = civil_from_local_ms(d.days * 86400000 + 3723004, 0);
        EXPECT_EQ(t, (LocalTime{d.y, d.m, d.d, 1, 2, 3, 4, 0, d.weekday})) << d.y;
    }
    SetClock(nullptr);
    SystemClock& sys = static_cast<SystemClock&>(GetClock());
    uint64_t a = sys.monotonic_ms();
    sys.wait_until(a + 2);
    EXPECT_GE(sys.monotonic_ms(), a + 2);
    LocalTime now = sys.local_time();
    EXPECT_GE(now.year, 2020);
    EXPECT_LE(std::abs(now.utc_offset_minutes), 14 * 60);
}

} // namespace
