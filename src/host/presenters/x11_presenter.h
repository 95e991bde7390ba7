// Showing a form on a real X11 display: one top-level window the size of the form, its
// pixels the composed form (pop-ups and tool-tips over it included), the real pointer,
// buttons, wheel and keys given to the window system as its own input, and the real
// clock running its timers. Nothing else of the library knows X11.
//
//   std::string failure;
//   if (!show_on_x11(form, failure)) report(failure);   // returns when the window closes
#pragma once

#include <paginor/form.h>

#include <string>

namespace paginor::host::presenters {

// Opens the display named by DISPLAY and runs the form's loop until its window is closed
// (true). The loop sleeps in poll() on the X connection until input comes or the next
// timer or hover report is due; with manual_clock no timer is waited for. False with
// failure saying why when the display cannot be opened or shows no 24-bit true colour.
bool show_on_x11(PaginorForm* form, std::string& failure, bool manual_clock = false);

} // namespace paginor::host::presenters
