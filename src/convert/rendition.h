// Writing a document's text with its hits marked: a whole HTML page in Windows-1252, or
// rich text. Both insert the caller's hit markup raw around each hit after replacing
// "%%ThisHit%%", "%%PrevHit%%" and "%%NextHit%%" with hit numbers counted from 1; the
// first hit's previous is 1 and the last hit's next is the last, so every link resolves.
#pragma once

#include "convert/hits.h"

#include <algorithm>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace paginor::convert {

struct RenditionInput {
    std::u16string_view text; // paragraphs by "\n", tabs "\t"; no hit crosses a "\n"
    const std::vector<Hit>* hits{nullptr};
    std::u16string_view hit_start;
    std::u16string_view hit_end;
    std::u16string_view field_text; // name, tab, value, tab, ... (HTML only)
    std::u16string_view title;      // the page's title (HTML only)
};

// Markup cut once at its place-holders and encoded once, as the writer puts markup raw,
// then written per hit with its numbers: nothing is searched, built or encoded per hit.
class MarkupTemplate {
  public:
    using Encode = void (*)(std::string& out, std::u16string_view markup);
    MarkupTemplate(std::u16string_view markup, Encode encode);
    // Appends the markup for hit number n (from 1) of count.
    void put(std::string& out, size_t n, size_t count) const;
    // True when the markup holds the next hit's number, the one that needs the count.
    bool names_next() const;

  private:
    std::vector<std::string> m_text; // one more than m_keys: text around each key
    std::vector<int> m_keys;         // 0 this hit, 1 previous, 2 next
};

// Where a rendition's bytes go: kept whole in bytes or, with a drain, handed on in
// blocks of about kBlockBytes as they are made, so that a large page is written as it
// grows and never held whole.
struct RenditionOut {
    static constexpr size_t kBlockBytes = size_t(1) << 20;
    std::string bytes;
    std::function<void(std::string_view)> drain; // null: everything stays in bytes

    // Room for a rendition of text of this many units: the whole of it, or a block and
    // some when it is handed on.
    void reserve_for(size_t units) {
        size_t whole = units + units / 8 + 1024;
        bytes.reserve(drain ? std::min(whole, 2 * kBlockBytes) : whole);
    }
    // Passes the bytes so far on once they fill a block.
    void pass_on() {
        if (drain && bytes.size() >= kBlockBytes) {
            drain(bytes);
            bytes.clear();
        }
    }
    // Passes on the rest at the end.
    void finish() {
        if (drain && !bytes.empty()) {
            drain(bytes);
            bytes.clear();
        }
    }
};

// An HTML page written as its text comes, in pieces that each end before a paragraph
// break or at the text's end, with their hits (placed from the piece's start): a page
// of any length is made with bounded memory. When the number of hits is not known
// beforehand and the markup names the next hit, the bytes from the latest hit on are
// held until the next hit or the end tells what its next is.
class HtmlPage {
  public:
    static constexpr size_t kUnknownCount = size_t(-1);
    // Writes the head and the field table; in.text and in.hits are not read.
    HtmlPage(const RenditionInput& in, RenditionOut& out, size_t hit_count);
    void write(std::u16string_view piece, const std::vector<Hit>& hits);
    // The same for a piece whose every byte is ASCII.
    void write(std::string_view ascii, const std::vector<Hit>& hits);
    void finish();

  private:
    template <class Char>
    void write_piece(std::basic_string_view<Char> piece, const std::vector<Hit>& hits);
    template <class Char> void write_plain(std::basic_string_view<Char> text);
    template <class Char> void put_hit(std::basic_string_view<Char> hit);
    template <class Char>
    void put_hit(std::string& out, std::basic_string_view<Char> hit, size_t n, size_t count) const;

    RenditionOut& m_sink;
    const MarkupTemplate m_start;
    const MarkupTemplate m_end;
    size_t m_count;
    size_t m_number{0}; // hits written
    bool m_empty{true}; // the open paragraph holds nothing yet
    size_t m_held_at{std::string::npos};
    size_t m_held_size{0};
    std::string m_held_last; // the held hit's markup and text should it be the last
};

// The page's bytes: text escaped ("&", "<", ">", '"'), characters the code page lacks
// as "&#N;", the field text as a name/value table above the text, one paragraph a line.
void write_html(const RenditionInput& in, RenditionOut& out);
std::string write_html(const RenditionInput& in);

// "{\rtf1\ansi\ansicpg1252", the preamble, then the text with "\", "{" and "}"
// escaped, tabs as "\tab", everything beyond ASCII as "\uN?", each paragraph closed by
// "\par"; the whole is ASCII.
void write_rtf(const RenditionInput& in, std::u16string_view preamble, RenditionOut& out);
std::string write_rtf(const RenditionInput& in, std::u16string_view preamble);
// The same as text, each byte one unit: a caller that takes rich text as text gets it
// without a detour through bytes.
std::u16string write_rtf_text(const RenditionInput& in, std::u16string_view preamble);

// The byte of the Windows-1252 code page for c; -1 when it has none (C1 controls count
// as none, so they are written as references).
int codepage_byte(char16_t c);

} // namespace paginor::convert
