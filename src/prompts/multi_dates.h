// The date texts of the multi-value prompt's Date style.
#pragma once

#include <string>

namespace paginor::prompts {

// The tool-tip of the value box while dates are typed under "In": an example year and
// month taken from today, so the hint reads true in any year.
std::u16string year_or_month_hint();

} // namespace paginor::prompts
