#include "platform/window/window_system.h"

#include "platform/core/system_profile.h"
#include "platform/window/dc_window.h"
#include "platform/window/module.h"
#include "platform/window/window_state.h"

namespace paginor::platform {

namespace detail {

WindowSystem* g_window_system = nullptr; // constant-initialised: no order of initialisation

WindowSystem& first_state() {
    static WindowSystem ws;
    g_window_system = &ws;
    return ws;
}

WindowSystem::Found& found_slot(WindowSystem& ws, HWND hwnd) {
    return ws.found[(hwnd >> 1) % ws.found.size()]; // handles go up in twos
}

Window* find(HWND hwnd) {
    if (hwnd == 0)
        return nullptr;
    WindowSystem& ws = state();
    WindowSystem::Found& slot = found_slot(ws, hwnd);
    if (slot.hwnd == hwnd)
        return slot.window;
    auto it = ws.windows.find(hwnd);
    if (it == ws.windows.end())
        return nullptr;
    slot = {hwnd, it->second.get()};
    return slot.window;
}

void forget_found(HWND hwnd) {
    WindowSystem::Found& slot = found_slot(state(), hwnd);
    if (slot.hwnd == hwnd)
        slot = {};
}

} // namespace detail

void ResetWindowSystem() {
    detail::reset_timers();
    detail::reset_input();
    detail::state() = detail::WindowSystem{};
    // Handles start again from the first one, so no backing bitmap may outlive its window.
    drop_dead_window_surfaces();
    ResetModules();
    SetSystemProfile(SystemProfile{});
    SetClock(nullptr);
}

WindowSystemScope::WindowSystemScope() {
    ResetWindowSystem();
    SetClock(m_clock.get());
}

WindowSystemScope::~WindowSystemScope() {
    ResetWindowSystem();
}

} // namespace paginor::platform
