// Rich text read into paragraphs of formatted runs, for the rich-text box to lay out.
// The reader knows the part of the rich-text format that documents of a search front end
// carry: groups, the font and colour tables (font families stand in for a missing face
// name), character formatting (\b \i \ul \fs \f \cf \plain), paragraphs, line breaks,
// tabs, hexadecimal bytes in the document's code page and Unicode characters with their
// fallbacks. Ignorable (\*) and other non-text destinations are skipped whole.
//
// Bad input never throws: text that does not start with "{\rtf" reads as plain text
// (one paragraph per line), and unbalanced or cut-off rich text gives what was read
// before the input ended. A "}" closing the outermost group ends the document.
#pragma once

#include "platform/core/types.h"

#include <string>
#include <string_view>
#include <vector>

namespace paginor::controls {

struct RichFormat {
    std::u16string face{u"Times New Roman"}; // the face name as the font table gives it
    int half_points{24};                     // \fs: size in half points
    bool bold{false};
    bool italic{false};
    bool underline{false};
    platform::COLORREF colour{0}; // the colour table's entry; black for "auto"
    bool operator==(const RichFormat&) const = default;
};

// Text of one format. "\t" is a tab, "\n" a line break inside the paragraph, U+00A0 a
// non-breaking space.
struct RichRun {
    RichFormat format;
    std::u16string text;
};

struct RichParagraph {
    std::vector<RichRun> runs;
};

struct RichDocument {
    std::vector<RichParagraph> paragraphs; // at least one, possibly empty
    // The text alone: paragraphs joined by CR LF.
    std::u16string plain_text() const;
};

// The format plain text shows in (rich text starts from RichFormat{} in its default font).
RichFormat plain_format();

RichDocument read_rtf(std::u16string_view text);

// Rich text that reads back as the given plain text in the plain format.
std::u16string rtf_from_plain_text(std::u16string_view text);

} // namespace paginor::controls
