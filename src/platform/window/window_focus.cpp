#include "platform/window/window.h"

#include "platform/window/message.h"
#include "platform/window/window_state.h"

namespace paginor::platform {

using detail::find;
using detail::state;

namespace {

// Hidden or disabled, itself or through an ancestor.
bool can_take_focus(HWND hwnd) {
    for (detail::Window* w = find(hwnd); w != nullptr; w = find(w->parent)) {
        if (!w->visible || !w->enabled) {
            return false;
        }
    }
    return find(hwnd) != nullptr;
}

HWND activate(HWND top, WPARAM how) {
    HWND old = state().active;
    if (top == old) {
        return 0;
    }
    state().active = top;
    if (old != 0) {
        SendMessage(old, WM_ACTIVATE, WA_INACTIVE, LPARAM(top));
    }
    if (top != 0 && state().active == top) {
        SendMessage(top, WM_ACTIVATE, how, LPARAM(old));
    }
    return old;
}

} // namespace

namespace detail {

// Pressing into an inactive top-level window activates it as a click activation.
void click_activate(HWND hwnd) {
    HWND top = GetTopLevelWindow(hwnd);
    if (top != 0 && top != state().active) {
        activate(top, WA_CLICKACTIVE);
    }
}

} // namespace detail

HWND SetFocus(HWND hwnd) {
    auto& ws = state();
    if (hwnd != 0 && !can_take_focus(hwnd)) {
        return 0;
    }
    HWND old = ws.focus;
    if (hwnd != 0) {
        HWND top = GetTopLevelWindow(hwnd);
        if (top != ws.active) {
            activate(top, WA_ACTIVE);
        }
    }
    if (old == hwnd) {
        return old;
    }
    ws.focus = hwnd;
    if (old != 0 && IsWindow(old)) {
        SendMessage(old, WM_KILLFOCUS, WPARAM(hwnd), 0);
    }
    if (hwnd != 0 && ws.focus == hwnd) {
        SendMessage(hwnd, WM_SETFOCUS, WPARAM(old), 0);
    }
    return old;
}

HWND GetFocus() {
    return state().focus;
}

HWND SetActiveWindow(HWND hwnd) {
    HWND top = GetTopLevelWindow(hwnd);
    if (top == 0) {
        return 0;
    }
    HWND focus = state().focus;
    HWND old = activate(top, WA_ACTIVE);
    // The focus cannot stay in a window that is no longer active.
    if (focus != 0 && GetTopLevelWindow(focus) != top && state().focus == focus) {
        state().focus = 0;
        SendMessage(focus, WM_KILLFOCUS, 0, 0);
    }
    return old;
}

HWND GetActiveWindow() {
    return state().active;
}

} // namespace paginor::platform
