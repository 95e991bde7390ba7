// The stylesheet every page of the browser surface starts from: the usual look of HTML
// elements (blocks, headings, lists, tables, links, forms), and the root as the
// containing block of the viewport, so that a box positioned at 50% centres in it.
#pragma once

namespace paginor::controls {

extern const char* const kHtmlMasterCss;

} // namespace paginor::controls
