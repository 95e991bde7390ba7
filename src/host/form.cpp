#include "host/form.h"

#include <paginor/host.h>

#include "automation/type_library.h"
#include "frame/tab_order.h"
#include "frame/twips.h"
#include "frame/windowless_children.h"
#include "host/form_object.h"
#include "library/class_catalog.h"
#include "platform/core/error.h"
#include "platform/core/unicode.h"
#include "platform/raster/bitmap.h"
#include "platform/raster/colour.h"
#include "platform/raster/raster.h"
#include "platform/window/dc_window.h"
#include "platform/window/message.h"
#include "platform/window/window.h"

#include <algorithm>

namespace paginor::host {

namespace pf = platform;

namespace {

constexpr std::u16string_view kSource = u"PaginorV2CTL.Form";
constexpr std::u16string_view kPrefix = u"PaginorV2CTL.";

[[noreturn]] void cannot_create(std::u16string_view progid) {
    raise_standard(std_error::CannotCreateObject, std::u16string(kSource),
                   std::u16string(standard_error_text(std_error::CannotCreateObject)) + u": " +
                       std::u16string(progid));
}

// A class of this library through its own class factory; any other ProgID through the
// registry, the way a host creates an object it knows only by name.
automation::Ref<IDispatch> create(std::u16string_view progid) {
    const automation::Class* c = nullptr;
    if (progid.size() > kPrefix.size() &&
        equals_ignore_case(progid.substr(0, kPrefix.size()), kPrefix))
        c = library::type_library().find_class(progid.substr(kPrefix.size()));
    if (c && c->kind != automation::ClassKind::Control)
        raise_standard(std_error::InvalidProcedureCall, std::u16string(kSource),
                       std::u16string(progid) + u" is not a control");
    if (c)
        return library::create_through_factory(*c, kSource);
    automation::Ref<IDispatch> object;
    const std::u16string text(progid);
    if (FAILED(PaginorCreateObject(text.c_str(), IID_IDispatch, object.put_void())))
        cannot_create(progid);
    return object;
}

} // namespace

class Form::Site final : public frame::ControlSite {
  public:
    Site(Form& form, HWND parent) : m_form(form), m_parent(parent) {}
    HWND site_window() override { return m_parent; }
    bool ambient_user_mode() override { return m_form.m_user_mode; }
    void on_property_changed(IUnknown* control, DISPID dispid) override {
        m_form.note_change(control, dispid);
    }
    IDispatch* parent_object() override { return m_form.m_object.get(); }
    frame::FontDescription ambient_font() override { return m_form.m_ambient_font; }
    bool translate_accelerator(frame::UserControl& focus, SHORT key) override {
        return m_form.dialog_key(focus.hwnd(), key);
    }

  private:
    Form& m_form;
    HWND m_parent;
};

Form::Form(std::u16string name, double width, double height, OLE_COLOR back_color, bool user_mode)
    : m_name(std::move(name)), m_back_color(back_color), m_user_mode(user_mode) {
    pf::WindowDesc desc;
    desc.rect = {0, 0, frame::twips_to_pixels(width, frame::Axis::Across),
                 frame::twips_to_pixels(height, frame::Axis::Down)};
    desc.proc = &Form::form_proc;
    desc.userdata = reinterpret_cast<pf::LONG_PTR>(this);
    m_hwnd = pf::CreateWindow(desc);
    m_object = automation::Ref<FormObject>::adopt(FormObject::create(*this));
}

Form::~Form() {
    // A control walking Parent.Controls while it terminates sees only the live ones.
    while (!m_entries.empty()) {
        m_entries.back().control->terminate();
        automation::Ref<IDispatch> object = std::move(m_entries.back().object);
        m_entries.pop_back();
        object.reset();
    }
    m_object->detach();
    m_object.reset();
    pf::SetWindowLongPtr(m_hwnd, pf::GWLP_USERDATA, 0);
    pf::DestroyWindow(m_hwnd);
}

pf::LRESULT Form::form_proc(HWND hwnd, UINT msg, pf::WPARAM wParam, pf::LPARAM) {
    auto* self = reinterpret_cast<Form*>(pf::GetWindowLongPtr(hwnd, pf::GWLP_USERDATA));
    if (self && msg == pf::WM_KEYDOWN && wParam == pf::VK_TAB) // into the form's tab order
        frame::tab_from(hwnd, (frame::shift_state() & 1) != 0);
    else if (self && msg == pf::WM_KEYDOWN) // the form itself has the focus
        self->dialog_key(0, static_cast<SHORT>(wParam));
    if (msg != pf::WM_PAINT || !self)
        return 0;
    const pf::HDC hdc = pf::GetDC(hwnd);
    pf::COLORREF back = 0;
    pf::OleTranslateColor(self->m_back_color, 0, &back);
    pf::RECT r{};
    pf::GetClientRect(hwnd, &r);
    pf::fill_solid(hdc, r, back);
    pf::ReleaseDC(hwnd, hdc);
    return 0;
}

IDispatch* Form::add(std::u16string_view progid, std::u16string_view name, double left, double top,
                     double width, double height, const frame::PropertyBag* bag,
                     std::u16string_view container) {
    if (name.empty() || control(name))
        raise_standard(std_error::InvalidProcedureCall, std::u16string(kSource),
                       u"The form already has a control named '" + std::u16string(name) + u"'");
    HWND parent = m_hwnd;
    if (!container.empty()) {
        IDispatch* holder = control(container);
        if (!holder)
            raise_standard(std_error::InvalidProcedureCall, std::u16string(kSource),
                           u"No container named '" + std::u16string(container) + u"'");
        parent = frame::UserControl::from(holder)->hwnd();
    }
    automation::Ref<IDispatch> object = create(progid);
    frame::UserControl* uc = frame::UserControl::from(object.get());
    if (!uc)
        raise_standard(std_error::InvalidProcedureCall, std::u16string(kSource),
                       std::u16string(progid) + u" is not a control");
    const automation::Class& c = uc->control_class();
    IDispatch* const added = object.get();
    m_sites.push_back(std::make_unique<Site>(*this, parent));
    m_entries.push_back({std::u16string(name), c.progid(), std::u16string(c.name),
                         std::u16string(container), std::move(object), uc});
    uc->site(m_sites.back().get(), left, top, width, height);
    if (bag)
        uc->read_properties(*bag);
    else
        uc->init_properties();
    uc->show();
    uc->move(left, top, width, height);
    return added;
}

IDispatch* Form::object() const {
    return m_object.get();
}

IDispatch* Form::control(std::u16string_view name) const {
    for (const Entry& e : m_entries)
        if (equals_ignore_case(e.name, name))
            return e.object.get();
    return nullptr;
}

void Form::set_default_button(std::u16string_view name, bool cancel) {
    if (!name.empty() && !control(name))
        raise_standard(std_error::InvalidProcedureCall, std::u16string(kSource),
                       u"The form has no control named '" + std::u16string(name) + u"'");
    (cancel ? m_cancel : m_default) = std::u16string(name);
}

bool Form::dialog_key(HWND focus, SHORT key) {
    const std::u16string* name = key == pf::VK_RETURN   ? &m_default
                                 : key == pf::VK_ESCAPE ? &m_cancel
                                                        : nullptr;
    if (!name || name->empty())
        return false;
    // Held for the call: the button's Click may close the form.
    const automation::Ref<IDispatch> object(control(*name));
    frame::UserControl* const button = frame::UserControl::from(object.get());
    if (!button || button->hwnd() == focus || !pf::IsWindowEnabled(button->hwnd()))
        return false;
    button->access_key(key == pf::VK_RETURN ? 13 : 27);
    return true;
}

void Form::note_change(IUnknown* control, DISPID dispid) {
    for (const Entry& e : m_entries)
        if (e.control->control_unknown() == control)
            m_changes.push_back({e.name, dispid});
}

frame::FormRecord Form::save() {
    frame::FormRecord record;
    record.name = m_name;
    pf::RECT r{};
    pf::GetClientRect(m_hwnd, &r);
    record.width = frame::pixels_to_twips(r.right, frame::Axis::Across);
    record.height = frame::pixels_to_twips(r.bottom, frame::Axis::Down);
    record.back_color = m_back_color;
    for (const Entry& e : m_entries) {
        frame::FormControlRecord c;
        c.progid = e.progid;
        c.name = e.name;
        c.container = e.container;
        pf::RECT w{};
        pf::GetWindowRect(e.control->hwnd(), &w);
        pf::POINT origin{w.left, w.top};
        pf::ScreenToClient(pf::GetParent(e.control->hwnd()), &origin);
        c.left = frame::pixels_to_twips(origin.x, frame::Axis::Across);
        c.top = frame::pixels_to_twips(origin.y, frame::Axis::Down);
        c.width = e.control->Width();
        c.height = e.control->Height();
        e.control->write_properties(c.bag);
        record.controls.push_back(std::move(c));
    }
    m_changes.clear();
    return record;
}

std::unique_ptr<Form> Form::load(const frame::FormRecord& record, bool user_mode) {
    auto form = std::make_unique<Form>(record.name, record.width, record.height, record.back_color,
                                       user_mode);
    for (const frame::FormControlRecord& c : record.controls)
        form->add(c.progid, c.name, c.left, c.top, c.width, c.height, &c.bag, c.container);
    return form;
}

namespace {

// Copies the window and its visible descendants (bottom of the z-order first) into out,
// whose top-left pixel is the screen point origin; out's bounds clip everything.
void compose(HWND hwnd, pf::POINT origin, pf::Image& out) {
    if (!pf::IsWindowVisible(hwnd))
        return;
    const pf::RECT visible = pf::GetVisibleRect(hwnd);
    pf::RECT where{};
    pf::GetWindowRect(hwnd, &where);
    const pf::Bitmap* surface = pf::window_surface(hwnd);
    if (surface && !surface->monochrome()) {
        const int top = std::max<int>(visible.top, origin.y);
        const int bottom = std::min<int>(visible.bottom, origin.y + out.height);
        const int left = std::max<int>(visible.left, origin.x);
        const int right = std::min<int>(visible.right, origin.x + out.width);
        for (int y = top; y < bottom; ++y) {
            const int sy = y - where.top;
            if (sy < 0 || sy >= surface->height())
                continue;
            const uint32_t* row = surface->colour_row(sy);
            uint32_t* dest = &out.pixels[size_t(y - origin.y) * out.width];
            for (int x = left; x < right; ++x) {
                const int sx = x - where.left;
                if (sx >= 0 && sx < surface->width())
                    dest[x - origin.x] = 0xFF000000u | (row[sx] & 0xFFFFFF);
            }
        }
    }
    const std::vector<HWND> children = pf::GetChildWindows(hwnd);
    for (auto it = children.rbegin(); it != children.rend(); ++it)
        compose(*it, origin, out);
}

} // namespace

pf::Image Form::render() {
    pf::InvalidateRect(m_hwnd, nullptr, pf::FALSE);
    pf::DoEvents();
    return composed();
}

pf::Image Form::composed() const {
    pf::RECT r{};
    pf::GetWindowRect(m_hwnd, &r);
    pf::Image out;
    out.width = r.right - r.left;
    out.height = r.bottom - r.top;
    out.format = pf::ImageFormat::Png;
    out.pixels.assign(size_t(out.width) * out.height, 0xFF000000u);
    const pf::POINT origin{r.left, r.top};
    compose(m_hwnd, origin, out);
    // Top-level windows above the form (tips, pop-ups) show over it: the list runs
    // top-most first, so the ones before the form are drawn from the form upwards.
    const std::vector<HWND> top_level = pf::GetChildWindows(0);
    const auto above = std::find(top_level.rbegin(), top_level.rend(), m_hwnd);
    for (auto it = above; it != top_level.rend(); ++it)
        if (*it != m_hwnd)
            compose(*it, origin, out);
    return out;
}

void Form::render_png(const std::string& path) {
    pf::save_png(render(), path);
}

} // namespace paginor::host
