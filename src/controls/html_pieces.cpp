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

// Past the '>' that closes a tag, from just after its name, reading its attributes as the
// parser does (a name may start with '=', and quotes only open a value after '='); npos
// when the page ends first.
size_t past_tag(std::string_view s, size_t i, bool& self_closing) {
    self_closing = false;
    const auto skip_blanks = [&] {
        while (i < s.size() && is_space(s[i]))
            ++i;
        return i < s.size();
    };
    while (skip_blanks()) {
        if (s[i] == '>')
            return i + 1;
        if (s[i] == '/') {
            if (i + 1 < s.size() && s[i + 1] == '>') {
                self_closing = true;
                return i + 2;
            }
            ++i;
            continue;
        }
        for (++i; i < s.size() && !is_space(s[i]) && s[i] != '/' && s[i] != '>' && s[i] != '=';)
            ++i;
        if (!skip_blanks())
            return npos;
        if (s[i] != '=')
            continue;
        ++i;
        if (!skip_blanks())
            return npos;
        if (s[i] == '"' || s[i] == '\'') {
            const size_t close = s.find(s[i], i + 1);
            if (close == npos)
                return npos;
            i = close + 1;
        } else {
            while (i < s.size() && !is_space(s[i]) && s[i] != '>')
                ++i;
        }
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

HtmlBodyScan::HtmlBodyScan(std::string_view page, size_t piece_bytes)
    : m_page(page), m_piece_bytes(piece_bytes) {
    m_pieces.body_end = page.size();
}

bool HtmlBodyScan::scan_past(size_t to) {
    while ((m_state == State::Head || m_state == State::Body) &&
           (m_pieces.cuts.empty() || m_pieces.cuts.back() <= to))
        step();
    return m_state != State::Refused;
}

void HtmlBodyScan::step() {
    const std::string_view s = m_page;
    const size_t at = s.find('<', m_at);
    if (at == npos)
        return end(m_state == State::Body && m_open.empty());
    if (m_state == State::Head && !blank(s.substr(m_text_from, at - m_text_from)))
        return end(false); // text opens the body where the page does not say so
    const bool end_tag = at + 1 < s.size() && s[at + 1] == '/';
    size_t i = at + 1 + (end_tag ? 1 : 0);
    if (i < s.size() &&
        (s[at + 1] == '!' || s[at + 1] == '?' || (end_tag && !std::isalpha(uint8_t(s[i]))))) {
        m_at = m_text_from = past_comment(s, at);
        if (m_at == npos)
            end(false);
        return;
    }
    if (i >= s.size() || !std::isalpha(uint8_t(s[i]))) {
        m_at = at + 1; // a '<' of the text
        return;
    }
    const std::string name = lower_name(s, i);
    bool self_closing = false;
    const size_t past = past_tag(s, i, self_closing);
    if (past == npos)
        return end(false);
    m_at = m_text_from = past;
    if (m_state == State::Head)
        return head_tag(name, end_tag, past);
    const uint8_t kind = kind_of(name);
    if (end_tag) {
        if (m_open.empty() && (name == "body" || name == "html"))
            return end(nothing_after(s, past));
        if (m_open.empty() || m_open.back() != name)
            return end(false);
        m_open.pop_back();
        return;
    }
    if ((kind & kUnsafe) || (self_closing && !(kind & kVoid)))
        return end(false);
    // Our own style sheet spaces a line break that follows another.
    if (m_open.empty() && name != "br" && at - m_last_cut >= m_piece_bytes)
        m_pieces.cuts.push_back(m_last_cut = at);
    if (!(kind & kVoid))
        m_open.push_back(name);
}

void HtmlBodyScan::head_tag(const std::string& name, bool end_tag, size_t past) {
    const uint8_t kind = kind_of(name);
    if (!end_tag && name == "body") {
        m_state = State::Body;
        m_pieces.body_start = m_last_cut = past;
    } else if (!(kind & kHead) || (end_tag && name != "head" && !(kind & kRawText))) {
        end(false); // it would open the body before the body's own tag
    } else if (!end_tag && (kind & kRawText)) {
        m_at = m_text_from = find_end_tag(m_page, past, name);
        const std::string_view text = m_page.substr(past, m_at == npos ? 0 : m_at - past);
        // An escaped script may hold its own end tag; a style sheet may match by siblings.
        if (m_at == npos || (name == "script" && text.find("<!--") != npos) ||
            (name == "style" && relates_siblings(text)))
            end(false);
    } else if (name == "link") {
        end(false); // a style sheet the scan cannot see
    }
}

void HtmlBodyScan::end(bool cuttable) {
    m_state = cuttable ? State::Finished : State::Refused;
}

std::optional<HtmlPieces> cut_html_body(std::string_view page, size_t piece_bytes) {
    HtmlBodyScan scan(page, piece_bytes);
    if (!scan.scan_past(npos) || !scan.finished())
        return std::nullopt;
    return scan.pieces();
}

} // namespace paginor::controls
