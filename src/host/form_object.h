// The form as its controls see it: the Parent object every control of a form answers,
// late-bound only. A control's layout walks Parent.Controls in form order and reads each
// neighbour's type name and its container's BackColor, as a host runtime's form offers.
//
//   Parent          Name, BackColor, hwnd, Controls
//   Parent.Controls Count, Item(index) (0-based, form order; the default member),
//                   _NewEnum (For Each: an enumerator of the extenders in form order)
//   Controls(i)     an extender: Name, TypeName ("O2007Hover"), Container (the form's
//                   object, or the containing control's own IDispatch), Object (the control)
//
// The objects are counted like every object of the library, so DllCanUnloadNow waits for
// them, but none keeps the form alive: once the form is destroyed every member of an
// object still held answers E_UNEXPECTED (with error info) instead of reaching it.
#pragma once

#include "automation/named_dispatch.h"
#include "host/form_view.h"

#include <string>
#include <string_view>

namespace paginor::host {

class FormObject final : public automation::NamedDispatch {
  public:
    // The object of a live form, holding one reference (the form's).
    static FormObject* create(const FormView& form);
    // The form goes: every member of this object and of the collections and extenders
    // made from it answers E_UNEXPECTED from now on. A second call does nothing.
    void detach() { m_form = nullptr; }
    // The form, or null once detached.
    const FormView* form() const { return m_form; }

    // Reads of Name (BSTR), BackColor (VT_I4, the OLE colour as stored), hwnd (VT_I4) and
    // Controls (VT_DISPATCH, a new collection object). DISP_E_MEMBERNOTFOUND for writes
    // and other members; E_UNEXPECTED once the form is gone.
    HRESULT Invoke(DISPID id, REFIID, LCID, WORD flags, DISPPARAMS* params, VARIANT* result,
                   EXCEPINFO* excep, UINT* arg_err) override;

  private:
    explicit FormObject(const FormView& form);
    ~FormObject() override;

    const FormView* m_form;
};

} // namespace paginor::host
