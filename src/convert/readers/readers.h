// Reading a document's text, whatever its format. The format is told by the file's
// first bytes first and its extension second; a file that is plainly no document (a
// picture, media, an executable, a binary of no known kind) is refused after its first
// bytes are read.
#pragma once

#include "convert/doc_text.h"
#include "platform/files/file.h"

#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <string_view>
#include <utility>

namespace paginor::convert {

// A package may inflate to at most this many bytes in all; more is taken for a bomb.
inline constexpr uint64_t kMaxInflated = uint64_t(512) << 20;

std::u16string read_document(std::u16string_view path);

// Plain text past this is never shown (the rendition stops at kMaxRenditionText).
inline constexpr uint64_t kMaxTextBytes = uint64_t(4) * kMaxRenditionText;

enum class DocKind { Text, Html, Zip, Pdf, Compound };

// A document opened and told by its first bytes (head).
struct OpenedDocument {
    std::u16string path;
    platform::File file;
    DocKind kind;
    std::string head;
};

// Raises when the file cannot be read or is no document.
OpenedDocument open_document(std::u16string_view path);
std::u16string read_document(OpenedDocument& doc);
// Up to buffer's size of the file's bytes from offset; raises Unreadable.
size_t read_document_bytes(platform::File& file, std::u16string_view path, uint64_t offset,
                           std::span<char> buffer);

// A plain-text document read, decoded and handed on a piece at a time, so that its
// rendition takes bounded memory however long it is. The pieces joined are the text
// read_document gives; each but the first starts at a paragraph break and each but the
// last ends before one, so that no word or hit is cut. Hits are sought in the first
// `searched` units of a piece: the closing note of a cut document is not searched.
// A piece comes as UTF-16 units or, while the text is plain ASCII, as its bytes.
struct TextPieces {
    std::function<void(std::u16string_view piece, size_t searched)> wide;
    std::function<void(std::string_view piece, size_t searched)> ascii;
};
void stream_text(OpenedDocument& doc, const TextPieces& take);

// Plain text is decoded by its byte-order mark, else as UTF-8 when it is all valid
// UTF-8, else as Windows-1252; line ends of every kind and page feeds become paragraph
// breaks.
enum class TextEncoding { Utf8, Utf8Lenient, Codepage, Utf16Le, Utf16Be };

// The encoding a byte-order mark at the start of head names and the mark's length; Utf8
// and 0 when there is none.
std::pair<TextEncoding, size_t> text_encoding(std::string_view head);

// Appends the text of bytes and answers how many bytes it took: all of them when last,
// else up to a cut inside no character and between no "\r" and "\n" (the rest is for
// the next call, with more bytes). Strict UTF-8 answers npos, appending nothing, where
// the bytes are not UTF-8. Without paragraphs, line ends are kept as they are.
size_t decode_text_block(std::string_view bytes, TextEncoding encoding, bool last,
                         std::u16string& text, bool paragraphs = true);
// The end of a cut of bytes that falls neither inside a character nor between "\r" and
// "\n": just past the last ASCII byte other than "\r" (or any other byte, with any_byte,
// for a single-byte code page); 0 when there is none. No multi-byte sequence holds an
// ASCII byte, and even a lenient decoder reaches every one, so the text decoded up to
// the cut and from it is the text decoded whole.
size_t text_cut(std::string_view bytes, bool any_byte);
// The whole of bytes decoded so.
std::u16string decode_text(std::string_view bytes, bool paragraphs = false);

// The readers, each given the path (for errors) and the file's bytes or path.
void read_text(std::string_view bytes, TextSink& out);
void read_html(std::string_view bytes, TextSink& out);
void read_zip_package(std::u16string_view path, std::string_view bytes, TextSink& out);
void read_pdf(std::u16string_view path, std::string_view bytes, TextSink& out);
void read_compound(std::u16string_view path, std::string_view bytes, TextSink& out);

} // namespace paginor::convert
