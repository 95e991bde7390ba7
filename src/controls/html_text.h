// The bytes of an HTML file as UTF-8: a byte-order mark decides first (UTF-8, UTF-16 of
// either order), else the charset a meta element declares in the head (UTF-8 as such;
// ISO-8859-1, ASCII and every other single-byte set read as Windows-1252, as browsers
// do), else Windows-1252.
#pragma once

#include <string>
#include <string_view>

namespace paginor::controls {

std::string html_bytes_to_utf8(std::string_view bytes);

// Text made safe to stand inside an element or a quoted attribute.
std::string html_escaped(std::string_view text);

} // namespace paginor::controls
