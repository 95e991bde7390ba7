// Timers: WM_TIMER (wParam = timer id, lParam = the timer procedure or 0) on the clock
// in use. A tick is generated only when no posted or input message waits. However far
// the clock jumps, a timer ticks once per dispatch and its next tick is due one interval
// after the tick was dispatched. A timer whose handler pumps messages is not ticked
// again inside that pump. Timers due at the same time tick in the order they were made.
#pragma once

#include "platform/core/types.h"

#include <cstdint>

namespace paginor::platform {

using TIMERPROC = void (*)(HWND, UINT, uintptr_t, DWORD);

// Intervals below this are raised to it, as on the desktop.
constexpr UINT USER_TIMER_MINIMUM = 10;

// Starts (or restarts, keeping its place in the creation order) timer id of hwnd, first
// due elapse ms from now. With hwnd 0 the id is chosen by the system and proc is
// required. A proc, when given, receives the tick instead of the window procedure.
// Returns the timer id; 0 for a non-window hwnd, or hwnd 0 without proc.
uintptr_t SetTimer(HWND hwnd, uintptr_t id, UINT elapse, TIMERPROC proc = nullptr);
// FALSE when no such timer exists.
BOOL KillTimer(HWND hwnd, uintptr_t id);

} // namespace paginor::platform
