#include "platform/window/input.h"

#include "platform/core/clock.h"
#include "platform/window/message.h"
#include "platform/window/window_state.h"

#include <cstdlib>

namespace paginor::platform {

using detail::find;
using detail::state;

namespace {

struct ButtonMessages {
    int vk;
    UINT down;
    UINT up;
    UINT dblclk;
};

constexpr ButtonMessages kButtons[] = {
    {VK_LBUTTON, WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDBLCLK},
    {VK_RBUTTON, WM_RBUTTONDOWN, WM_RBUTTONUP, WM_RBUTTONDBLCLK},
    {VK_MBUTTON, WM_MBUTTONDOWN, WM_MBUTTONUP, WM_MBUTTONDBLCLK},
};

const ButtonMessages& messages_of(MouseButton b) {
    return kButtons[int(b)];
}

const ButtonMessages* button_pressed_by(UINT msg) {
    for (const ButtonMessages& b : kButtons) {
        if (b.down == msg) {
            return &b;
        }
    }
    return nullptr;
}

// The window and client point come when the message is taken from the queue.
void queue_pointer(UINT msg) {
    auto& ws = state();
    detail::QueuedMessage m{0, msg, detail::key_state_flags(), 0, 0, ws.keys};
    m.pointer = true;
    m.pt = ws.cursor;
    m.time = GetClock().monotonic_ms();
    ws.input.push_back(m);
}

void queue_input(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    state().input.push_back({hwnd, msg, wParam, lParam, 0, state().keys});
}

// Keys go to the focus window, else the active one; a disabled tree takes nothing.
HWND key_target() {
    HWND target = state().focus != 0 ? state().focus : state().active;
    for (detail::Window* w = find(target); w != nullptr; w = find(w->parent)) {
        if (!w->enabled) {
            return 0;
        }
    }
    return target;
}

bool is_double_click(HWND hwnd, UINT down, uint64_t time, POINT pt) {
    const auto& ws = state();
    const auto& last = ws.last_click;
    // Within the rectangle centred on the first press: closer than half its size.
    return last.hwnd == hwnd && last.down_msg == down && time - last.time < ws.double_click_time &&
           std::abs(pt.x - last.pt.x) < ws.double_click_rect.cx / 2 &&
           std::abs(pt.y - last.pt.y) < ws.double_click_rect.cy / 2;
}

// The shifted row of digits on the reference keyboard layout.
constexpr char16_t kShiftedDigits[] = u")!@#$%^&*(";

struct KeyChar {
    int vk;
    char16_t c;
};

constexpr KeyChar kKeyChars[] = {
    {VK_RETURN, 13}, {VK_SPACE, 32}, {VK_BACK, 8}, {VK_TAB, 9}, {VK_ESCAPE, 27},
};

} // namespace

namespace detail {

char16_t translate_key(int vk) {
    bool shift = state().keys[VK_SHIFT];
    bool ctrl = state().keys[VK_CONTROL];
    if (vk >= 'A' && vk <= 'Z') {
        if (ctrl) {
            return char16_t(vk - 'A' + 1);
        }
        return char16_t(shift ? vk : vk - 'A' + 'a');
    }
    if (ctrl) {
        return 0;
    }
    if (vk >= '0' && vk <= '9') {
        return shift ? kShiftedDigits[vk - '0'] : char16_t(vk);
    }
    for (const KeyChar& k : kKeyChars) {
        if (k.vk == vk) {
            return k.c;
        }
    }
    return 0;
}

WPARAM key_state_flags() {
    const auto& k = state().keys;
    WPARAM f = 0;
    f |= k[VK_LBUTTON] ? MK_LBUTTON : 0;
    f |= k[VK_RBUTTON] ? MK_RBUTTON : 0;
    f |= k[VK_SHIFT] ? MK_SHIFT : 0;
    f |= k[VK_CONTROL] ? MK_CONTROL : 0;
    f |= k[VK_MBUTTON] ? MK_MBUTTON : 0;
    return f;
}

void input_forget_window(HWND hwnd) {
    auto& ws = state();
    if (ws.capture == hwnd) {
        ws.capture = 0;
        SendMessage(hwnd, WM_CAPTURECHANGED, 0, 0);
    }
    if (ws.tracking.hwnd == hwnd) {
        ws.tracking = Tracking{};
    }
    if (ws.last_click.hwnd == hwnd) {
        ws.last_click = LastClick{};
    }
}

// Capture as it stands now, not as it stood when the input happened: a window that took
// the capture while handling the press gets the moves and the release that followed it,
// however far out the pointer was by then.
bool route_pointer(QueuedMessage& m) {
    auto& ws = state();
    HWND target = ws.capture != 0 ? ws.capture : WindowFromPoint(m.pt);
    if (target == 0) {
        return false;
    }
    POINT client = m.pt;
    ScreenToClient(target, &client);
    m.hwnd = target;
    m.lParam = MAKELPARAM(client.x, client.y);
    if (const ButtonMessages* b = button_pressed_by(m.msg)) {
        if (is_double_click(target, b->down, m.time, m.pt)) {
            m.msg = b->dblclk;
            ws.last_click = LastClick{};
        } else {
            ws.last_click = LastClick{target, b->down, m.time, m.pt};
        }
    }
    return true;
}

void reset_input() {
    auto& ws = state();
    ws.capture = 0;
    ws.cursor = POINT{};
    ws.keys.reset();
    ws.message_keys.reset();
    ws.tracking = Tracking{};
    ws.last_click = LastClick{};
    ws.double_click_time = 500;
    ws.double_click_rect = SIZE{4, 4};
    ws.hover_time = 400;
    ws.hover_rect = SIZE{4, 4};
}

void pointer_moved(); // input_tracking.cpp

} // namespace detail

void Input::moveTo(int x, int y) {
    state().cursor = POINT{x, y};
    detail::pointer_moved();
    queue_pointer(WM_MOUSEMOVE);
}

void Input::press(MouseButton button) {
    const ButtonMessages& b = messages_of(button);
    state().keys[b.vk] = true;
    queue_pointer(b.down);
}

void Input::release(MouseButton button) {
    const ButtonMessages& b = messages_of(button);
    state().keys[b.vk] = false;
    queue_pointer(b.up);
}

void Input::click(MouseButton button) {
    press(button);
    release(button);
}

void Input::wheel(int delta) {
    HWND target = key_target();
    if (target == 0) {
        return;
    }
    WPARAM wParam = (WPARAM(uint16_t(int16_t(delta))) << 16) | detail::key_state_flags();
    queue_input(target, WM_MOUSEWHEEL, wParam, MAKELPARAM(state().cursor.x, state().cursor.y));
}

namespace {

void key_down(int vk, char16_t character) {
    bool was_down = state().keys[vk];
    state().keys[vk] = true;
    if (HWND target = key_target()) {
        LPARAM lParam =
            1 | (was_down ? LPARAM(1) << 30 : 0) | (state().keys[VK_MENU] ? LPARAM(1) << 29 : 0);
        state().input.push_back({target, WM_KEYDOWN, WPARAM(vk), lParam, character, state().keys});
    }
}

// The key that types c on the reference layout, and whether it needs Shift; vk 0 for none.
KeyChar key_typing(char16_t c, bool& shift) {
    shift = (c >= 'A' && c <= 'Z');
    if (shift || (c >= '0' && c <= '9'))
        return {c, c};
    if (c >= 'a' && c <= 'z')
        return {c - 'a' + 'A', c};
    for (int digit = 0; digit < 10; ++digit)
        if (kShiftedDigits[digit] == c) {
            shift = true;
            return {'0' + digit, c};
        }
    for (const KeyChar& k : kKeyChars)
        if (k.c == c && k.vk != VK_ESCAPE)
            return k;
    return {0, c};
}

} // namespace

void Input::keyDown(int vk) {
    if (vk <= 0 || vk >= 255) {
        return;
    }
    key_down(vk, detail::translate_key(vk));
}

void Input::type(char16_t c) {
    bool shift = false;
    const KeyChar k = key_typing(c, shift);
    if (k.vk == 0) {
        key_down(VK_PACKET, c);
        keyUp(VK_PACKET);
        return;
    }
    const bool held = state().keys[VK_SHIFT];
    if (shift != held)
        shift ? keyDown(VK_SHIFT) : keyUp(VK_SHIFT);
    key(k.vk);
    if (shift != held)
        held ? keyDown(VK_SHIFT) : keyUp(VK_SHIFT);
}

void Input::keyUp(int vk) {
    if (vk <= 0 || vk >= 255) {
        return;
    }
    state().keys[vk] = false;
    if (HWND target = key_target()) {
        LPARAM lParam =
            LPARAM(int32_t(0xC0000001u)) | (state().keys[VK_MENU] ? LPARAM(1) << 29 : 0);
        queue_input(target, WM_KEYUP, WPARAM(vk), lParam);
    }
}

void Input::key(int vk) {
    keyDown(vk);
    keyUp(vk);
}

HWND SetCapture(HWND hwnd) {
    auto& ws = state();
    if (find(hwnd) == nullptr) {
        return 0;
    }
    HWND old = ws.capture;
    ws.capture = hwnd;
    if (old != 0 && old != hwnd) {
        SendMessage(old, WM_CAPTURECHANGED, 0, LPARAM(hwnd));
    }
    return old;
}

BOOL ReleaseCapture() {
    HWND old = std::exchange(state().capture, 0);
    if (old != 0) {
        SendMessage(old, WM_CAPTURECHANGED, 0, 0);
    }
    return TRUE;
}

HWND GetCapture() {
    return state().capture;
}

BOOL GetCursorPos(POINT* pt) {
    if (pt == nullptr) {
        return FALSE;
    }
    *pt = state().cursor;
    return TRUE;
}

SHORT GetAsyncKeyState(int vk) {
    if (vk <= 0 || vk >= 255) {
        return 0;
    }
    return state().keys[vk] ? SHORT(0x8000) : SHORT(0);
}

SHORT GetKeyState(int vk) {
    if (vk <= 0 || vk >= 255) {
        return 0;
    }
    return state().message_keys[vk] ? SHORT(0x8000) : SHORT(0);
}

void SetDoubleClickTime(UINT ms) {
    state().double_click_time = ms != 0 ? ms : 500;
}

UINT GetDoubleClickTime() {
    return state().double_click_time;
}

void SetDoubleClickRect(int cx, int cy) {
    state().double_click_rect = SIZE{cx, cy};
}

void SetMouseHoverTime(UINT ms) {
    state().hover_time = ms != 0 ? ms : 400;
}

UINT GetMouseHoverTime() {
    return state().hover_time;
}

void SetMouseHoverRect(int cx, int cy) {
    state().hover_rect = SIZE{cx, cy};
}

} // namespace paginor::platform
