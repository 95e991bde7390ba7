// The arguments of the controls' events as they raise them to their host, each by
// reference, as the host runtime passes them: a mouse event's Button and Shift as 16-bit
// integers and X, Y as single-precision numbers; a key's code; a Boolean. The handlers'
// answers land in the caller's variables.
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

// VARIANT_BOOL is a 16-bit integer too, so a Boolean goes by its own name.
inline VARIANT bool_by_ref(VARIANT_BOOL* value) {
    VARIANT v;
    VariantInit(&v);
    v.vt = VT_BYREF | VT_BOOL;
    v.pboolVal = value;
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
