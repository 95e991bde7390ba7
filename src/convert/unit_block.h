// Eight UTF-16 units tested at once, for the scans that pass over a whole document's
// text: the compiler's vector types, so the same code serves every target.
#pragma once

#include <cstdint>
#include <cstring>
#include <string_view>

namespace paginor::convert {

using UnitBlock = uint16_t __attribute__((vector_size(16)));

inline constexpr size_t kBlockUnits = 8;

inline UnitBlock load_block(const char16_t* p) {
    UnitBlock v;
    std::memcpy(&v, p, sizeof v);
    return v;
}

// Whether any lane of a comparison's result is set, whatever its lanes' type (compilers
// differ on the type a comparison of byte lanes gives).
template <class Mask> bool any_lane(Mask m) {
    static_assert(sizeof(Mask) == 16);
    uint64_t half[2];
    std::memcpy(half, &m, sizeof half);
    return (half[0] | half[1]) != 0;
}

// Sixteen ASCII bytes tested at once, for text that never needed decoding.
using ByteBlock = uint8_t __attribute__((vector_size(16)));

// The block types of a text's units: UTF-16 units, or bytes all below 0x80.
template <class Char> struct Lanes;
template <> struct Lanes<char16_t> {
    using Block = UnitBlock;
    using Lane = uint16_t;
    static constexpr size_t kCount = kBlockUnits;
};
template <> struct Lanes<char> {
    using Block = ByteBlock;
    using Lane = uint8_t;
    static constexpr size_t kCount = 16;
};

template <class Char> typename Lanes<Char>::Block load_lanes(const Char* p) {
    typename Lanes<Char>::Block v;
    std::memcpy(&v, p, sizeof v);
    return v;
}

// A unit of either kind of text as the UTF-16 unit it stands for.
inline char16_t unit(char16_t c) {
    return c;
}
inline char16_t unit(char c) {
    return char16_t(uint8_t(c));
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
