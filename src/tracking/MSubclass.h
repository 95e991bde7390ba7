// Per-window message hooks for any number of handler objects. The first hook on a
// window replaces its procedure with SharedWindowProc; the last unhook puts the previous
// one back. All bookkeeping lives in properties on the window itself (handle and message
// as signed decimal numbers):
//   "<h>"            the window's previous procedure
//   "C<h>"           hooks on the window, all messages together
//   "<h>#<m>C"       handlers hooked to message m
//   "<h>#<m>#<i>"    identity of the i-th handler of message m (from 1, in hooking order)
// A value of 0 is removed rather than stored. The stored handler pointers do not own the
// handlers: a handler unhooks itself before it goes.
#pragma once

#include "tracking/ISubclass.h"

namespace paginor::MSubclass {

// Hooks iMsg of hwnd for handler. Throws RuntimeError, after undoing what it stored:
//   0x80040000 + 13083 "Invalid window"                         hwnd is not a window
//   0x80040000 + 13084 "Can't modify external window"           another process's window
//   0x80040000 + 13082 "Message already handled by another class" handler already hooks it
//   0x80040000 + 13081 "Can't subclass window"                  the window has no procedure
//   5 (standard text, empty source)                             a property store failed
// all with source "PaginorV2CTL.WindowProc" except 5; error 91 for a null handler.
void HookMessage(ISubclass* handler, HWND hwnd, int32_t iMsg);
// Removes the hook; does nothing for a non-window, a foreign window, or a handler that
// does not hook iMsg. Never throws.
void UnhookMessage(ISubclass* handler, HWND hwnd, int32_t iMsg) noexcept;
// The procedure installed on hooked windows: hands the message to its handlers, last
// hooked first, each held by a counted reference for its call, and to the previous
// procedure as the first-hooked handler's MsgResponse says. A window destroyed while no
// handler hooks WM_DESTROY gets its previous procedure back first.
LRESULT SharedWindowProc(HWND hwnd, UINT iMsg, WPARAM wParam, LPARAM lParam);

} // namespace paginor::MSubclass
