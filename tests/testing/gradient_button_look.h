// The gradient button's hover and pressed flags, set from a test so that each look can be
// pinned before the pointer drives them. Reaches the control behind a host's object.
#pragma once

#include <paginor/base.h>

namespace paginor::seams {

struct GradientButtonLook {
    // Sets the flags and repaints, as the pointer logic does. False (nothing changes)
    // when the object is no gradient button.
    static bool set(IDispatch* button, bool hover, bool pressed);
};

} // namespace paginor::seams
