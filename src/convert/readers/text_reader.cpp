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

// Strict UTF-8 (no overlong forms, surrogates or points past U+10FFFF) decoded in one
// pass; nullopt at the first byte that breaks it. With paragraphs, line ends of every
// kind and page feeds become "\n" on the way.
std::optional<std::u16string> strict_utf8(std::string_view s, bool paragraphs) {
    std::u16string out(s.size(), u'\0');
    char16_t* to = out.data();
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
            return std::nullopt;
        }
        uint32_t cp = b & (0x3F >> n);
        for (size_t k = 1; k <= n; ++k) {
            auto c = uint8_t(p[k]);
            if ((c & 0xC0) != 0x80) {
                return std::nullopt;
            }
            cp = cp << 6 | (c & 0x3F);
        }
        bool overlong = (n == 2 && cp < 0x800) || (n == 3 && cp < 0x10000);
        if (overlong || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) {
            return std::nullopt;
        }
        if (cp >= 0x10000) {
            *to++ = char16_t(0xD800 + ((cp - 0x10000) >> 10));
            *to++ = char16_t(0xDC00 + ((cp - 0x10000) & 0x3FF));
        } else {
            *to++ = char16_t(cp);
        }
        p += n + 1;
    }
    out.resize(size_t(to - out.data()));
    return out;
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

// Line ends of every kind and page feeds become paragraph breaks, in place.
void break_paragraphs(std::u16string& text) {
    size_t to = 0;
    for (size_t from = 0; from < text.size(); ++from) {
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

// The text of bytes; with paragraphs, its line ends already made paragraph breaks.
std::u16string decode(std::string_view bytes, bool paragraphs) {
    std::u16string text;
    if (bytes.starts_with("\xEF\xBB\xBF"sv)) {
        text = from_utf8(bytes.substr(3));
    } else if (bytes.starts_with("\xFF\xFE"sv)) {
        text = from_utf16(bytes.substr(2), false);
    } else if (bytes.starts_with("\xFE\xFF"sv)) {
        text = from_utf16(bytes.substr(2), true);
    } else if (std::optional<std::u16string> utf8 = strict_utf8(bytes, paragraphs)) {
        return std::move(*utf8);
    } else {
        text = from_codepage(bytes);
    }
    if (paragraphs) {
        break_paragraphs(text);
    }
    return text;
}

} // namespace

std::u16string decode_text(std::string_view bytes) {
    return decode(bytes, false);
}

void read_text(std::string_view bytes, TextSink& out) {
    out.append_moved(decode(bytes, true));
}

} // namespace paginor::convert
