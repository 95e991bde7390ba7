// HTML pages of the browser surface, laid out and drawn by litehtml through our container
// (html_container.h) from our master stylesheet. Scripts never run.
#pragma once

#include "controls/browser_page.h"

#include <memory>
#include <string>

namespace paginor::controls {

// A page from UTF-8 HTML; references resolve against page_path (a file's path, or "").
std::unique_ptr<BrowserPage> make_html_page(const std::string& html, const std::string& page_path);

// Our error page: why the address shows nothing, and the address.
std::unique_ptr<BrowserPage> make_error_page(std::u16string_view why, std::u16string_view address);

} // namespace paginor::controls
