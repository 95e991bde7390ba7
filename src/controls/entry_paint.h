// What the text box and the drop-down lists share in drawing: colours translated once,
// their font selected into a DC for as long as a scope lasts, and their sunken edge.
#pragma once

#include <paginor/base.h>

#include "platform/core/types.h"

#include <string>
#include <string_view>
#include <vector>

namespace paginor::controls {

// An OLE colour as RGB; black for one the system cannot translate.
platform::COLORREF translated(OLE_COLOR colour);

// A face, size in points and weight, selected into a DC (a window's or, with hdc 0, a
// memory DC of its own) until the scope ends; every drawing object goes with it.
class ScopedFont final {
  public:
    ScopedFont(platform::HDC hdc, std::u16string_view face, double points, bool bold);
    ~ScopedFont();
    ScopedFont(const ScopedFont&) = delete;
    ScopedFont& operator=(const ScopedFont&) = delete;

    platform::HDC dc() const { return m_dc; }
    // The pen position before each UTF-16 unit and after the last, pixels.
    std::vector<int> carets(std::u16string_view text) const;
    // The line height in pixels.
    int height() const;

  private:
    platform::HDC m_dc{0};
    bool m_own_dc{false};
    platform::HGDIOBJ m_font{0};
    platform::HGDIOBJ m_old{0};
};

// The two-pixel sunken edge of an entry field around rect (the client area).
void draw_sunken_edge(platform::HDC hdc, const platform::RECT& rect);

} // namespace paginor::controls
