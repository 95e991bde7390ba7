#include "host/api.h"

#include "platform/window/window.h"

#include <algorithm>
#include <atomic>
#include <map>
#include <thread>

namespace paginor::host::api {

namespace {

// Handles are numbers, never addresses, so a closed form's handle can never come to
// name a later form that happens to live at the same address.
struct OpenForms {
    std::map<uintptr_t, std::unique_ptr<Form>> forms;
    uintptr_t next = 0x1000;
};

// Never destroyed: a form a host left open at exit must not be torn down after the
// window system it lives in.
OpenForms& open_forms() {
    static OpenForms* const forms = new OpenForms;
    return *forms;
}

} // namespace

bool on_ui_thread() {
    static std::atomic<std::thread::id> owner{};
    std::thread::id none{};
    const std::thread::id me = std::this_thread::get_id();
    return owner.compare_exchange_strong(none, me) || none == me;
}

void fail(HRESULT hr, std::u16string description) {
    throw RuntimeError(hr, hr, std::u16string(kSource), std::move(description));
}

Form& form_of(PaginorForm* handle) {
    if (!handle)
        fail(E_POINTER, u"No form");
    auto& table = open_forms().forms;
    const auto it = table.find(reinterpret_cast<uintptr_t>(handle));
    if (it == table.end())
        fail(E_HANDLE, u"The form is closed");
    return *it->second;
}

PaginorForm* open_form(std::unique_ptr<Form> form) {
    OpenForms& open = open_forms();
    const uintptr_t id = open.next;
    open.next += 0x10;
    open.forms.emplace(id, std::move(form));
    return reinterpret_cast<PaginorForm*>(id);
}

void bring_to_front(Form& form) {
    const auto& table = open_forms().forms;
    for (HWND top : platform::GetChildWindows(0)) {
        if (top == form.hwnd())
            return;
        const bool is_form = std::any_of(table.begin(), table.end(),
                                         [top](const auto& f) { return f.second->hwnd() == top; });
        if (!is_form)
            continue;
        // Another form is above this one: lift this one over everything.
        platform::SetWindowPos(form.hwnd(), platform::HWND_TOP, 0, 0, 0, 0,
                               platform::SWP_NOMOVE | platform::SWP_NOSIZE);
        return;
    }
}

std::unique_ptr<Form> close_form(PaginorForm* handle) {
    auto& table = open_forms().forms;
    const auto it = table.find(reinterpret_cast<uintptr_t>(handle));
    if (it == table.end())
        return nullptr;
    std::unique_ptr<Form> form = std::move(it->second);
    table.erase(it);
    return form;
}

std::u16string_view text_arg(const OLECHAR* text, std::u16string_view what) {
    if (!text)
        fail(E_POINTER, u"No " + std::u16string(what));
    return text;
}

frame::UserControl& control_of(Form& form, const OLECHAR* name) {
    IDispatch* control = form.control(text_arg(name, u"control name"));
    if (!control)
        fail(E_INVALIDARG, u"The form has no control named '" + std::u16string(name) + u"'");
    return *frame::UserControl::from(control);
}

} // namespace paginor::host::api
