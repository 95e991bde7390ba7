// Where a long HTML page can be cut into pieces that read, one after another, into the
// same body as the whole page would: at the body's top level, between elements whose tags
// all close in order. A page the scan cannot vouch for (a script, a style or a foreign
// element in the body, a tag left open or closed out of order, content after the body, a
// body not written out, a style sheet that matches elements by their siblings or that it
// cannot see) has no pieces, and is read whole.
#pragma once

#include <cstddef>
#include <optional>
#include <string_view>
#include <vector>

namespace paginor::controls {

struct HtmlPieces {
    size_t body_start{0}; // just after the body's start tag
    // The end of the last piece: the page's end, as blanks after the body's end tag still
    // join the body (and comments there go to the page, as they would).
    size_t body_end{0};
    // Where each piece after the first starts, ascending, inside (body_start, body_end).
    std::vector<size_t> cuts;

    size_t count() const { return cuts.size() + 1; }
    size_t start(size_t piece) const { return piece == 0 ? body_start : cuts[piece - 1]; }
    size_t end(size_t piece) const { return piece + 1 < count() ? cuts[piece] : body_end; }
};

// Cuts the body of `html` (an ASCII-compatible encoding) into pieces of about
// `piece_bytes` each; none when it cannot be cut safely.
std::optional<HtmlPieces> cut_html_body(std::string_view html, size_t piece_bytes);

} // namespace paginor::controls
