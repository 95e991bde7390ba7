// Conversions between the library's UTF-16 strings, UTF-8 (the file system and the
// terminal) and the single-byte code page that text files are written in (Windows-1252).
// Malformed input never throws: bad UTF-8 or lone surrogates become U+FFFD, and a
// character the code page cannot hold becomes "?". The code page's five unassigned bytes
// (0x81, 0x8D, 0x8F, 0x90, 0x9D) read as the C1 controls of the same number and are
// written back as those bytes.
#pragma once

#include <string>
#include <string_view>

namespace paginor {

std::string to_utf8(std::u16string_view text);
std::u16string from_utf8(std::string_view text);

std::string to_codepage(std::u16string_view text);
std::u16string from_codepage(std::string_view bytes);

// Case folding for identifiers and file names: ASCII and Latin-1 letters only, as the
// desktop's comparisons of member names do.
char16_t fold_case(char16_t c);
bool equals_ignore_case(std::u16string_view a, std::u16string_view b);

} // namespace paginor
