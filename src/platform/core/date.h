// The host's date value and the desktop's two time records, with the conversions between
// them. A DATE counts days since 30 December 1899 with the time of day as the fraction;
// before that day the integer part counts back and the fraction still runs forward from
// midnight (-1.25 is 29 December 1899, 06:00). A FILETIME counts 100-nanosecond ticks
// since 1 January 1601, universal time unless a name says local. A SYSTEMTIME holds
// calendar fields. Local time comes from the system time zone (TZ and the zone data),
// taking the daylight-saving rule in force at the instant converted, not at the present.
// Bad input is never thrown: conversions report failure through their result.
#pragma once

#include <paginor/base.h>

#include <cstdint>
#include <optional>

namespace paginor::platform {

struct FILETIME {
    DWORD dwLowDateTime{0};
    DWORD dwHighDateTime{0};
    friend bool operator==(const FILETIME&, const FILETIME&) = default;
};

struct SYSTEMTIME {
    WORD wYear{0};
    WORD wMonth{0};     // 1 = January
    WORD wDayOfWeek{0}; // 0 = Sunday; ignored as input
    WORD wDay{0};
    WORD wHour{0};
    WORD wMinute{0};
    WORD wSecond{0};
    WORD wMilliseconds{0};
    friend bool operator==(const SYSTEMTIME&, const SYSTEMTIME&) = default;
};

constexpr uint64_t kTicksPerSecond = 10'000'000;
// Seconds from 1 January 1601 to 1 January 1970.
constexpr int64_t kUnixEpochInFileTimeSeconds = 11'644'473'600;

uint64_t filetime_ticks(FILETIME ft);
FILETIME make_filetime(uint64_t ticks);
// Seconds and nanoseconds since 1970 (negative before) to a FILETIME; nanoseconds beyond
// a second carry into the seconds; times before 1601 become 0 and times past the last
// FILETIME the last one.
FILETIME filetime_from_unix(int64_t seconds, int64_t nanoseconds);
// The reverse: whole seconds (rounded down) and the nanoseconds after them.
void unix_from_filetime(FILETIME ft, int64_t& seconds, int64_t& nanoseconds);

// The classic conversions. Each returns false and leaves its output unchanged when the
// input is out of range (a SYSTEMTIME with an impossible field, a year outside 1601 to
// 30827, a time the zone data cannot convert).
bool FileTimeToSystemTime(const FILETIME& ft, SYSTEMTIME& st);
bool SystemTimeToFileTime(const SYSTEMTIME& st, FILETIME& ft);
bool FileTimeToLocalFileTime(const FILETIME& universal, FILETIME& local);
// A local time that occurs twice (the hour repeated when clocks go back) takes the
// first; one that does not occur (skipped when they go forward) is read with the offset
// in force before the change.
bool LocalFileTimeToFileTime(const FILETIME& local, FILETIME& universal);

// Days in a month, 0 for a month outside 1 to 12.
int days_in_month(int year, int month);

// Calendar fields to a DATE, the milliseconds included. Fails for years outside 100 to
// 9999 and for impossible months, days, hours, minutes, seconds or milliseconds.
std::optional<DATE> date_from_fields(const SYSTEMTIME& st);
// A DATE to calendar fields, rounded to the nearest millisecond, with the day of week.
// Fails for NaN, infinities and values outside 1 January 100 to 31 December 9999.
std::optional<SYSTEMTIME> fields_from_date(DATE date);
// The same date at 00:00:00; fails as fields_from_date.
std::optional<DATE> date_only(DATE date);

// The date months later (or earlier for a negative count), the day clamped to the end of
// the target month (31 January + 1 month = 28 or 29 February); time of day kept. Fails
// when either date lies outside the range of fields_from_date.
std::optional<DATE> add_months(DATE date, int months);

// The current local date and time of the system clock.
DATE now_local();

} // namespace paginor::platform
