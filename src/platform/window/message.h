// Sending, posting and pumping messages. One thread: a sent message runs its window's
// procedure at once; posted messages wait in the queue until the loop dispatches them.
//
// Priority, as on the desktop: a sent message runs before anything queued; posted
// messages run before input messages; timer ticks, pointer-hover reports and paint
// messages are generated only when neither queue holds anything, in that order.
#pragma once

#include "platform/core/types.h"

#include <cstddef>
#include <cstdint>
#include <functional>

namespace paginor::platform {

// Calls the window's current procedure and returns its result; 0 for a non-window.
LRESULT SendMessage(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
// Queues the message; FALSE (nothing queued) for a non-window, including 0. A message
// whose window is destroyed before dispatch is dropped.
BOOL PostMessage(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
// TRUE while the innermost message being handled was sent with SendMessage rather than
// taken from the queue (posted, input or generated).
BOOL InSendMessage();

// Dispatches everything pending: posted messages, input, then due timers, hover reports
// and paints, until nothing is left. Messages posted meanwhile are dispatched too; each
// timer ticks and each window paints at most once per call, so the call always returns.
// Re-entrant: a handler may call DoEvents again.
void DoEvents();
// Pumps until pred() holds or timeout_ms passes on the clock, waiting for the clock
// between pumps (a manual clock jumps straight to the next timer or hover due time).
// Returns pred()'s last answer.
bool PumpUntil(const std::function<bool()>& pred, uint32_t timeout_ms);

// Lets ms pass on the clock in use, stopping at every timer tick and hover report that
// falls due on the way, in time order, with everything pending dispatched around each; a
// manual clock jumps from one due time to the next, the system clock sleeps between them.
void RunFor(uint32_t ms);
// Messages waiting in the posted and input queues (for tests and benchmarks).
std::size_t PendingMessageCount();
// When (on the clock in use, in ms) the next timer tick or hover report falls due;
// UINT64_MAX while none is set. A host's loop sleeps until then, or until input comes.
uint64_t NextDueTime();

} // namespace paginor::platform
