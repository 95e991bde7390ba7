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
UnitMask not_plain(UnitBlock v) {
    return UnitMask(v - uint16_t(0x20) >= uint16_t(0x60)) | (v == uint16_t('&')) |
           (v == uint16_t('<')) | (v == uint16_t('>')) | (v == uint16_t('"'));
}

// The length of the run of plain characters that starts text.
size_t plain_run(std::u16string_view text) {
    size_t n = 0;
    while (n + kBlockUnits <= text.size() && !any_lane(not_plain(load_block(text.data() + n)))) {
        n += kBlockUnits;
    }
    while (n < text.size() && plain(text[n])) {
        ++n;
    }
    return n;
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
size_t put_text(std::string& out, std::u16string_view text, bool breaks = false) {
    for (size_t i = 0; i < text.size(); ++i) {
        if (size_t run = plain_run(text.substr(i)); run > 0) {
            size_t at = out.size();
            out.resize(at + run);
            char* to = out.data() + at;
            const char16_t* from = text.data() + i;
            narrow(to, from, run);
            i += run;
            if (i == text.size()) {
                break;
            }
        }
        char16_t c = text[i];
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
        if (c >= 0xD800 && c <= 0xDBFF && i + 1 < text.size() && text[i + 1] >= 0xDC00 &&
            text[i + 1] <= 0xDFFF) {
            reference(out, 0x10000 + ((uint32_t(c) - 0xD800) << 10) + (text[i + 1] - 0xDC00));
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

void write_html(const RenditionInput& in, RenditionOut& sink) {
    std::string& out = sink.bytes;
    sink.reserve_for(in.text.size());
    out += kHead;
    out += "<title>";
    put_text(out, in.title);
    out += "</title>\r\n";
    out += kStyle;
    put_fields(out, in.field_text);
    const std::vector<Hit>& hits = *in.hits;
    const MarkupTemplate start(in.hit_start, &put_raw);
    const MarkupTemplate end(in.hit_end, &put_raw);
    std::u16string_view text = in.text;
    size_t at = 0;        // what is written so far
    size_t paragraph = 0; // where the open paragraph starts
    // The text up to the given place, each "\n" closing a paragraph ("<br>" in it when
    // it held nothing) and opening the next as the escaping meets it: one pass.
    auto write_to = [&](size_t to) {
        while ((at += put_text(out, text.substr(at, to - at), true)) < to) {
            out += at == paragraph ? "<br></p>\r\n" : "</p>\r\n";
            sink.pass_on();
            out += "<p>";
            paragraph = ++at;
        }
    };
    out += "<p>";
    for (size_t k = 0; k < hits.size(); ++k) {
        const Hit& hit = hits[k];
        write_to(hit.begin);
        start.put(out, k + 1, hits.size());
        put_text(out, text.substr(hit.begin, hit.end - hit.begin));
        end.put(out, k + 1, hits.size());
        at = hit.end;
    }
    write_to(text.size());
    out += text.size() == paragraph ? "<br></p>\r\n" : "</p>\r\n";
    out += "</body>\r\n</html>\r\n";
    sink.finish();
}

std::string write_html(const RenditionInput& in) {
    RenditionOut out;
    write_html(in, out);
    return std::move(out.bytes);
}

} // namespace paginor::convert
