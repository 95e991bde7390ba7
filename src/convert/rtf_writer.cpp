#include "convert/rendition.h"
#include "convert/unit_block.h"

namespace paginor::convert {

namespace {

void put_rtf(std::string& out, std::u16string_view text, bool raw) {
    for (char16_t c : text) {
        if (c == u'\t' && !raw) {
            out += "\\tab ";
        } else if ((c == u'\\' || c == u'{' || c == u'}') && !raw) {
            out += '\\';
            out += char(c);
        } else if (c >= 0x80) {
            out += "\\u";
            out += std::to_string(int16_t(c));
            out += '?';
        } else if (c >= 0x20 || raw) {
            out += char(c);
        }
    }
}

void put_raw(std::string& out, std::u16string_view markup) {
    put_rtf(out, markup, true);
}

} // namespace

void write_rtf(const RenditionInput& in, std::u16string_view preamble, RenditionOut& sink) {
    std::string& out = sink.bytes;
    sink.reserve_for(in.text.size());
    out += "{\\rtf1\\ansi\\ansicpg1252";
    put_rtf(out, preamble, true);
    out += "\r\n";
    const std::vector<Hit>& hits = *in.hits;
    const MarkupTemplate start(in.hit_start, &put_raw);
    const MarkupTemplate end(in.hit_end, &put_raw);
    size_t next = 0;
    size_t at = 0;
    while (at <= in.text.size()) {
        size_t line_end = find_unit(in.text, at, u'\n');
        while (next < hits.size() && hits[next].begin < line_end) {
            const Hit& hit = hits[next];
            put_rtf(out, in.text.substr(at, hit.begin - at), false);
            start.put(out, next + 1, hits.size());
            put_rtf(out, in.text.substr(hit.begin, hit.end - hit.begin), false);
            end.put(out, next + 1, hits.size());
            at = hit.end;
            ++next;
        }
        put_rtf(out, in.text.substr(at, line_end - at), false);
        out += "\\par\r\n";
        if (line_end == in.text.size()) {
            break;
        }
        sink.pass_on();
        at = line_end + 1;
    }
    out += "}";
    sink.finish();
}

std::string write_rtf(const RenditionInput& in, std::u16string_view preamble) {
    RenditionOut out;
    write_rtf(in, preamble, out);
    return std::move(out.bytes);
}

} // namespace paginor::convert
