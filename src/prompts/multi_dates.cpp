#include "prompts/multi_dates.h"

#include "platform/core/clock.h"
#include "platform/core/date_text.h"
#include "platform/core/unicode.h"

namespace paginor::prompts {

std::u16string year_or_month_hint() {
    const platform::LocalTime now = platform::GetLocalTime();
    const std::u16string year = from_utf8(std::to_string(now.year));
    return u"Enter a Year (e.g. \"" + year + u"\") or a month (e.g. \"" +
           std::u16string(platform::month_short_name(now.month)) + u" " + year +
           u"\") in which the date must fall.";
}

} // namespace paginor::prompts
