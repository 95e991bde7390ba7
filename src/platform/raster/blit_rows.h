// Row kernels of the block transfers: one source row converted to the target's terms and
// combined with one target row by a ternary raster operation. A blit picks its kernel once
// per call (by source kind, target kind and operation) and then runs it row by row, so the
// inner loops hold no switches, lookups or clipping tests; the common operations have
// their own loops over blocks of sixteen pixels, every other code runs the general formula.
#pragma once

#include <cstdint>

namespace paginor::platform::rows {

// What one source element is and how it becomes a value of the target's kind.
enum class Source : uint8_t {
    None,   // the operation ignores the source; nothing is read
    Words,  // 32-bit words taken as they are (colour pixels, or ~0/0 for monochrome)
    Key,    // colour pixels to monochrome: equal to `key` (low 24 bits) gives 1, else 0
    Bits,   // monochrome bytes (0 or 1) to a monochrome target
    Colour, // monochrome bytes to colour: 1 gives `one`, 0 gives `zero`
};

// A pixel value no colour pixel can equal once its top byte is dropped.
constexpr uint32_t kNoKey = 0xFFFFFFFFu;

// Everything a kernel needs besides the two rows, fixed for a whole blit.
struct RowJob {
    uint8_t op{0xCC};     // operation index: bit (P*4 + S*2 + D) holds the result
    uint32_t pattern{0};  // the brush as a target value (a pixel, or ~0/0 on monochrome)
    uint32_t key{kNoKey}; // Source::Key: the pixel value that becomes 1
    uint32_t one{~0u};    // Source::Colour: the pixel a 1 becomes
    uint32_t zero{0};     // Source::Colour: the pixel a 0 becomes
};

// Combines n source elements from `src` (uint32_t or uint8_t per element as `Source`
// says; ignored for Source::None) into n target elements at `dst` (uint32_t pixels whose
// top byte ends up 0, or uint8_t bits that end up 0 or 1). The rows must not overlap;
// n <= 0 does nothing.
using RowKernel = void (*)(const RowJob& job, const void* src, void* dst, int n);

// The kernel for a source kind, a target kind and an operation index; never null. A
// colour target takes None, Words or Colour sources, a monochrome one None, Words, Key or
// Bits; any other pairing gets the None kernel, which reads no source.
RowKernel pick(Source source, bool mono_target, uint8_t op);

// The transparent copy of a device that supports it: each of n colour pixels of `src`
// whose low 24 bits differ from `key` replaces the target pixel, alpha included; pixels
// equal to the key (never for kNoKey) leave the target as it was. The rows must not
// overlap; n <= 0 does nothing.
void keyed_copy(const uint32_t* src, uint32_t* dst, int n, uint32_t key);

} // namespace paginor::platform::rows
