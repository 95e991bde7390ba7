// The rich-text writer's escaping: any text (read as UTF-16 from the input) with hits at
// every word comes out as ASCII whose braces balance, every brace and backslash of the
// text escaped.
#include "bodies.h"

#include "convert/hits.h"
#include "convert/rendition.h"

namespace paginor::fuzz {

bool rtf_escape(const uint8_t* data, size_t size) {
    std::u16string text(size / 2, u'\0');
    for (size_t i = 0; i < text.size(); ++i) {
        text[i] = char16_t(data[2 * i] | data[2 * i + 1] << 8);
    }
    std::vector<convert::Hit> hits;
    std::vector<convert::HitTerm> terms = convert::parse_hit_list(text.substr(0, 32));
    hits = convert::find_hits(text, terms);
    convert::RenditionInput in;
    in.text = text;
    in.hits = &hits;
    in.hit_start = u"{\\cf3 \\b ";
    in.hit_end = u"}";
    std::string rtf = convert::write_rtf(in, u"{\\colortbl;}");
    int depth = 0;
    for (size_t i = 0; i < rtf.size(); ++i) {
        fuzz_check(uint8_t(rtf[i]) < 0x80, "rich text is plain ASCII");
        if (rtf[i] == '\\') {
            ++i;
        } else if (rtf[i] == '{') {
            ++depth;
        } else if (rtf[i] == '}') {
            fuzz_check(--depth >= 0, "no group closes that was not opened");
        }
    }
    fuzz_check(depth == 0, "every group opened is closed");
    return true;
}

} // namespace paginor::fuzz
