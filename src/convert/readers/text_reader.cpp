#include "convert/readers/readers.h"
#include "platform/core/unicode.h"

namespace paginor::convert {

namespace {

using namespace std::string_view_literals;

bool valid_utf8(std::string_view s) {
    size_t i = 0;
    while (i < s.size()) {
        auto b = uint8_t(s[i]);
        size_t n = b < 0x80 ? 0 : b < 0xC2 ? 9 : b < 0xE0 ? 1 : b < 0xF0 ? 2 : b < 0xF5 ? 3 : 9;
        if (n == 9 || s.size() - i <= n) {
            return false;
        }
        for (size_t k = 1; k <= n; ++k) {
            if ((uint8_t(s[i + k]) & 0xC0) != 0x80) {
                return false;
            }
        }
        i += n + 1;
    }
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
    return valid_utf8(bytes) ? from_utf8(bytes) : from_codepage(bytes);
}

void read_text(std::string_view bytes, TextSink& out) {
    std::u16string text = decode_text(bytes);
    // Line ends of every kind and page feeds become paragraph breaks; blank lines stay.
    size_t at = 0;
    while (at < text.size() && !out.full()) {
        size_t end = text.find_first_of(u"\r\n\f", at);
        end = end == std::u16string::npos ? text.size() : end;
        out.append(std::u16string_view(text).substr(at, end - at));
        if (end == text.size()) {
            break;
        }
        out.append(u'\n');
        at = end + (text[end] == u'\r' && end + 1 < text.size() && text[end + 1] == u'\n' ? 2 : 1);
    }
}

} // namespace paginor::convert
