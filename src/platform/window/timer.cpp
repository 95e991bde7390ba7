#include "platform/window/timer.h"

#include "platform/core/clock.h"
#include "platform/window/window_state.h"

#include <algorithm>

namespace paginor::platform {

using detail::find;
using detail::state;
using detail::Timer;

namespace {

Timer* find_timer(HWND hwnd, uintptr_t id) {
    for (Timer& t : state().timers) {
        if (t.hwnd == hwnd && t.id == id) {
            return &t;
        }
    }
    return nullptr;
}

// The due timer that ticks next: earliest due time, then creation order. A timer that is
// firing, or has ticked in this pass of the loop, waits.
Timer* next_due(uint64_t now, uint64_t pass) {
    Timer* best = nullptr;
    for (Timer& t : state().timers) {
        if (t.firing || t.ticked_in_pass == pass || t.due > now) {
            continue;
        }
        if (best == nullptr || t.due < best->due || (t.due == best->due && t.order < best->order)) {
            best = &t;
        }
    }
    return best;
}

} // namespace

namespace detail {

bool fire_due_timer(uint64_t now, uint64_t pass) {
    Timer* t = next_due(now, pass);
    if (t == nullptr) {
        return false;
    }
    t->ticked_in_pass = pass;
    t->due = now + t->elapse; // however late, one tick, then a full interval
    t->firing = true;
    HWND hwnd = t->hwnd;
    uintptr_t id = t->id;
    TIMERPROC proc = t->proc;
    if (proc != nullptr) {
        proc(hwnd, WM_TIMER, id, GetTickCount());
    } else if (Window* w = find(hwnd)) {
        call_proc(*w, WM_TIMER, id, 0, false);
    }
    // The handler may have killed or restarted the timer; the vector may have moved.
    if (Timer* still = find_timer(hwnd, id)) {
        still->firing = false;
    }
    return true;
}

uint64_t next_timer_due() {
    uint64_t best = kNothingDue;
    for (const Timer& t : state().timers) {
        if (!t.firing) {
            best = std::min(best, t.due);
        }
    }
    return best;
}

void forget_timers(HWND hwnd) {
    auto& timers = state().timers;
    timers.erase(std::remove_if(timers.begin(), timers.end(),
                                [hwnd](const Timer& t) { return t.hwnd == hwnd; }),
                 timers.end());
}

void reset_timers() {
    state().timers.clear();
    state().next_timer_order = 1;
}

} // namespace detail

uintptr_t SetTimer(HWND hwnd, uintptr_t id, UINT elapse, TIMERPROC proc) {
    auto& ws = state();
    if (hwnd != 0 && find(hwnd) == nullptr) {
        return 0;
    }
    if (hwnd == 0) {
        if (proc == nullptr) {
            return 0;
        }
        id = ws.next_system_timer_id++;
    }
    UINT interval = std::max(elapse, USER_TIMER_MINIMUM);
    uint64_t due = GetClock().monotonic_ms() + interval;
    if (Timer* t = find_timer(hwnd, id)) {
        t->elapse = interval;
        t->proc = proc;
        t->due = due;
        return id;
    }
    Timer t;
    t.hwnd = hwnd;
    t.id = id;
    t.elapse = interval;
    t.proc = proc;
    t.due = due;
    t.order = ws.next_timer_order++;
    ws.timers.push_back(t);
    return id;
}

BOOL KillTimer(HWND hwnd, uintptr_t id) {
    auto& timers = state().timers;
    auto it = std::find_if(timers.begin(), timers.end(),
                           [&](const Timer& t) { return t.hwnd == hwnd && t.id == id; });
    if (it == timers.end()) {
        return FALSE;
    }
    timers.erase(it);
    return TRUE;
}

} // namespace paginor::platform
