// What a form shows of itself to its automation object (form_object.h): its name, colour,
// window and controls in form order. The form implements it and makes the object; the
// object reads the form only through it, so neither of the two knows the other's header.
#pragma once

#include <paginor/base.h>

#include "automation/ref.h"
#include "frame/user_control.h"

#include <string>
#include <string_view>
#include <vector>

namespace paginor::host {

using platform::HWND;

// One control of a form.
struct FormEntry {
    std::u16string name;
    std::u16string progid;
    std::u16string type_name;            // the class name: "O2007Hover"
    std::u16string container;            // empty: the form
    automation::Ref<IDispatch> object{}; // the form's reference
    frame::UserControl* control{nullptr};
};

class FormView {
  public:
    virtual const std::u16string& name() const = 0;
    virtual OLE_COLOR back_color() const = 0;
    virtual HWND hwnd() const = 0;
    virtual const std::vector<FormEntry>& controls() const = 0;
    // Borrowed; null when no control has the name (case ignored).
    virtual IDispatch* control(std::u16string_view name) const = 0;

  protected:
    ~FormView() = default;
};

} // namespace paginor::host
