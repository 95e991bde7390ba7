#include "convert/readers/compound_file.h"
#include "convert/readers/readers.h"
#include "platform/core/unicode.h"

namespace paginor::convert {

namespace {

constexpr uint16_t kTextChars = 0x0FA0; // UTF-16
constexpr uint16_t kTextBytes = 0x0FA8; // the code page

void put_atom(std::u16string_view text, TextSink& out) {
    for (char16_t c : text) {
        if (c == u'\r' || c == 0x0B) {
            out.paragraph();
        } else if (c == u'\t' || c >= 0x20) {
            out.append(c);
        }
    }
    out.paragraph();
}

} // namespace

// The records in stream order: containers (version 0xF) are entered, text atoms read and
// every other record stepped over by its stated length.
void read_powerpoint_97(CompoundFile& file, TextSink& out) {
    std::string stream = file.read("PowerPoint Document");
    size_t at = 0;
    while (at + 8 <= stream.size() && !out.full()) {
        auto byte = [&](size_t k) { return uint32_t(uint8_t(stream[at + k])); };
        uint32_t version = byte(0) & 0x0F;
        uint32_t type = byte(2) | byte(3) << 8;
        uint32_t length = byte(4) | byte(5) << 8 | byte(6) << 16 | byte(7) << 24;
        at += 8;
        if (version == 0x0F) {
            continue;
        }
        size_t n = std::min<size_t>(length, stream.size() - at);
        if (type == kTextChars) {
            std::u16string text(n / 2, u'\0');
            for (size_t k = 0; k < text.size(); ++k) {
                text[k] =
                    char16_t(uint8_t(stream[at + 2 * k]) | uint8_t(stream[at + 2 * k + 1]) << 8);
            }
            put_atom(text, out);
        } else if (type == kTextBytes) {
            put_atom(from_codepage(std::string_view(stream).substr(at, n)), out);
        }
        at += n;
    }
}

} // namespace paginor::convert
