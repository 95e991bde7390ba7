// Process-wide state of the window system, and its reset for tests.
#pragma once

#include "platform/core/clock.h"

#include <memory>

namespace paginor::platform {

// Forgets every window (no messages sent), the queues, timers, capture, focus, mouse
// tracking, input state and settings, injected property failures, loaded modules and the
// system profile, and puts the system clock back. Window handles start afresh.
void ResetWindowSystem();

// A test's window system: reset on entry and on exit, with a manual clock installed for
// the scope's lifetime. Hold one per test (a fixture member).
class WindowSystemScope {
  public:
    WindowSystemScope();
    ~WindowSystemScope();
    WindowSystemScope(const WindowSystemScope&) = delete;
    WindowSystemScope& operator=(const WindowSystemScope&) = delete;

    ManualClock& clock() { return *m_clock; }

  private:
    std::unique_ptr<ManualClock> m_clock{std::make_unique<ManualClock>()};
};

} // namespace paginor::platform
