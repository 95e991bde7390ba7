#include "frame/user_control.h"

#include "automation/ref.h"
#include "frame/drawing_surface.h"
#include "frame/nested_control.h"
#include "frame/tab_order.h"
#include "frame/twips.h"
#include "platform/core/error.h"
#include "platform/raster/colour.h"
#include "platform/raster/raster.h"
#include "platform/window/dc_window.h"
#include "platform/window/input.h"
#include "platform/window/message.h"
#include "platform/window/window.h"

#include <utility>

namespace paginor::frame {

using automation::Member;
using library::ClassId;

namespace pf = platform;

namespace {

// A private identifier a host of the library asks a control for to reach its frame.
const IID IID_UserControlSelf = {
    0x3e9d04c7, 0x81a2, 0x4b5f, {0xa0, 0x6c, 0x27, 0xd9, 0x14, 0x5b, 0xe3, 0x08}};

// The pointer event in twips for the control's handlers, from content pixels.
MouseEvent in_twips(const MouseEvent& e) {
    const auto tw = [](float px, Axis axis) {
        return static_cast<float>(pixels_to_twips(static_cast<int>(px), axis));
    };
    return {e.button, e.shift, tw(e.x, Axis::Across), tw(e.y, Axis::Down)};
}

int x_of(LPARAM l) {
    return static_cast<int16_t>(l & 0xFFFF);
}
int y_of(LPARAM l) {
    return static_cast<int16_t>((l >> 16) & 0xFFFF);
}
} // namespace

UserControl* UserControl::from(IUnknown* object) {
    if (!object)
        return nullptr;
    void* self = nullptr;
    if (FAILED(object->QueryInterface(IID_UserControlSelf, &self)) || !self)
        return nullptr;
    auto* control = static_cast<UserControl*>(self);
    // Only borrowed: the reference the query added goes on return.
    const auto added = Ref<IUnknown>::adopt(control->control_unknown());
    return control;
}

bool UserControl::answer_self(REFIID riid, void** ppv) {
    if (riid != IID_UserControlSelf)
        return false;
    *ppv = this;
    control_unknown()->AddRef(); // QueryInterface's answer carries a reference
    return true;
}

UserControl::UserControl() = default;

UserControl::~UserControl() {
    // The window stops reaching the control first: what the children's going sends it
    // must not reach a control that is half destroyed.
    if (m_hwnd)
        pf::SetWindowLongPtr(m_hwnd, pf::GWLP_USERDATA, 0);
    m_nested.clear();
    if (m_hwnd)
        pf::DestroyWindow(m_hwnd);
}

void UserControl::site(ControlSite* site, double left, double top, double width, double height) {
    if (m_hwnd || !site || !pf::IsWindow(site->site_window()))
        raise_standard(std_error::InvalidProcedureCall, control_class().source(),
                       u"The control cannot be sited: it already is, or the form has no window");
    m_site = site;
    pf::WindowDesc desc;
    desc.parent = site->site_window();
    const int x = twips_to_pixels(left, Axis::Across), y = twips_to_pixels(top, Axis::Down);
    desc.rect = {x, y, x + twips_to_pixels(width, Axis::Across),
                 y + twips_to_pixels(height, Axis::Down)};
    desc.proc = &UserControl::window_proc;
    desc.visible = false;
    desc.userdata = reinterpret_cast<pf::LONG_PTR>(this);
    m_hwnd = pf::CreateWindow(desc);
    m_resized = false;
    m_surface = std::make_unique<DrawingSurface>(m_back_color, site->ambient_font(),
                                                 control_class().source());
    m_surface->resize(ScaleWidth(), ScaleHeight());
    UserControl_Initialize();
}

void UserControl::init_properties() {
    UserControl_InitProperties();
}

void UserControl::read_properties(const PropertyBag& bag) {
    UserControl_ReadProperties(bag);
}

void UserControl::write_properties(PropertyBag& bag) {
    UserControl_WriteProperties(bag);
}

void UserControl::show() {
    if (!m_hwnd)
        return;
    // A layout done on Resize runs before the control is first seen, even when the host
    // never changes its size.
    if (!m_resized)
        pf::SendMessage(m_hwnd, pf::WM_SIZE, 0,
                        pf::LPARAM(ScaleWidth() & 0xFFFF) | (pf::LPARAM(ScaleHeight()) << 16));
    pf::ShowWindow(m_hwnd, pf::SW_SHOW);
    m_shown = true;
}

void UserControl::move(double left, double top, double width, double height) {
    if (!m_hwnd)
        return;
    // The host's first placement after show keeps a size the control chose for itself
    // while it was being made; every later one holds as given.
    if (m_shown && !std::exchange(m_placed, true)) {
        width = m_own_width >= 0 ? m_own_width : width;
        height = m_own_height >= 0 ? m_own_height : height;
    }
    const int x = twips_to_pixels(left, Axis::Across), y = twips_to_pixels(top, Axis::Down);
    pf::MoveWindow(m_hwnd, x, y, twips_to_pixels(left + width, Axis::Across) - x,
                   twips_to_pixels(top + height, Axis::Down) - y, pf::TRUE);
}

void UserControl::set_own_size(double width, double height) {
    if (!m_hwnd)
        return;
    if (!m_placed) {
        m_own_width = width;
        m_own_height = height;
    }
    RECT r{};
    pf::GetWindowRect(m_hwnd, &r);
    POINT at{r.left, r.top};
    pf::ScreenToClient(pf::GetParent(m_hwnd), &at);
    const int w = width < 0 ? r.right - r.left : twips_to_pixels(width, Axis::Across);
    const int h = height < 0 ? r.bottom - r.top : twips_to_pixels(height, Axis::Down);
    pf::MoveWindow(m_hwnd, at.x, at.y, w, h, pf::TRUE);
}

void UserControl::terminate() {
    if (m_terminated)
        return;
    m_terminated = true;
    UserControl_Terminate();
    while (!m_nested.empty())
        m_nested.pop_back();
    if (m_hwnd) {
        const HWND hwnd = m_hwnd;
        m_hwnd = 0;
        pf::SetWindowLongPtr(hwnd, pf::GWLP_USERDATA, 0);
        pf::DestroyWindow(hwnd);
    }
    m_surface.reset();
    m_site = nullptr;
}

void UserControl::access_key(SHORT ascii) {
    if (m_terminated)
        return;
    const Ref<IUnknown> alive(control_unknown());
    UserControl_AccessKeyPress(ascii);
}

double UserControl::Width() const {
    return pixels_to_twips(ScaleWidth(), Axis::Across);
}

double UserControl::Height() const {
    return pixels_to_twips(ScaleHeight(), Axis::Down);
}

int UserControl::ScaleWidth() const {
    RECT r{};
    pf::GetClientRect(m_hwnd, &r);
    return r.right - r.left;
}

int UserControl::ScaleHeight() const {
    RECT r{};
    pf::GetClientRect(m_hwnd, &r);
    return r.bottom - r.top;
}

void UserControl::SetBackColor(OLE_COLOR colour) {
    m_back_color = colour;
    surface().SetBackColor(colour);
    refresh();
}

DrawingSurface& UserControl::surface() {
    if (!m_surface)
        m_surface =
            std::make_unique<DrawingSurface>(m_back_color, AmbientFont(), control_class().source());
    return *m_surface;
}

NestedControl& UserControl::add_control(ClassId id, double left, double top, double width,
                                        double height,
                                        std::function<void(DISPID, EventArgs&)> on_event) {
    if (!m_hwnd)
        raise_standard(std_error::InvalidProcedureCall, control_class().source(),
                       u"A control can hold other controls only once it is sited");
    m_nested.push_back(
        std::make_unique<NestedControl>(*this, id, left, top, width, height, std::move(on_event)));
    return *m_nested.back();
}

bool UserControl::UserMode() const {
    return m_site ? m_site->ambient_user_mode() : true;
}

IDispatch* UserControl::Parent() const {
    return m_site ? m_site->parent_object() : nullptr;
}

FontDescription UserControl::AmbientFont() const {
    return m_site ? m_site->ambient_font() : FontDescription{};
}

void UserControl::PropertyChanged(std::u16string_view name) {
    const Member* member = control_class().default_interface->find(name);
    const DISPID dispid = member ? member->dispid : DISPID_UNKNOWN;
    if (m_site)
        m_site->on_property_changed(control_unknown(), dispid);
    property_changed(dispid);
}

void UserControl::refresh() {
    if (m_hwnd)
        pf::InvalidateRect(m_hwnd, nullptr, pf::FALSE);
}

LRESULT UserControl::window_proc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    auto* self = reinterpret_cast<UserControl*>(pf::GetWindowLongPtr(hwnd, pf::GWLP_USERDATA));
    if (!self || self->m_hwnd != hwnd)
        return pf::DefWindowProc(hwnd, msg, wParam, lParam);
    const Ref<IUnknown> alive(self->control_unknown());
    return self->handle(msg, wParam, lParam);
}

LRESULT UserControl::handle(UINT msg, WPARAM wParam, LPARAM lParam) {
    const LRESULT result = respond(msg, wParam, lParam);
    // After the control's own handling, so a watcher sees the state it left.
    if (m_relay)
        m_relay(msg, wParam, lParam);
    return result;
}

LRESULT UserControl::respond(UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case pf::WM_PAINT:
        paint();
        return 0;
    case pf::WM_SIZE:
        resize();
        return 0;
    case pf::WM_SHOWWINDOW:
        if (wParam)
            UserControl_Show();
        return 0;
    case pf::WM_SETFOCUS:
        UserControl_EnterFocus();
        return 0;
    case pf::WM_KILLFOCUS:
        UserControl_ExitFocus();
        return 0;
    case pf::WM_KEYDOWN: {
        KeyEvent key{static_cast<SHORT>(wParam), shift_state()};
        if (key.key == pf::VK_TAB && tab_from(m_hwnd, (key.shift & 1) != 0)) {
            m_taken_char = 9;
            return 0;
        }
        if (m_site && m_site->translate_accelerator(*this, key.key)) {
            m_taken_char = key.key == pf::VK_RETURN ? 13 : key.key == pf::VK_ESCAPE ? 27 : 0;
            return 0;
        }
        UserControl_KeyDown(key);
        return 0;
    }
    case pf::WM_CHAR: {
        SHORT ascii = static_cast<SHORT>(wParam);
        if (std::exchange(m_taken_char, SHORT(0)) == ascii)
            return 0;
        UserControl_KeyPress(ascii);
        return 0;
    }
    case pf::WM_KEYUP: {
        KeyEvent key{static_cast<SHORT>(wParam), shift_state()};
        UserControl_KeyUp(key);
        return 0;
    }
    default:
        // Pointer messages and the loss of capture; the window has no frame, so its
        // client area is all content.
        m_children.pointer(m_hwnd, msg, wParam, POINT{x_of(lParam), y_of(lParam)},
                           pf::SIZE{ScaleWidth(), ScaleHeight()});
        return 0;
    }
}

void UserControl::paint() {
    const HDC hdc = pf::GetDC(m_hwnd);
    if (!hdc)
        return;
    surface().copy_to(hdc);
    m_children.paint(hdc);
    UserControl_Paint(hdc);
    pf::ReleaseDC(m_hwnd, hdc);
}

void UserControl::resize() {
    m_resized = true;
    surface().resize(ScaleWidth(), ScaleHeight());
    UserControl_Resize();
}

void UserControl::surface_mouse_down(const MouseEvent& e) {
    UserControl_MouseDown(in_twips(e));
}

void UserControl::surface_mouse_move(const MouseEvent& e) {
    UserControl_MouseMove(in_twips(e));
}

void UserControl::surface_mouse_up(const MouseEvent& e) {
    UserControl_MouseUp(in_twips(e));
}

} // namespace paginor::frame
