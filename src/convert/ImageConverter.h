// The image converter: a fax picture becomes a PNG the browser can show. TIFF in any
// compression libtiff reads, its pages stacked top to bottom, pages scanned at half the
// vertical resolution drawn with every row twice so they keep their shape; raw Group 3
// fax (".G3N", 1728-pixel rows without a header) decoded up to its first bad row, in
// whichever bit order reads further. Nothing is written to stderr.
#pragma once

#include <cstdint>
#include <string_view>

namespace paginor::convert {

// The largest picture written, all pages together; a larger one is refused before any
// page is decoded.
inline constexpr uint64_t kMaxPixels = uint64_t(128) << 20;
// A grey or colour page is decoded whole, four bytes a pixel: it may hold at most this.
inline constexpr uint64_t kMaxColourPagePixels = uint64_t(1) << 26;

class ImageConverter {
  public:
    // Writes the PNG through a temporary name beside target, so a failure leaves none.
    // Raises the converter's Unreadable (missing source), UnknownFormat (neither a TIFF
    // nor a G3 file), Damaged (nothing decodes), TooLarge (past kMaxPixels) or
    // WriteFailed, with source "PaginorV2CTL.ImageConverter".
    void convert(std::u16string_view source, std::u16string_view target);
};

} // namespace paginor::convert
