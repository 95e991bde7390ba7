#include "convert/readers/readers.h"
#include "convert/unit_block.h"
#include "platform/core/unicode.h"

#include <cstdint>
#include <cstring>
#include <optional>

namespace paginor::convert {

namespace {

using namespace std::string_view_literals;

// Eight bytes at a time, for the ASCII runs that make up most text.
uint64_t load8(const char* p) {
    uint64_t w;
    std::memcpy(&w, p, 8);
    return w;
}

constexpr uint64_t kOnes = 0x0101010101010101;
constexpr uint64_t kHighs = 0x8080808080808080;

// True when some byte of w is c (exact when every byte is below 0x80).
bool has_byte(uint64_t w, uint8_t c) {
    uint64_t x = w ^ (kOnes * c);
    return ((x - kOnes) & ~x & kHighs) != 0;
}

// Strict UTF-8 (no overlong forms, surrogates or points past U+10FFFF) appended in one
// pass, line ends of every kind and page feeds made "\n" on the way; false at the first
// byte that breaks it.
bool strict_utf8(std::string_view s, std::u16string& text, bool paragraphs) {
    size_t at = text.size();
    text.resize(at + s.size());
    char16_t* to = text.data() + at;
    const char* p = s.data();
    const char* const end = p + s.size();
    while (p < end) {
        if (end - p >= 8) {
            uint64_t w = load8(p);
            if ((w & kHighs) == 0 && (!paragraphs || (!has_byte(w, '\r') && !has_byte(w, '\f')))) {
                using Bytes = uint8_t __attribute__((vector_size(8)));
                Bytes bytes;
                std::memcpy(&bytes, p, sizeof bytes);
                UnitBlock units = __builtin_convertvector(bytes, UnitBlock);
                std::memcpy(to, &units, sizeof units);
                to += 8;
                p += 8;
                continue;
            }
        }
        auto b = uint8_t(*p);
        if (b < 0x80) {
            if (paragraphs && (b == '\r' || b == '\f')) {
                p += b == '\r' && end - p > 1 && p[1] == '\n' ? 1 : 0;
                b = '\n';
            }
            *to++ = b;
            ++p;
            continue;
        }
        size_t n = b < 0xC2 ? 9 : b < 0xE0 ? 1 : b < 0xF0 ? 2 : b < 0xF5 ? 3 : 9;
        if (n == 9 || size_t(end - p) <= n) {
            return false;
        }
        uint32_t cp = b & (0x3F >> n);
        for (size_t k = 1; k <= n; ++k) {
            auto c = uint8_t(p[k]);
            if ((c & 0xC0) != 0x80) {
                return false;
            }
            cp = cp << 6 | (c & 0x3F);
        }
        bool overlong = (n == 2 && cp < 0x800) || (n == 3 && cp < 0x10000);
        if (overlong || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) {
            return false;
        }
        if (cp >= 0x10000) {
            *to++ = char16_t(0xD800 + ((cp - 0x10000) >> 10));
            *to++ = char16_t(0xDC00 + ((cp - 0x10000) & 0x3FF));
        } else {
            *to++ = char16_t(cp);
        }
        p += n + 1;
    }
    text.resize(size_t(to - text.data()));
    return true;
}

std::u16string from_utf16(std::string_view s, bool big_endian) {
    std::u16string out(s.size() / 2, u'\0');
    for (size_t i = 0; i < out.size(); ++i) {
        auto a = uint8_t(s[2 * i]);
        auto b = uint8_t(s[2 * i + 1]);
        out[i] = big_endian ? char16_t(a << 8 | b) : char16_t(b << 8 | a);
    }
    return out;
}

// Line ends of every kind and page feeds become paragraph breaks, in place, from at on.
void break_paragraphs(std::u16string& text, size_t at) {
    size_t to = at;
    for (size_t from = at; from < text.size(); ++from) {
        char16_t c = text[from];
        if (c == u'\r' || c == u'\f') {
            bool pair = c == u'\r' && from + 1 < text.size() && text[from + 1] == u'\n';
            from += pair ? 1 : 0;
            c = u'\n';
        }
        text[to++] = c;
    }
    text.resize(to);
}

} // namespace

size_t text_cut(std::string_view bytes, bool any_byte) {
    size_t n = bytes.size();
    while (n > 0) {
        auto b = uint8_t(bytes[n - 1]);
        if (b != '\r' && (any_byte || b < 0x80)) {
            break;
        }
        --n;
    }
    return n;
}

std::pair<TextEncoding, size_t> text_encoding(std::string_view head) {
    if (head.starts_with("\xEF\xBB\xBF"sv)) {
        return {TextEncoding::Utf8Lenient, 3};
    }
    if (head.starts_with("\xFF\xFE"sv)) {
        return {TextEncoding::Utf16Le, 2};
    }
    if (head.starts_with("\xFE\xFF"sv)) {
        return {TextEncoding::Utf16Be, 2};
    }
    return {TextEncoding::Utf8, 0};
}

size_t decode_text_block(std::string_view bytes, TextEncoding encoding, bool last,
                         std::u16string& text, bool paragraphs) {
    size_t at = text.size();
    bool utf16 = encoding == TextEncoding::Utf16Le || encoding == TextEncoding::Utf16Be;
    size_t take = bytes.size();
    if (utf16) {
        take &= ~size_t(1);
        // A "\r" unit at the end may yet pair with a "\n".
        bool big = encoding == TextEncoding::Utf16Be;
        if (!last && take >= 2 && bytes[take - 2 + (big ? 1 : 0)] == '\r' &&
            bytes[take - 1 - (big ? 1 : 0)] == 0) {
            take -= 2;
        }
        text += from_utf16(bytes.substr(0, take), big);
        if (paragraphs) {
            break_paragraphs(text, at);
        }
        return last ? bytes.size() : take;
    }
    if (!last) {
        take = text_cut(bytes, encoding == TextEncoding::Codepage);
    }
    bytes = bytes.substr(0, take);
    switch (encoding) {
    case TextEncoding::Utf8:
        if (!strict_utf8(bytes, text, paragraphs)) {
            text.resize(at);
            return std::string_view::npos;
        }
        return take;
    case TextEncoding::Utf8Lenient:
        text += from_utf8(bytes);
        break;
    default:
        text += from_codepage(bytes);
        break;
    }
    if (paragraphs) {
        break_paragraphs(text, at);
    }
    return take;
}

std::u16string decode_text(std::string_view bytes, bool paragraphs) {
    auto [encoding, mark] = text_encoding(bytes);
    std::u16string text;
    bytes.remove_prefix(mark);
    if (decode_text_block(bytes, encoding, true, text, paragraphs) == std::string_view::npos) {
        decode_text_block(bytes, TextEncoding::Codepage, true, text, paragraphs);
    }
    return text;
}

void read_text(std::string_view bytes, TextSink& out) {
    out.append_moved(decode_text(bytes, true));
}

} // namespace paginor::convert
