// HTML pages of the browser surface, laid out and drawn by litehtml through our container
// (html_container.h) from our master stylesheet. Scripts never run.
#pragma once

#include "controls/browser_page.h"

#include <memory>
#include <string>

namespace paginor::controls {

// A page from UTF-8 HTML; references resolve against page_path (a file's path, or "").
std::unique_ptr<BrowserPage> make_html_page(const std::string& html, const std::string& page_path);

// A page from the bytes of an HTML file (html_text.h tells how they are decoded). A long
// page whose body can be cut (html_pieces.h) is read a piece at a time as it is shown,
// and shows as the whole page would.
std::unique_ptr<BrowserPage> make_html_file_page(std::string bytes, const std::string& page_path);

// Our error page: why the address shows nothing, and the address.
std::unique_ptr<BrowserPage> make_error_page(std::u16string_view why, std::u16string_view address);

} // namespace paginor::controls
