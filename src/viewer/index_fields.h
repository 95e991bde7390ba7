// The viewer's flattening of a document's index fields: an XML fragment whose root is
// "UserFields" becomes one line of text that the document converter reads.
#pragma once

#include <string>
#include <string_view>

namespace paginor::viewer {

// Each child of the "UserFields" root in document order as its node name, a tab and its
// text, the children separated by one further tab: "Client\tSmith\tMatter\t123".
// Comments and text directly under the root are children too ("#comment", "#text").
// Text that is not XML, or whose root is not "UserFields", raises the standard
// "object variable not set" error (91) with the given source.
std::u16string flatten_index_fields(std::u16string_view xml, std::u16string_view source);

} // namespace paginor::viewer
