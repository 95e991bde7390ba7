// The arithmetic of ternary raster operations on one row, shared by the blits. Values are
// 24-bit pixels on colour surfaces and all-ones/all-zeros words on monochrome ones.
#pragma once

#include <cstdint>

namespace paginor::platform::rop {

// The operation index (the code's third byte): bit (P*4 + S*2 + D) holds the result.
constexpr uint8_t index_of(uint32_t rop) {
    return uint8_t((rop >> 16) & 0xFF);
}
constexpr bool uses_source(uint8_t i) {
    return ((i ^ (i >> 2)) & 0x33) != 0;
}
constexpr bool uses_pattern(uint8_t i) {
    return ((i ^ (i >> 4)) & 0x0F) != 0;
}

inline uint32_t apply(uint8_t i, uint32_t p, uint32_t s, uint32_t d) {
    uint32_t r = 0;
    for (int m = 0; m < 8; ++m) {
        if (!((i >> m) & 1))
            continue;
        uint32_t term = ((m & 4) ? p : ~p) & ((m & 2) ? s : ~s) & ((m & 1) ? d : ~d);
        r |= term;
    }
    return r;
}

// Runs f(p, s, d) over a row with the operations the controls use unrolled into plain
// loops the compiler can vectorise; out[i] = op(p, s[i], d[i]).
template <class Out> void combine_row(uint8_t i, uint32_t p, const uint32_t* s, int n, Out&& out) {
    switch (i) {
    case 0xCC:
        for (int x = 0; x < n; ++x)
            out(x, [&](uint32_t) { return s[x]; });
        return;
    case 0x88:
        for (int x = 0; x < n; ++x)
            out(x, [&](uint32_t d) { return s[x] & d; });
        return;
    case 0xEE:
        for (int x = 0; x < n; ++x)
            out(x, [&](uint32_t d) { return s[x] | d; });
        return;
    case 0x66:
        for (int x = 0; x < n; ++x)
            out(x, [&](uint32_t d) { return s[x] ^ d; });
        return;
    case 0x33:
        for (int x = 0; x < n; ++x)
            out(x, [&](uint32_t) { return ~s[x]; });
        return;
    default:
        for (int x = 0; x < n; ++x)
            out(x, [&](uint32_t d) { return apply(i, p, s ? s[x] : 0, d); });
        return;
    }
}

} // namespace paginor::platform::rop
