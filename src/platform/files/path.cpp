#include "platform/files/path.h"

#include "platform/core/unicode.h"

namespace paginor::platform {

namespace {

bool is_separator(char16_t c) {
    return c == u'\\' || c == u'/';
}

size_t last_separator(std::u16string_view path) {
    for (size_t i = path.size(); i > 0; --i) {
        if (is_separator(path[i - 1])) {
            return i - 1;
        }
    }
    return std::u16string_view::npos;
}

// Iterative matcher with one back-track point for the most recent "*": linear in
// practice and never recursive, so a long pattern of stars cannot blow the stack.
bool match_plain(std::u16string_view pattern, std::u16string_view name) {
    size_t p = 0;
    size_t n = 0;
    size_t star = std::u16string_view::npos;
    size_t resume = 0;
    while (n < name.size()) {
        if (p < pattern.size() && pattern[p] == u'*') {
            star = p++;
            resume = n;
        } else if (p < pattern.size() &&
                   (pattern[p] == u'?' || fold_case(pattern[p]) == fold_case(name[n]))) {
            ++p;
            ++n;
        } else if (star != std::u16string_view::npos) {
            p = star + 1;
            n = ++resume;
        } else {
            return false;
        }
    }
    while (p < pattern.size() && pattern[p] == u'*') {
        ++p;
    }
    return p == pattern.size();
}

} // namespace

std::string native_path(std::u16string_view path) {
    std::string out = to_utf8(path);
    for (char& c : out) {
        if (c == '\\') {
            c = '/';
        }
    }
    return out;
}

std::u16string_view path_folder(std::u16string_view path) {
    size_t at = last_separator(path);
    return at == std::u16string_view::npos ? std::u16string_view{} : path.substr(0, at);
}

std::u16string_view path_name(std::u16string_view path) {
    size_t at = last_separator(path);
    return at == std::u16string_view::npos ? path : path.substr(at + 1);
}

bool wildcard_match(std::u16string_view pattern, std::u16string_view name) {
    if (pattern.empty()) {
        return false;
    }
    if (match_plain(pattern, name)) {
        return true;
    }
    // The desktop treats a trailing ".*" as "any extension, or none".
    if (pattern.size() >= 2 && pattern.substr(pattern.size() - 2) == u".*" &&
        name.find(u'.') == std::u16string_view::npos) {
        return match_plain(pattern.substr(0, pattern.size() - 2), name);
    }
    return false;
}

} // namespace paginor::platform
