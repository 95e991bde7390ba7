#include "convert/rendition.h"
#include "convert/unit_block.h"

#include <cstdint>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace paginor::convert {

namespace {

void put_unit(std::string& out, char16_t c, bool raw) {
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

constexpr size_t kBlock = 16;

// Appends the kBlock units at text when each is ASCII that needs no escape, which is
// most of any text, in one move; false, appending nothing, otherwise.
bool put_plain_block(std::string& out, const char16_t* text) {
    char bytes[kBlock];
#if defined(__SSE2__)
    const __m128i low = _mm_loadu_si128(reinterpret_cast<const __m128i*>(text));
    const __m128i high = _mm_loadu_si128(reinterpret_cast<const __m128i*>(text + 8));
    // Compared as signed: a unit of 0x8000 or more is negative, so below 0x20 too.
    auto needs_care = [](__m128i v) {
        const __m128i outside = _mm_or_si128(_mm_cmplt_epi16(v, _mm_set1_epi16(0x20)),
                                             _mm_cmpgt_epi16(v, _mm_set1_epi16(0x7F)));
        const __m128i escaped = _mm_or_si128(_mm_cmpeq_epi16(v, _mm_set1_epi16('\\')),
                                             _mm_or_si128(_mm_cmpeq_epi16(v, _mm_set1_epi16('{')),
                                                          _mm_cmpeq_epi16(v, _mm_set1_epi16('}'))));
        return _mm_or_si128(outside, escaped);
    };
    if (_mm_movemask_epi8(_mm_or_si128(needs_care(low), needs_care(high))) != 0) {
        return false;
    }
    _mm_storeu_si128(reinterpret_cast<__m128i*>(bytes), _mm_packus_epi16(low, high));
#else
    for (size_t k = 0; k < kBlock; ++k) {
        const char16_t c = text[k];
        if (c < 0x20 || c >= 0x80 || c == u'\\' || c == u'{' || c == u'}') {
            return false;
        }
        bytes[k] = char(c);
    }
#endif
    out.append(bytes, kBlock);
    return true;
}

void put_rtf(std::string& out, std::u16string_view text, bool raw) {
    size_t i = 0;
    for (; i + kBlock <= text.size(); i += kBlock) {
        if (!put_plain_block(out, text.data() + i)) {
            for (size_t k = i; k < i + kBlock; ++k) {
                put_unit(out, text[k], raw);
            }
        }
    }
    // The tail, shorter than a block: its plain units are gathered and put at once.
    char plain[kBlock];
    size_t held = 0;
    for (; i < text.size(); ++i) {
        const char16_t c = text[i];
        if (c >= 0x20 && c < 0x80 && c != u'\\' && c != u'{' && c != u'}') {
            plain[held++] = char(c);
            continue;
        }
        out.append(plain, held);
        held = 0;
        put_unit(out, c, raw);
    }
    out.append(plain, held);
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
