#include "convert/hits.h"
#include "convert/unit_block.h"

#include <algorithm>
#include <unordered_map>

namespace paginor::convert {

bool is_word_char_wide(char16_t c) {
    if (c < 0xC0) {
        return c == 0xAA || c == 0xB5 || c == 0xBA;
    }
    bool punctuation = c == 0xD7 || c == 0xF7 || (c >= 0x2000 && c <= 0x206F) ||
                       (c >= 0x3000 && c <= 0x303F) || (c >= 0xFE30 && c <= 0xFE4F) ||
                       (c >= 0xFF00 && c <= 0xFF0F) || c == 0xFEFF;
    return !punctuation;
}

char16_t fold_letter_wide(char16_t c) {
    if ((c >= 0xC0 && c <= 0xDE && c != 0xD7) || (c >= 0x391 && c <= 0x3AB) ||
        (c >= 0x410 && c <= 0x42F)) {
        return char16_t(c + 0x20);
    }
    if (c >= 0x400 && c <= 0x40F) {
        return char16_t(c + 0x50);
    }
    // Latin Extended-A pairs its capitals and small letters at even and odd points.
    if (c >= 0x100 && c <= 0x17F && c != 0x130 && c != 0x131 && c != 0x138 && c != 0x149) {
        bool odd_capitals = (c >= 0x139 && c <= 0x148) || (c >= 0x179 && c <= 0x17E);
        bool capital = odd_capitals ? (c & 1) == 1 : (c & 1) == 0;
        return capital ? char16_t(c + 1) : c;
    }
    return c;
}

namespace {

struct Word {
    size_t begin{0};
    size_t end{0};
};

template <class Char> using Text = std::basic_string_view<Char>;

// The next word at or after from; a paragraph break before it sets broke.
template <class Char> Word next_word(Text<Char> text, size_t from, bool* broke) {
    while (from < text.size() && !is_word_char(unit(text[from]))) {
        if (text[from] == Char('\n') && broke != nullptr) {
            *broke = true;
        }
        ++from;
    }
    size_t end = from;
    while (end < text.size() && is_word_char(unit(text[end]))) {
        ++end;
    }
    return {from, end};
}

template <class Char>
bool word_equals(Text<Char> text, Word w, const std::u16string& folded, bool prefix) {
    size_t n = w.end - w.begin;
    if (prefix ? n < folded.size() : n != folded.size()) {
        return false;
    }
    for (size_t i = 0; i < folded.size(); ++i) {
        if (fold_letter(unit(text[w.begin + i])) != folded[i]) {
            return false;
        }
    }
    return true;
}

// The end of term when it matches from first (already known to match its first word);
// 0 when it does not.
template <class Char> size_t match_rest(Text<Char> text, Word first, const HitTerm& term) {
    Word w = first;
    for (size_t k = 1; k < term.words.size(); ++k) {
        bool broke = false;
        w = next_word(text, w.end, &broke);
        bool last = k + 1 == term.words.size();
        if (broke || w.begin == w.end ||
            !word_equals(text, w, term.words[k], last && term.prefix)) {
            return 0;
        }
    }
    return w.end;
}

} // namespace

// The first letters of the terms, folded, and a scan for the next character that folds
// to one of them. Blocks of ASCII that hold none are passed over eight units at a time:
// "c | 0x20" folds every ASCII letter and may let a few other units through, which the
// exact test then turns away; every unit past ASCII goes to the exact test.
class FirstLetters {
  public:
    void add(char16_t folded) {
        if (m_table[folded] == 0 && folded < 0x80) {
            m_ascii.push_back(folded);
        }
        m_table[folded] = 1;
    }

    template <class Char> const Char* next(const Char* p, const Char* end) const {
        constexpr size_t kCount = Lanes<Char>::kCount;
        bool blocks = m_ascii.size() <= kMaxBlockLetters;
        while (p < end) {
            if (blocks && end - p >= ptrdiff_t(kCount) && !maybe_in<Char>(load_lanes(p))) {
                p += kCount;
                continue;
            }
            const Char* stop = std::min(end, p + kCount);
            for (; p < stop; ++p) {
                if (m_table[fold_letter(unit(*p))] != 0) {
                    return p;
                }
            }
        }
        return end;
    }

  private:
    static constexpr size_t kMaxBlockLetters = 6;

    template <class Char> bool maybe_in(typename Lanes<Char>::Block v) const {
        using Lane = typename Lanes<Char>::Lane;
        auto folded = v | Lane(0x20);
        auto found = v >= Lane(0x80);
        for (char16_t c : m_ascii) {
            found |= folded == Lane(c);
        }
        return any_lane(found);
    }

    std::vector<uint8_t> m_table = std::vector<uint8_t>(0x10000);
    std::vector<char16_t> m_ascii;
};

HitFinder::HitFinder(std::vector<HitTerm> terms)
    : m_terms(std::move(terms)), m_firsts(std::make_unique<FirstLetters>()) {
    for (const HitTerm& term : m_terms) {
        if (term.prefix && term.words.size() == 1) {
            m_prefixes.push_back(&term);
        } else {
            m_by_first[term.words.front()].push_back(&term);
        }
    }
    for (const auto& [word, list] : m_by_first) {
        m_lengths[std::min<size_t>(word.size(), 63)] = 1;
        m_firsts->add(word.front());
    }
    for (const HitTerm* term : m_prefixes) {
        m_firsts->add(term->words.front().front());
    }
}

HitFinder::~HitFinder() = default;

template <class Char> void HitFinder::find_in(Text<Char> text, std::vector<Hit>& hits) const {
    if (m_terms.empty()) {
        return;
    }
    // Most words of a document start no term: the scan stops only where a term's first
    // letter starts a word, and a word's length rules out most of the rest before it is
    // folded and looked up.
    std::u16string folded;
    const Char* const begin = text.data();
    const Char* const end = begin + text.size();
    const Char* p = begin;
    while ((p = m_firsts->next(p, end)) != end) {
        if (p != begin && is_word_char(unit(p[-1]))) {
            ++p; // inside a word
            continue;
        }
        const Char* word_end = p + 1;
        while (word_end < end && is_word_char(unit(*word_end))) {
            ++word_end;
        }
        Word w{size_t(p - begin), size_t(word_end - begin)};
        size_t best = 0;
        for (const HitTerm* term : m_prefixes) {
            if (word_equals(text, w, term->words.front(), true)) {
                best = w.end;
            }
        }
        size_t n = w.end - w.begin;
        if (m_lengths[std::min<size_t>(n, 63)]) {
            folded.clear();
            for (const Char* c = p; c < word_end; ++c) {
                folded += fold_letter(unit(*c));
            }
            if (auto found = m_by_first.find(folded); found != m_by_first.end()) {
                for (const HitTerm* term : found->second) {
                    best = std::max(best, match_rest(text, w, *term));
                }
            }
        }
        p = best != 0 ? begin + best : word_end;
        if (best != 0) {
            hits.push_back({w.begin, best});
        }
    }
}

void HitFinder::find(std::u16string_view text, std::vector<Hit>& hits) const {
    find_in(text, hits);
}

void HitFinder::find(std::string_view ascii, std::vector<Hit>& hits) const {
    find_in(ascii, hits);
}

std::vector<Hit> find_hits(std::u16string_view text, const std::vector<HitTerm>& terms) {
    std::vector<Hit> hits;
    HitFinder(terms).find(text, hits);
    return hits;
}

} // namespace paginor::convert
