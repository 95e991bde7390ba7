// The host's hit list and where its terms occur in a document's text.
//
// The list is blank-separated terms; a "quoted phrase" is one term of several words; a
// trailing "*" makes the term's last word a prefix. Criteria as the multi-value prompt
// writes them, "(FIELD contains (value))" joined by "and" or "or", give their values as
// the terms and nothing else. Each term is cut into words at every character that is not
// a letter or digit, so "e-mail" is the phrase "e mail".
//
// Matching ignores case, starts and ends on word boundaries, lets a phrase's words be
// separated by anything but a paragraph break, and takes at each place the longest
// match; hits never overlap or nest, and the scan goes on after each hit's end.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace paginor::convert {

struct HitTerm {
    std::vector<std::u16string> words; // folded
    bool prefix{false};
    friend bool operator==(const HitTerm&, const HitTerm&) = default;
};

struct Hit {
    size_t begin{0};
    size_t end{0};
    friend bool operator==(const Hit&, const Hit&) = default;
};

std::vector<HitTerm> parse_hit_list(std::u16string_view list);

// Hits in document order.
std::vector<Hit> find_hits(std::u16string_view text, const std::vector<HitTerm>& terms);

class FirstLetters;

// The terms made ready once for many texts: a document handed over in pieces is
// searched piece by piece. A piece that ends before a paragraph break and starts at one
// (or at the document's start) gives the hits the whole text has there, as no hit and
// no word crosses a break.
class HitFinder {
  public:
    explicit HitFinder(std::vector<HitTerm> terms);
    ~HitFinder();
    HitFinder(const HitFinder&) = delete;
    HitFinder& operator=(const HitFinder&) = delete;

    // Appends the hits of text in its order, placed from its start.
    void find(std::u16string_view text, std::vector<Hit>& hits) const;
    // The same for text whose every byte is ASCII.
    void find(std::string_view ascii, std::vector<Hit>& hits) const;

  private:
    template <class Char>
    void find_in(std::basic_string_view<Char> text, std::vector<Hit>& hits) const;

    std::vector<HitTerm> m_terms;
    std::unordered_map<std::u16string, std::vector<const HitTerm*>> m_by_first;
    std::vector<const HitTerm*> m_prefixes; // one word, a prefix: no exact key
    std::vector<uint8_t> m_lengths = std::vector<uint8_t>(64);
    std::unique_ptr<FirstLetters> m_firsts;
};

// Letters and digits (ASCII by table, the rest by ranges of punctuation left out).
bool is_word_char_wide(char16_t c);
inline bool is_word_char(char16_t c) {
    if (c < 0x80) {
        return (c >= u'0' && c <= u'9') || (c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z');
    }
    return is_word_char_wide(c);
}
char16_t fold_letter_wide(char16_t c);
inline char16_t fold_letter(char16_t c) {
    if (c < 0x80) {
        return c >= u'A' && c <= u'Z' ? char16_t(c + 0x20) : c;
    }
    return fold_letter_wide(c);
}

} // namespace paginor::convert
