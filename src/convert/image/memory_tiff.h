// libtiff over bytes in memory, and the quiet handlers that keep it off stderr while
// counting the errors it reports (the fax decoder's way of saying a row is bad).
#pragma once

#include <tiffio.h>

#include <string>
#include <string_view>

namespace paginor::convert {

struct MemoryTiff {
    std::string bytes;
    uint64_t at{0};
};

// Opens m for reading ("r") or writing ("w"); null when libtiff refuses.
TIFF* open_memory_tiff(MemoryTiff& m, const char* mode);

// Errors libtiff has reported on this thread; installs the quiet handlers first.
unsigned tiff_errors();

// A raw Group 3 strip of 1728-pixel rows as a one-page TIFF of at most max_rows rows, in
// the given fill order (FILLORDER_MSB2LSB or FILLORDER_LSB2MSB).
MemoryTiff wrap_g3(std::string_view strip, uint32_t max_rows, uint16_t fill_order);

} // namespace paginor::convert
