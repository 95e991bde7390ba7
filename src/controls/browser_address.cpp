#include "controls/browser_address.h"

#include "platform/core/unicode.h"
#include "platform/files/path.h"

#include <cctype>
#include <filesystem>

namespace paginor::controls {

namespace fs = std::filesystem;

namespace {

bool is_blank(char16_t c) {
    return c == u' ' || c == u'\t' || c == u'\r' || c == u'\n';
}

std::u16string_view trimmed(std::u16string_view s) {
    while (!s.empty() && is_blank(s.front()))
        s.remove_prefix(1);
    while (!s.empty() && is_blank(s.back()))
        s.remove_suffix(1);
    if (s.size() >= 2 && s.front() == u'"' && s.back() == u'"')
        s = s.substr(1, s.size() - 2);
    return s;
}

bool starts_with_ci(std::u16string_view s, std::u16string_view prefix) {
    return s.size() >= prefix.size() && equals_ignore_case(s.substr(0, prefix.size()), prefix);
}

// A scheme of two or more characters: one letter before ":" is a drive.
bool has_scheme(std::u16string_view s) {
    size_t i = 0;
    while (i < s.size() && (std::isalnum(s[i] < 128 ? int(s[i]) : 0) || s[i] == u'+' ||
                            s[i] == u'-' || s[i] == u'.'))
        ++i;
    return i >= 2 && i < s.size() && s[i] == u':' && std::isalpha(int(s[0] < 128 ? s[0] : 0));
}

std::string percent_decoded(std::string_view s) {
    auto hex = [](char c) {
        return c >= '0' && c <= '9'   ? c - '0'
               : c >= 'a' && c <= 'f' ? c - 'a' + 10
               : c >= 'A' && c <= 'F' ? c - 'A' + 10
                                      : -1;
    };
    std::string out;
    for (size_t i = 0; i < s.size(); ++i) {
        if (s[i] == '%' && i + 2 < s.size() && hex(s[i + 1]) >= 0 && hex(s[i + 2]) >= 0) {
            out += char(hex(s[i + 1]) * 16 + hex(s[i + 2]));
            i += 2;
        } else {
            out += s[i];
        }
    }
    return out;
}

std::u16string file_url(const std::string& path) {
    static constexpr char kKeep[] = "-._~/:!$&'()*+,;=@";
    std::string out = "file://";
    for (unsigned char c : path) {
        if (std::isalnum(c) || std::string_view(kKeep).find(char(c)) != std::string_view::npos) {
            out += char(c);
        } else {
            static constexpr char kHex[] = "0123456789ABCDEF";
            out += '%';
            out += kHex[c >> 4];
            out += kHex[c & 15];
        }
    }
    return from_utf8(out);
}

std::string absolute(std::string path) {
    std::error_code ec;
    const fs::path full = fs::absolute(fs::path(path), ec);
    return ec ? path : full.lexically_normal().string();
}

bool names_file(const std::string& path) {
    std::error_code ec;
    return fs::is_regular_file(fs::path(path), ec);
}

} // namespace

BrowserAddress BrowserAddress::with_fragment(std::u16string_view name) const {
    BrowserAddress a = *this;
    a.fragment = std::u16string(name);
    a.has_fragment = true;
    a.url = file_url(path) + u"#" + a.fragment;
    return a;
}

BrowserAddress parse_browser_address(std::u16string_view address) {
    const std::u16string_view text = trimmed(address);
    BrowserAddress a;
    if (text.empty() || equals_ignore_case(text, u"about:blank")) {
        a.url = u"about:blank";
        return a;
    }
    const bool is_file_url = starts_with_ci(text, u"file:");
    if (!is_file_url && has_scheme(text)) {
        a.kind = BrowserAddress::Kind::Network;
        a.url = std::u16string(text);
        return a;
    }
    a.kind = BrowserAddress::Kind::File;
    auto to_path = [&](std::u16string_view part) {
        if (!is_file_url)
            return absolute(platform::native_path(part));
        std::u16string_view rest = part.substr(5);
        if (rest.starts_with(u"//"))
            rest.remove_prefix(2);
        if (starts_with_ci(rest, u"localhost/"))
            rest.remove_prefix(9);
        return absolute(percent_decoded(platform::native_path(rest)));
    };
    a.path = to_path(text);
    const size_t hash = text.rfind(u'#');
    if (hash != std::u16string_view::npos) {
        const std::string before = to_path(text.substr(0, hash));
        if (names_file(before)) {
            a.path = before;
            a.has_fragment = true;
            const std::u16string_view name = text.substr(hash + 1);
            a.fragment =
                is_file_url ? from_utf8(percent_decoded(to_utf8(name))) : std::u16string(name);
        }
    }
    a.url = file_url(a.path) + (a.has_fragment ? u"#" + a.fragment : u"");
    return a;
}

std::u16string resolve_reference(std::u16string_view reference, const std::string& page_path) {
    const std::u16string_view ref = trimmed(reference);
    if (starts_with_ci(ref, u"file:") || has_scheme(ref))
        return std::u16string(ref);
    const std::string native = percent_decoded(platform::native_path(ref));
    if (native.starts_with("/"))
        return from_utf8(native);
    return from_utf8((fs::path(page_path).parent_path() / native).lexically_normal().string());
}

} // namespace paginor::controls
