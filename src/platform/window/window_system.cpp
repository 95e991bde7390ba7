#include "platform/window/window_system.h"

#include "platform/core/system_profile.h"
#include "platform/window/dc_window.h"
#include "platform/window/module.h"
#include "platform/window/window_state.h"

namespace paginor::platform {

namespace detail {

WindowSystem& state() {
    static WindowSystem ws;
    return ws;
}

Window* find(HWND hwnd) {
    auto& windows = state().windows;
    auto it = windows.find(hwnd);
    return it != windows.end() ? it->second.get() : nullptr;
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
