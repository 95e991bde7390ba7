// Reading a document's text, whatever its format. The format is told by the file's
// first bytes first and its extension second; a file that is plainly no document (a
// picture, media, an executable, a binary of no known kind) is refused after its first
// bytes are read.
#pragma once

#include "convert/doc_text.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace paginor::convert {

// A package may inflate to at most this many bytes in all; more is taken for a bomb.
inline constexpr uint64_t kMaxInflated = uint64_t(512) << 20;

std::u16string read_document(std::u16string_view path);

// Text bytes by their byte-order mark, else as UTF-8 when they are valid UTF-8, else as
// Windows-1252.
std::u16string decode_text(std::string_view bytes);

// The readers, each given the path (for errors) and the file's bytes or path.
void read_text(std::string_view bytes, TextSink& out);
void read_html(std::string_view bytes, TextSink& out);
void read_zip_package(std::u16string_view path, std::string_view bytes, TextSink& out);
void read_pdf(std::u16string_view path, std::string_view bytes, TextSink& out);
void read_compound(std::u16string_view path, std::string_view bytes, TextSink& out);

} // namespace paginor::convert
