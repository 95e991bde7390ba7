#include "controls/html_pieces.h"

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <iterator>
#include <string>

namespace paginor::controls {

namespace {

constexpr size_t npos = std::string_view::npos;

bool is_space(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f';
}

bool blank(std::string_view text) {
    return std::all_of(text.begin(), text.end(), is_space);
}

// What a tag's name tells the scan.
enum : uint8_t {
    kVoid = 1,    // never has content or an end tag
    kHead = 2,    // may stand before the body without opening it
    kUnsafe = 4,  // in the body, changes how what follows its own end is read, or holds
                  // something other than markup: the page is read whole
    kRawText = 8, // its content is text up to its end tag
};

struct NameKind {
    std::string_view name;
    uint8_t kind;
};

constexpr NameKind kNames[] = {
    {"area", kVoid},
    {"base", kVoid | kHead},
    {"basefont", kVoid | kHead},
    {"bgsound", kVoid},
    {"body", kUnsafe},
    {"br", kVoid},
    {"col", kVoid},
    {"embed", kVoid},
    {"form", kUnsafe},
    {"frame", kVoid | kUnsafe},
    {"frameset", kUnsafe},
    {"head", kHead | kUnsafe},
    {"html", kHead | kUnsafe},
    {"iframe", kUnsafe},
    {"image", kVoid},
    {"img", kVoid},
    {"input", kVoid},
    {"keygen", kVoid},
    {"link", kVoid | kHead},
    {"math", kUnsafe},
    {"meta", kVoid | kHead},
    {"noembed", kUnsafe},
    {"noframes", kUnsafe},
    {"noscript", kUnsafe},
    {"param", kVoid},
    {"plaintext", kUnsafe},
    {"script", kHead | kUnsafe | kRawText},
    {"source", kVoid},
    {"style", kHead | kUnsafe | kRawText},
    {"svg", kUnsafe},
    {"template", kUnsafe},
    {"textarea", kUnsafe},
    {"title", kHead | kUnsafe | kRawText},
    {"track", kVoid},
    {"wbr", kVoid},
    {"xmp", kUnsafe},
};
static_assert(std::is_sorted(std::begin(kNames), std::end(kNames),
                             [](const NameKind& a, const NameKind& b) { return a.name < b.name; }));

uint8_t kind_of(std::string_view name) {
    const auto it =
        std::lower_bound(std::begin(kNames), std::end(kNames), name,
                         [](const NameKind& k, std::string_view n) { return k.name < n; });
    return it != std::end(kNames) && it->name == name ? it->kind : 0;
}

// Past the '>' that closes a tag, from just after its name; npos when the page ends first.
// Quoted attribute values may hold '>' and '<'.
size_t past_tag(std::string_view s, size_t i, bool& self_closing) {
    self_closing = false;
    while (i < s.size()) {
        const char c = s[i];
        if (c == '>')
            return i + 1;
        if (c == '=') {
            for (++i; i < s.size() && is_space(s[i]);)
                ++i;
            if (i < s.size() && (s[i] == '"' || s[i] == '\'')) {
                const size_t close = s.find(s[i], i + 1);
                if (close == npos)
                    return npos;
                i = close + 1;
            } else {
                while (i < s.size() && !is_space(s[i]) && s[i] != '>')
                    ++i;
            }
            continue;
        }
        self_closing = c == '/' && i + 1 < s.size() && s[i + 1] == '>';
        ++i;
    }
    return npos;
}

// Past the end of a comment or another markup declaration starting at `at`.
size_t past_comment(std::string_view s, size_t at) {
    if (s.substr(at, 4) == "<!--") {
        const size_t close = s.find("-->", at + 2);
        // "--!>" also ends a comment; one holding it is left to the whole read.
        if (close == npos || s.substr(at, close - at).find("--!>") != npos)
            return npos;
        return close + 3;
    }
    const size_t close = s.find('>', at);
    return close == npos ? npos : close + 1;
}

// A tag's name runs, as the parser reads it, to a blank, a '/' or the tag's end.
std::string lower_name(std::string_view s, size_t& i) {
    std::string name;
    for (; i < s.size() && !is_space(s[i]) && s[i] != '/' && s[i] != '>'; ++i)
        name += char(std::tolower(uint8_t(s[i])));
    return name;
}

// Whether a style sheet has selectors that look at an element's siblings, which a piece
// read on its own does not have: a page with one is read whole.
bool relates_siblings(std::string_view css) {
    for (const std::string_view sign : {"+", "~", ":first", ":last", ":nth", ":only"})
        if (css.find(sign) != npos)
            return true;
    return false;
}

size_t find_end_tag(std::string_view s, size_t from, const std::string& name) {
    for (size_t at = s.find("</", from); at != npos; at = s.find("</", at + 2)) {
        size_t n = at + 2;
        if (lower_name(s, n) == name)
            return at;
    }
    return npos;
}

// After the body's end: only blanks, comments and the page's own end tag may follow.
bool nothing_after(std::string_view s, size_t i) {
    while (i < s.size()) {
        const size_t lt = s.find('<', i);
        if (!blank(s.substr(i, lt == npos ? npos : lt - i)))
            return false;
        if (lt == npos)
            return true;
        if (s.substr(lt, 4) == "<!--") {
            i = past_comment(s, lt);
        } else {
            size_t n = lt + 2;
            bool self_closing = false;
            if (s.substr(lt, 2) != "</" || lower_name(s, n) != "html")
                return false;
            i = past_tag(s, n, self_closing);
        }
        if (i == npos)
            return false;
    }
    return true;
}

} // namespace

std::optional<HtmlPieces> cut_html_body(std::string_view s, size_t piece_bytes) {
    HtmlPieces pieces;
    std::vector<std::string> open;
    bool in_body = false;
    size_t text_from = 0, last_cut = 0;
    for (size_t at = s.find('<'); at != npos; at = s.find('<', at)) {
        if (!in_body && !blank(s.substr(text_from, at - text_from)))
            return std::nullopt; // text opens the body where the page does not say so
        const bool end_tag = at + 1 < s.size() && s[at + 1] == '/';
        size_t i = at + 1 + (end_tag ? 1 : 0);
        if (i < s.size() &&
            (s[at + 1] == '!' || s[at + 1] == '?' || (end_tag && !std::isalpha(uint8_t(s[i]))))) {
            if ((at = past_comment(s, at)) == npos)
                return std::nullopt;
            text_from = at;
            continue;
        }
        if (i >= s.size() || !std::isalpha(uint8_t(s[i]))) {
            ++at; // a '<' of the text
            continue;
        }
        const std::string name = lower_name(s, i);
        const uint8_t kind = kind_of(name);
        bool self_closing = false;
        const size_t past = past_tag(s, i, self_closing);
        if (past == npos)
            return std::nullopt;
        const size_t tag = at;
        at = text_from = past;
        if (!in_body) {
            if (!end_tag && name == "body") {
                in_body = true;
                pieces.body_start = last_cut = past;
            } else if (!(kind & kHead) || (end_tag && name != "head" && !(kind & kRawText))) {
                return std::nullopt; // it would open the body before the body's own tag
            } else if (!end_tag && (kind & kRawText)) {
                if ((at = text_from = find_end_tag(s, past, name)) == npos)
                    return std::nullopt;
                if (name == "style" && relates_siblings(s.substr(past, at - past)))
                    return std::nullopt;
            } else if (name == "link") {
                return std::nullopt; // a style sheet the scan cannot see
            }
            continue;
        }
        if (end_tag) {
            if (open.empty() && (name == "body" || name == "html")) {
                pieces.body_end = s.size();
                return nothing_after(s, past) ? std::optional(pieces) : std::nullopt;
            }
            if (open.empty() || open.back() != name)
                return std::nullopt;
            open.pop_back();
            continue;
        }
        if ((kind & kUnsafe) || (self_closing && !(kind & kVoid)))
            return std::nullopt;
        // Our own style sheet spaces a line break that follows another.
        if (open.empty() && name != "br" && tag - last_cut >= piece_bytes)
            pieces.cuts.push_back(last_cut = tag);
        if (!(kind & kVoid))
            open.push_back(name);
    }
    if (!in_body || !open.empty())
        return std::nullopt;
    pieces.body_end = s.size();
    return pieces;
}

} // namespace paginor::controls
