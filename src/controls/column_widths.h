// Column widths of a multi-column list as text: entries apart by ";", each a number with
// an optional unit (in, cm, pt, twips; a bare number is points), a blank entry (or one
// past the last given) takes an equal share of what the others leave, and 0 hides the
// column. ".5in; 0in;" makes a half-inch column, a hidden one and one taking the rest.
#pragma once

#include <optional>
#include <string_view>
#include <vector>

namespace paginor::controls {

// The widths in twips, -1 for a blank entry; nullopt for a text that is no such list (an
// unknown unit, a negative or malformed number).
std::optional<std::vector<double>> parse_column_widths(std::u16string_view text);

// Pixel widths of count columns sharing total pixels: given widths converted through
// twips_per_pixel (rounded), blanks sharing what is left (never below 0).
std::vector<int> column_pixels(const std::vector<double>& twips, int count, int total,
                               int twips_per_pixel);

} // namespace paginor::controls
