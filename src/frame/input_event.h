// Pointer and key input as a control's handlers receive it: one small value per event
// instead of loose parameters, carrying what the host runtime's events report.
#pragma once

#include <paginor/base.h>

namespace paginor::frame {

struct MouseEvent {
    // For a press or release the button that changed; for a move the buttons held. 1 left,
    // 2 right, 4 middle.
    SHORT button{0};
    // 1 Shift, 2 Ctrl, 4 Alt.
    SHORT shift{0};
    // Where, in the unit and origin the receiver's contract names (twips from a control's
    // or a windowless child's top-left corner; pixels for a picture box's own events).
    float x{0};
    float y{0};
};

struct KeyEvent {
    // The key code; a handler may change it, as the host runtime's KeyDown and KeyUp let
    // an event handler change KeyCode.
    SHORT key{0};
    SHORT shift{0};
};

} // namespace paginor::frame
