// Paths and wildcards: the bytes up to the first NUL are a pattern, the rest a name, both
// UTF-16. Matching ends for every pattern, and "*" matches every name.
#include "bodies.h"

#include "platform/files/path.h"

#include <cstring>

namespace paginor::fuzz {

bool paths(const uint8_t* data, size_t size) {
    std::u16string all(size / 2, u'\0');
    std::memcpy(all.data(), data, all.size() * 2);
    const size_t cut = std::min(all.find(u'\0'), all.size());
    const std::u16string_view pattern = std::u16string_view(all).substr(0, cut);
    const std::u16string_view name = std::u16string_view(all).substr(std::min(cut + 1, all.size()));
    const bool matched = platform::wildcard_match(pattern, name);
    fuzz_check(platform::wildcard_match(u"*", name), "\"*\" matches every name");
    fuzz_check(platform::path_folder(pattern).size() + platform::path_name(pattern).size() <=
                   pattern.size(),
               "folder and name are parts of the path");
    const std::string native = platform::native_path(pattern);
    fuzz_check(native.find('\\') == std::string::npos, "a native path has no backslash");
    return matched;
}

} // namespace paginor::fuzz
