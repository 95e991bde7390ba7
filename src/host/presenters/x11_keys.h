// Keys of the X keyboard as the window system's virtual keys: what has no character of
// its own (Enter, arrows, function keys, modifiers) by its code; everything else arrives
// as the text the X keyboard mapping makes of it.
#pragma once

#include <X11/Xlib.h>

namespace paginor::host::presenters {

// The virtual key for keysym, 0 for a key that types text instead.
int virtual_key(KeySym keysym);

} // namespace paginor::host::presenters
