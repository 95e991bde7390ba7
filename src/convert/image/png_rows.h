// A PNG written row by row to a file, so a tall stack of pages never sits in memory whole.
// Each call answers false once libpng has failed; the file is the caller's to close.
#pragma once

#include <cstdint>
#include <cstdio>

struct png_struct_def;
struct png_info_def;

namespace paginor::convert {

class PngRows {
  public:
    PngRows() = default;
    ~PngRows();
    PngRows(const PngRows&) = delete;
    PngRows& operator=(const PngRows&) = delete;

    // Rows of 1-bit grey (packed, 0 black), 8-bit grey, or 8-bit red, green and blue.
    enum class Kind { Bits, Grey, Rgb };
    bool begin(FILE* file, uint32_t width, uint32_t height, Kind kind);
    bool row(const uint8_t* pixels);
    bool end();

  private:
    png_struct_def* m_png{nullptr};
    png_info_def* m_info{nullptr};
};

} // namespace paginor::convert
