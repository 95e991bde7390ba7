#include "platform/core/date.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdint>
#include <ctime>

namespace paginor::platform {

namespace {

constexpr int64_t kMsPerDay = 86'400'000;
constexpr int64_t kSecondsPerDay = 86'400;

// Days since 1 January 1970 of a proleptic Gregorian date (the well-known civil
// algorithm); valid for every year the types here can hold.
int64_t days_from_civil(int64_t y, unsigned m, unsigned d) {
    y -= m <= 2;
    const int64_t era = (y >= 0 ? y : y - 399) / 400;
    const unsigned yoe = unsigned(y - era * 400);
    const unsigned doy = (153 * (m > 2 ? m - 3 : m + 9) + 2) / 5 + d - 1;
    const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + int64_t(doe) - 719468;
}

void civil_from_days(int64_t z, int64_t& y, unsigned& m, unsigned& d) {
    z += 719468;
    const int64_t era = (z >= 0 ? z : z - 146096) / 146097;
    const unsigned doe = unsigned(z - era * 146097);
    const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const unsigned mp = (5 * doy + 2) / 153;
    d = doy - (153 * mp + 2) / 5 + 1;
    m = mp < 10 ? mp + 3 : mp - 9;
    y = int64_t(yoe) + era * 400 + (m <= 2);
}

int64_t floor_div(int64_t a, int64_t b) {
    int64_t q = a / b;
    return (a % b != 0 && (a < 0) != (b < 0)) ? q - 1 : q;
}

// The seconds a FILETIME can count (to the year 60056); larger counts saturate.
constexpr int64_t kMaxFileTimeSeconds = int64_t(UINT64_MAX / kTicksPerSecond);

const int64_t kDateEpochDays = days_from_civil(1899, 12, 30);

bool valid_fields(const SYSTEMTIME& st, int min_year, int max_year) {
    return st.wYear >= min_year && st.wYear <= max_year && st.wMonth >= 1 && st.wMonth <= 12 &&
           st.wDay >= 1 && st.wDay <= days_in_month(st.wYear, st.wMonth) && st.wHour < 24 &&
           st.wMinute < 60 && st.wSecond < 60 && st.wMilliseconds < 1000;
}

// Fields of a count of milliseconds since 1970 (negative before).
SYSTEMTIME fields_from_unix_ms(int64_t ms) {
    int64_t days = floor_div(ms, kMsPerDay);
    int64_t in_day = ms - days * kMsPerDay;
    int64_t y = 0;
    unsigned m = 0;
    unsigned d = 0;
    civil_from_days(days, y, m, d);
    SYSTEMTIME st;
    st.wYear = WORD(y);
    st.wMonth = WORD(m);
    st.wDay = WORD(d);
    st.wDayOfWeek = WORD(((days % 7) + 11) % 7); // 1 January 1970 was a Thursday
    st.wHour = WORD(in_day / 3'600'000);
    st.wMinute = WORD(in_day / 60'000 % 60);
    st.wSecond = WORD(in_day / 1000 % 60);
    st.wMilliseconds = WORD(in_day % 1000);
    return st;
}

int64_t unix_ms_from_fields(const SYSTEMTIME& st) {
    int64_t days = days_from_civil(st.wYear, st.wMonth, st.wDay);
    return days * kMsPerDay + st.wHour * 3'600'000LL + st.wMinute * 60'000LL + st.wSecond * 1000LL +
           st.wMilliseconds;
}

// Offset of local time from universal time at an instant, in seconds.
std::optional<int64_t> local_offset_at(int64_t unix_seconds) {
    time_t t = time_t(unix_seconds);
    struct tm parts {};
    if (localtime_r(&t, &parts) == nullptr) {
        return std::nullopt;
    }
    return int64_t(parts.tm_gmtoff);
}

} // namespace

uint64_t filetime_ticks(FILETIME ft) {
    return (uint64_t(ft.dwHighDateTime) << 32) | ft.dwLowDateTime;
}

FILETIME make_filetime(uint64_t ticks) {
    return FILETIME{DWORD(ticks & 0xFFFFFFFFu), DWORD(ticks >> 32)};
}

FILETIME filetime_from_unix(int64_t seconds, int64_t nanoseconds) {
    // Nanoseconds outside one second carry into the seconds, so that every pair of
    // values names one instant; the sums below then cannot overflow.
    seconds = std::clamp<int64_t>(seconds, -kMaxFileTimeSeconds, kMaxFileTimeSeconds);
    seconds += floor_div(nanoseconds, 1'000'000'000);
    const int64_t ns = nanoseconds - floor_div(nanoseconds, 1'000'000'000) * 1'000'000'000;
    int64_t since1601 = seconds + kUnixEpochInFileTimeSeconds;
    if (since1601 < 0) {
        return FILETIME{};
    }
    if (since1601 > kMaxFileTimeSeconds) {
        return make_filetime(UINT64_MAX);
    }
    uint64_t ticks = uint64_t(since1601) * kTicksPerSecond + uint64_t(ns / 100);
    return make_filetime(ticks < uint64_t(since1601) * kTicksPerSecond ? UINT64_MAX : ticks);
}

void unix_from_filetime(FILETIME ft, int64_t& seconds, int64_t& nanoseconds) {
    uint64_t ticks = filetime_ticks(ft);
    seconds = int64_t(ticks / kTicksPerSecond) - kUnixEpochInFileTimeSeconds;
    nanoseconds = int64_t(ticks % kTicksPerSecond) * 100;
}

bool FileTimeToSystemTime(const FILETIME& ft, SYSTEMTIME& st) {
    uint64_t ticks = filetime_ticks(ft);
    if (ticks >= 0x8000000000000000ull) {
        return false;
    }
    int64_t ms = int64_t(ticks / 10'000) - kUnixEpochInFileTimeSeconds * 1000;
    st = fields_from_unix_ms(ms);
    return true;
}

bool SystemTimeToFileTime(const SYSTEMTIME& st, FILETIME& ft) {
    if (!valid_fields(st, 1601, 30827)) {
        return false;
    }
    int64_t ms = unix_ms_from_fields(st) + kUnixEpochInFileTimeSeconds * 1000;
    ft = make_filetime(uint64_t(ms) * 10'000);
    return true;
}

bool FileTimeToLocalFileTime(const FILETIME& universal, FILETIME& local) {
    int64_t seconds = 0;
    int64_t ns = 0;
    unix_from_filetime(universal, seconds, ns);
    std::optional<int64_t> offset = local_offset_at(seconds);
    if (!offset) {
        return false;
    }
    int64_t ticks = 0;
    if (filetime_ticks(universal) > uint64_t(INT64_MAX) ||
        __builtin_add_overflow(int64_t(filetime_ticks(universal)),
                               *offset * int64_t(kTicksPerSecond), &ticks) ||
        ticks < 0) {
        return false;
    }
    local = make_filetime(uint64_t(ticks));
    return true;
}

bool LocalFileTimeToFileTime(const FILETIME& local, FILETIME& universal) {
    int64_t local_seconds = 0;
    int64_t ns = 0;
    unix_from_filetime(local, local_seconds, ns);
    // The offsets a day either side bracket any single change of the clocks; a local
    // time is valid under an offset when that offset is the one in force at its instant.
    std::optional<int64_t> before = local_offset_at(local_seconds - kSecondsPerDay);
    std::optional<int64_t> after = local_offset_at(local_seconds + kSecondsPerDay);
    if (!before || !after) {
        return false;
    }
    std::optional<int64_t> chosen;
    for (int64_t offset : {*before, *after}) {
        int64_t candidate = local_seconds - offset;
        if (local_offset_at(candidate) == offset && (!chosen || candidate < *chosen)) {
            chosen = candidate;
        }
    }
    int64_t seconds = chosen ? *chosen : local_seconds - *before;
    int64_t ticks = 0;
    if (__builtin_mul_overflow(seconds + kUnixEpochInFileTimeSeconds, int64_t(kTicksPerSecond),
                               &ticks) ||
        __builtin_add_overflow(ticks, ns / 100, &ticks) || ticks < 0) {
        return false;
    }
    universal = make_filetime(uint64_t(ticks));
    return true;
}

int days_in_month(int year, int month) {
    static constexpr int kDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (month < 1 || month > 12) {
        return 0;
    }
    bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    return kDays[month - 1] + (month == 2 && leap ? 1 : 0);
}

std::optional<DATE> date_from_fields(const SYSTEMTIME& st) {
    if (!valid_fields(st, 100, 9999)) {
        return std::nullopt;
    }
    double day = double(days_from_civil(st.wYear, st.wMonth, st.wDay) - kDateEpochDays);
    double ms =
        st.wHour * 3'600'000.0 + st.wMinute * 60'000.0 + st.wSecond * 1000.0 + st.wMilliseconds;
    double fraction = ms / double(kMsPerDay);
    return day >= 0 ? day + fraction : day - fraction;
}

std::optional<SYSTEMTIME> fields_from_date(DATE date) {
    if (!std::isfinite(date)) {
        return std::nullopt;
    }
    double whole = std::trunc(date);
    if (whole < -657434.0 || whole > 2958465.0) { // 1 January 100 and 31 December 9999
        return std::nullopt;
    }
    int64_t in_day = std::llround(std::fabs(date - whole) * double(kMsPerDay));
    int64_t days = int64_t(whole) + kDateEpochDays;
    SYSTEMTIME st = fields_from_unix_ms(days * kMsPerDay + in_day);
    if (st.wYear < 100 || st.wYear > 9999) {
        return std::nullopt;
    }
    return st;
}

std::optional<DATE> date_only(DATE date) {
    std::optional<SYSTEMTIME> st = fields_from_date(date);
    if (!st) {
        return std::nullopt;
    }
    st->wHour = st->wMinute = st->wSecond = st->wMilliseconds = 0;
    return date_from_fields(*st);
}

std::optional<DATE> add_months(DATE date, int months) {
    std::optional<SYSTEMTIME> st = fields_from_date(date);
    if (!st) {
        return std::nullopt;
    }
    int64_t index = int64_t(st->wYear) * 12 + (st->wMonth - 1) + months;
    int64_t year = floor_div(index, 12);
    if (year < 100 || year > 9999) {
        return std::nullopt;
    }
    st->wYear = WORD(year);
    st->wMonth = WORD(index - year * 12 + 1);
    int last = days_in_month(st->wYear, st->wMonth);
    if (st->wDay > last) {
        st->wDay = WORD(last);
    }
    return date_from_fields(*st);
}

DATE now_local() {
    struct timespec now {};
    clock_gettime(CLOCK_REALTIME, &now);
    int64_t offset = local_offset_at(now.tv_sec).value_or(0);
    int64_t ms = (int64_t(now.tv_sec) + offset) * 1000 + now.tv_nsec / 1'000'000;
    return date_from_fields(fields_from_unix_ms(ms)).value_or(0.0);
}

} // namespace paginor::platform
