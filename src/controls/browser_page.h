// One loaded page of the browser surface: an HTML document or a PDF, laid out for a
// viewport and drawn at a scroll position. Everything a page shows was read at load, so
// it paints on after its file is gone.
#pragma once

#include "controls/browser_address.h"
#include "platform/core/types.h"

#include <memory>
#include <optional>
#include <string>

namespace paginor::controls {

class BrowserPage {
  public:
    virtual ~BrowserPage() = default;
    // Lays the page out for a viewport; answers the content's height in pixels.
    virtual int layout(int width, int height) = 0;
    // A floor for the content's height at the viewport, where one is known without laying
    // all of it out; 0 when none is.
    virtual int height_at_least(int /*width*/, int /*height*/) { return 0; }
    // A long page is read and laid out a part at a time, and its height beyond that part is
    // an estimate: this reads on until content rows up to `bottom` are laid out, or all is.
    // True when anything was read (the height changed).
    virtual bool read_to(int /*bottom*/) { return false; }
    // Draws content rows [top, top + rows) at the DC's row 0, `width` pixels wide.
    virtual void paint(platform::HDC hdc, int width, int top, int rows) = 0;
    // The content row of a named anchor or an element's id; none when the page has neither.
    virtual std::optional<int> anchor(std::u16string_view /*name*/) { return std::nullopt; }
    // The reference of the link under a click at content (x, y), if any.
    virtual std::optional<std::u16string> link_at(int /*x*/, int /*y*/) { return std::nullopt; }

    bool error_page{false}; // our own page telling why the address could not be shown
};

// Loads what an address names: an HTML page (about:blank is an empty one), a PDF (known by
// its content), or, for a missing file, a folder, another scheme, an unreadable or
// damaged document, our own error page naming the address. Never fails.
std::unique_ptr<BrowserPage> load_browser_page(const BrowserAddress& address);

} // namespace paginor::controls
