// Hover and leave tracking: one request at a time, for the window under the pointer.
#include "platform/window/input.h"

#include "platform/core/clock.h"
#include "platform/window/message.h"
#include "platform/window/window.h"
#include "platform/window/window_state.h"

#include <cstdlib>

namespace paginor::platform {

using detail::find;
using detail::state;

namespace {

bool pointer_over(HWND hwnd) {
    return hwnd != 0 && WindowFromPoint(state().cursor) == hwnd;
}

void restart_hover(detail::Tracking& t) {
    t.hover_origin = state().cursor;
    t.hover_start = GetClock().monotonic_ms();
}

bool outside_hover_rect(const detail::Tracking& t) {
    const auto& ws = state();
    return std::abs(ws.cursor.x - t.hover_origin.x) > ws.hover_rect.cx / 2 ||
           std::abs(ws.cursor.y - t.hover_origin.y) > ws.hover_rect.cy / 2;
}

} // namespace

namespace detail {

void pointer_moved() {
    Tracking& t = state().tracking;
    if (t.hwnd == 0) {
        return;
    }
    if (!pointer_over(t.hwnd)) {
        HWND left = t.hwnd;
        bool leave = t.leave;
        t = Tracking{};
        if (leave) {
            PostMessage(left, WM_MOUSELEAVE, 0, 0);
        }
        return;
    }
    if (t.hover && outside_hover_rect(t)) {
        restart_hover(t);
    }
}

uint64_t next_hover_due() {
    const Tracking& t = state().tracking;
    return t.hwnd != 0 && t.hover ? t.hover_start + t.hover_time : kNothingDue;
}

bool fire_due_hover(uint64_t now) {
    Tracking& t = state().tracking;
    if (t.hwnd == 0 || !t.hover || now < t.hover_start + t.hover_time) {
        return false;
    }
    HWND hwnd = t.hwnd;
    t.hover = false;
    if (!t.leave) {
        t = Tracking{};
    }
    Window* w = find(hwnd);
    if (w == nullptr || !pointer_over(hwnd)) {
        return true;
    }
    POINT client = state().cursor;
    ScreenToClient(hwnd, &client);
    call_proc(*w, WM_MOUSEHOVER, key_state_flags(), MAKELPARAM(client.x, client.y), false);
    return true;
}

} // namespace detail

BOOL TrackMouseEvent(TRACKMOUSEEVENT* request) {
    if (request == nullptr || request->cbSize != sizeof(TRACKMOUSEEVENT)) {
        return FALSE;
    }
    HWND hwnd = request->hwndTrack;
    DWORD pid = 0;
    if (GetWindowThreadProcessId(hwnd, &pid) == 0 || pid != GetCurrentProcessId()) {
        return FALSE;
    }
    detail::Tracking& t = state().tracking;
    DWORD flags = request->dwFlags;
    if (flags & TME_CANCEL) {
        if (t.hwnd == hwnd) {
            t.hover = t.hover && !(flags & TME_HOVER);
            t.leave = t.leave && !(flags & TME_LEAVE);
            if (!t.hover && !t.leave) {
                t = detail::Tracking{};
            }
        }
        return TRUE;
    }
    if (!pointer_over(hwnd)) {
        if (flags & TME_LEAVE) {
            PostMessage(hwnd, WM_MOUSELEAVE, 0, 0);
        }
        return TRUE;
    }
    if (t.hwnd != hwnd) {
        t = detail::Tracking{};
        t.hwnd = hwnd;
    }
    if (flags & TME_LEAVE) {
        t.leave = true;
    }
    if (flags & TME_HOVER) {
        t.hover = true;
        t.hover_time =
            request->dwHoverTime == HOVER_DEFAULT ? state().hover_time : request->dwHoverTime;
        restart_hover(t);
    }
    if (!t.hover && !t.leave) {
        t = detail::Tracking{};
    }
    return TRUE;
}

} // namespace paginor::platform
