// Dates: the first eight bytes are a time in every representation the conversions take,
// the next four a current year, the rest typed date text. No conversion may overflow or
// wrap, and a date read from text formats back to the same day.
#include "bodies.h"

#include "platform/core/date.h"
#include "platform/core/date_text.h"
#include "platform/core/unicode.h"

#include <algorithm>
#include <cstring>

namespace paginor::fuzz {

namespace {

template <class T> T take(const uint8_t*& data, size_t& size) {
    T v{};
    size_t n = std::min(size, sizeof v);
    std::memcpy(&v, data, n);
    data += n;
    size -= n;
    return v;
}

constexpr uint64_t kDayTicks = 86'400 * platform::kTicksPerSecond;

uint64_t distance(platform::FILETIME a, platform::FILETIME b) {
    uint64_t x = platform::filetime_ticks(a), y = platform::filetime_ticks(b);
    return x > y ? x - y : y - x;
}

void conversions(uint64_t bits) {
    using namespace platform;
    FILETIME ft = make_filetime(bits);
    SYSTEMTIME st;
    // The fields' conversion takes years up to 30827; the last FILETIMEs fall in 30828.
    if (FileTimeToSystemTime(ft, st) && st.wYear <= 30827) {
        FILETIME back;
        fuzz_check(SystemTimeToFileTime(st, back), "fields of a file time convert back");
    }
    FILETIME local, universal;
    if (FileTimeToLocalFileTime(ft, local))
        fuzz_check(distance(local, ft) < kDayTicks, "local time is within a day of universal");
    if (LocalFileTimeToFileTime(ft, universal))
        fuzz_check(distance(universal, ft) < kDayTicks, "universal time is within a day of local");
    int64_t seconds = 0, ns = 0;
    unix_from_filetime(ft, seconds, ns);
    fuzz_check(filetime_from_unix(seconds, ns) == ft, "unix time of a file time converts back");
    const int64_t unix_seconds = int64_t(bits);
    fuzz_check(unix_seconds < 0 || filetime_ticks(filetime_from_unix(unix_seconds, 0)) >=
                                       filetime_ticks(filetime_from_unix(0, 0)),
               "a time after 1970 is a file time after 1970");
    (void)filetime_from_unix(unix_seconds, int64_t(bits >> 3));
    double date;
    std::memcpy(&date, &bits, sizeof date);
    if (auto fields = fields_from_date(date))
        fuzz_check(date_from_fields(*fields).has_value(), "fields of a date make a date");
    (void)add_months(date, int(int32_t(bits >> 32)));
}

bool has_four_digits(std::u16string_view text) {
    size_t run = 0;
    for (char16_t c : text) {
        run = c >= u'0' && c <= u'9' ? run + 1 : 0;
        if (run == 4)
            return true;
    }
    return false;
}

} // namespace

bool dates(const uint8_t* data, size_t size) {
    conversions(take<uint64_t>(data, size));
    const int year = take<int32_t>(data, size);
    std::u16string text = from_utf8(std::string_view(reinterpret_cast<const char*>(data), size));
    auto date = platform::parse_date(text, year);
    if (!date)
        return false;
    if (!has_four_digits(text))
        fuzz_check(platform::fields_from_date(*date)->wYear == year,
                   "a date typed without a year falls in the current year");
    const std::u16string shown = platform::format_day_month_year(*date);
    fuzz_check(!shown.empty(), "a date read from text can be shown");
    fuzz_check(platform::parse_date(shown, year) == date, "a shown date reads back to itself");
    return true;
}

} // namespace paginor::fuzz
