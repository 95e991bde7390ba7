// modGradientCtls: the gradient fill and the colour translation the gradient button paints
// with. Stateless routines on a target DC.
#pragma once

#include "platform/core/types.h"

namespace paginor::modGradientCtls {

// Gradient directions: where colour 1 sits and how long the ramp is.
enum GradientDirection : int32_t {
    gdHorizontal = 0,   // left column to right column, ramp of width entries
    gdVertical = 1,     // top row to bottom row, ramp of height entries
    gdDiagonalDown = 2, // top-left to bottom-right, width + height - 1 entries
    gdDiagonalUp = 3,   // bottom-left to top-right, width + height - 1 entries
};

// Fills the rectangle at (left, top) of width x height with a two-colour ramp; colours are
// 0x00BBGGRR with the top byte ignored (so -1 paints white). Channels step by truncating
// integer division; a one-entry ramp is the average of the halves. The pixels are those
// of one StretchDIBits of a bottom-up 32-bit buffer, but each row is computed straight
// into the target (no buffer is filled and copied), and only for the part of the
// rectangle that lies on the target, so a huge or far-off rectangle costs nothing.
// Draws nothing for width or height below 1, an unknown DC, a direction other than 0..3,
// or a rectangle wholly outside the target.
void DrawGradient(platform::HDC hdc, int32_t left, int32_t top, int32_t width, int32_t height,
                  int32_t colour1, int32_t colour2, int32_t direction);

// The plain RGB value of an OLE colour (system colours resolve to their current value);
// -1 when it cannot be translated. Every caller passes palette 0.
int32_t TranslateColor(OLE_COLOR colour, int32_t palette = 0);

} // namespace paginor::modGradientCtls
