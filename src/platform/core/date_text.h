// Dates as text: the formats the library writes and the lenient regional reading of
// dates that users type. Month names are English, in the same table both ways, so every
// text this file writes reads back to the same day.
#pragma once

#include <paginor/base.h>

#include <optional>
#include <string>
#include <string_view>

namespace paginor::platform {

// "Jan" ... "Dec" and "January" ... "December"; empty for a month outside 1 to 12.
std::u16string_view month_short_name(int month);
std::u16string_view month_full_name(int month);

// The formats below return an empty string for a date outside the range of
// fields_from_date (see date.h); the time of day is dropped unless the format shows it.
// "DD MMM YYYY": two-digit day, short month name, four-digit year ("05 Dec 2026").
std::u16string format_day_month_year(DATE date);
// "YYYYMMDD" ("20261205").
std::u16string format_yyyymmdd(DATE date);
// "YYYY-MM" ("2026-12").
std::u16string format_year_month(DATE date);
// "YYYYMMDDHHNNSS" on the 24-hour clock ("20261205143501").
std::u16string format_stamp(DATE date);

// Reads a typed date at midnight. Blanks around and between the parts are ignored,
// month names are full or short in any case, days and months may have one or two
// digits, years have four. Accepted shapes:
//   "D MMM YYYY"   "05 Dec 2026", "5 december 2026"
//   "MMM YYYY"     "Dec 2026"      the first of the month
//   "D MMM"        "5 Dec"         in current_year
//   "MMM"          "dec"           the first of the month in current_year
//   "YYYY-MM-DD"   "2026-12-05"
// Anything else, and an impossible day ("31 Apr 2026", "2026-02-29"), gives nullopt:
// a text that is no date never becomes some other date.
std::optional<DATE> parse_date(std::u16string_view text, int current_year);

} // namespace paginor::platform
