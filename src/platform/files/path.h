// Paths as hosts hand them (UTF-16, either separator) turned into what the file system
// takes (UTF-8, "/"), and the wildcard patterns that folder listings match names against.
#pragma once

#include <string>
#include <string_view>

namespace paginor::platform {

// UTF-16 path to a file-system path: every "\" becomes "/", the text becomes UTF-8.
// Nothing else changes: no trimming, no folding of repeated separators, no drive letters
// interpreted ("C:" is an ordinary folder name here). Bad UTF-16 becomes U+FFFD.
std::string native_path(std::u16string_view path);

// The folder part of a path (everything before the last separator of either kind) and
// the name after it. A path without a separator has an empty folder; a path ending in a
// separator has an empty name.
std::u16string_view path_folder(std::u16string_view path);
std::u16string_view path_name(std::u16string_view path);

// Desktop wildcard matching of one file name: "*" matches any run of characters (also
// none), "?" exactly one; letters compare without regard to case (ASCII and Latin-1).
// A pattern ending in ".*" also matches names without any dot, so "*.*" matches every
// name. An empty pattern matches nothing.
bool wildcard_match(std::u16string_view pattern, std::u16string_view name);

} // namespace paginor::platform
