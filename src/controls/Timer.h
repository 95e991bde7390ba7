// The timer control: raises Timer every Interval milliseconds on the platform clock
// while Enabled and Interval is above 0 (0 never fires). A plain C++ child of a control,
// not registered; its owner sets on_timer.
#pragma once

#include <cstdint>
#include <functional>

namespace paginor::controls {

class Timer final {
  public:
    Timer() = default;
    ~Timer();
    Timer(const Timer&) = delete;
    Timer& operator=(const Timer&) = delete;

    // Milliseconds between ticks, 0 to 65535; RuntimeError 380 (nothing changes) outside.
    // A new interval starts the wait afresh.
    int32_t Interval() const { return m_interval; }
    void SetInterval(int32_t ms);
    // Switching on a stopped timer starts the wait afresh; switching on one that is on
    // changes nothing (its wait goes on); switching off stops the ticks.
    bool Enabled() const { return m_enabled; }
    void SetEnabled(bool on);

    std::function<void()> on_timer;

  private:
    void restart();
    static void tick(uint32_t hwnd, uint32_t msg, uintptr_t id, uint32_t time);

    int32_t m_interval{0};
    bool m_enabled{true};
    uintptr_t m_id{0};
};

} // namespace paginor::controls
