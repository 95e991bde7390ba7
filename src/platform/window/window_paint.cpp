#include "platform/window/window.h"

#include "platform/window/window_state.h"

#include <algorithm>

namespace paginor::platform {

using detail::find;
using detail::state;
using detail::Window;

namespace {

bool is_empty(const RECT& r) {
    return r.right <= r.left || r.bottom <= r.top;
}

RECT bound(const RECT& a, const RECT& b) {
    if (is_empty(a)) {
        return b;
    }
    if (is_empty(b)) {
        return a;
    }
    return RECT{std::min(a.left, b.left), std::min(a.top, b.top), std::max(a.right, b.right),
                std::max(a.bottom, b.bottom)};
}

RECT clip_to_client(const Window& w, const RECT& r) {
    RECT c{std::max(r.left, 0), std::max(r.top, 0), std::min(r.right, w.rect.width()),
           std::min(r.bottom, w.rect.height())};
    return is_empty(c) ? RECT{} : c;
}

bool locked(HWND hwnd) {
    return state().locked != 0 && detail::is_descendant_or_self(hwnd, state().locked);
}

// The update area first: most windows have none, and visibility walks the ancestors.
bool can_paint(const Window& w) {
    return !is_empty(w.update) && IsWindowVisible(w.hwnd) && !locked(w.hwnd);
}

void send_paint(Window& w, bool sent) {
    HWND hwnd = w.hwnd;
    w.painting = w.update;
    w.update = RECT{};
    detail::call_proc(w, WM_PAINT, 0, 0, sent);
    if (Window* still = find(hwnd)) {
        still->painting = RECT{};
    }
}

// Pre-order over a sibling list drawn bottom-most first, so that a parent paints before
// its children and a lower sibling before the one above it.
Window* first_to_paint(const std::vector<HWND>& list, uint64_t pass) {
    for (auto it = list.rbegin(); it != list.rend(); ++it) {
        Window* w = find(*it);
        if (w == nullptr || !w->visible) {
            continue;
        }
        if (w->painted_in_pass != pass && can_paint(*w)) {
            return w;
        }
        if (Window* c = first_to_paint(w->children, pass)) {
            return c;
        }
    }
    return nullptr;
}

} // namespace

namespace detail {

bool paint_one(uint64_t pass) {
    Window* w = first_to_paint(state().top_level, pass);
    if (w == nullptr) {
        return false;
    }
    w->painted_in_pass = pass;
    send_paint(*w, false);
    return true;
}

} // namespace detail

BOOL InvalidateRect(HWND hwnd, const RECT* rect, BOOL) {
    Window* w = find(hwnd);
    if (w == nullptr) {
        return FALSE;
    }
    RECT all{0, 0, w->rect.width(), w->rect.height()};
    w->update = bound(w->update, clip_to_client(*w, rect != nullptr ? *rect : all));
    return TRUE;
}

BOOL ValidateRect(HWND hwnd, const RECT* rect) {
    Window* w = find(hwnd);
    if (w == nullptr) {
        return FALSE;
    }
    // The update area is one rectangle: validating a part that covers it clears it.
    if (rect == nullptr || (rect->left <= w->update.left && rect->top <= w->update.top &&
                            rect->right >= w->update.right && rect->bottom >= w->update.bottom)) {
        w->update = RECT{};
    }
    return TRUE;
}

BOOL GetUpdateRect(HWND hwnd, RECT* rect) {
    Window* w = find(hwnd);
    if (w == nullptr) {
        return FALSE;
    }
    if (rect != nullptr) {
        *rect = w->update;
    }
    return is_empty(w->update) ? FALSE : TRUE;
}

BOOL UpdateWindow(HWND hwnd) {
    Window* w = find(hwnd);
    if (w == nullptr) {
        return FALSE;
    }
    if (can_paint(*w)) {
        send_paint(*w, true);
    }
    return TRUE;
}

RECT GetPaintRect(HWND hwnd) {
    Window* w = find(hwnd);
    return w != nullptr ? w->painting : RECT{};
}

BOOL LockWindowUpdate(HWND hwnd) {
    auto& ws = state();
    if (hwnd == 0) {
        bool was = ws.locked != 0;
        ws.locked = 0;
        return was ? TRUE : FALSE;
    }
    if (find(hwnd) == nullptr || (ws.locked != 0 && ws.locked != hwnd)) {
        return FALSE;
    }
    ws.locked = hwnd;
    return TRUE;
}

} // namespace paginor::platform
