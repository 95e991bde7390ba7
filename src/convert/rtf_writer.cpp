#include "convert/rendition.h"
#include "convert/unit_block.h"

#include <cstdint>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace paginor::convert {

namespace {

// A rich text is ASCII, so it is written alike as bytes or as UTF-16 units, one per byte.
void put_ascii(std::string& out, std::string_view ascii) {
    out += ascii;
}
void put_ascii(std::u16string& out, std::string_view ascii) {
    out.append(ascii.begin(), ascii.end());
}

template <class Out> void put_unit(Out& out, char16_t c, bool raw) {
    using Unit = typename Out::value_type;
    if (c == u'\t' && !raw) {
        put_ascii(out, "\\tab ");
    } else if ((c == u'\\' || c == u'{' || c == u'}') && !raw) {
        out += Unit('\\');
        out += Unit(c);
    } else if (c >= 0x80) {
        put_ascii(out, "\\u");
        put_ascii(out, std::to_string(int16_t(c)));
        out += Unit('?');
    } else if (c >= 0x20 || raw) {
        out += Unit(c);
    }
}

constexpr size_t kBlock = 16;

// True when each of the kBlock units at text is ASCII that needs no escape, which is most
// of any text.
bool plain_block(const char16_t* text) {
#if defined(__SSE2__)
    // Compared as signed: a unit of 0x8000 or more is negative, so below 0x20 too.
    auto needs_care = [](__m128i v) {
        const __m128i outside = _mm_or_si128(_mm_cmplt_epi16(v, _mm_set1_epi16(0x20)),
                                             _mm_cmpgt_epi16(v, _mm_set1_epi16(0x7F)));
        const __m128i escaped = _mm_or_si128(_mm_cmpeq_epi16(v, _mm_set1_epi16('\\')),
                                             _mm_or_si128(_mm_cmpeq_epi16(v, _mm_set1_epi16('{')),
                                                          _mm_cmpeq_epi16(v, _mm_set1_epi16('}'))));
        return _mm_or_si128(outside, escaped);
    };
    const __m128i low = _mm_loadu_si128(reinterpret_cast<const __m128i*>(text));
    const __m128i high = _mm_loadu_si128(reinterpret_cast<const __m128i*>(text + 8));
    return _mm_movemask_epi8(_mm_or_si128(needs_care(low), needs_care(high))) == 0;
#else
    for (size_t k = 0; k < kBlock; ++k) {
        const char16_t c = text[k];
        if (c < 0x20 || c >= 0x80 || c == u'\\' || c == u'{' || c == u'}') {
            return false;
        }
    }
    return true;
#endif
}

// Appends a plain block: as it is to units, narrowed to bytes.
void put_block(std::u16string& out, const char16_t* text) {
    out.append(text, kBlock);
}
void put_block(std::string& out, const char16_t* text) {
    char bytes[kBlock];
#if defined(__SSE2__)
    const __m128i low = _mm_loadu_si128(reinterpret_cast<const __m128i*>(text));
    const __m128i high = _mm_loadu_si128(reinterpret_cast<const __m128i*>(text + 8));
    _mm_storeu_si128(reinterpret_cast<__m128i*>(bytes), _mm_packus_epi16(low, high));
#else
    for (size_t k = 0; k < kBlock; ++k) {
        bytes[k] = char(text[k]);
    }
#endif
    out.append(bytes, kBlock);
}

template <class Out> void put_rtf(Out& out, std::u16string_view text, bool raw) {
    size_t i = 0;
    for (; i + kBlock <= text.size(); i += kBlock) {
        if (plain_block(text.data() + i)) {
            put_block(out, text.data() + i);
            continue;
        }
        for (size_t k = i; k < i + kBlock; ++k) {
            put_unit(out, text[k], raw);
        }
    }
    // The tail, shorter than a block: its plain units are gathered and put at once.
    typename Out::value_type plain[kBlock];
    size_t held = 0;
    for (; i < text.size(); ++i) {
        const char16_t c = text[i];
        if (c >= 0x20 && c < 0x80 && c != u'\\' && c != u'{' && c != u'}') {
            plain[held++] = typename Out::value_type(c);
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

void put_markup(std::string& out, const MarkupTemplate& markup, size_t n, size_t count) {
    markup.put(out, n, count);
}
void put_markup(std::u16string& out, const MarkupTemplate& markup, size_t n, size_t count) {
    std::string bytes;
    markup.put(bytes, n, count);
    put_ascii(out, bytes);
}

// The rich text into out; pass_on runs after each paragraph but the last.
template <class Out, class PassOn>
void write_rtf_to(const RenditionInput& in, std::u16string_view preamble, Out& out,
                  PassOn pass_on) {
    put_ascii(out, "{\\rtf1\\ansi\\ansicpg1252");
    put_rtf(out, preamble, true);
    put_ascii(out, "\r\n");
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
            put_markup(out, start, next + 1, hits.size());
            put_rtf(out, in.text.substr(hit.begin, hit.end - hit.begin), false);
            put_markup(out, end, next + 1, hits.size());
            at = hit.end;
            ++next;
        }
        put_rtf(out, in.text.substr(at, line_end - at), false);
        put_ascii(out, "\\par\r\n");
        if (line_end == in.text.size()) {
            break;
        }
        pass_on();
        at = line_end + 1;
    }
    put_ascii(out, "}");
}

} // namespace

void write_rtf(const RenditionInput& in, std::u16string_view preamble, RenditionOut& sink) {
    sink.reserve_for(in.text.size());
    write_rtf_to(in, preamble, sink.bytes, [&] { sink.pass_on(); });
    sink.finish();
}

std::string write_rtf(const RenditionInput& in, std::u16string_view preamble) {
    RenditionOut out;
    write_rtf(in, preamble, out);
    return std::move(out.bytes);
}

std::u16string write_rtf_text(const RenditionInput& in, std::u16string_view preamble) {
    std::u16string out;
    out.reserve(in.text.size() + in.text.size() / 8 + 1024);
    write_rtf_to(in, preamble, out, [] {});
    return out;
}

} // namespace paginor::convert
