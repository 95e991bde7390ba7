// What each address loads as (browser_page.h).
#include "controls/browser_page.h"
#include "controls/html_page.h"
#include "controls/pdf_page.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <utility>

namespace paginor::controls {

namespace fs = std::filesystem;

std::unique_ptr<BrowserPage> load_browser_page(const BrowserAddress& address) {
    switch (address.kind) {
    case BrowserAddress::Kind::Blank:
        return make_html_page("", "");
    case BrowserAddress::Kind::Network:
        return make_error_page(u"There is no network connection: only files on this computer "
                               u"can be shown.",
                               address.url);
    case BrowserAddress::Kind::File:
        break;
    }
    std::error_code ec;
    const fs::file_status status = fs::status(fs::path(address.path), ec);
    if (fs::is_directory(status))
        return make_error_page(u"The address names a folder, not a file.", address.url);
    if (!fs::is_regular_file(status))
        return make_error_page(u"The file cannot be found.", address.url);
    std::ifstream in(address.path, std::ios::binary | std::ios::ate);
    if (!in)
        return make_error_page(u"The file cannot be read.", address.url);
    std::string bytes(size_t(std::max<std::streamoff>(in.tellg(), 0)), '\0');
    in.seekg(0);
    in.read(bytes.data(), std::streamsize(bytes.size()));
    if (in.bad() || (!in && !in.eof()))
        return make_error_page(u"The file cannot be read.", address.url);
    bytes.resize(size_t(in.gcount())); // less, if the file shrank meanwhile
    if (looks_like_pdf(bytes)) {
        if (std::unique_ptr<BrowserPage> pdf = make_pdf_page(std::move(bytes)))
            return pdf;
        return make_error_page(u"The PDF document is damaged and cannot be shown.", address.url);
    }
    // A binary file is no page: NUL bytes never stand in HTML text of one byte a character.
    const std::string_view start = std::string_view(bytes).substr(0, 1024);
    const bool wide = start.starts_with("\xFF\xFE") || start.starts_with("\xFE\xFF");
    if (!wide && start.find('\0') != std::string_view::npos)
        return make_error_page(u"The file is not a web page and cannot be shown.", address.url);
    return make_html_file_page(std::move(bytes), address.path);
}

} // namespace paginor::controls
