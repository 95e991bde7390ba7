#include "convert/readers/readers.h"
#include "platform/core/unicode.h"

#include <optional>

namespace paginor::convert {

namespace {

using namespace std::string_view_literals;

// Strict UTF-8 (no overlong forms, surrogates or points past U+10FFFF) decoded in one
// pass; nullopt at the first byte that breaks it.
std::optional<std::u16string> strict_utf8(std::string_view s) {
    std::u16string out(s.size(), u'\0');
    size_t to = 0;
    size_t i = 0;
    while (i < s.size()) {
        auto b = uint8_t(s[i]);
        if (b < 0x80) {
            out[to++] = b;
            ++i;
            continue;
        }
        size_t n = b < 0xC2 ? 9 : b < 0xE0 ? 1 : b < 0xF0 ? 2 : b < 0xF5 ? 3 : 9;
        if (n == 9 || s.size() - i <= n) {
            return std::nullopt;
        }
        uint32_t cp = b & (0x3F >> n);
        for (size_t k = 1; k <= n; ++k) {
            auto c = uint8_t(s[i + k]);
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
            out[to++] = char16_t(0xD800 + ((cp - 0x10000) >> 10));
            out[to++] = char16_t(0xDC00 + ((cp - 0x10000) & 0x3FF));
        } else {
            out[to++] = char16_t(cp);
        }
        i += n + 1;
    }
    out.resize(to);
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

} // namespace

std::u16string decode_text(std::string_view bytes) {
    if (bytes.starts_with("\xEF\xBB\xBF"sv)) {
        return from_utf8(bytes.substr(3));
    }
    if (bytes.starts_with("\xFF\xFE"sv)) {
        return from_utf16(bytes.substr(2), false);
    }
    if (bytes.starts_with("\xFE\xFF"sv)) {
        return from_utf16(bytes.substr(2), true);
    }
    std::optional<std::u16string> utf8 = strict_utf8(bytes);
    return utf8 ? std::move(*utf8) : from_codepage(bytes);
}

void read_text(std::string_view bytes, TextSink& out) {
    std::u16string text = decode_text(bytes);
    // Line ends of every kind and page feeds become paragraph breaks, in place.
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
    out.append_moved(std::move(text));
}

} // namespace paginor::convert
