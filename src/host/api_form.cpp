// Forms and the controls on them, for hosts outside the library.
#include "host/api.h"

#include "automation/ref.h"
#include "frame/form_file.h"
#include "frame/twips.h"
#include "platform/core/unicode.h"
#include "platform/files/file.h"
#include "platform/window/window.h"

#include <cstdio>

namespace pf = paginor::platform;
using namespace paginor;
namespace api = paginor::host::api;
using HostForm = paginor::host::Form;

namespace {

constexpr LONG kLargestPixels = 32767;

void check_size(LONG width, LONG height) {
    const int w = frame::twips_to_pixels(width, frame::Axis::Across);
    const int h = frame::twips_to_pixels(height, frame::Axis::Down);
    if (w < 1 || h < 1 || w > kLargestPixels || h > kLargestPixels)
        api::fail(E_INVALIDARG, u"A form is 1 to 32767 pixels each way");
}

void show(HostForm& form) {
    pf::ShowWindow(form.hwnd(), pf::SW_SHOW);
    pf::SetActiveWindow(form.hwnd());
}

frame::FormRecord read_record(const char* path) {
    const std::string text = pf::read_file_bytes(from_utf8(path));
    frame::FormRecord record;
    const frame::FormFileResult read = frame::read_form_file(text, record);
    if (!read.ok())
        raise_standard(std_error::InvalidPropertyValue, std::u16string(api::kSource),
                       from_utf8(path) + u", line " + from_utf8(std::to_string(read.line)) + u" (" +
                           read.entry + u"): " + read.description);
    return record;
}

void write_text(const char* path, const std::string& text) {
    std::FILE* file = std::fopen(path, "wb");
    const bool written = file && std::fwrite(text.data(), 1, text.size(), file) == text.size();
    if ((file && std::fclose(file) != 0) || !written)
        raise_standard(std_error::PathFileAccessError, std::u16string(api::kSource),
                       u"Cannot write " + from_utf8(path));
}

} // namespace

HRESULT PaginorFormCreate(const OLECHAR* name, LONG width, LONG height, BOOL userMode,
                          PaginorForm** form) {
    return api::call([&] {
        if (!form)
            api::fail(E_POINTER, u"No place for the form");
        *form = nullptr;
        check_size(width, height);
        const std::u16string title = name && *name ? name : u"Form1";
        auto made = std::make_unique<HostForm>(title, width, height, 0x8000000F, userMode != 0);
        show(*made);
        *form = api::open_form(std::move(made));
    });
}

HRESULT PaginorFormLoad(const char* path, BOOL userMode, PaginorForm** form) {
    return api::call([&] {
        if (!form || !path)
            api::fail(E_POINTER, u"No path or no place for the form");
        *form = nullptr;
        std::unique_ptr<HostForm> made = HostForm::load(read_record(path), userMode != 0);
        show(*made);
        *form = api::open_form(std::move(made));
    });
}

HRESULT PaginorFormSave(PaginorForm* form, const char* path) {
    return api::call([&] {
        HostForm& f = api::form_of(form);
        if (!path)
            api::fail(E_POINTER, u"No path");
        write_text(path, frame::write_form_file(f.save()));
    });
}

void PaginorFormClose(PaginorForm* form) {
    api::call([form] { api::close_form(form).reset(); });
}

HRESULT PaginorFormAdd(PaginorForm* form, const OLECHAR* progid, const OLECHAR* name, LONG left,
                       LONG top, LONG width, LONG height, IDispatch** control) {
    return api::call([&] {
        if (control)
            *control = nullptr;
        HostForm& f = api::form_of(form);
        IDispatch* added = f.add(api::text_arg(progid, u"ProgID"), api::text_arg(name, u"name"),
                                 left, top, width, height);
        if (control)
            *control = Ref<IDispatch>(added).detach();
    });
}

HRESULT PaginorFormControl(PaginorForm* form, const OLECHAR* name, IDispatch** control) {
    return api::call([&] {
        if (!control)
            api::fail(E_POINTER, u"No place for the control");
        *control = nullptr;
        HostForm& f = api::form_of(form);
        api::control_of(f, name);
        *control = Ref<IDispatch>(f.control(name)).detach();
    });
}

HRESULT PaginorFormMove(PaginorForm* form, const OLECHAR* name, LONG left, LONG top, LONG width,
                        LONG height) {
    return api::call(
        [&] { api::control_of(api::form_of(form), name).move(left, top, width, height); });
}

HRESULT PaginorFormDefaultButton(PaginorForm* form, const OLECHAR* name, BOOL cancel) {
    return api::call([&] {
        HostForm& f = api::form_of(form);
        const std::u16string_view text = name ? std::u16string_view(name) : u"";
        if (!text.empty())
            api::control_of(f, name);
        f.set_default_button(text, cancel != 0);
    });
}

HRESULT PaginorFormFocus(PaginorForm* form, const OLECHAR* name) {
    return api::call([&] {
        HostForm& f = api::form_of(form);
        frame::UserControl& control = api::control_of(f, name);
        pf::SetActiveWindow(f.hwnd());
        pf::SetFocus(control.hwnd());
    });
}
