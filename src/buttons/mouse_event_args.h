// The arguments of a mouse event as the buttons raise it to their host: Button and Shift
// as 16-bit integers and X, Y as single-precision numbers, each by reference, as the host
// runtime passes them. The handlers' answers go nowhere: the values are the caller's copy.
#pragma once

#include <paginor/base.h>

#include "automation/variant.h"
#include "frame/input_event.h"

#include <array>

namespace paginor {

inline VARIANT by_ref(SHORT* value) {
    VARIANT v;
    VariantInit(&v);
    v.vt = VT_BYREF | VT_I2;
    v.piVal = value;
    return v;
}

inline VARIANT by_ref(float* value) {
    VARIANT v;
    VariantInit(&v);
    v.vt = VT_BYREF | VT_R4;
    v.pfltVal = value;
    return v;
}

// Button, Shift, X, Y by reference to e's fields, e outliving the call that raises them.
inline std::array<VARIANT, 4> mouse_args(frame::MouseEvent& e) {
    return {by_ref(&e.button), by_ref(&e.shift), by_ref(&e.x), by_ref(&e.y)};
}

} // namespace paginor
