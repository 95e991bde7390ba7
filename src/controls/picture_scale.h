// Pictures on the browser surface: scaled smoothly to the size a page gives them (area
// averaging when shrinking, bilinear when enlarging) and drawn with their transparency.
#pragma once

#include "platform/image/image_codec.h"

namespace paginor::controls {

// The picture at width x height (each at least 1); the same picture when the size matches.
platform::Image scale_smooth(const platform::Image& image, int width, int height);

// Draws the picture at (x, y) at its own size, blended over what is there, clipped to `clip`.
void draw_picture(platform::HDC hdc, const platform::Image& image, int x, int y,
                  const platform::RECT& clip);

} // namespace paginor::controls
