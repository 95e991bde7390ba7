// Where a long HTML page can be cut into pieces that read, one after another, into the
// same body as the whole page would: at the body's top level, between elements whose tags
// all close in order. A page the scan cannot vouch for (a script, a style or a foreign
// element in the body, a tag left open or closed out of order, content after the body, a
// body not written out, a style sheet that matches elements by their siblings or that it
// cannot see) has no pieces, and is read whole.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
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

// Scans a page (an ASCII-compatible encoding) for its cuts as far as it is asked to, so
// that a long page is shown before it is all scanned.
class HtmlBodyScan {
  public:
    // Cuts at the first top-level tag after `piece_bytes` or more from the last cut.
    HtmlBodyScan(std::string_view page, size_t piece_bytes);
    // Scans on until a cut stands after page offset `to`, or the page is all scanned;
    // false when the page turns out not to be cut safely.
    bool scan_past(size_t to);
    // The page is all scanned, and can be cut.
    bool finished() const { return m_state == State::Finished; }
    // The pieces known so far: the last runs to the page's end until a cut is found in it.
    const HtmlPieces& pieces() const { return m_pieces; }

  private:
    enum class State { Head, Body, Finished, Refused };
    // Takes the next tag, comment or '<' of text.
    void step();
    void head_tag(const std::string& name, bool end_tag, size_t past);
    void end(bool cuttable);

    std::string_view m_page;
    size_t m_piece_bytes;
    State m_state{State::Head};
    HtmlPieces m_pieces;
    std::vector<std::string> m_open; // the body's elements open, by name
    size_t m_at{0};                  // where the scan goes on
    size_t m_text_from{0};           // where the text since the last tag starts
    size_t m_last_cut{0};
};

// The whole page's cuts, pieces of about `piece_bytes`; none when it cannot be cut safely.
std::optional<HtmlPieces> cut_html_body(std::string_view page, size_t piece_bytes);

} // namespace paginor::controls
