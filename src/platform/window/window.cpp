#include "platform/window/window.h"

#include "platform/window/message.h"
#include "platform/window/window_state.h"

#include <algorithm>
#include <unistd.h>

namespace paginor::platform {

using detail::find;
using detail::state;
using detail::Window;

namespace {

std::vector<HWND>& sibling_list(HWND parent) {
    if (parent == 0) {
        return state().top_level;
    }
    return find(parent)->children;
}

void unlink(Window& w) {
    auto& list = sibling_list(w.parent);
    list.erase(std::remove(list.begin(), list.end(), w.hwnd), list.end());
}

RECT intersect(const RECT& a, const RECT& b) {
    RECT r{std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right),
           std::min(a.bottom, b.bottom)};
    if (r.right <= r.left || r.bottom <= r.top) {
        return RECT{};
    }
    return r;
}

bool is_empty(const RECT& r) {
    return r.right <= r.left || r.bottom <= r.top;
}

POINT screen_origin(const Window& w) {
    POINT p{w.rect.left, w.rect.top};
    for (Window* a = find(w.parent); a != nullptr; a = find(a->parent)) {
        p.x += a->rect.left;
        p.y += a->rect.top;
    }
    return p;
}

RECT screen_rect(const Window& w) {
    POINT o = screen_origin(w);
    return RECT{o.x, o.y, o.x + w.rect.width(), o.y + w.rect.height()};
}

// Searches the windows of one sibling list, top-most first, descending into the first
// visible, enabled window whose visible rectangle holds the point.
HWND hit_test(const std::vector<HWND>& list, POINT pt) {
    for (HWND h : list) {
        Window* w = find(h);
        if (w == nullptr || !w->visible || !w->enabled) {
            continue;
        }
        RECT visible = GetVisibleRect(h);
        if (!PtInRect(&visible, pt)) {
            continue;
        }
        HWND child = hit_test(w->children, pt);
        return child != 0 ? child : h;
    }
    return 0;
}

// Takes the focus away when it sits in hwnd's tree (the tree was hidden or disabled).
void drop_focus_within(HWND hwnd) {
    if (state().focus != 0 && detail::is_descendant_or_self(state().focus, hwnd)) {
        SetFocus(0);
    }
}

// WM_DESTROY goes to the window first and then down its tree, top-most child first, so
// a handler still finds its children alive. Each window drops capture and tracking
// before it hears of its destruction.
void send_destroy(HWND hwnd) {
    Window* w = find(hwnd);
    if (w == nullptr || w->destroying) {
        return;
    }
    w->destroying = true;
    detail::input_forget_window(hwnd);
    SendMessage(hwnd, WM_DESTROY, 0, 0);
    if ((w = find(hwnd)) == nullptr) {
        return;
    }
    std::vector<HWND> children = w->children;
    for (HWND child : children) {
        send_destroy(child);
    }
}

void destroy_tree(HWND hwnd);
bool free_children(HWND hwnd);

void forget_window_state(HWND hwnd) {
    auto& ws = state();
    for (HWND* held : {&ws.focus, &ws.active, &ws.locked}) {
        if (*held == hwnd) {
            *held = 0;
        }
    }
    detail::input_forget_window(hwnd);
    detail::forget_timers(hwnd);
    auto drop = [hwnd](const detail::QueuedMessage& m) { return m.hwnd == hwnd; };
    ws.posted.erase(std::remove_if(ws.posted.begin(), ws.posted.end(), drop), ws.posted.end());
    ws.input.erase(std::remove_if(ws.input.begin(), ws.input.end(), drop), ws.input.end());
}

// Frees the tree children first; each window hears WM_NCDESTROY as its last message,
// once its children are gone. A child created by a WM_DESTROY handler meanwhile is
// destroyed in full (WM_DESTROY first) before its parent is freed.
void free_window(HWND hwnd) {
    if (!free_children(hwnd)) {
        return;
    }
    forget_window_state(hwnd);
    SendMessage(hwnd, WM_NCDESTROY, 0, 0);
    // Children that a WM_NCDESTROY handler created go with it.
    if (!free_children(hwnd)) {
        return;
    }
    unlink(*find(hwnd));
    detail::forget_found(hwnd);
    state().windows.erase(hwnd);
}

void destroy_tree(HWND hwnd) {
    send_destroy(hwnd);
    free_window(hwnd);
}

// False when a handler destroyed hwnd itself meanwhile.
bool free_children(HWND hwnd) {
    for (Window* w = find(hwnd); w != nullptr; w = find(hwnd)) {
        if (w->children.empty()) {
            return true;
        }
        destroy_tree(w->children.front());
    }
    return false;
}

} // namespace

namespace detail {

bool is_descendant_or_self(HWND hwnd, HWND ancestor) {
    for (Window* w = find(hwnd); w != nullptr; w = find(w->parent)) {
        if (w->hwnd == ancestor) {
            return true;
        }
    }
    return false;
}

} // namespace detail

HWND CreateWindow(const WindowDesc& desc) {
    if (desc.parent != 0 && find(desc.parent) == nullptr) {
        return 0;
    }
    auto w = std::make_unique<Window>();
    w->hwnd = state().next_handle;
    state().next_handle += 2;
    w->parent = desc.parent;
    w->rect = desc.rect;
    w->rect.right = std::max(w->rect.right, w->rect.left);
    w->rect.bottom = std::max(w->rect.bottom, w->rect.top);
    w->visible = desc.visible;
    w->enabled = desc.enabled;
    w->proc = desc.proc;
    w->id = desc.id;
    w->userdata = desc.userdata;
    w->pid = desc.process_id != 0 ? desc.process_id : GetCurrentProcessId();
    HWND hwnd = w->hwnd;
    auto& list = sibling_list(desc.parent);
    list.insert(list.begin(), hwnd);
    state().windows.emplace(hwnd, std::move(w));
    if (SendMessage(hwnd, WM_CREATE, 0, 0) == -1) {
        DestroyWindow(hwnd);
        return 0;
    }
    if (IsWindowVisible(hwnd)) {
        InvalidateRect(hwnd, nullptr, TRUE);
    }
    return hwnd;
}

BOOL DestroyWindow(HWND hwnd) {
    Window* w = find(hwnd);
    if (w == nullptr || w->destroying) {
        return FALSE;
    }
    destroy_tree(hwnd);
    return TRUE;
}

BOOL IsWindow(HWND hwnd) {
    return find(hwnd) != nullptr;
}

HWND GetParent(HWND hwnd) {
    Window* w = find(hwnd);
    return w != nullptr ? w->parent : 0;
}

HWND GetTopLevelWindow(HWND hwnd) {
    Window* w = find(hwnd);
    while (w != nullptr && w->parent != 0) {
        w = find(w->parent);
    }
    return w != nullptr ? w->hwnd : 0;
}

std::vector<HWND> GetChildWindows(HWND parent) {
    if (parent == 0) {
        return state().top_level;
    }
    Window* w = find(parent);
    return w != nullptr ? w->children : std::vector<HWND>{};
}

DWORD GetWindowThreadProcessId(HWND hwnd, DWORD* pid) {
    Window* w = find(hwnd);
    if (w == nullptr) {
        return 0;
    }
    if (pid != nullptr) {
        *pid = w->pid;
    }
    return 1;
}

DWORD GetCurrentProcessId() {
    return DWORD(::getpid());
}

void SetWindowProcessId(HWND hwnd, DWORD pid) {
    if (Window* w = find(hwnd)) {
        w->pid = pid;
    }
}

LONG_PTR SetWindowLongPtr(HWND hwnd, int index, LONG_PTR value) {
    Window* w = find(hwnd);
    if (w == nullptr) {
        return 0;
    }
    LONG_PTR old = 0;
    switch (index) {
    case GWLP_WNDPROC:
        old = reinterpret_cast<LONG_PTR>(w->proc);
        w->proc = reinterpret_cast<WNDPROC>(value);
        break;
    case GWLP_ID:
        old = std::exchange(w->id, value);
        break;
    case GWLP_USERDATA:
        old = std::exchange(w->userdata, value);
        break;
    default:
        break;
    }
    return old;
}

LONG_PTR GetWindowLongPtr(HWND hwnd, int index) {
    Window* w = find(hwnd);
    if (w == nullptr) {
        return 0;
    }
    switch (index) {
    case GWLP_WNDPROC:
        return reinterpret_cast<LONG_PTR>(w->proc);
    case GWLP_ID:
        return w->id;
    case GWLP_USERDATA:
        return w->userdata;
    default:
        return 0;
    }
}

LRESULT CallWindowProc(WNDPROC proc, HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    return proc != nullptr ? proc(hwnd, msg, wParam, lParam) : 0;
}

LRESULT DefWindowProc(HWND, UINT, WPARAM, LPARAM) {
    return 0;
}

BOOL SetWindowPos(HWND hwnd, HWND insertAfter, int x, int y, int cx, int cy, UINT flags) {
    Window* w = find(hwnd);
    if (w == nullptr) {
        return FALSE;
    }
    if (!(flags & SWP_NOZORDER)) {
        auto& list = sibling_list(w->parent);
        list.erase(std::remove(list.begin(), list.end(), hwnd), list.end());
        list.insert(insertAfter == HWND_BOTTOM ? list.end() : list.begin(), hwnd);
    }
    RECT r = w->rect;
    if (!(flags & SWP_NOMOVE)) {
        r = RECT{x, y, x + r.width(), y + r.height()};
    }
    if (!(flags & SWP_NOSIZE)) {
        r.right = r.left + std::max(cx, 0);
        r.bottom = r.top + std::max(cy, 0);
    }
    bool moved = r.left != w->rect.left || r.top != w->rect.top;
    bool sized = r.width() != w->rect.width() || r.height() != w->rect.height();
    if (!moved && !sized) {
        return TRUE;
    }
    if (IsWindowVisible(hwnd) && w->parent != 0) {
        RECT old = w->rect; // what the parent must repaint where the window was
        InvalidateRect(w->parent, &old, TRUE);
    }
    w->rect = r;
    if (moved) {
        SendMessage(hwnd, WM_MOVE, 0, MAKELPARAM(r.left, r.top));
    }
    if (sized) {
        SendMessage(hwnd, WM_SIZE, 0, MAKELPARAM(r.width(), r.height()));
    }
    if (IsWindowVisible(hwnd)) {
        InvalidateRect(hwnd, nullptr, TRUE);
    }
    return TRUE;
}

BOOL MoveWindow(HWND hwnd, int x, int y, int cx, int cy, BOOL) {
    return SetWindowPos(hwnd, HWND_TOP, x, y, cx, cy, SWP_NOZORDER);
}

BOOL GetWindowRect(HWND hwnd, RECT* rect) {
    Window* w = find(hwnd);
    if (w == nullptr || rect == nullptr) {
        return FALSE;
    }
    *rect = screen_rect(*w);
    return TRUE;
}

BOOL GetClientRect(HWND hwnd, RECT* rect) {
    Window* w = find(hwnd);
    if (w == nullptr || rect == nullptr) {
        return FALSE;
    }
    *rect = RECT{0, 0, w->rect.width(), w->rect.height()};
    return TRUE;
}

BOOL ClientToScreen(HWND hwnd, POINT* pt) {
    Window* w = find(hwnd);
    if (w == nullptr || pt == nullptr) {
        return FALSE;
    }
    POINT o = screen_origin(*w);
    pt->x += o.x;
    pt->y += o.y;
    return TRUE;
}

BOOL ScreenToClient(HWND hwnd, POINT* pt) {
    Window* w = find(hwnd);
    if (w == nullptr || pt == nullptr) {
        return FALSE;
    }
    POINT o = screen_origin(*w);
    pt->x -= o.x;
    pt->y -= o.y;
    return TRUE;
}

BOOL PtInRect(const RECT* rect, POINT pt) {
    return rect != nullptr && pt.x >= rect->left && pt.x < rect->right && pt.y >= rect->top &&
           pt.y < rect->bottom;
}

RECT GetVisibleRect(HWND hwnd) {
    Window* w = find(hwnd);
    if (w == nullptr || !IsWindowVisible(hwnd)) {
        return RECT{};
    }
    RECT r = screen_rect(*w);
    for (Window* a = find(w->parent); a != nullptr && !is_empty(r); a = find(a->parent)) {
        r = intersect(r, screen_rect(*a));
    }
    return is_empty(r) ? RECT{} : r;
}

HWND WindowFromPoint(POINT pt) {
    return hit_test(state().top_level, pt);
}

BOOL ShowWindow(HWND hwnd, int cmd) {
    Window* w = find(hwnd);
    if (w == nullptr) {
        return FALSE;
    }
    bool was = w->visible;
    bool show = cmd != SW_HIDE;
    if (was == show) {
        return was;
    }
    SendMessage(hwnd, WM_SHOWWINDOW, show ? TRUE : FALSE, 0);
    if ((w = find(hwnd)) == nullptr) {
        return was;
    }
    if (!show && w->parent != 0 && IsWindowVisible(w->parent)) {
        RECT where = w->rect;
        InvalidateRect(w->parent, &where, TRUE);
    }
    w->visible = show;
    if (show) {
        std::function<void(HWND)> invalidate_tree = [&](HWND h) {
            InvalidateRect(h, nullptr, TRUE);
            for (HWND c : GetChildWindows(h)) {
                invalidate_tree(c);
            }
        };
        invalidate_tree(hwnd);
    } else {
        drop_focus_within(hwnd);
    }
    return was;
}

BOOL IsWindowVisible(HWND hwnd) {
    Window* w = find(hwnd);
    if (w == nullptr) {
        return FALSE;
    }
    for (; w != nullptr; w = find(w->parent)) {
        if (!w->visible) {
            return FALSE;
        }
    }
    return TRUE;
}

BOOL EnableWindow(HWND hwnd, BOOL enable) {
    Window* w = find(hwnd);
    if (w == nullptr) {
        return FALSE;
    }
    bool was_disabled = !w->enabled;
    bool want = enable != FALSE;
    if (w->enabled == want) {
        return was_disabled;
    }
    w->enabled = want;
    if (!want) {
        drop_focus_within(hwnd);
    }
    SendMessage(hwnd, WM_ENABLE, want ? TRUE : FALSE, 0);
    return was_disabled;
}

BOOL IsWindowEnabled(HWND hwnd) {
    Window* w = find(hwnd);
    return w != nullptr && w->enabled;
}

} // namespace paginor::platform
