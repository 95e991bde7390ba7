// The one twips <-> pixels rule of controls and their windowless children: lengths are
// converted through the screen's twips per pixel, read afresh on every call (so a change
// of the setting shows at the next layout), and rounded to the nearest pixel or twip.
#pragma once

#include "platform/text/font.h"

#include <cmath>

namespace paginor::frame {

// The screen's twips per pixel (15 at the reference density); never below 1.
inline int twips_per_pixel() {
    return platform::screen_twips_per_pixel();
}

// Twips to whole pixels, halves away from zero. Any finite value is accepted.
inline int twips_to_pixels(double twips) {
    return static_cast<int>(std::lround(twips / twips_per_pixel()));
}

// Pixels to twips (exact: pixels are whole).
inline double pixels_to_twips(double pixels) {
    return pixels * twips_per_pixel();
}

} // namespace paginor::frame
