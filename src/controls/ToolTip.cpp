#include "controls/ToolTip.h"

#include "platform/raster/colour.h"
#include "platform/raster/dc.h"
#include "platform/raster/gdi.h"
#include "platform/raster/raster.h"
#include "platform/text/text.h"
#include "platform/window/dc_window.h"
#include "platform/window/input.h"
#include "platform/window/timer.h"
#include "platform/window/window.h"

namespace paginor::controls {

namespace pf = platform;

namespace {

constexpr std::u16string_view kOwnerProp = u"PaginorToolTip";
constexpr uintptr_t kShowTimer = 0x7701;
constexpr uintptr_t kWatchTimer = 0x7702;
constexpr UINT kWatchInterval = 100;
constexpr int kPadding = 2;
constexpr int kBelowPointer = 20;

} // namespace

ToolTip::ToolTip(HWND owner, std::function<std::u16string(POINT)> text_at)
    : m_owner(owner), m_text_at(std::move(text_at)) {
    pf::SetProp(m_owner, kOwnerProp, reinterpret_cast<pf::HANDLE>(this));
}

ToolTip::~ToolTip() {
    hide();
    pf::KillTimer(m_owner, kShowTimer);
    pf::RemoveProp(m_owner, kOwnerProp);
}

void ToolTip::relay(UINT msg, WPARAM, LPARAM lParam) {
    switch (msg) {
    case pf::WM_MOUSEMOVE: {
        if (m_tip)
            return;
        const POINT at{static_cast<int16_t>(lParam & 0xFFFF),
                       static_cast<int16_t>((lParam >> 16) & 0xFFFF)};
        const bool has_text = m_text_at && !m_text_at(at).empty();
        // Every move starts the wait afresh: the tip shows once the pointer rests.
        if (has_text)
            m_waiting = pf::SetTimer(m_owner, kShowTimer, pf::GetMouseHoverTime(), &on_timer) != 0;
        else if (m_waiting)
            m_waiting = !pf::KillTimer(m_owner, kShowTimer);
        return;
    }
    case pf::WM_LBUTTONDOWN:
    case pf::WM_RBUTTONDOWN:
    case pf::WM_MBUTTONDOWN:
    case pf::WM_LBUTTONDBLCLK:
    case pf::WM_MOUSELEAVE:
        pf::KillTimer(m_owner, kShowTimer);
        m_waiting = false;
        hide();
        return;
    default:
        return;
    }
}

void ToolTip::on_timer(HWND hwnd, UINT, uintptr_t id, DWORD) {
    if (auto* self = reinterpret_cast<ToolTip*>(pf::GetProp(hwnd, kOwnerProp)))
        self->tick(id);
}

void ToolTip::tick(uintptr_t id) {
    if (id == kWatchTimer) {
        if (!pointer_over_owner())
            hide();
        return;
    }
    pf::KillTimer(m_owner, kShowTimer);
    m_waiting = false;
    POINT cursor{};
    pf::GetCursorPos(&cursor);
    POINT client = cursor;
    pf::ScreenToClient(m_owner, &client);
    const std::u16string text = m_text_at ? m_text_at(client) : std::u16string();
    if (!text.empty() && pointer_over_owner())
        show(text, cursor);
}

bool ToolTip::pointer_over_owner() const {
    POINT cursor{};
    pf::GetCursorPos(&cursor);
    for (HWND w = pf::WindowFromPoint(cursor); w; w = pf::GetParent(w))
        if (w == m_owner)
            return true;
    return false;
}

void ToolTip::show(const std::u16string& text, POINT screen) {
    hide();
    m_text = text;
    // Measure with a window DC of the owner (the same screen font the tip draws with).
    const pf::HDC probe = pf::GetDC(m_owner);
    pf::SIZE extent{};
    pf::GetTextExtentPoint32(probe, text, &extent);
    pf::ReleaseDC(m_owner, probe);
    pf::WindowDesc desc;
    desc.rect = {screen.x, screen.y + kBelowPointer, screen.x + extent.cx + 2 * (kPadding + 1),
                 screen.y + kBelowPointer + extent.cy + 2 * (kPadding + 1)};
    desc.proc = &tip_proc;
    desc.userdata = reinterpret_cast<pf::LONG_PTR>(this);
    m_tip = pf::CreateWindow(desc);
    pf::SetTimer(m_owner, kWatchTimer, kWatchInterval, &on_timer);
}

void ToolTip::hide() {
    if (!m_tip)
        return;
    pf::KillTimer(m_owner, kWatchTimer);
    pf::SetWindowLongPtr(m_tip, pf::GWLP_USERDATA, 0);
    pf::DestroyWindow(m_tip);
    m_tip = 0;
    m_text.clear();
}

pf::LRESULT ToolTip::tip_proc(HWND hwnd, UINT msg, WPARAM, LPARAM) {
    auto* self = reinterpret_cast<ToolTip*>(pf::GetWindowLongPtr(hwnd, pf::GWLP_USERDATA));
    if (msg != pf::WM_PAINT || !self)
        return 0;
    const pf::HDC hdc = pf::GetDC(hwnd);
    pf::RECT r{};
    pf::GetClientRect(hwnd, &r);
    pf::fill_solid(hdc, r, pf::GetSysColor(pf::COLOR_INFOBK));
    const pf::HBRUSH frame = pf::CreateSolidBrush(pf::GetSysColor(pf::COLOR_INFOTEXT));
    pf::FrameRect(hdc, r, frame);
    pf::DeleteObject(frame);
    pf::SetBkMode(hdc, pf::TRANSPARENT);
    pf::SetTextColor(hdc, pf::GetSysColor(pf::COLOR_INFOTEXT));
    pf::TextOut(hdc, kPadding + 1, kPadding + 1, self->m_text);
    pf::ReleaseDC(hwnd, hdc);
    return 0;
}

} // namespace paginor::controls
