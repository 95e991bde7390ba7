#include "convert/hits.h"

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

// The next word at or after from; a paragraph break before it sets broke.
Word next_word(std::u16string_view text, size_t from, bool* broke) {
    while (from < text.size() && !is_word_char(text[from])) {
        if (text[from] == u'\n' && broke != nullptr) {
            *broke = true;
        }
        ++from;
    }
    size_t end = from;
    while (end < text.size() && is_word_char(text[end])) {
        ++end;
    }
    return {from, end};
}

bool word_equals(std::u16string_view text, Word w, const std::u16string& folded, bool prefix) {
    size_t n = w.end - w.begin;
    if (prefix ? n < folded.size() : n != folded.size()) {
        return false;
    }
    for (size_t i = 0; i < folded.size(); ++i) {
        if (fold_letter(text[w.begin + i]) != folded[i]) {
            return false;
        }
    }
    return true;
}

// The end of term when it matches from first (already known to match its first word);
// 0 when it does not.
size_t match_rest(std::u16string_view text, Word first, const HitTerm& term) {
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

std::vector<Hit> find_hits(std::u16string_view text, const std::vector<HitTerm>& terms) {
    std::unordered_map<std::u16string, std::vector<const HitTerm*>> by_first;
    std::vector<const HitTerm*> prefixes; // one word, a prefix: no exact key
    for (const HitTerm& term : terms) {
        if (term.prefix && term.words.size() == 1) {
            prefixes.push_back(&term);
        } else {
            by_first[term.words.front()].push_back(&term);
        }
    }
    std::vector<Hit> hits;
    if (terms.empty()) {
        return hits;
    }
    // Most words of a document start no term: a word's length and first letter rule them
    // out before it is folded and looked up.
    std::vector<bool> lengths(64);
    std::vector<bool> firsts(0x10000);
    for (const auto& [word, list] : by_first) {
        lengths[std::min<size_t>(word.size(), 63)] = true;
        firsts[word.front()] = true;
    }
    std::u16string folded;
    size_t at = 0;
    while (true) {
        Word w = next_word(text, at, nullptr);
        if (w.begin == w.end) {
            break;
        }
        size_t best = 0;
        for (const HitTerm* term : prefixes) {
            if (word_equals(text, w, term->words.front(), true)) {
                best = w.end;
            }
        }
        size_t n = w.end - w.begin;
        if (lengths[std::min<size_t>(n, 63)] && firsts[fold_letter(text[w.begin])]) {
            folded.clear();
            for (size_t i = w.begin; i < w.end; ++i) {
                folded += fold_letter(text[i]);
            }
            if (auto found = by_first.find(folded); found != by_first.end()) {
                for (const HitTerm* term : found->second) {
                    best = std::max(best, match_rest(text, w, *term));
                }
            }
        }
        if (best != 0) {
            hits.push_back({w.begin, best});
            at = best;
        } else {
            at = w.end;
        }
    }
    return hits;
}

} // namespace paginor::convert
