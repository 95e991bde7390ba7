// Rich text read by the rich-text box: any bytes (as the code page's characters) read
// into a document; plain text and the rich text made from it read back alike.
#include "bodies.h"

#include "controls/rtf_reader.h"
#include "platform/core/unicode.h"

namespace paginor::fuzz {

bool rtf(const uint8_t* data, size_t size) {
    const std::u16string text =
        from_codepage(std::string_view(reinterpret_cast<const char*>(data), size));
    const controls::RichDocument doc = controls::read_rtf(text);
    fuzz_check(!doc.paragraphs.empty(), "a document has a paragraph");
    size_t shown = 0;
    for (const controls::RichParagraph& p : doc.paragraphs)
        for (const controls::RichRun& run : p.runs) {
            fuzz_check(!run.text.empty(), "a run holds text");
            fuzz_check(run.format.half_points > 0, "a run has a size");
            shown += run.text.size();
        }
    fuzz_check(shown <= text.size(), "the text shown is no longer than the input");
    // Plain text (line breaks read as paragraphs) reads the same from its rich form.
    const std::u16string plain = doc.plain_text();
    if (!plain.starts_with(u"{\\rtf")) {
        const auto again = controls::read_rtf(controls::rtf_from_plain_text(plain));
        fuzz_check(again.plain_text() == controls::read_rtf(plain).plain_text(),
                   "plain text survives its rich form");
    }
    return text.starts_with(u"{\\rtf");
}

} // namespace paginor::fuzz
