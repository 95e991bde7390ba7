#include "convert/convert_error.h"
#include "convert/readers/compound_file.h"
#include "convert/readers/readers.h"
#include "platform/core/unicode.h"

#include <cstring>

namespace paginor::convert {

namespace {

// Places in the file information block of Word 97 and later.
constexpr size_t kFlags = 0x0A;   // bit 8 encrypted, bit 9 the table stream is "1Table"
constexpr size_t kCcpText = 0x4C; // characters of the main text
constexpr size_t kFcClx = 0x1A2;  // where the piece table starts in the table stream
constexpr size_t kLcbClx = 0x1A6; // and its length

uint32_t le32(std::string_view b, size_t at) {
    uint32_t v = 0;
    if (at + 4 <= b.size()) {
        std::memcpy(&v, b.data() + at, 4);
    }
    return v;
}

uint16_t le16(std::string_view b, size_t at) {
    return at + 2 <= b.size() ? uint16_t(uint8_t(b[at]) | uint8_t(b[at + 1]) << 8) : 0;
}

[[noreturn]] void damaged(const CompoundFile& file) {
    raise_convert(ConvertCode::Damaged, kDocSource, file.path(),
                  u"The Word document's piece table is damaged");
}

// The characters of the main text through the piece table, in order.
std::u16string main_text(const CompoundFile& file, std::string_view word, std::string_view table) {
    uint32_t fc = le32(word, kFcClx);
    uint32_t lcb = le32(word, kLcbClx);
    if (uint64_t(fc) + lcb > table.size()) {
        damaged(file);
    }
    std::string_view clx = table.substr(fc, lcb);
    size_t at = 0;
    while (at < clx.size() && clx[at] == 1) { // property modifiers before the pieces
        at += 3 + le16(clx, at + 1);
    }
    if (at + 5 > clx.size() || clx[at] != 2) {
        damaged(file);
    }
    uint32_t size = le32(clx, at + 1);
    std::string_view plc = clx.substr(at + 5);
    if (size > plc.size() || size < 4 || (size - 4) % 12 != 0) {
        damaged(file);
    }
    size_t pieces = (size - 4) / 12;
    uint32_t wanted = le32(word, kCcpText);
    std::u16string text;
    for (size_t i = 0; i < pieces && text.size() < wanted; ++i) {
        uint32_t cp_begin = le32(plc, 4 * i);
        uint32_t cp_end = le32(plc, 4 * (i + 1));
        uint32_t fc_piece = le32(plc, 4 * (pieces + 1) + 8 * i + 2);
        if (cp_end < cp_begin) {
            damaged(file);
        }
        size_t count = std::min<size_t>(cp_end - cp_begin, wanted - text.size());
        bool compressed = (fc_piece & 0x40000000) != 0;
        size_t offset = compressed ? (fc_piece & 0x3FFFFFFF) / 2 : fc_piece;
        if (offset + count * (compressed ? 1 : 2) > word.size()) {
            damaged(file);
        }
        if (compressed) {
            text += from_codepage(word.substr(offset, count));
        } else {
            for (size_t k = 0; k < count; ++k) {
                text += char16_t(le16(word, offset + 2 * k));
            }
        }
    }
    return text;
}

// Word's marks: paragraph 13, cell and row end 7, tab 9, line and page breaks 11 and 12,
// and fields as 19 code 20 result 21, of which only the result is read.
void put_word_text(std::u16string_view text, TextSink& out) {
    int field_code = 0;
    for (size_t i = 0; i < text.size() && !out.full(); ++i) {
        char16_t c = text[i];
        if (c == 19) {
            ++field_code;
        } else if (c == 20 || c == 21) {
            field_code = c == 20 ? std::max(field_code - 1, 0) : field_code;
        } else if (field_code > 0) {
            continue;
        } else if (c == 13 || c == 11 || c == 12) {
            out.paragraph();
        } else if (c == 7) {
            bool row_end = i + 1 < text.size() && text[i + 1] == 7;
            row_end ? out.paragraph() : out.tab();
            i += row_end ? 1 : 0;
        } else if (c == 9 || c >= 32) {
            out.append(c);
        }
    }
}

} // namespace

void read_word_97(CompoundFile& file, TextSink& out) {
    std::string word = file.read("WordDocument");
    if (le16(word, 0) != 0xA5EC) {
        raise_convert(ConvertCode::UnknownFormat, kDocSource, file.path(),
                      u"The Word document is older than Word 97");
    }
    uint16_t flags = le16(word, kFlags);
    if ((flags & 0x0100) != 0) {
        raise_convert(ConvertCode::Encrypted, kDocSource, file.path(),
                      u"The document is protected by a password");
    }
    std::string table = file.read((flags & 0x0200) != 0 ? "1Table" : "0Table");
    put_word_text(main_text(file, word, table), out);
}

} // namespace paginor::convert
