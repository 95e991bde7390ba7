#include "platform/core/date.h"
#include "platform/core/date_text.h"
#include "support/date_test_zone.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <limits>

using namespace paginor::platform;

namespace {

// Calendar fields; the day of the week is only read back, so it is last here.
SYSTEMTIME fields(int y, int mo, int d, int h = 0, int mi = 0, int s = 0, int ms = 0, int dow = 0) {
    return {WORD(y), WORD(mo), WORD(dow), WORD(d), WORD(h), WORD(mi), WORD(s), WORD(ms)};
}

FILETIME utc(int y, int mo, int d, int h, int mi = 0) {
    FILETIME ft;
    EXPECT_TRUE(SystemTimeToFileTime(fields(y, mo, d, h, mi), ft));
    return ft;
}

SYSTEMTIME split(FILETIME ft) {
    SYSTEMTIME st;
    EXPECT_TRUE(FileTimeToSystemTime(ft, st));
    return st;
}

} // namespace

TEST(HostDate, CalendarFieldsAndSerialValuesAgreeBothWays) {
    struct Row {
        SYSTEMTIME st; // with the day of the week the value reads back with
        double value;
    };
    const Row rows[] = {
        {fields(1899, 12, 30, 0, 0, 0, 0, 6), 0.0},
        {fields(1900, 1, 1, 0, 0, 0, 0, 1), 2.0},
        {fields(1899, 12, 29, 6, 0, 0, 0, 5), -1.25}, // before day 0 the fraction runs forward
        {fields(2026, 12, 5, 12, 0, 0, 0, 6), 46361.5},
        {fields(2024, 2, 29, 18, 0, 0, 0, 4), 45351.75},
        {fields(100, 1, 1, 0, 0, 0, 0, 5), -657434.0},
        {fields(9999, 12, 31, 0, 0, 0, 0, 5), 2958465.0},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.value);
        EXPECT_EQ(date_from_fields(row.st), row.value);
        EXPECT_EQ(fields_from_date(row.value), row.st);
    }
    // 14:35:01.250 survives to the millisecond, and a value a hair before midnight
    // rounds up into the next day rather than showing 23:59:59.1000.
    std::optional<DATE> t = date_from_fields(fields(2025, 6, 10, 14, 35, 1, 250));
    ASSERT_TRUE(t);
    EXPECT_EQ(fields_from_date(*t)->wMilliseconds, 250);
    EXPECT_EQ(fields_from_date(45818.0 - 1e-10), fields(2025, 6, 10, 0, 0, 0, 0, 2));
    EXPECT_DOUBLE_EQ(*date_only(*t), 45818.0);
}

TEST(HostDate, ImpossibleFieldsAndValuesFail) {
    for (const SYSTEMTIME& st :
         {fields(2025, 2, 29), fields(2024, 13, 1), fields(2024, 0, 1), fields(2024, 4, 31),
          fields(2024, 1, 0), fields(2024, 1, 1, 24), fields(2024, 1, 1, 0, 60),
          fields(2024, 1, 1, 0, 0, 0, 1000), fields(99, 12, 31), fields(10000, 1, 1)}) {
        EXPECT_FALSE(date_from_fields(st)) << st.wYear << "-" << st.wMonth << "-" << st.wDay;
    }
    for (double v :
         {std::nan(""), std::numeric_limits<double>::infinity(), 2958466.0, -657435.0, 1e300}) {
        EXPECT_FALSE(fields_from_date(v)) << v;
        EXPECT_EQ(format_day_month_year(v), u"") << v;
    }
}

TEST(HostDate, AddMonthsClampsTheDayAndKeepsTheTime) {
    struct Row {
        SYSTEMTIME from;
        int months;
        SYSTEMTIME to;
    };
    const Row rows[] = {
        {fields(2024, 1, 31, 9, 30), 1, fields(2024, 2, 29, 9, 30)},
        {fields(2025, 1, 31), 1, fields(2025, 2, 28)},
        {fields(2024, 3, 31), -1, fields(2024, 2, 29)},
        {fields(2024, 12, 1), 1, fields(2025, 1, 1)},
        {fields(2024, 1, 15), -13, fields(2022, 12, 15)},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(add_months(*date_from_fields(row.from), row.months), date_from_fields(row.to))
            << row.from.wYear << "-" << row.from.wMonth << " + " << row.months;
    }
    EXPECT_FALSE(add_months(*date_from_fields(fields(9999, 12, 1)), 1));
    EXPECT_FALSE(add_months(*date_from_fields(fields(100, 1, 1)), -1));
}

TEST(FileTimes, UniversalFieldsAndTicks) {
    EXPECT_EQ(filetime_ticks(utc(1601, 1, 1, 0)), 0u);
    EXPECT_EQ(filetime_ticks(utc(1970, 1, 1, 0)), 116444736000000000u);
    FILETIME ft = filetime_from_unix(1'700'000'000, 123'456'700);
    int64_t s = 0, ns = 0;
    unix_from_filetime(ft, s, ns);
    EXPECT_EQ(s, 1'700'000'000);
    EXPECT_EQ(ns, 123'456'700);
    EXPECT_EQ(split(ft), fields(2023, 11, 14, 22, 13, 20, 123, 2)); // a Tuesday
    FILETIME untouched = make_filetime(42);
    EXPECT_FALSE(SystemTimeToFileTime(fields(1600, 12, 31), untouched));
    EXPECT_FALSE(SystemTimeToFileTime(fields(2025, 2, 30), untouched));
    EXPECT_EQ(filetime_ticks(untouched), 42u);
}

TEST(FileTimes, LocalTimeFollowsTheZoneOnBothSidesOfEachChange) {
    // Instants in UTC and the local wall time each zone shows for them: either side of each
    // change, which pins the winter and summer offsets too, and New York's winter.
    struct Row {
        const char* zone;
        FILETIME instant;
        WORD local_day, local_hour, local_minute;
    };
    const Row rows[] = {
        {kBerlin, utc(2025, 3, 30, 0, 59), 30, 1, 59},  // a minute before the change
        {kBerlin, utc(2025, 3, 30, 1, 0), 30, 3, 0},    // clocks jump to 03:00
        {kBerlin, utc(2025, 10, 26, 0, 30), 26, 2, 30}, // first 02:30
        {kBerlin, utc(2025, 10, 26, 1, 30), 26, 2, 30}, // second 02:30
        {kNewYork, utc(2025, 1, 15, 12), 15, 7, 0},     // winter: -5
        {kNewYork, utc(2025, 3, 9, 7, 0), 9, 3, 0},
        {kNewYork, utc(2025, 11, 2, 5, 30), 2, 1, 30},
    };
    for (const Row& row : rows) {
        ScopedTimeZone zone(row.zone);
        FILETIME local;
        ASSERT_TRUE(FileTimeToLocalFileTime(row.instant, local));
        SYSTEMTIME st = split(local);
        EXPECT_EQ((std::array{st.wDay, st.wHour, st.wMinute}),
                  (std::array{row.local_day, row.local_hour, row.local_minute}))
            << row.zone;
    }
    // Back from local: the instants of each change round-trip, the repeated hour takes its
    // first occurrence, and the skipped hour is read with the offset before the change.
    ScopedTimeZone zone(kBerlin);
    FILETIME back;
    for (const FILETIME& instant : {utc(2025, 3, 30, 1, 0), utc(2025, 10, 26, 2, 0)}) {
        FILETIME local;
        ASSERT_TRUE(FileTimeToLocalFileTime(instant, local));
        ASSERT_TRUE(LocalFileTimeToFileTime(local, back));
        EXPECT_EQ(back, instant);
    }
    ASSERT_TRUE(LocalFileTimeToFileTime(utc(2025, 10, 26, 2, 30), back));
    EXPECT_EQ(back, utc(2025, 10, 26, 0, 30));
    ASSERT_TRUE(LocalFileTimeToFileTime(utc(2025, 3, 30, 2, 30), back));
    EXPECT_EQ(back, utc(2025, 3, 30, 1, 30));
}
