// Internal to the window system's own files: the process-wide state behind window.h,
// message.h, timer.h and input.h. Nothing outside src/platform/window*, message*, timer*
// and input* includes it.
#pragma once

#include "platform/window/timer.h"
#include "platform/window/window.h"

#include <array>
#include <bitset>
#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

namespace paginor::platform::detail {

// Property names are looked up by view, without building a string.
struct PropNameHash {
    using is_transparent = void;
    std::size_t operator()(std::u16string_view s) const noexcept {
        return std::hash<std::u16string_view>{}(s);
    }
};
using PropTable = std::unordered_map<std::u16string, HANDLE, PropNameHash, std::equal_to<>>;

struct Window {
    ~Window(); // moves the property generation: the properties go with the window
    HWND hwnd{0};
    HWND parent{0};
    std::vector<HWND> children; // z-order, top-most first
    RECT rect{};                // in the parent's client coordinates
    bool visible{true};
    bool enabled{true};
    bool destroying{false};
    WNDPROC proc{nullptr};
    LONG_PTR id{0};
    LONG_PTR userdata{0};
    DWORD pid{0};
    PropTable props;
    RECT update{}; // client coordinates; empty when nothing to paint
    RECT painting{};
    uint64_t painted_in_pass{0};
};

enum class QueueKind { Posted, Input };

struct QueuedMessage {
    HWND hwnd{0};
    UINT msg{0};
    WPARAM wParam{0};
    LPARAM lParam{0};
    char16_t character{0}; // what a key-down translates into, by the key state when pressed
    // Input only: the keys and buttons down just after this input happened; it becomes
    // the state GetKeyState answers while the message is handled.
    std::bitset<256> keys{};
    // Pointer input only: hwnd and lParam are filled in as the message is taken from the
    // queue, from where (screen) and when the input happened.
    bool pointer{false};
    POINT pt{};
    uint64_t time{0};
};

struct Timer {
    HWND hwnd{0};
    uintptr_t id{0};
    UINT elapse{0};
    TIMERPROC proc{nullptr};
    uint64_t due{0};
    uint64_t order{0}; // creation order, kept when the timer is restarted
    bool firing{false};
    uint64_t ticked_in_pass{0};
};

struct Tracking {
    HWND hwnd{0};
    bool hover{false};
    bool leave{false};
    UINT hover_time{400};
    POINT hover_origin{}; // screen
    uint64_t hover_start{0};
};

struct LastClick {
    HWND hwnd{0};
    UINT down_msg{0};
    uint64_t time{0};
    POINT pt{}; // screen
};

struct WindowSystem {
    std::unordered_map<HWND, std::unique_ptr<Window>> windows;
    // Windows find() answered lately, by handle: handling one message asks for the same
    // few windows many times over. An entry goes when its window is freed.
    struct Found {
        HWND hwnd{0};
        Window* window{nullptr};
    };
    std::array<Found, 64> found{};
    std::vector<HWND> top_level; // z-order, top-most first
    HWND next_handle{0x10010};
    std::deque<QueuedMessage> posted;
    std::deque<QueuedMessage> input;
    std::vector<Timer> timers;
    uint64_t next_timer_order{1};
    uintptr_t next_system_timer_id{0x7FF0};
    uint64_t pass{0}; // DoEvents calls so far; stamps timers and paints
    bool in_send{false};
    HWND focus{0};
    HWND active{0};
    HWND locked{0};
    HWND capture{0};
    POINT cursor{};
    std::bitset<256> keys{};         // down now (GetAsyncKeyState)
    std::bitset<256> message_keys{}; // down as of the input being handled (GetKeyState)
    Tracking tracking;
    LastClick last_click;
    UINT double_click_time{500};
    SIZE double_click_rect{4, 4};
    UINT hover_time{400};
    SIZE hover_rect{4, 4};
};

// The one window system, made at its first use. Nearly every call of the window system
// asks for it, many times over, so after the first use it is one load away.
extern WindowSystem* g_window_system;
WindowSystem& first_state();
inline WindowSystem& state() {
    return g_window_system ? *g_window_system : first_state();
}
Window* find(HWND hwnd);
// Drops hwnd from what find() remembers; called as its window is freed.
void forget_found(HWND hwnd);

// Dispatch one queued message to its window (timer procedures and key translation
// included), marking it as not sent.
void dispatch(const QueuedMessage& m);
// Calls the window's procedure with the sent / not-sent mark set for the call.
LRESULT call_proc(Window& w, UINT msg, WPARAM wParam, LPARAM lParam, bool sent);

// Timers and hover: the next one due (kNothingDue when none), and generating one tick
// or report.
constexpr uint64_t kNothingDue = UINT64_MAX;
bool fire_due_timer(uint64_t now, uint64_t pass);
uint64_t next_timer_due();
bool fire_due_hover(uint64_t now);
uint64_t next_hover_due();
void forget_timers(HWND hwnd);
void reset_timers();

// Paint: dispatches one WM_PAINT for the first window (parents first) that needs it.
bool paint_one(uint64_t pass);

// Input pieces the window tree calls back into when a window goes away or hides.
void input_forget_window(HWND hwnd);
void reset_input();
// The character a key-down translates into under the current Shift and Ctrl state; 0
// for none.
char16_t translate_key(int vk);
// Current MK_ flags from the key and button state.
WPARAM key_state_flags();
// Gives pointer input its window as it is taken from the queue (and a press its
// double-click meaning); false when it goes nowhere.
bool route_pointer(QueuedMessage& m);
// Activates hwnd's inactive top-level window with WA_CLICKACTIVE.
void click_activate(HWND hwnd);
// True when hwnd lies in (or is) ancestor's tree.
bool is_descendant_or_self(HWND hwnd, HWND ancestor);

} // namespace paginor::platform::detail
