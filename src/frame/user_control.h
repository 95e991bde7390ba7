// The base that makes a class of the library a control: its own window (a child of the
// host's form window or of a containing control's), its size in twips, its background and
// persistent drawing surface, the ambient run mode and font, property change
// notifications, the lifecycle, library controls nested inside it, and the host runtime's
// control events translated from the window's messages.
//
// Lifecycle, driven by the host through the calls below, in this order:
//   site()            creates the (hidden) window            -> UserControl_Initialize
//   init_properties() a new control, or
//   read_properties() a saved one, with the host's bag       -> InitProperties / ReadProperties
//   show()            first sizes it at the sited size       -> UserControl_Resize
//                     (once, unless a move already did), then
//                     shows the window                       -> UserControl_Show
//   move()            places and sizes it                    -> UserControl_Resize
//   (DoEvents)        paints invalidated controls            -> UserControl_Paint
//   write_properties() whenever the host saves               -> WriteProperties
//   terminate()       destroys the window                    -> UserControl_Terminate
// Invalidation (refresh()) only marks the window; the paint happens at the next DoEvents,
// so any number of changes between two pumps paint once.
//
// Input: a press captures the pointer until the last button is up, so the release
// belongs to the control (and to the windowless child that took the press) wherever it
// happens. Events: MouseDown, MouseUp, then Click (left button, released over the same
// part); a second press within the double-click time raises DblClick in place of
// MouseDown, and its release MouseUp without Click. Coordinates are twips. A key pressed
// in the control goes to the site first (ControlSite::translate_accelerator): Enter or Esc
// that the host hands to its default or cancel button is not heard by the control,
// neither its KeyDown nor its character.
//
// Lifetime: while the control handles a message of its window (any handler above, from
// Show to KeyUp) it holds a reference to itself, as its automation members do, so a
// handler that reaches a host that lets the control go (an event, a pumped message)
// still ends on a live control.
#pragma once

#include <paginor/base.h>

#include "frame/input_event.h"
#include "frame/property_bag.h"
#include "frame/std_font.h"
#include "frame/windowless_children.h"
#include "library/classes.h"
#include "platform/core/types.h"

#include <functional>
#include <memory>
#include <string_view>
#include <vector>

namespace paginor::frame {

using platform::HDC;
using platform::HWND;
using platform::LPARAM;
using platform::LRESULT;
using platform::POINT;
using platform::RECT;
using platform::WPARAM;

class UserControl;

// What a control asks of the host that sites it.
class ControlSite {
  public:
    // The window the control's window is a child of.
    virtual HWND site_window() = 0;
    // True at run time, false in a designer.
    virtual bool ambient_user_mode() = 0;
    // The control marked a property changed; dispid is the member's, -1 for a name that
    // is no member of the control's interface.
    virtual void on_property_changed(IUnknown* control, DISPID dispid) = 0;
    // The container object the control's Parent answers (borrowed); may be null.
    virtual IDispatch* parent_object() { return nullptr; }
    // The font a new control starts with.
    virtual FontDescription ambient_font() { return {}; }
    // A key pressed in the control before the control sees it: true when the host took
    // it (Enter for its default button, Esc for its cancel button), and the control then
    // hears neither its KeyDown nor the character it makes.
    virtual bool translate_accelerator(UserControl& /*focus*/, SHORT /*key*/) { return false; }

  protected:
    ~ControlSite() = default;
};

// A child without a window (image, label, line) drawn by its control and given the
// pointer input that lands on it. Handlers are optional; coordinates are twips relative
// to the child's top-left corner.
class Windowless {
  public:
    virtual ~Windowless() = default;
    // Where the child lies in its control, pixels; an empty rectangle takes no input.
    virtual RECT bounds() const = 0;
    virtual bool visible() const { return true; }
    // Draws into the control's DC (control coordinates).
    virtual void paint(HDC hdc) = 0;

    std::function<void(const MouseEvent&)> on_mouse_down;
    std::function<void(const MouseEvent&)> on_mouse_move;
    std::function<void(const MouseEvent&)> on_mouse_up;
    std::function<void()> on_click;
    std::function<void()> on_dbl_click;
};

class DrawingSurface;
class NestedControl;
class EventArgs;

class UserControl : private WindowlessChildren::Surface {
  public:
    // The UserControl behind an object of the library, borrowed (no reference added);
    // null for null or an object that is not a control.
    static UserControl* from(IUnknown* object);

    // --- The host's side -------------------------------------------------------------
    // Creates the control's window as a hidden child of the site's window at the twips
    // rectangle, then runs UserControl_Initialize. Throws RuntimeError 5 when the control
    // is already sited or the site has no window.
    void site(ControlSite* site, double left, double top, double width, double height);
    void init_properties();
    // Exceptions of the control's reading reach the caller; controls that tolerate
    // damaged bags catch them themselves.
    void read_properties(const PropertyBag& bag);
    void write_properties(PropertyBag& bag);
    // Raises the first Resize at the sited size when no move has raised one yet, then
    // shows the window.
    void show();
    // Places the control in twips (rounded to pixels by the one rule of twips.h); raises
    // Resize when the size changes. Ignored before site().
    void move(double left, double top, double width, double height);
    // Runs UserControl_Terminate and destroys the window; a second call does nothing.
    void terminate();
    // The host hands the control an access key: 13 (Enter) while it is the form's default
    // button and another control has the focus, 27 (Esc) while it is the cancel button.
    // Runs UserControl_AccessKeyPress holding the control alive; ignored once terminated.
    void access_key(SHORT ascii);

    // --- Both sides ------------------------------------------------------------------
    HWND hwnd() const { return m_hwnd; }
    // Extent in twips (pixels times the current twips per pixel), inner size in pixels.
    double Width() const;
    double Height() const;
    int ScaleWidth() const;
    int ScaleHeight() const;
    OLE_COLOR BackColor() const { return m_back_color; }
    void SetBackColor(OLE_COLOR colour);
    // The ambient run mode; true (run time) while no site says otherwise.
    bool UserMode() const;
    IDispatch* Parent() const;
    // The site's ambient font; the default description while not sited.
    FontDescription AmbientFont() const;
    // Tells the host (once sited) and the sinks of the control's property-notification
    // point (always) that a property changed, with the DISPID of the member of that name on
    // the control's interface (-1 for no such member).
    void PropertyChanged(std::u16string_view name);
    // Marks the whole control for repainting at the next DoEvents.
    void refresh();
    // The control's persistent drawing surface: what is drawn on it stays until cleared
    // and shows under the windowless children at every paint. It takes the control's
    // size and BackColor, and starts with the site's ambient font.
    DrawingSurface& surface();

    virtual IUnknown* control_unknown() = 0;
    virtual const automation::Class& control_class() const = 0;

  protected:
    UserControl();
    virtual ~UserControl();
    UserControl(const UserControl&) = delete;
    UserControl& operator=(const UserControl&) = delete;

    // Windowless children, painted in this order (later on top), hit-tested top first.
    // Not owned; each must outlive the control's window.
    void add_windowless(Windowless* child) { m_children.add(child); }
    // Creates a library control of the class inside this one through the class factory,
    // at the twips rectangle, run as a new control, its events given to on_event; the
    // control owns it until it terminates (children go last added first, after
    // UserControl_Terminate). Throws as NestedControl's constructor, and RuntimeError 5
    // before site().
    NestedControl& add_control(library::ClassId id, double left, double top, double width,
                               double height, std::function<void(DISPID, EventArgs&)> on_event);
    // The control sizes itself in twips (a negative length keeps that side), raising
    // Resize when the size changes. Set while the control is being made (Initialize,
    // InitProperties, ReadProperties, Show), the size outlasts the host's first placement
    // after show; the host's later sizes hold. Ignored before site().
    void set_own_size(double width, double height);
    // For the control's QueryInterface: answers the private identifier that from()
    // asks for (adding a reference); false for any other identifier.
    bool answer_self(REFIID riid, void** ppv);
    // Every message of the control's window is shown to relay after the control handled it (a
    // tool-tip watches the pointer this way); an empty function stops it.
    void set_message_relay(std::function<void(UINT, WPARAM, LPARAM)> relay) {
        m_relay = std::move(relay);
    }

    // Where PropertyChanged reaches the control's own property-notification sinks; the
    // control's class (frame::Control) holds them.
    virtual void property_changed(DISPID /*member*/) {}

    virtual void UserControl_Initialize() {}
    virtual void UserControl_InitProperties() {}
    virtual void UserControl_ReadProperties(const PropertyBag&) {}
    virtual void UserControl_WriteProperties(PropertyBag&) {}
    virtual void UserControl_Show() {}
    virtual void UserControl_Resize() {}
    // After the drawing surface is shown and the windowless children drawn over it.
    virtual void UserControl_Paint(HDC) {}
    virtual void UserControl_Terminate() {}
    virtual void UserControl_MouseDown(const MouseEvent&) {}
    virtual void UserControl_MouseMove(const MouseEvent&) {}
    virtual void UserControl_MouseUp(const MouseEvent&) {}
    virtual void UserControl_Click() {}
    virtual void UserControl_DblClick() {}
    virtual void UserControl_KeyDown(KeyEvent&) {}
    virtual void UserControl_KeyPress(SHORT& /*ascii*/) {}
    virtual void UserControl_KeyUp(KeyEvent&) {}
    virtual void UserControl_AccessKeyPress(SHORT& /*ascii*/) {}
    virtual void UserControl_EnterFocus() {}
    virtual void UserControl_ExitFocus() {}

  private:
    static LRESULT window_proc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
    LRESULT handle(UINT msg, WPARAM wParam, LPARAM lParam);
    LRESULT respond(UINT msg, WPARAM wParam, LPARAM lParam);
    void paint();
    void resize();
    void surface_mouse_down(const MouseEvent& e) override;
    void surface_mouse_move(const MouseEvent& e) override;
    void surface_mouse_up(const MouseEvent& e) override;
    void surface_click() override { UserControl_Click(); }
    void surface_dbl_click() override { UserControl_DblClick(); }

    ControlSite* m_site{nullptr};
    HWND m_hwnd{0};
    OLE_COLOR m_back_color{0x8000000F};
    WindowlessChildren m_children{*this};
    std::unique_ptr<DrawingSurface> m_surface{};
    std::vector<std::unique_ptr<NestedControl>> m_nested{};
    bool m_terminated{false};
    bool m_resized{false};  // a Resize was raised since the control was sited
    bool m_shown{false};    // show() ran
    bool m_placed{false};   // the host placed it after show
    double m_own_width{-1}; // twips the control chose for itself while being made; -1 none
    double m_own_height{-1};
    SHORT m_taken_char{0}; // the character of a key the host took, not to be heard
    std::function<void(UINT, WPARAM, LPARAM)> m_relay{};
};

} // namespace paginor::frame
