#include "convert/convert_error.h"
#include "convert/readers/readers.h"

#include <algorithm>

namespace paginor::convert {

namespace {

// Small enough to stay in the cache on its way from the file to the page.
constexpr size_t kReadBytes = size_t(256) << 10;

bool has_high_byte(std::string_view bytes) {
    return std::any_of(bytes.begin(), bytes.end(), [](char c) { return uint8_t(c) >= 0x80; });
}

// Whether the file's bytes [from, to) are strict UTF-8, read a block at a time.
bool strict_utf8_from(OpenedDocument& doc, uint64_t from, uint64_t to) {
    std::string bytes;
    std::u16string scratch;
    while (true) {
        size_t keep = bytes.size();
        bytes.resize(keep + size_t(std::min<uint64_t>(kReadBytes, to - from)));
        size_t got = read_document_bytes(doc.file, doc.path, from, std::span(bytes).subspan(keep));
        bytes.resize(keep + got);
        from += got;
        bool last = got == 0 || from >= to;
        scratch.clear();
        size_t took = decode_text_block(bytes, TextEncoding::Utf8, last, scratch);
        if (took == std::string_view::npos) {
            return false;
        }
        if (last) {
            return true;
        }
        bytes.erase(0, took);
    }
}

// Where the text may be cut for a piece: the start of the last run of paragraph breaks
// that something follows, so that the piece neither ends inside a paragraph nor takes
// breaks that may yet turn out to end the document (those are dropped); 0 for none.
size_t piece_end(std::u16string_view text) {
    size_t last = text.find_last_not_of(u'\n');
    size_t end = last == std::u16string_view::npos ? 0 : text.find_last_of(u'\n', last);
    if (end == std::u16string_view::npos) {
        return 0;
    }
    while (end > 0 && text[end - 1] == u'\n') {
        --end;
    }
    return end;
}

} // namespace

void stream_text(OpenedDocument& doc, const TextPiece& take) {
    uint64_t length = doc.file.length();
    uint64_t size = std::min(length, kMaxTextBytes);
    auto [encoding, mark] = text_encoding(doc.head);
    // Without a mark the text is UTF-8 only when all of it is: up to its first byte
    // past ASCII, read either way alike, it is read as UTF-8; there the rest is checked.
    bool decided = mark != 0;
    uint64_t offset = mark;
    std::string bytes;
    std::u16string text;
    size_t given = 0; // units handed on
    bool cut = false;
    bool last = false;
    while (!last) {
        size_t keep = bytes.size();
        bytes.resize(keep + size_t(std::min<uint64_t>(kReadBytes, size - offset)));
        size_t got =
            read_document_bytes(doc.file, doc.path, offset, std::span(bytes).subspan(keep));
        bytes.resize(keep + got);
        if (!decided && has_high_byte(std::string_view(bytes).substr(keep))) {
            decided = true;
            encoding = strict_utf8_from(doc, offset - keep, size) ? TextEncoding::Utf8
                                                                  : TextEncoding::Codepage;
        }
        offset += got;
        last = got == 0 || offset >= size;
        size_t took = decode_text_block(bytes, encoding, last, text);
        if (took == std::string_view::npos) {
            raise_convert(ConvertCode::Unreadable, kDocSource, doc.path,
                          u"The document changed while it was read");
        }
        bytes.erase(0, took);
        if (given + text.size() > kMaxRenditionText) {
            text.resize(kMaxRenditionText - given);
            cut = true;
            break;
        }
        if (size_t end = last ? 0 : piece_end(text); end > 0) {
            take(std::u16string_view(text).substr(0, end), end);
            text.erase(0, end);
            given += end;
        }
    }
    doc.file.close();
    if (cut || (offset == kMaxTextBytes && length > offset)) {
        take(text, text.size());
        take(u"\n" + std::u16string(kRestNotShown), 0);
        return;
    }
    while (!text.empty() && text.back() == u'\n') {
        text.pop_back();
    }
    // A note that ends the text is never searched, even one the document wrote itself.
    size_t searched = text.size() - (text.ends_with(kRestNotShown) ? kRestNotShown.size() : 0);
    take(text, searched);
}

} // namespace paginor::convert
