// Showing a form on a real X11 display: one top-level window the size of the form, its
// pixels the composed form (pop-ups and tool-tips over it included), the real pointer,
// buttons, wheel and keys given to the window system as its own input, and the real
// clock running its timers. Nothing else of the library knows X11.
//
//   std::string failure;
//   auto x11 = X11Display::open(failure);      // null: no display, failure says why
//   x11->message_box("Saved");                 // modal, until OK, Enter, Escape or close
//   x11->show(form);                           // returns when the form's window closes
#pragma once

#include <paginor/form.h>

#include <memory>
#include <string>

struct _XDisplay;

namespace paginor::host::presenters {

class X11Display {
  public:
    // The display DISPLAY names; null with failure saying why when it cannot be opened or
    // shows no 24-bit true colour.
    static std::unique_ptr<X11Display> open(std::string& failure);
    ~X11Display();
    X11Display(const X11Display&) = delete;
    X11Display& operator=(const X11Display&) = delete;

    // Runs the form's loop until its window is closed. The loop sleeps in poll() on the X
    // connection until input comes or the next timer or hover report is due; with
    // manual_clock no timer is waited for.
    void show(PaginorForm* form, bool manual_clock = false);
    // A small modal window of its own with text and an OK button; returns once the button
    // is clicked, Enter or Escape is pressed, or the window is closed. Input to the form
    // waits meanwhile.
    void message_box(const std::string& title, const std::string& text);

  private:
    explicit X11Display(_XDisplay* display) : m_display(display) {}
    _XDisplay* m_display;
};

} // namespace paginor::host::presenters
