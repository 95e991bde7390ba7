// Ternary raster operation codes: which operand an operation reads. The row arithmetic
// itself lives in the row kernels (blit_rows.h).
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

} // namespace paginor::platform::rop
