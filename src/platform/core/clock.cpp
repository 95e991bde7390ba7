#include "platform/core/clock.h"

#include <ctime>
#include <thread>

namespace paginor::platform {

namespace {

SystemClock g_system_clock;
Clock* g_clock = &g_system_clock;

int64_t floor_div(int64_t a, int64_t b) {
    int64_t q = a / b;
    return (a % b != 0 && (a < 0) != (b < 0)) ? q - 1 : q;
}

} // namespace

// Howard Hinnant's days-from-civil: exact for every proleptic Gregorian date.
int64_t days_from_civil(int year, int month, int day) {
    int64_t y = int64_t(year) - (month <= 2 ? 1 : 0);
    int64_t era = floor_div(y, 400);
    int64_t yoe = y - era * 400;
    int64_t mp = (month + 9) % 12;
    int64_t doy = (153 * mp + 2) / 5 + day - 1;
    int64_t doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + doe - 719468;
}

LocalTime civil_from_local_ms(int64_t local_ms, int offset_minutes) {
    int64_t days = floor_div(local_ms, 86400000);
    int64_t ms_of_day = local_ms - days * 86400000;
    int64_t z = days + 719468;
    int64_t era = floor_div(z, 146097);
    int64_t doe = z - era * 146097;
    int64_t yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    int64_t doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    int64_t mp = (5 * doy + 2) / 153;
    LocalTime t;
    t.day = int(doy - (153 * mp + 2) / 5 + 1);
    t.month = int(mp < 10 ? mp + 3 : mp - 9);
    t.year = int(yoe + era * 400 + (t.month <= 2 ? 1 : 0));
    t.hour = int(ms_of_day / 3600000);
    t.minute = int(ms_of_day / 60000 % 60);
    t.second = int(ms_of_day / 1000 % 60);
    t.millisecond = int(ms_of_day % 1000);
    t.utc_offset_minutes = offset_minutes;
    int64_t weekday = (days + 4) % 7; // 1970-01-01 was a Thursday
    t.day_of_week = int(weekday < 0 ? weekday + 7 : weekday);
    return t;
}

uint64_t SystemClock::monotonic_ms() {
    using namespace std::chrono;
    return uint64_t(duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count());
}

LocalTime SystemClock::local_time() {
    using namespace std::chrono;
    auto now = system_clock::now();
    int64_t utc_ms = duration_cast<milliseconds>(now.time_since_epoch()).count();
    std::time_t secs = std::time_t(floor_div(utc_ms, 1000));
    std::tm local{};
    localtime_r(&secs, &local);
    int offset = int(local.tm_gmtoff / 60);
    return civil_from_local_ms(utc_ms + int64_t(offset) * 60000, offset);
}

void SystemClock::wait_until(uint64_t ms) {
    uint64_t now = monotonic_ms();
    if (ms > now) {
        std::this_thread::sleep_for(std::chrono::milliseconds(ms - now));
    }
}

LocalTime ManualClock::local_time() {
    return civil_from_local_ms(m_local_epoch_ms, m_offset_minutes);
}

void ManualClock::wait_until(uint64_t ms) {
    if (ms > m_now) {
        advance(std::chrono::milliseconds(ms - m_now));
    }
}

void ManualClock::advance(std::chrono::milliseconds d) {
    if (d.count() <= 0) {
        return;
    }
    m_now += uint64_t(d.count());
    m_local_epoch_ms += d.count();
}

void ManualClock::set_local_time(const LocalTime& t) {
    // Normalise the month first so that days_from_civil sees 1..12.
    int64_t months = int64_t(t.year) * 12 + (t.month - 1);
    int year = int(floor_div(months, 12));
    int month = int(months - int64_t(year) * 12) + 1;
    int64_t days = days_from_civil(year, month, 1) + (t.day - 1);
    m_local_epoch_ms = days * 86400000 + int64_t(t.hour) * 3600000 + int64_t(t.minute) * 60000 +
                       int64_t(t.second) * 1000 + t.millisecond;
    m_offset_minutes = t.utc_offset_minutes;
}

Clock& GetClock() {
    return *g_clock;
}

void SetClock(Clock* clock) {
    g_clock = clock ? clock : &g_system_clock;
}

DWORD GetTickCount() {
    return DWORD(g_clock->monotonic_ms());
}

LocalTime GetLocalTime() {
    return g_clock->local_time();
}

} // namespace paginor::platform
