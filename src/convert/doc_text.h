// A document's text as every reader hands it on: paragraphs separated by "\n", cells and
// tabs as "\t". The sink stops taking text at kMaxRenditionText so that no document,
// however large, makes a rendition larger than that; the readers ask full() to stop early.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace paginor::convert {

inline constexpr size_t kMaxRenditionText = size_t(32) << 20; // UTF-16 units
inline constexpr std::u16string_view kRestNotShown =
    u"[The rest of this document is not shown: it is longer than 32 MiB.]";

class TextSink {
  public:
    // Room for this many more units, a reader's bound on what is to come (never past the
    // cut), so that a large document's text is not copied as it grows.
    void reserve(size_t units);
    void append(std::u16string_view text);
    // The same, taking the text over without a copy when nothing came before it.
    void append_moved(std::u16string&& text);
    void append(char16_t c);
    // UTF-8 text, decoded straight into the sink (ASCII runs without a detour).
    void append_utf8(std::string_view utf8);
    // Ends a paragraph; several in a row and one at the very start make none.
    void paragraph();
    void tab() { append(u'\t'); }
    bool full() const { return m_cut; }
    // Takes no more text: the reader stopped before the document's end.
    void cut() { m_cut = true; }
    // True before any text and right after a paragraph break.
    bool at_line_start() const { return m_text.empty() || m_text.back() == u'\n'; }

    // The text, with the closing note when it was cut.
    std::u16string take();

  private:
    std::u16string m_text;
    bool m_cut{false};
};

} // namespace paginor::convert
