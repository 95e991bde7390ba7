// PDF documents on the browser surface: the pages stacked on a grey ground, each fitted
// to the width, rendered through poppler only when it scrolls into view. The document's
// bytes are kept in memory from the load on, so the file may go at once.
#pragma once

#include "controls/browser_page.h"

#include <memory>
#include <string>

namespace paginor::controls {

// Whether bytes are a PDF by their content (the header within the first kilobyte).
bool looks_like_pdf(std::string_view bytes);

// The document, or null when poppler cannot read it (damaged, locked, no pages).
std::unique_ptr<BrowserPage> make_pdf_page(std::string bytes);

} // namespace paginor::controls
