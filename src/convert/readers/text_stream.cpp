#include "convert/convert_error.h"
#include "convert/readers/readers.h"

#include <algorithm>
#include <cstring>

namespace paginor::convert {

namespace {

// Small enough to stay in the cache on its way from the file to the page.
constexpr size_t kReadBytes = size_t(256) << 10;

// Eight bytes at a time; the compiler widens the loop further.
bool has_high_byte(std::string_view bytes) {
    uint64_t any = 0;
    size_t i = 0;
    for (; i + 8 <= bytes.size(); i += 8) {
        uint64_t w;
        std::memcpy(&w, bytes.data() + i, 8);
        any |= w;
    }
    for (; i < bytes.size(); ++i) {
        any |= uint8_t(bytes[i]);
    }
    return (any & 0x8080808080808080) != 0;
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
template <class Char> size_t piece_end(std::basic_string_view<Char> text) {
    size_t last = text.find_last_not_of(Char('\n'));
    size_t end = last == text.npos ? 0 : text.find_last_of(Char('\n'), last);
    if (end == text.npos) {
        return 0;
    }
    while (end > 0 && text[end - 1] == Char('\n')) {
        --end;
    }
    return end;
}

// ASCII appended with its line ends and page feeds made paragraph breaks (a "\r" at the
// end of bytes is taken for a whole line end: the caller cuts before one).
void append_ascii(std::string& text, std::string_view bytes) {
    auto find = [](const char* from, const char* to, char c) {
        const void* at = std::memchr(from, c, size_t(to - from));
        return at != nullptr ? static_cast<const char*>(at) : to;
    };
    const char* p = bytes.data();
    const char* const end = p + bytes.size();
    const char* next_return = find(p, end, '\r'); // each byte searched once for either
    while (p < end) {
        if (next_return < p) {
            next_return = find(p, end, '\r');
        }
        const char* line_end = find(p, next_return, '\f');
        text.append(p, size_t(line_end - p));
        if (line_end == end) {
            return;
        }
        text += '\n';
        p = line_end + (*line_end == '\r' && line_end + 1 < end && line_end[1] == '\n' ? 2 : 1);
    }
}

// The text not yet handed on: bytes while all of it is ASCII, which go to the page as
// they are, else UTF-16 units.
class Pending {
  public:
    bool wide() const { return m_wide; }
    size_t size() const { return m_wide ? m_units.size() : m_bytes.size(); }
    std::string& bytes() { return m_bytes; }
    std::u16string& units() {
        if (!m_wide) {
            m_units.assign(m_bytes.begin(), m_bytes.end());
            m_bytes.clear();
            m_wide = true;
        }
        return m_units;
    }
    void resize(size_t n) { m_wide ? m_units.resize(n) : m_bytes.resize(n); }

    // Hands on the text up to its last paragraph break that is not at its end (all of
    // it with whole); answers how much.
    size_t hand_on(const TextPieces& take, bool whole, size_t searched = size_t(-1)) {
        return m_wide ? hand_on(m_units, take.wide, whole, searched)
                      : hand_on(m_bytes, take.ascii, whole, searched);
    }

    // Back to bytes once the units left are all ASCII.
    void narrow() {
        if (m_wide &&
            std::all_of(m_units.begin(), m_units.end(), [](char16_t c) { return c < 0x80; })) {
            m_bytes.assign(m_units.begin(), m_units.end());
            m_units.clear();
            m_wide = false;
        }
    }

    // Drops the paragraph breaks that end the text; answers how much of the rest is
    // searched: all but a note that ends it, never searched even when the document
    // wrote it itself.
    size_t close() { return m_wide ? close(m_units) : close(m_bytes); }

  private:
    template <class Text, class Take>
    size_t hand_on(Text& text, const Take& take, bool whole, size_t searched) {
        std::basic_string_view<typename Text::value_type> view(text);
        size_t end = whole ? text.size() : piece_end(view);
        if (end > 0) {
            take(view.substr(0, end), std::min(searched, end));
            text.erase(0, end);
        }
        return end;
    }

    template <class Text> size_t close(Text& text) {
        while (!text.empty() && text.back() == '\n') {
            text.pop_back();
        }
        bool note = text.size() >= kRestNotShown.size() &&
                    std::equal(kRestNotShown.begin(), kRestNotShown.end(),
                               text.end() - ptrdiff_t(kRestNotShown.size()));
        return text.size() - (note ? kRestNotShown.size() : 0);
    }

    bool m_wide{false};
    std::string m_bytes;
    std::u16string m_units;
};

} // namespace

void stream_text(OpenedDocument& doc, const TextPieces& take) {
    uint64_t length = doc.file.length();
    uint64_t size = std::min(length, kMaxTextBytes);
    auto [encoding, mark] = text_encoding(doc.head);
    bool utf16 = encoding == TextEncoding::Utf16Le || encoding == TextEncoding::Utf16Be;
    // Without a mark the text is UTF-8 only when all of it is: up to its first byte
    // past ASCII, read either way alike, it is read as UTF-8; there the rest is checked.
    bool decided = mark != 0;
    uint64_t offset = mark;
    std::string bytes;
    Pending text;
    size_t given = 0; // units handed on
    bool cut = false;
    bool last = false;
    while (!last) {
        size_t keep = bytes.size();
        bytes.resize(keep + size_t(std::min<uint64_t>(kReadBytes, size - offset)));
        size_t got =
            read_document_bytes(doc.file, doc.path, offset, std::span(bytes).subspan(keep));
        bytes.resize(keep + got);
        bool high = utf16 || has_high_byte(bytes);
        if (!decided && high) {
            decided = true;
            encoding = strict_utf8_from(doc, offset - keep, size) ? TextEncoding::Utf8
                                                                  : TextEncoding::Codepage;
        }
        offset += got;
        last = got == 0 || offset >= size;
        size_t took;
        if (!high && !text.wide()) {
            // ASCII reads alike in every encoding but UTF-16: no decoding.
            took = last ? bytes.size() : text_cut(bytes, true);
            append_ascii(text.bytes(), std::string_view(bytes).substr(0, took));
        } else {
            took = decode_text_block(bytes, encoding, last, text.units());
        }
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
        if (!last) {
            given += text.hand_on(take, false);
            text.narrow();
        }
    }
    doc.file.close();
    if (cut || (offset == kMaxTextBytes && length > offset)) {
        text.hand_on(take, true);
        take.wide(u"\n" + std::u16string(kRestNotShown), 0);
        return;
    }
    size_t searched = text.close();
    text.hand_on(take, true, searched);
}

} // namespace paginor::convert
