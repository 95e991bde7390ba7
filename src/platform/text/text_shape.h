// Shaping a line into positioned glyphs and rasterising it onto a DC's surface; shared by
// TextOut and DrawText.
#pragma once

#include "platform/raster/gdi_objects.h"
#include "platform/text/font_face.h"

#include <string_view>
#include <vector>

namespace paginor::platform::text {

struct Glyph {
    uint32_t id{0};
    uint32_t cluster{0}; // index of the first UTF-16 unit it came from
    int32_t x{0};        // pen position from the run's start, 26.6 pixels
    int32_t dx{0};       // offsets, 26.6 pixels
    int32_t dy{0};
};

struct Run {
    std::vector<Glyph> glyphs;
    int width{0}; // whole pixels
    // Pen position (whole pixels) before the UTF-16 unit at an index; size() + 1 entries.
    std::vector<int> caret;
};

Run shape(FaceInstance& face, std::u16string_view text);

// Draws a run with its top-left corner at (x, y) in the DC's text colour, clipped to
// `clip` and the DC's drawable area; underline and strikeout follow the font request.
// `mnemonic`, when within the text, underlines that one character.
void render(gdi::Dc& d, const Run& run, int x, int y, const RECT& clip, int mnemonic = -1);

// The run's box filled with the background colour when the DC is OPAQUE.
void fill_background(gdi::Dc& d, const Run& run, int x, int y, const RECT& clip);

} // namespace paginor::platform::text
