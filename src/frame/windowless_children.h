// The windowless children of one window (image, label, line) and the stock pointer rules
// the window shares with them. Children paint in the order they were added (later on top)
// and are hit-tested top first; a press goes to the child under the pointer, or to the
// window's own surface when there is none, and that part keeps the pointer until the
// last button is up.
//
// Order of events: MouseDown, MouseUp, then Click (left button, released over the part
// that took the press); a double-click message raises DblClick in place of MouseDown, and
// its release MouseUp without Click. A press captures the pointer and gives the window the
// focus (before MouseDown), so the release is the window's wherever it happens.
//
// Coordinates: the window hands every point in its content area (pixels, (0, 0) at the
// content's top-left corner); the surface hears them so (a MouseEvent in content pixels),
// a child hears twips relative to its own top-left corner (the Windowless contract).
#pragma once

#include <paginor/base.h>

#include "frame/input_event.h"
#include "platform/core/types.h"

#include <vector>

namespace paginor::frame {

using platform::HDC;
using platform::HWND;
using platform::POINT;
using platform::SIZE;
using platform::WPARAM;

class Windowless; // frame/user_control.h

// The shift argument of the host runtime's key events for the keyboard state as the
// message being handled saw it: 1 Shift, 2 Ctrl, 4 Alt.
SHORT shift_state();

class WindowlessChildren {
  public:
    // What the window's own surface hears when no child takes the pointer.
    class Surface {
      public:
        virtual void surface_mouse_down(const MouseEvent& e) = 0;
        virtual void surface_mouse_move(const MouseEvent& e) = 0;
        virtual void surface_mouse_up(const MouseEvent& e) = 0;
        virtual void surface_click() = 0;
        virtual void surface_dbl_click() = 0;

      protected:
        ~Surface() = default;
    };

    // surface must outlive this object.
    explicit WindowlessChildren(Surface& surface) : m_surface(surface) {}
    WindowlessChildren(const WindowlessChildren&) = delete;
    WindowlessChildren& operator=(const WindowlessChildren&) = delete;

    // Adds a child on top of the others. Not owned; it must outlive this object. Null and
    // a child already added are ignored.
    void add(Windowless* child);
    const std::vector<Windowless*>& children() const { return m_children; }

    // Draws the visible children in order into a DC whose origin is the content's.
    void paint(HDC hdc) const;
    // The top-most visible child whose bounds hold the point; null for none.
    Windowless* hit(POINT at) const;

    // True while a button pressed on the window is down.
    bool pressed() const { return m_pressed; }

    // Feeds one message of hwnd: WM_MOUSEMOVE, the button messages and WM_CAPTURECHANGED.
    // at is the message's point in content coordinates, content the content area's size
    // (a release outside it is no click). False, and nothing done, for any other message.
    bool pointer(HWND hwnd, UINT msg, WPARAM wParam, POINT at, SIZE content);

  private:
    void button_down(HWND hwnd, Windowless* target, const MouseEvent& e, bool dbl);
    void button_up(HWND hwnd, const MouseEvent& e, POINT at, SIZE content);

    Surface& m_surface;
    std::vector<Windowless*> m_children{};
    Windowless* m_press_target{nullptr}; // the part that took the press; null = surface
    bool m_pressed{false};
    bool m_in_double_click{false};
};

} // namespace paginor::frame
