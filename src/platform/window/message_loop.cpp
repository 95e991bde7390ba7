#include "platform/window/message.h"

#include "platform/core/clock.h"
#include "platform/window/window_state.h"

#include <algorithm>

namespace paginor::platform {

using detail::find;
using detail::kNothingDue;
using detail::state;

namespace {

// One step of the loop, in priority order; false when nothing was pending.
bool dispatch_one(uint64_t pass) {
    auto& ws = state();
    if (!ws.posted.empty()) {
        detail::QueuedMessage m = ws.posted.front();
        ws.posted.pop_front();
        detail::dispatch(m);
        return true;
    }
    if (!ws.input.empty()) {
        detail::QueuedMessage m = ws.input.front();
        ws.input.pop_front();
        // Taking an input message moves the message-time key state to it, whether or not
        // its window is still there.
        ws.message_keys = m.keys;
        if (!m.pointer || detail::route_pointer(m)) {
            detail::dispatch(m);
        }
        return true;
    }
    uint64_t now = GetClock().monotonic_ms();
    return detail::fire_due_timer(now, pass) || detail::fire_due_hover(now) ||
           detail::paint_one(pass);
}

} // namespace

namespace detail {

LRESULT call_proc(Window& w, UINT msg, WPARAM wParam, LPARAM lParam, bool sent) {
    if (w.proc == nullptr) {
        return 0;
    }
    bool outer = std::exchange(state().in_send, sent);
    LRESULT r = w.proc(w.hwnd, msg, wParam, lParam);
    state().in_send = outer;
    return r;
}

void dispatch(const QueuedMessage& m) {
    Window* w = find(m.hwnd);
    if (w == nullptr) {
        return;
    }
    if (m.msg == WM_KEYDOWN && m.character != 0) {
        state().posted.push_back({m.hwnd, WM_CHAR, WPARAM(m.character), m.lParam});
    } else if (m.msg == WM_LBUTTONDOWN || m.msg == WM_RBUTTONDOWN || m.msg == WM_MBUTTONDOWN ||
               m.msg == WM_LBUTTONDBLCLK || m.msg == WM_RBUTTONDBLCLK ||
               m.msg == WM_MBUTTONDBLCLK) {
        click_activate(m.hwnd);
        if ((w = find(m.hwnd)) == nullptr) {
            return;
        }
    }
    call_proc(*w, m.msg, m.wParam, m.lParam, false);
}

} // namespace detail

LRESULT SendMessage(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    detail::Window* w = find(hwnd);
    return w != nullptr ? detail::call_proc(*w, msg, wParam, lParam, true) : 0;
}

BOOL PostMessage(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (find(hwnd) == nullptr) {
        return FALSE;
    }
    state().posted.push_back({hwnd, msg, wParam, lParam});
    return TRUE;
}

BOOL InSendMessage() {
    return state().in_send ? TRUE : FALSE;
}

void DoEvents() {
    uint64_t pass = ++state().pass;
    while (dispatch_one(pass)) {
    }
}

bool PumpUntil(const std::function<bool()>& pred, uint32_t timeout_ms) {
    Clock& clock = GetClock();
    uint64_t deadline = clock.monotonic_ms() + timeout_ms;
    for (;;) {
        DoEvents();
        if (pred()) {
            return true;
        }
        uint64_t now = clock.monotonic_ms();
        if (now >= deadline) {
            return false;
        }
        uint64_t next = std::min(detail::next_timer_due(), detail::next_hover_due());
        // Nothing scheduled, or something due already (a tick held back because it is
        // firing further out): look again a millisecond later.
        uint64_t wake = next == kNothingDue ? now + 1 : std::max(next, now + 1);
        clock.wait_until(std::min(wake, deadline));
    }
}

void RunFor(uint32_t ms) {
    Clock& clock = GetClock();
    const uint64_t deadline = clock.monotonic_ms() + ms;
    for (;;) {
        DoEvents();
        const uint64_t now = clock.monotonic_ms();
        if (now >= deadline)
            return;
        const uint64_t next = std::min(detail::next_timer_due(), detail::next_hover_due());
        clock.wait_until(std::min(std::max(next, now + 1), deadline));
    }
}

std::size_t PendingMessageCount() {
    return state().posted.size() + state().input.size();
}

uint64_t NextDueTime() {
    return std::min(detail::next_timer_due(), detail::next_hover_due());
}

} // namespace paginor::platform
