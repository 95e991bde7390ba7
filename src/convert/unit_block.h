// Eight UTF-16 units tested at once, for the scans that pass over a whole document's
// text: the compiler's vector types, so the same code serves every target.
#pragma once

#include <cstdint>
#include <cstring>
#include <string_view>

namespace paginor::convert {

using UnitBlock = uint16_t __attribute__((vector_size(16)));
using UnitMask = int16_t __attribute__((vector_size(16))); // a comparison's lanes: 0 or -1

inline constexpr size_t kBlockUnits = 8;

inline UnitBlock load_block(const char16_t* p) {
    UnitBlock v;
    std::memcpy(&v, p, sizeof v);
    return v;
}

inline bool any_lane(UnitMask m) {
    uint64_t half[2];
    std::memcpy(half, &m, sizeof half);
    return (half[0] | half[1]) != 0;
}

// Where c next occurs in text at or after from; text.size() when nowhere.
inline size_t find_unit(std::u16string_view text, size_t from, char16_t c) {
    while (from + kBlockUnits <= text.size() &&
           !any_lane(load_block(text.data() + from) == uint16_t(c))) {
        from += kBlockUnits;
    }
    while (from < text.size() && text[from] != c) {
        ++from;
    }
    return from;
}

} // namespace paginor::convert
