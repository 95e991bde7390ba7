#include "controls/Timer.h"

#include "platform/core/error.h"
#include "platform/window/timer.h"

#include <map>

namespace paginor::controls {

namespace {

// Live timers by the id the system gave them, so a tick finds its control.
std::map<uintptr_t, Timer*>& live() {
    static std::map<uintptr_t, Timer*> timers;
    return timers;
}

} // namespace

Timer::~Timer() {
    if (m_id) {
        platform::KillTimer(0, m_id);
        live().erase(m_id);
    }
}

void Timer::SetInterval(int32_t ms) {
    if (ms < 0 || ms > 65535)
        raise_standard(std_error::InvalidPropertyValue, u"PaginorV2CTL.Timer",
                       u"Invalid property value: Interval runs from 0 to 65535");
    m_interval = ms;
    restart();
}

void Timer::SetEnabled(bool on) {
    // Switching on a timer that runs keeps its wait: an owner that switches it on at every
    // pointer move must not starve it.
    if (on && m_enabled)
        return;
    m_enabled = on;
    restart();
}

void Timer::restart() {
    if (m_id) {
        platform::KillTimer(0, m_id);
        live().erase(m_id);
        m_id = 0;
    }
    if (!m_enabled || m_interval == 0)
        return;
    m_id = platform::SetTimer(0, 0, static_cast<UINT>(m_interval), &Timer::tick);
    if (m_id)
        live()[m_id] = this;
}

void Timer::tick(uint32_t, uint32_t, uintptr_t id, uint32_t) {
    const auto it = live().find(id);
    if (it != live().end() && it->second->on_timer)
        it->second->on_timer();
}

} // namespace paginor::controls
