#include "convert/hits.h"

namespace paginor::convert {

namespace {

bool is_blank(char16_t c) {
    return c == u' ' || c == u'\t' || c == u'\r' || c == u'\n';
}

void add_term(std::vector<HitTerm>& terms, std::u16string_view text) {
    HitTerm term;
    if (!text.empty() && text.back() == u'*') {
        term.prefix = true;
        text.remove_suffix(1);
    }
    std::u16string word;
    for (size_t i = 0; i <= text.size(); ++i) {
        if (i < text.size() && is_word_char(text[i])) {
            word += fold_letter(text[i]);
        } else if (!word.empty()) {
            term.words.push_back(std::move(word));
            word.clear();
        }
    }
    if (!term.words.empty()) {
        terms.push_back(std::move(term));
    }
}

void parse_terms(std::vector<HitTerm>& terms, std::u16string_view list) {
    size_t i = 0;
    while (i < list.size()) {
        if (is_blank(list[i])) {
            ++i;
            continue;
        }
        size_t end;
        if (list[i] == u'"') {
            end = list.find(u'"', i + 1);
            end = end == std::u16string_view::npos ? list.size() : end;
            size_t stop = end;
            // A star just after the closing quote belongs to the phrase.
            if (end + 1 < list.size() && list[end + 1] == u'*') {
                ++end;
            }
            std::u16string phrase(list.substr(i + 1, stop - i - 1));
            if (end != stop) {
                phrase += u'*';
            }
            add_term(terms, phrase);
            i = end + 1;
            continue;
        }
        end = i;
        while (end < list.size() && !is_blank(list[end])) {
            ++end;
        }
        add_term(terms, list.substr(i, end - i));
        i = end;
    }
}

// Where "contains (" starts, ignoring case; npos when absent.
size_t find_contains(std::u16string_view list, size_t from) {
    static constexpr std::u16string_view key = u"contains (";
    for (size_t i = from; i + key.size() <= list.size(); ++i) {
        size_t k = 0;
        while (k < key.size() && fold_letter(list[i + k]) == key[k]) {
            ++k;
        }
        if (k == key.size()) {
            return i;
        }
    }
    return std::u16string_view::npos;
}

} // namespace

std::vector<HitTerm> parse_hit_list(std::u16string_view list) {
    std::vector<HitTerm> terms;
    size_t at = find_contains(list, 0);
    if (at == std::u16string_view::npos) {
        parse_terms(terms, list);
        return terms;
    }
    while (at != std::u16string_view::npos) {
        size_t begin = at + 10;
        size_t end = list.find(u')', begin);
        end = end == std::u16string_view::npos ? list.size() : end;
        parse_terms(terms, list.substr(begin, end - begin));
        at = find_contains(list, end);
    }
    return terms;
}

} // namespace paginor::convert
