// The bytes of an HTML file as UTF-8: a byte-order mark decides first (UTF-8, UTF-16 of
// either order), else the charset a meta element declares in the head (UTF-8 as such;
// ISO-8859-1, ASCII and every other single-byte set read as Windows-1252, as browsers
// do), else Windows-1252.
#pragma once

#include <string>
#include <string_view>

namespace paginor::controls {

std::string html_bytes_to_utf8(std::string_view bytes);

// The same reading in parts, for a page read a piece at a time: the encoding settled once
// for the whole file, then any piece cut where the text has an ASCII character decoded
// alone. Byte-order-marked UTF-16 is not cut.
enum class HtmlEncoding { Utf8, Utf16Le, Utf16Be, Windows1252 };
HtmlEncoding html_encoding(std::string_view bytes);
size_t html_byte_order_mark(HtmlEncoding encoding, std::string_view bytes);
std::string html_piece_to_utf8(std::string_view piece, HtmlEncoding encoding);

// Text made safe to stand inside an element or a quoted attribute.
std::string html_escaped(std::string_view text);

} // namespace paginor::controls
