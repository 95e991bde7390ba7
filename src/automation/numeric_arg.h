// A number handed by value to a member that reads its own DISPPARAMS (the standard font
// and picture objects), without the coercion VariantChangeType would apply: strings,
// booleans, empty and by-reference arguments are no numbers here.
#pragma once

#include <paginor/base.h>

#include <optional>

namespace paginor::automation {

// Whether the member takes a currency value (VT_CY, its scaled integer over 10000).
enum class Currency { Refused, Taken };

// The value of a VT_I2, VT_I4, VT_R4 or VT_R8 argument exactly as given (no rounding),
// and of a VT_CY one when the caller takes currency; nullopt for any other type, which
// the caller answers as DISP_E_TYPEMISMATCH. The font's Size and its switches take
// currency and keep fractions; the picture's Render refuses currency and truncates each
// coordinate toward zero itself.
std::optional<double> numeric_arg(const VARIANT& v, Currency currency);

} // namespace paginor::automation
