// Hover and leave reports for one window: MouseHover when the pointer has rested on it
// for the system hover time, MouseLeave when it has left (or, with the capture
// mechanism, when the top-level parent was deactivated). The mechanism follows the
// running system unless forced:
//   0 the system's pointer-tracking request (NT family from 4, any system from 5)
//   1 the same request through the common-controls library (4.71 or later)
//   2 capturing the pointer and watching every mouse message (anything older)
// The tracker hooks what it needs through MSubclass as an ISubclass handler whose
// MsgResponse is 2 (the window's own procedure runs first). One per control; internal.
#pragma once

#include "tracking/ISubclass.h"

#include <functional>

namespace paginor {

// The owner's side: the tracker's two events, called synchronously from the message
// that reports them. Arguments by reference, as the events declare them.
class MouseTrackListener {
  public:
    // Button: 1 left, 2 right, 4 middle (summed); Shift: 1 Shift, 2 Ctrl (summed);
    // X, Y: client coordinates in pixels.
    virtual void MouseHover(LONG& Button, LONG& Shift, float& X, float& Y) = 0;
    virtual void MouseLeave() = 0;

  protected:
    ~MouseTrackListener() = default;
};

class cMouseTrack final : public Subclass {
  public:
    static constexpr LONG kChooseAutomatically = -1;

    // A new tracker: detached, not tracking, one reference held by the creator.
    cMouseTrack() = default;

    // The listener is not owned; null silences the events.
    void SetListener(MouseTrackListener* listener) { m_listener = listener; }

    // Watches the window of objTo (its property "hwnd"); with the capture mechanism the
    // parent window is objTo's "Parent" object's "hwnd". eForceMethod -1 chooses by the
    // system, 0..2 forces a mechanism, any other value is kept as Method and works as 0.
    // Drops an earlier attachment first; a window handle of 0 hooks nothing. Throws
    // RuntimeError: 424 for a null object, the object's own failure reading "hwnd" or
    // "Parent" (438 when it has no such member), and the MSubclass hook errors.
    void AttachMouseTracking(IDispatch*& objTo, LONG eForceMethod = kChooseAutomatically);
    // The same for a bare handle; the parent window is GetParent(objHwnd).
    void AttachMouseTrackingByHwnd(HWND& objHwnd, LONG eForceMethod = kChooseAutomatically);
    // Asks for the next hover and leave reports; nothing while already tracking. A
    // failure (the common-controls library or its entry missing: 53 / 453) is raised
    // with source "PaginorV2CTL.cMouseTrack", and Tracking stays false.
    void StartMouseTracking();
    // Stops watching: releases a capture it may hold and unhooks. Tracking is kept.
    void DetachMouseTracking() noexcept;

    bool Tracking() const { return m_tracking; }
    LONG Method() const { return m_method; }
    // The watched window (0 when detached) and, for the capture mechanism, its parent.
    HWND WatchedWindow() const { return m_hwnd; }
    HWND ParentWindow() const { return m_parent; }

    // ISubclass: the window's own procedure runs first; assignments are ignored.
    LONG get_MsgResponse() override { return 2; }
    void put_MsgResponse(LONG) override {}
    LRESULT WindowProc(HWND hwnd, UINT iMsg, WPARAM wParam, LPARAM lParam) override;

  private:
    ~cMouseTrack() override;

    void choose_method(LONG eForceMethod);
    void choose_automatically();
    void attach(HWND hwnd, const std::function<HWND()>& parent_of);
    void on_pointer_message(UINT iMsg, LPARAM lParam);
    void leave();

    bool m_tracking{false};
    HWND m_hwnd{0};
    HWND m_parent{0};
    LONG m_method{0};
    bool m_common_controls{false};
    bool m_capture{false};
    bool m_hooked_capture{false}; // what the current attachment hooked, for detaching
    MouseTrackListener* m_listener{nullptr};
};

} // namespace paginor
