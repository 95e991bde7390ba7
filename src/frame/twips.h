// The one twips <-> pixels rule of controls and their windowless children: lengths across
// are converted through the screen's horizontal twips per pixel and lengths down through
// its vertical one, read afresh on every call (so a change of the setting shows at the
// next layout), and rounded to the nearest pixel or twip.
#pragma once

#include "platform/text/font.h"

#include <cmath>

namespace paginor::frame {

enum class Axis { Across, Down };

// The screen's twips per pixel along an axis (15 at the reference density); never below 1.
inline int twips_per_pixel(Axis axis) {
    return axis == Axis::Across ? platform::screen_twips_per_pixel_x()
                                : platform::screen_twips_per_pixel_y();
}

// Twips to whole pixels, halves away from zero. Any finite value is accepted.
inline int twips_to_pixels(double twips, Axis axis) {
    return static_cast<int>(std::lround(twips / twips_per_pixel(axis)));
}

// Pixels to twips (exact: pixels are whole).
inline double pixels_to_twips(double pixels, Axis axis) {
    return pixels * twips_per_pixel(axis);
}

} // namespace paginor::frame
