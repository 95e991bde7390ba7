#include "frame/nested_control.h"

#include "automation/named_dispatch.h"
#include "frame/drawing_surface.h"
#include "frame/twips.h"
#include "library/class_catalog.h"
#include "platform/core/error.h"
#include "platform/window/window.h"

namespace paginor::frame {

using automation::Class;
using automation::ClassKind;
using automation::NamedDispatch;
using library::class_entry;
using library::ClassId;
using library::create_through_factory;

namespace {

constexpr std::u16string_view kSource = u"PaginorV2CTL.UserControl";

// Answers nothing but itself, so a host can tell it is not one of the library's objects.
const IID IID_NestedSink = {
    0x6b1f2d84, 0x57c3, 0x4e0a, {0x9d, 0x21, 0x0c, 0x8e, 0x3f, 0x61, 0xa4, 0x72}};

} // namespace

VARIANT& EventArgs::at(size_t index) const {
    if (index >= m_params.cArgs)
        raise_standard(std_error::WrongArgumentCount, std::u16string(kSource));
    // DISPPARAMS hold the arguments last first.
    return m_params.rgvarg[m_params.cArgs - 1 - index];
}

VARIANT& EventArgs::operator[](size_t index) const {
    VARIANT& v = at(index);
    return v.vt == (VT_BYREF | VT_VARIANT) ? *v.pvarVal : v;
}

SHORT& EventArgs::i2(size_t index) const {
    VARIANT& v = (*this)[index];
    if (v.vt == (VT_BYREF | VT_I2))
        return *v.piVal;
    if (v.vt != VT_I2)
        raise_standard(std_error::TypeMismatch, std::u16string(kSource));
    return v.iVal;
}

float& EventArgs::r4(size_t index) const {
    VARIANT& v = (*this)[index];
    if (v.vt == (VT_BYREF | VT_R4))
        return *v.pfltVal;
    if (v.vt != VT_R4)
        raise_standard(std_error::TypeMismatch, std::u16string(kSource));
    return v.fltVal;
}

// The event sink the child's connection point calls: every Invoke goes to the handler
// while the nested control lives; afterwards (someone still holding the sink) nothing.
// The handler is the container's code, so the container is held while it runs.
class NestedControl::Sink final : public NamedDispatch {
  public:
    Sink(ChildEventHandler handler, IUnknown* container)
        : NamedDispatch({}, IID_NestedSink), m_handler(std::move(handler)), m_container(container) {
    }
    void detach() {
        m_handler = nullptr;
        m_container = nullptr;
    }

    HRESULT Invoke(DISPID id, REFIID, LCID, WORD, DISPPARAMS* params, VARIANT*, EXCEPINFO*,
                   UINT*) override {
        if (!m_handler || !params)
            return S_OK;
        const Ref<IUnknown> alive(m_container);
        // A handler's failure stays with the handler, as the host runtime's event
        // handlers' errors do; it must not unwind through the child's code.
        try {
            EventArgs args(*params);
            ChildEventHandler handler = m_handler; // survives a handler that ends us
            handler(id, args);
        } catch (...) {
        }
        return S_OK;
    }

  private:
    ChildEventHandler m_handler;
    IUnknown* m_container; // borrowed: the container outlives its children's sinks' use
};

NestedControl::NestedControl(UserControl& container, ClassId id, double left, double top,
                             double width, double height, ChildEventHandler on_event)
    : m_container(container) {
    const Class& c = class_entry(id);
    if (c.kind != ClassKind::Control || !container.hwnd())
        raise_standard(std_error::InvalidProcedureCall, std::u16string(kSource),
                       c.progid() + u" cannot be placed here: it is no control, or the "
                                    u"container has no window");
    m_object = create_through_factory(c, kSource);
    m_control = UserControl::from(m_object.get());
    m_sink = Ref<Sink>::adopt(new Sink(std::move(on_event), container.control_unknown()));
    try {
        if (!m_control)
            raise_standard(std_error::InvalidProcedureCall, std::u16string(kSource),
                           c.progid() + u" is not a control");
        connect(c);
        m_control->site(this, left, top, width, height);
        m_control->init_properties();
        m_control->show();
        m_control->move(left, top, width, height);
    } catch (...) {
        release();
        throw;
    }
}

namespace {

POINT origin_in_parent(HWND hwnd) {
    RECT r{};
    platform::GetWindowRect(hwnd, &r);
    POINT at{r.left, r.top};
    platform::ScreenToClient(platform::GetParent(hwnd), &at);
    return at;
}

} // namespace

double NestedControl::Left() const {
    return pixels_to_twips(origin_in_parent(m_control->hwnd()).x, Axis::Across);
}

double NestedControl::Top() const {
    return pixels_to_twips(origin_in_parent(m_control->hwnd()).y, Axis::Down);
}

void NestedControl::SetVisible(bool on) {
    m_visible = on;
    platform::ShowWindow(m_control->hwnd(), on ? platform::SW_SHOW : platform::SW_HIDE);
}

bool NestedControl::Enabled() const {
    return platform::IsWindowEnabled(m_control->hwnd()) != 0;
}

void NestedControl::SetEnabled(bool on) {
    platform::EnableWindow(m_control->hwnd(), on ? platform::TRUE : platform::FALSE);
}

void NestedControl::ZOrder(int position) {
    platform::SetWindowPos(m_control->hwnd(),
                           position == 0 ? platform::HWND_TOP : platform::HWND_BOTTOM, 0, 0, 0, 0,
                           platform::SWP_NOMOVE | platform::SWP_NOSIZE);
}

NestedControl::~NestedControl() {
    release();
}

void NestedControl::release() {
    if (m_control)
        m_control->terminate();
    m_control = nullptr;
    if (m_point)
        m_point->Unadvise(m_cookie);
    m_point.reset();
    if (m_sink)
        m_sink->detach();
    m_sink.reset();
    m_object.reset();
}

void NestedControl::connect(const Class& c) {
    if (!c.event_interface)
        return;
    Ref<IConnectionPointContainer> points;
    if (FAILED(m_object->QueryInterface(IID_IConnectionPointContainer, points.put_void())))
        return;
    const HRESULT hr = points->FindConnectionPoint(*c.event_interface->iid, m_point.put());
    if (SUCCEEDED(hr) && FAILED(m_point->Advise(m_sink.get(), &m_cookie)))
        m_point.reset();
}

HWND NestedControl::site_window() {
    return m_container.hwnd();
}

bool NestedControl::ambient_user_mode() {
    return m_container.UserMode();
}

// Borrowed: the container outlives its children, so the reference can go back at once.
IDispatch* NestedControl::parent_object() {
    Ref<IDispatch> parent;
    if (FAILED(m_container.control_unknown()->QueryInterface(IID_IDispatch, parent.put_void())))
        return nullptr;
    return parent.get();
}

FontDescription NestedControl::ambient_font() {
    return m_container.surface().Font()->description();
}

} // namespace paginor::frame
