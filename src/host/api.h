// What every function of the public host API shares: the user-interface thread, the
// boundary where errors become HRESULTs with error info, and the table of open forms.
#pragma once

#include <paginor/form.h>

#include "automation/error_info.h"
#include "host/form.h"

#include <string_view>

namespace paginor::host::api {

constexpr std::u16string_view kSource = u"PaginorV2CTL.Host";

// True on the user-interface thread: the first thread that asked owns it from then on.
bool on_ui_thread();

// Runs body at the boundary on the user-interface thread: RPC_E_WRONG_THREAD (with error
// info) on any other, otherwise as automation::guarded does.
template <class F> HRESULT call(F&& body) noexcept {
    if (!on_ui_thread())
        return automation::report(RPC_E_WRONG_THREAD, kSource,
                                  u"The window system belongs to another thread");
    return automation::guarded(kSource, std::forward<F>(body));
}

// Throws RuntimeError hr with error info's description.
[[noreturn]] void fail(HRESULT hr, std::u16string description);

// The open form a handle names. Throws E_POINTER for null, E_HANDLE for a closed form or
// a value that never named one.
Form& form_of(PaginorForm* handle);
// A new handle for form (never one used before).
PaginorForm* open_form(std::unique_ptr<Form> form);
// Raises form above every other open form (but not above the pop-ups and tips of its
// own), so pointer input at its points reaches it.
void bring_to_front(Form& form);
// Takes the form out of the table (null for a handle that is not open).
std::unique_ptr<Form> close_form(PaginorForm* handle);

// Text a caller passed: E_POINTER (naming what) for null.
std::u16string_view text_arg(const OLECHAR* text, std::u16string_view what);
// The named control's own side. E_INVALIDARG naming it when the form has none.
frame::UserControl& control_of(Form& form, const OLECHAR* name);

} // namespace paginor::host::api
