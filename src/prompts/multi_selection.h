// What a multi-value prompt keeps of its selection apart from its controls: the term
// grammar of its criteria and the selection document (root "root" with the selection
// type in "multi", one "val" per value with name, content and desc in that order).
//
// Values go in as they are: a key holding parentheses, quotes or markup lands raw in a
// criterion and escaped in the document's text. Every operation is linear in the length
// of the criterion or the count of values it touches.
#pragma once

#include "platform/xml/xml.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace paginor::prompts {

// "(" + name + " contains (" + value + "))"
std::u16string criterion_term(std::u16string_view name, std::u16string_view value);
// Adds a term to a criterion: "(" + (criterion + joiner, or nothing when it is empty) +
// term + ")".
void add_term(std::u16string& criterion, std::u16string_view joiner, std::u16string_view term);
// Whether the criterion already holds "(" + value + ")".
bool holds_value(std::u16string_view criterion, std::u16string_view value);
// Every `from` replaced by `to`, left to right, without rescanning what was put in.
std::u16string replace_all(std::u16string_view text, std::u16string_view from,
                           std::u16string_view to);
// Blanks (spaces only) removed at both ends.
std::u16string_view trim_blanks(std::u16string_view text);

class SelectionDocument {
  public:
    SelectionDocument() { reset(); }

    // Back to "<root multi="Exactly"/>".
    void reset();
    // A bare root whose multi is the type's text.
    void rebuild(std::u16string_view type_text);
    void set_multi(std::u16string_view type_text);
    // Appends a val element with name and content; the handle stays valid until the
    // document is reset or rebuilt (see generation()).
    platform::XmlNode append_value(std::u16string_view name, std::u16string_view content);
    // Counts resets and rebuilds, so that a caller holding a val handle across a call out
    // knows whether the handle still lies in the document.
    uint64_t generation() const { return m_generation; }
    // Compact XML: no declaration, attributes in order, no line end.
    std::u16string xml() const { return m_doc.xml(); }
    const platform::XmlDocument& document() const { return m_doc; }

  private:
    platform::XmlDocument m_doc{};
    uint64_t m_generation{0};
};

} // namespace paginor::prompts
