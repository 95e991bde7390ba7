#include "convert/rendition.h"
#include "convert/unit_block.h"

#include <cstring>

namespace paginor::convert {

namespace {

constexpr std::string_view kHead =
    "<html>\r\n<head>\r\n"
    "<meta http-equiv=\"Content-Type\" content=\"text/html; charset=windows-1252\">\r\n";
constexpr std::string_view kStyle =
    "<style type=\"text/css\">\r\n"
    "p { margin: 0 0 0.4em 0; white-space: pre-wrap; }\r\n"
    "table.fields { font-size: small; border-collapse: collapse; margin-bottom: 1em; }\r\n"
    "table.fields th { text-align: left; padding-right: 1em; }\r\n"
    "</style>\r\n</head>\r\n<body>\r\n";

void reference(std::string& out, uint32_t code) {
    out += "&#";
    out += std::to_string(code);
    out += ';';
}

// Printable ASCII but the four escaped: written as it is. Branch-free, so that runs of
// it are measured many characters at a time.
bool plain(char16_t c) {
    return uint16_t(c - 0x20) < 0x60 && c != u'&' && c != u'<' && c != u'>' && c != u'"';
}

// The lanes of v that are not plain.
template <class Block, class Lane> auto not_plain(Block v) {
    return (v - Lane(0x20) >= Lane(0x60)) | (v == Lane('&')) | (v == Lane('<')) | (v == Lane('>')) |
           (v == Lane('"'));
}

// The length of the run of plain characters that starts text.
template <class Char> size_t plain_run(std::basic_string_view<Char> text) {
    using L = Lanes<Char>;
    size_t n = 0;
    while (n + L::kCount <= text.size() &&
           !any_lane(not_plain<typename L::Block, typename L::Lane>(load_lanes(text.data() + n)))) {
        n += L::kCount;
    }
    while (n < text.size() && plain(unit(text[n]))) {
        ++n;
    }
    return n;
}

void narrow(char* to, const char* from, size_t n) {
    std::memcpy(to, from, n);
}

// Units below 0x80 written as the bytes they are.
void narrow(char* to, const char16_t* from, size_t n) {
    using Bytes = uint8_t __attribute__((vector_size(8)));
    size_t k = 0;
    for (; k + kBlockUnits <= n; k += kBlockUnits) {
        Bytes bytes = __builtin_convertvector(load_block(from + k), Bytes);
        std::memcpy(to + k, &bytes, sizeof bytes);
    }
    for (; k < n; ++k) {
        to[k] = char(from[k]);
    }
}

// Escaped text in the code page; controls other than the tab are left out. With
// breaks, stops at a "\n" and answers where it is; else (and when none) text.size().
template <class Char>
size_t put_text(std::string& out, std::basic_string_view<Char> text, bool breaks = false) {
    for (size_t i = 0; i < text.size(); ++i) {
        if (size_t run = plain_run(text.substr(i)); run > 0) {
            size_t at = out.size();
            out.resize(at + run);
            char* to = out.data() + at;
            const Char* from = text.data() + i;
            narrow(to, from, run);
            i += run;
            if (i == text.size()) {
                break;
            }
        }
        char16_t c = unit(text[i]);
        if (breaks && c == u'\n') {
            return i;
        }
        switch (c) {
        case u'&':
            out += "&amp;";
            continue;
        case u'<':
            out += "&lt;";
            continue;
        case u'>':
            out += "&gt;";
            continue;
        case u'"':
            out += "&quot;";
            continue;
        default:
            break;
        }
        if (c < 0x20 && c != u'\t') {
            continue;
        }
        char16_t after = i + 1 < text.size() ? unit(text[i + 1]) : 0;
        if (c >= 0xD800 && c <= 0xDBFF && after >= 0xDC00 && after <= 0xDFFF) {
            reference(out, 0x10000 + ((uint32_t(c) - 0xD800) << 10) + (after - 0xDC00));
            ++i;
            continue;
        }
        bool lone = c >= 0xD800 && c <= 0xDFFF;
        int byte = lone ? -1 : codepage_byte(c);
        if (byte >= 0) {
            out += char(byte);
        } else {
            reference(out, lone ? 0xFFFD : c);
        }
    }
    return text.size();
}

// Markup goes in raw, but still in the code page.
void put_raw(std::string& out, std::u16string_view markup) {
    for (char16_t c : markup) {
        int byte = codepage_byte(c);
        if (byte >= 0) {
            out += char(byte);
        } else {
            reference(out, c);
        }
    }
}

void put_fields(std::string& out, std::u16string_view fields) {
    if (fields.empty()) {
        return;
    }
    out += "<table class=\"fields\">\r\n";
    while (!fields.empty()) {
        size_t tab = fields.find(u'\t');
        std::u16string_view name = fields.substr(0, tab);
        std::u16string_view value;
        fields = tab == fields.npos ? std::u16string_view() : fields.substr(tab + 1);
        if (tab != std::u16string_view::npos) {
            size_t next = fields.find(u'\t');
            value = fields.substr(0, next);
            fields = next == fields.npos ? std::u16string_view() : fields.substr(next + 1);
        }
        out += "<tr><th>";
        put_text(out, name);
        out += "</th><td>";
        put_text(out, value);
        out += "</td></tr>\r\n";
    }
    out += "</table>\r\n";
}

} // namespace

HtmlPage::HtmlPage(const RenditionInput& in, RenditionOut& sink, size_t hit_count)
    : m_sink(sink), m_start(in.hit_start, &put_raw), m_end(in.hit_end, &put_raw),
      m_count(hit_count) {
    std::string& out = sink.bytes;
    sink.reserve_for(in.text.size());
    out += kHead;
    out += "<title>";
    put_text(out, in.title);
    out += "</title>\r\n";
    out += kStyle;
    put_fields(out, in.field_text);
    out += "<p>";
}

void HtmlPage::write(std::u16string_view piece, const std::vector<Hit>& hits) {
    write_piece(piece, hits);
}

void HtmlPage::write(std::string_view ascii, const std::vector<Hit>& hits) {
    write_piece(ascii, hits);
}

template <class Char>
void HtmlPage::write_piece(std::basic_string_view<Char> piece, const std::vector<Hit>& hits) {
    size_t at = 0;
    for (const Hit& hit : hits) {
        write_plain(piece.substr(at, hit.begin - at));
        put_hit(piece.substr(hit.begin, hit.end - hit.begin));
        at = hit.end;
    }
    write_plain(piece.substr(at));
}

void HtmlPage::finish() {
    std::string& out = m_sink.bytes;
    out += m_empty ? "<br></p>\r\n" : "</p>\r\n";
    out += "</body>\r\n</html>\r\n";
    if (m_held_at != std::string::npos) {
        out.replace(m_held_at, m_held_size, m_held_last);
        m_held_at = std::string::npos;
    }
    m_sink.finish();
}

// Each "\n" closes a paragraph ("<br>" in it when it held nothing) and opens the next
// as the escaping meets it: one pass.
template <class Char> void HtmlPage::write_plain(std::basic_string_view<Char> text) {
    std::string& out = m_sink.bytes;
    size_t at = 0;
    while (true) {
        size_t n = put_text(out, text.substr(at), true);
        m_empty = m_empty && n == 0;
        at += n;
        if (at == text.size()) {
            return;
        }
        out += m_empty ? "<br></p>\r\n" : "</p>\r\n";
        if (m_held_at == std::string::npos) {
            m_sink.pass_on();
        }
        out += "<p>";
        m_empty = true;
        ++at;
    }
}

template <class Char> void HtmlPage::put_hit(std::basic_string_view<Char> hit) {
    std::string& out = m_sink.bytes;
    size_t n = ++m_number;
    m_empty = false;
    bool known = m_count != kUnknownCount;
    if (known || (!m_start.names_next() && !m_end.names_next())) {
        put_hit(out, hit, n, known ? m_count : n);
        return;
    }
    // Until another hit follows, this one may be the last, whose next is itself: it is
    // written as one that has a next, and the bytes from it on are held back.
    m_held_at = out.size();
    put_hit(out, hit, n, n + 1);
    m_held_size = out.size() - m_held_at;
    m_held_last.clear();
    put_hit(m_held_last, hit, n, n);
}

template <class Char>
void HtmlPage::put_hit(std::string& out, std::basic_string_view<Char> hit, size_t n,
                       size_t count) const {
    m_start.put(out, n, count);
    put_text(out, hit);
    m_end.put(out, n, count);
}

void write_html(const RenditionInput& in, RenditionOut& sink) {
    HtmlPage page(in, sink, in.hits->size());
    page.write(in.text, *in.hits);
    page.finish();
}

std::string write_html(const RenditionInput& in) {
    RenditionOut out;
    write_html(in, out);
    return std::move(out.bytes);
}

} // namespace paginor::convert
