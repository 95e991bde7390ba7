#include "controls/html_text.h"

#include "platform/core/unicode.h"

#include <algorithm>
#include <cctype>

namespace paginor::controls {

namespace {

std::string from_utf16(std::string_view bytes, bool big_endian) {
    std::u16string text;
    for (size_t i = 0; i + 1 < bytes.size(); i += 2) {
        const auto a = uint8_t(bytes[i]), b = uint8_t(bytes[i + 1]);
        text += char16_t(big_endian ? (a << 8 | b) : (b << 8 | a));
    }
    return to_utf8(text);
}

// The charset a meta element declares within the head's first kilobytes, lower case.
std::string declared_charset(std::string_view bytes) {
    std::string head(bytes.substr(0, 4096));
    std::transform(head.begin(), head.end(), head.begin(),
                   [](unsigned char c) { return char(std::tolower(c)); });
    for (size_t meta = head.find("<meta"); meta != std::string::npos;
         meta = head.find("<meta", meta + 1)) {
        const size_t end = head.find('>', meta);
        const size_t at = head.find("charset", meta);
        if (at == std::string::npos || (end != std::string::npos && at > end))
            continue;
        size_t i = at + 7;
        while (i < head.size() &&
               (head[i] == ' ' || head[i] == '=' || head[i] == '"' || head[i] == '\''))
            ++i;
        size_t j = i;
        while (j < head.size() && (std::isalnum(uint8_t(head[j])) || head[j] == '-' ||
                                   head[j] == '_' || head[j] == ':' || head[j] == '.'))
            ++j;
        return head.substr(i, j - i);
    }
    return {};
}

} // namespace

HtmlEncoding html_encoding(std::string_view bytes) {
    if (bytes.starts_with("\xEF\xBB\xBF"))
        return HtmlEncoding::Utf8;
    if (bytes.starts_with("\xFF\xFE"))
        return HtmlEncoding::Utf16Le;
    if (bytes.starts_with("\xFE\xFF"))
        return HtmlEncoding::Utf16Be;
    const std::string charset = declared_charset(bytes);
    return charset == "utf-8" || charset == "utf8" ? HtmlEncoding::Utf8 : HtmlEncoding::Windows1252;
}

size_t html_byte_order_mark(HtmlEncoding encoding, std::string_view bytes) {
    switch (encoding) {
    case HtmlEncoding::Utf8:
        return bytes.starts_with("\xEF\xBB\xBF") ? 3 : 0;
    case HtmlEncoding::Utf16Le:
    case HtmlEncoding::Utf16Be:
        return 2;
    case HtmlEncoding::Windows1252:
        break;
    }
    return 0;
}

std::string html_piece_to_utf8(std::string_view piece, HtmlEncoding encoding) {
    switch (encoding) {
    case HtmlEncoding::Utf8:
        return to_utf8(from_utf8(piece));
    case HtmlEncoding::Utf16Le:
    case HtmlEncoding::Utf16Be:
        return from_utf16(piece, encoding == HtmlEncoding::Utf16Be);
    case HtmlEncoding::Windows1252:
        break;
    }
    return to_utf8(from_codepage(piece));
}

std::string html_bytes_to_utf8(std::string_view bytes) {
    const HtmlEncoding encoding = html_encoding(bytes);
    return html_piece_to_utf8(bytes.substr(html_byte_order_mark(encoding, bytes)), encoding);
}

std::string html_escaped(std::string_view text) {
    std::string out;
    for (char c : text) {
        switch (c) {
        case '&':
            out += "&amp;";
            break;
        case '<':
            out += "&lt;";
            break;
        case '>':
            out += "&gt;";
            break;
        case '"':
            out += "&quot;";
            break;
        default:
            out += c;
        }
    }
    return out;
}

} // namespace paginor::controls
