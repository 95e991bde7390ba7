// A walk of an office package's large XML parts straight from their bytes, with no tree
// built: the walker sees what XmlWalker::walk would show it over the parsed document.
//
// Only the plain XML that office programs write is taken: elements and attributes with
// ASCII names, text with the five named escapes, the declaration at the start. At
// anything else (comments, CDATA, processing instructions, numeric references, an
// encoding other than UTF-8) or anything not well-formed, the walk answers false and the
// caller parses the part whole, which then reads it or tells what is wrong with it. The
// walker may have seen part of the document by then: its output is to be dropped.
#pragma once

#include "convert/readers/zip_package.h"

#include <string_view>

namespace paginor::convert {

bool pull_walk(std::string_view xml, XmlWalker& walker);

} // namespace paginor::convert
