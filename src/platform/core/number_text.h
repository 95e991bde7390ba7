// Numbers read from text as the host language reads them: the whole-number conversion
// that fails on anything but a number, and the lenient reading of the number a text
// begins with.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace paginor::platform {

// The text as a 32-bit whole number: blanks around it, a sign and a decimal fraction
// allowed (rounded half to even, as the host rounds), nothing else. nullopt for an
// empty text, any other character, or a value outside the 32-bit range.
std::optional<int32_t> whole_number(std::u16string_view text);

// The number the text begins with: blanks anywhere ignored, an optional sign, digits and
// one decimal point; reading stops at the first other character. 0 when the text does
// not begin with a number ("Dec" and "" give 0, "5 Dec" gives 5, " 1 2x" gives 12).
double leading_number(std::u16string_view text);

} // namespace paginor::platform
