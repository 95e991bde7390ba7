// A class of the library that is a control: an automation object (Automation<I>) that is
// also a UserControl, answering the frame's private identifier so that a host of the
// library can site it and run its lifecycle. Every member of I answers "not built" (see
// library/not_built.h) until the control overrides it. Besides its event point, every
// control offers the standard property-notification point: each PropertyChanged reaches
// its sinks, sited or not.
//
//   class O2007Hover final : public frame::Control<_O2007Hover> { ... };
#pragma once

#include "automation/object.h"
#include "automation/property_notify.h"
#include "frame/user_control.h"
#include "library/classes.h"
#include "library/not_built.h"

namespace paginor::frame {

template <class I>
class Control : public library::NotBuilt<I, automation::Automation<I>>, public UserControl {
  public:
    HRESULT QueryInterface(REFIID riid, void** ppv) override {
        if (ppv && answer_self(riid, ppv))
            return S_OK;
        return automation::Automation<I>::QueryInterface(riid, ppv);
    }
    IUnknown* control_unknown() override { return static_cast<I*>(this); }
    const automation::Class& control_class() const override { return this->class_info(); }

  protected:
    explicit Control(library::ClassId id)
        : library::NotBuilt<I, automation::Automation<I>>(library::class_entry(id)) {}

  private:
    automation::SinkPoint* second_point() override { return &m_notify; }
    void property_changed(DISPID member) override { m_notify.changed(member); }

    automation::PropertyNotifyPoint m_notify{*this}; // lets its sinks go when the control goes
};

} // namespace paginor::frame
