// A library control hosted inside another library control: created through the class
// factory as any host creates one, its window a child of the containing control's window,
// placed in twips in that control, run at the containing control's ambient run mode and
// font, and its events delivered to a handler of the containing control (the way a
// control's code handles its children's events). The containing control owns it: the
// child is terminated and released when the container terminates.
#pragma once

#include <paginor/automation.h>

#include "automation/ref.h"
#include "frame/user_control.h"

#include <functional>
#include <span>

namespace paginor::frame {

// The arguments of one event, in declaration order; by-reference arguments are reached
// through, so an assignment answers the sender.
class EventArgs {
  public:
    explicit EventArgs(DISPPARAMS& params) : m_params(params) {}
    size_t size() const { return m_params.cArgs; }
    // The argument's value (the referenced VARIANT for VT_BYREF | VT_VARIANT). Throws
    // RuntimeError 450 for an index past the last argument.
    VARIANT& operator[](size_t index) const;
    // Through a VT_BYREF argument of that type, or the value of a plain one; RuntimeError
    // 13 for an argument of another type, 450 past the last.
    SHORT& i2(size_t index) const;
    float& r4(size_t index) const;
    // A pointer event's arguments (Button, Shift, X, Y, the first four) as one value;
    // throws as i2 and r4.
    MouseEvent mouse() const { return {i2(0), i2(1), r4(2), r4(3)}; }

  private:
    VARIANT& at(size_t index) const;
    DISPPARAMS& m_params;
};

using ChildEventHandler = std::function<void(DISPID event, EventArgs& args)>;

class NestedControl final : private ControlSite {
  public:
    // Creates the control of the class through the factory and runs its lifecycle as a
    // new control (site, init-properties, show, move) inside the container. Throws
    // RuntimeError 429 when the class cannot be created, 5 when it is not a control or
    // the container has no window; whatever the child's lifecycle raises passes through.
    NestedControl(UserControl& container, library::ClassId id, double left, double top,
                  double width, double height, ChildEventHandler on_event);
    // Terminates the child, disconnects its events and releases it.
    ~NestedControl();
    NestedControl(const NestedControl&) = delete;
    NestedControl& operator=(const NestedControl&) = delete;

    // The child's default interface and its frame, borrowed.
    IDispatch* object() const { return m_object.get(); }
    UserControl& control() const { return *m_control; }
    // Places the child in twips in the container.
    void move(double left, double top, double width, double height) {
        m_control->move(left, top, width, height);
    }

    // The extender the container gives the child, as a form gives its controls: place
    // and size in twips of the container (each setter keeps the other three), whether it
    // shows, whether it takes input, and its place among its siblings.
    double Left() const;
    double Top() const;
    double Width() const { return m_control->Width(); }
    double Height() const { return m_control->Height(); }
    void SetLeft(double left) { move(left, Top(), Width(), Height()); }
    void SetTop(double top) { move(Left(), top, Width(), Height()); }
    void SetWidth(double width) { move(Left(), Top(), width, Height()); }
    void SetHeight(double height) { move(Left(), Top(), Width(), height); }
    bool Visible() const { return m_visible; }
    void SetVisible(bool on);
    bool Enabled() const;
    void SetEnabled(bool on);
    // 0 puts it above its siblings, any other value below them.
    void ZOrder(int position = 0);

  private:
    class Sink;
    HWND site_window() override;
    bool ambient_user_mode() override;
    void on_property_changed(IUnknown*, DISPID) override {}
    IDispatch* parent_object() override;
    FontDescription ambient_font() override;
    void connect(const automation::Class& c);
    void release();

    UserControl& m_container;
    Ref<IDispatch> m_object{};
    UserControl* m_control{nullptr};
    Ref<Sink> m_sink{};
    Ref<IConnectionPoint> m_point{};
    DWORD m_cookie{0};
    bool m_visible{true};
};

} // namespace paginor::frame
