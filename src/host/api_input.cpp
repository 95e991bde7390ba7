// Input for hosts outside the library: pointer, buttons, keys and typed text in form
// client pixels, queued as the desktop queues them and delivered by PaginorDoEvents.
#include "host/api.h"

#include "platform/window/input.h"
#include "platform/window/window.h"

namespace pf = paginor::platform;
namespace api = paginor::host::api;
using HostForm = paginor::host::Form;

namespace {

// The form the input is for, active, so its keys reach it.
HostForm& input_form(PaginorForm* form) {
    HostForm& f = api::form_of(form);
    if (pf::GetActiveWindow() != f.hwnd())
        pf::SetActiveWindow(f.hwnd());
    return f;
}

} // namespace

HRESULT PaginorFormMouse(PaginorForm* form, LONG x, LONG y) {
    return api::call([&] {
        HostForm& f = input_form(form);
        pf::RECT client{};
        pf::GetClientRect(f.hwnd(), &client);
        pf::POINT pt{x, y};
        if (!pf::PtInRect(&client, pt))
            api::fail(E_INVALIDARG, u"The point is outside the form");
        api::bring_to_front(f);
        pf::ClientToScreen(f.hwnd(), &pt);
        pf::Input::moveTo(pt.x, pt.y);
    });
}

HRESULT PaginorFormButton(PaginorForm* form, SHORT button, BOOL down) {
    return api::call([&] {
        input_form(form);
        static constexpr pf::MouseButton kButtons[] = {
            pf::MouseButton::Left, pf::MouseButton::Right, pf::MouseButton::Middle};
        const int index = button == 1 ? 0 : button == 2 ? 1 : button == 4 ? 2 : -1;
        if (index < 0)
            api::fail(E_INVALIDARG, u"A button is 1 (left), 2 (right) or 4 (middle)");
        down ? pf::Input::press(kButtons[index]) : pf::Input::release(kButtons[index]);
    });
}

HRESULT PaginorFormKey(PaginorForm* form, SHORT keyCode, BOOL down) {
    return api::call([&] {
        input_form(form);
        if (keyCode < 1 || keyCode > 254)
            api::fail(E_INVALIDARG, u"A key code is 1 to 254");
        down ? pf::Input::keyDown(keyCode) : pf::Input::keyUp(keyCode);
    });
}

HRESULT PaginorFormType(PaginorForm* form, const OLECHAR* text) {
    return api::call([&] {
        input_form(form);
        for (char16_t c : api::text_arg(text, u"text"))
            pf::Input::type(c);
    });
}
