// The two clocks behind one interface: monotonic milliseconds for timers and waits, and
// the local wall-clock time (with its offset from UTC) for stamps and "today".
// Applications run on the system clock; tests install a ManualClock and advance it.
#pragma once

#include "platform/core/types.h"

#include <chrono>
#include <cstdint>

namespace paginor::platform {

// A local date and time as the desktop's SYSTEMTIME reports it, plus the zone offset.
struct LocalTime {
    int year{1970};
    int month{1}; // 1..12
    int day{1};   // 1..31
    int hour{0};
    int minute{0};
    int second{0};
    int millisecond{0};
    int utc_offset_minutes{0}; // local = UTC + offset
    int day_of_week{4};        // 0 = Sunday; filled in by the clock
    friend bool operator==(const LocalTime&, const LocalTime&) = default;
};

class Clock {
  public:
    virtual ~Clock() = default;
    // Milliseconds since an arbitrary start; never goes back.
    virtual uint64_t monotonic_ms() = 0;
    virtual LocalTime local_time() = 0;
    // Returns once monotonic_ms() has reached ms (at once when it has already).
    virtual void wait_until(uint64_t ms) = 0;
};

// The process's monotonic clock and the system's local time.
class SystemClock final : public Clock {
  public:
    uint64_t monotonic_ms() override;
    LocalTime local_time() override;
    void wait_until(uint64_t ms) override;
};

// Time that moves only when told to; both readings advance together.
class ManualClock final : public Clock {
  public:
    uint64_t monotonic_ms() override { return m_now; }
    LocalTime local_time() override;
    // Jumps forward to ms (never back).
    void wait_until(uint64_t ms) override;

    void advance(std::chrono::milliseconds d);
    // Sets the wall-clock reading; fields out of range are normalised as a calendar
    // would (day 32 of January is 1 February). day_of_week is ignored.
    void set_local_time(const LocalTime& t);

  private:
    uint64_t m_now{0};
    int64_t m_local_epoch_ms{0}; // local time as milliseconds since 1970-01-01 00:00
    int m_offset_minutes{0};
};

// The clock in use (the system clock unless a test installed another).
Clock& GetClock();
// Installs clock (not owned; null puts the system clock back).
void SetClock(Clock* clock);
// Milliseconds of the clock in use, truncated to 32 bits as the desktop reports them.
DWORD GetTickCount();
LocalTime GetLocalTime();

// Days since 1970-01-01 for a proleptic Gregorian date, and back; used by the clocks.
int64_t days_from_civil(int year, int month, int day);
LocalTime civil_from_local_ms(int64_t local_ms, int offset_minutes);

} // namespace paginor::platform
