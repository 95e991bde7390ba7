// A class of the library that is a control: an automation object (Automation<I>) that is
// also a UserControl, answering the frame's private identifier so that a host of the
// library can site it and run its lifecycle. Every member of I answers "not built" (see
// library/not_built.h) until the control overrides it.
//
//   class O2007Hover final : public frame::Control<_O2007Hover> { ... };
#pragma once

#include "automation/object.h"
#include "frame/user_control.h"
#include "library/classes.h"
#include "library/not_built.h"

namespace paginor::frame {

template <class I> class Control : public NotBuilt<I, Automation<I>>, public UserControl {
  public:
    HRESULT QueryInterface(REFIID riid, void** ppv) override {
        if (ppv && answer_self(riid, ppv))
            return S_OK;
        return Automation<I>::QueryInterface(riid, ppv);
    }
    IUnknown* control_unknown() override { return static_cast<I*>(this); }
    const Class& control_class() const override { return this->class_info(); }

  protected:
    explicit Control(ClassId id) : NotBuilt<I, Automation<I>>(class_entry(id)) {}
};

} // namespace paginor::frame
