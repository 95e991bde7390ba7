// Addresses the browser surface takes: "about:blank"; plain paths with either separator,
// taken as they are (blanks, quotes and "%" included; surrounding blanks and one pair of
// surrounding double quotes dropped); "file:" URLs, whose "%xx" escapes are decoded; and
// addresses of any other scheme, which name nothing here (there is no network). What
// follows the last "#" is a fragment when the part before it names an existing file.
#pragma once

#include <string>
#include <string_view>

namespace paginor::controls {

struct BrowserAddress {
    enum class Kind { Blank, File, Network };
    Kind kind{Kind::Blank};
    std::string path;        // File: the file-system path (UTF-8, "/"), absolute
    std::u16string fragment; // without the "#"
    bool has_fragment{false};

    // What LocationURL reads back: "about:blank", "file:///..." (with "#" + fragment), or
    // the address as given for another scheme.
    std::u16string url;
    // The same address with another fragment (File only).
    BrowserAddress with_fragment(std::u16string_view name) const;
};

BrowserAddress parse_browser_address(std::u16string_view address);

// Resolves a reference found in a page against the page's folder: an absolute path or a
// "file:" URL stands alone, any other scheme is kept as it is, the rest is relative.
std::u16string resolve_reference(std::u16string_view reference, const std::string& page_path);

} // namespace paginor::controls
