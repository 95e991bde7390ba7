#include "support/message_recorder.h"

#include "platform/window/timer.h"

using namespace paginor::platform;
using namespace paginor::testing_support;
using std::chrono::milliseconds;

namespace {

class Timers : public WindowSystemTest {};

TEST_F(Timers, TicksCoalesceAndEqualDueTimesFireInCreationOrder) {
    HWND w = make(0, {0, 0, 10, 10});
    start_recording();
    EXPECT_EQ(NextDueTime(), UINT64_MAX);
    EXPECT_EQ(SetTimer(w, 3, 100), 3u);
    EXPECT_EQ(SetTimer(w, 1, 100), 1u);
    EXPECT_EQ(SetTimer(w, 2, 50), 2u);
    EXPECT_EQ(NextDueTime(), ws.clock().monotonic_ms() + 50); // a host sleeps until then
    DoEvents();
    EXPECT_TRUE(log().empty());
    ws.clock().advance(milliseconds(1000)); // ten intervals late: one tick each
    DoEvents();
    DoEvents(); // not due again yet
    EXPECT_TRUE(SameMessages(
        log(), {posted(w, WM_TIMER, 2), posted(w, WM_TIMER, 3), posted(w, WM_TIMER, 1)}));
    MessageLog::clear();
    // Next ticks are due an interval after the ticks were dispatched (at 1000).
    ws.clock().advance(milliseconds(50));
    DoEvents();
    // Restarting keeps the creation order; killing stops it.
    SetTimer(w, 3, 100);
    EXPECT_TRUE(KillTimer(w, 2));
    EXPECT_FALSE(KillTimer(w, 2));
    ws.clock().advance(milliseconds(100)); // 1 was due at 1100, 3 now at 1150
    DoEvents();
    EXPECT_TRUE(SameMessages(
        log(), {posted(w, WM_TIMER, 2), posted(w, WM_TIMER, 1), posted(w, WM_TIMER, 3)}));
    // The minimum interval, and timers die with their window.
    MessageLog::clear();
    SetTimer(w, 9, 0);
    ws.clock().advance(milliseconds(9));
    DoEvents();
    EXPECT_TRUE(log().empty());
    ws.clock().advance(milliseconds(1));
    DoEvents();
    EXPECT_TRUE(SameMessages(log(), {posted(w, WM_TIMER, 9)}));
    DestroyWindow(w);
    EXPECT_FALSE(KillTimer(w, 9));
    EXPECT_EQ(SetTimer(w, 1, 10), 0u);
    EXPECT_EQ(SetTimer(0, 1, 10), 0u); // no window and no procedure
}

int g_ticks = 0;
int g_max_nesting = 0;
int g_nesting = 0;
paginor::platform::ManualClock* g_clock = nullptr;

// Each tick advances the clock past the next due time and pumps: its own timer must not
// tick inside that pump, while the other timer may.
LRESULT PumpingTick(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg != WM_TIMER) {
        return 0;
    }
    MessageLog::record(hwnd, msg, wParam, lParam);
    if (wParam == 1) {
        ++g_ticks;
        ++g_nesting;
        g_max_nesting = std::max(g_max_nesting, g_nesting);
        g_clock->advance(milliseconds(50));
        DoEvents();
        --g_nesting;
    }
    return 0;
}

TEST_F(Timers, ATickIsNeverReenteredByItsOwnPump) {
    g_clock = &ws.clock();
    g_ticks = g_max_nesting = g_nesting = 0;
    HWND w = make(0, {0, 0, 10, 10}, &PumpingTick);
    SetTimer(w, 1, 20);
    SetTimer(w, 2, 20);
    ws.clock().advance(milliseconds(20));
    DoEvents();
    EXPECT_EQ(g_ticks, 1);
    EXPECT_EQ(g_max_nesting, 1);
    EXPECT_TRUE(SameMessages(log(), {posted(w, WM_TIMER, 1), posted(w, WM_TIMER, 2)}));
}

std::vector<std::pair<HWND, uintptr_t>> g_proc_calls;
void RecordTimerProc(HWND hwnd, UINT msg, uintptr_t id, DWORD time) {
    EXPECT_EQ(msg, WM_TIMER);
    EXPECT_EQ(time, GetTickCount());
    g_proc_calls.emplace_back(hwnd, id);
}

TEST_F(Timers, TimerProceduresReceiveTheTickInsteadOfTheWindow) {
    g_proc_calls.clear();
    HWND w = make(0, {0, 0, 10, 10});
    start_recording();
    SetTimer(w, 5, 30, &RecordTimerProc);
    uintptr_t system_id = SetTimer(0, 123, 30, &RecordTimerProc);
    EXPECT_NE(system_id, 0u);
    EXPECT_NE(system_id, 123u);
    ws.clock().advance(milliseconds(30));
    DoEvents();
    EXPECT_TRUE(log().empty());
    EXPECT_EQ(g_proc_calls,
              (std::vector<std::pair<HWND, uintptr_t>>{{w, 5}, {HWND(0), system_id}}));
    EXPECT_TRUE(KillTimer(0, system_id));
}

} // namespace
