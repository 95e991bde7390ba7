#include "tracking/cMouseTrack.h"

#include "platform/core/error.h"
#include "platform/core/system_profile.h"
#include "platform/window/input.h"
#include "platform/window/module.h"
#include "tracking/MSubclass.h"

#include <functional>
#include <string>

namespace paginor {

namespace {

namespace pf = platform;

constexpr std::u16string_view kSource = u"PaginorV2CTL.cMouseTrack";
constexpr int kCantFindEntryPoint = 453;

// The messages each mechanism hooks on the watched window.
constexpr int32_t kTrackMessages[] = {int32_t(pf::WM_MOUSEHOVER), int32_t(pf::WM_MOUSELEAVE)};
constexpr int32_t kCaptureMessages[] = {int32_t(pf::WM_MOUSEMOVE), int32_t(pf::WM_LBUTTONUP),
                                        int32_t(pf::WM_MBUTTONUP), int32_t(pf::WM_RBUTTONUP)};

const IID kNullIID{};

std::u16string take_bstr(BSTR& b) {
    std::u16string s = b != nullptr ? std::u16string(b, SysStringLen(b)) : std::u16string();
    SysFreeString(b);
    b = nullptr;
    return s;
}

// Reads a property of a late-bound object the way the host runtime does, turning a
// failure into the error the object reported.
void get_property(IDispatch* obj, const char16_t* name, VARIANT* out) {
    OLECHAR* names[1] = {const_cast<OLECHAR*>(name)};
    DISPID id = DISPID_UNKNOWN;
    if (FAILED(obj->GetIDsOfNames(kNullIID, names, 1, 0, &id))) {
        raise_standard(std_error::NoSuchMember, u"");
    }
    DISPPARAMS none{nullptr, nullptr, 0, 0};
    EXCEPINFO info{};
    UINT arg_err = 0;
    VariantInit(out);
    HRESULT hr = obj->Invoke(id, kNullIID, 0, DISPATCH_PROPERTYGET, &none, out, &info, &arg_err);
    if (SUCCEEDED(hr)) {
        return;
    }
    std::u16string source = take_bstr(info.bstrSource);
    std::u16string description = take_bstr(info.bstrDescription);
    SysFreeString(info.bstrHelpFile);
    HRESULT code = hr == DISP_E_EXCEPTION && info.scode != 0 ? info.scode : hr;
    bool standard = (uint32_t(code) & 0xFFFF0000u) == 0x800A0000u;
    throw RuntimeError(code, standard ? int32_t(code & 0xFFFF) : code, std::move(source),
                       std::move(description));
}

HWND read_hwnd(IDispatch* obj) {
    VARIANT v;
    get_property(obj, u"hwnd", &v);
    VARIANT as_long;
    VariantInit(&as_long);
    HRESULT hr = VariantChangeType(&as_long, &v, 0, VT_I4);
    VariantClear(&v);
    if (FAILED(hr)) {
        raise_standard(std_error::TypeMismatch, u"");
    }
    return HWND(as_long.lVal);
}

HWND read_parent_hwnd(IDispatch* obj) {
    VARIANT v;
    get_property(obj, u"Parent", &v);
    if (v.vt != VT_DISPATCH || v.pdispVal == nullptr) {
        VariantClear(&v);
        raise_standard(std_error::ObjectRequired, u"");
    }
    HWND parent = 0;
    try {
        parent = read_hwnd(v.pdispVal);
    } catch (...) {
        VariantClear(&v);
        throw;
    }
    VariantClear(&v);
    return parent;
}

void track_through_common_controls(pf::TRACKMOUSEEVENT* request) {
    pf::HMODULE lib = pf::LoadLibraryA("comctl32.dll");
    if (lib == 0) {
        raise_standard(std_error::FileNotFound, u"", u"File not found: comctl32.dll");
    }
    auto entry =
        reinterpret_cast<pf::TRACKMOUSEEVENTPROC>(pf::GetProcAddress(lib, "_TrackMouseEvent"));
    if (entry == nullptr) {
        pf::FreeLibrary(lib);
        raise_standard(kCantFindEntryPoint, u"",
                       u"Can't find DLL entry point _TrackMouseEvent in comctl32.dll");
    }
    entry(request);
    pf::FreeLibrary(lib);
}

// True when the common-controls library reports 4.71 or later.
bool common_controls_usable() {
    pf::HMODULE lib = pf::LoadLibraryA("comctl32.dll");
    if (lib == 0) {
        return false;
    }
    bool usable = false;
    auto entry = reinterpret_cast<pf::DLLGETVERSIONPROC>(pf::GetProcAddress(lib, "DllGetVersion"));
    if (entry != nullptr) {
        pf::DLLVERSIONINFO info;
        info.cbSize = sizeof(info);
        if (entry(&info) == S_OK) {
            usable =
                info.dwMajorVersion > 4 || (info.dwMajorVersion == 4 && info.dwMinorVersion >= 71);
        }
    }
    pf::FreeLibrary(lib);
    return usable;
}

} // namespace

cMouseTrack::~cMouseTrack() {
    DetachMouseTracking();
}

void cMouseTrack::choose_automatically() {
    m_common_controls = true;
    pf::OSVERSIONINFOA version;
    version.dwOSVersionInfoSize = sizeof(version);
    if (pf::GetVersionExA(&version) != pf::FALSE &&
        ((version.dwPlatformId == pf::VER_PLATFORM_WIN32_NT && version.dwMajorVersion >= 4) ||
         version.dwMajorVersion >= 5)) {
        m_common_controls = false; // the system's own request is there
    }
    if (m_common_controls && !common_controls_usable()) {
        m_common_controls = false;
        m_capture = true;
    }
    m_method = m_common_controls ? 1 : (m_capture ? 2 : 0);
}

void cMouseTrack::choose_method(LONG eForceMethod) {
    m_common_controls = false;
    m_capture = false;
    if (eForceMethod == kChooseAutomatically) {
        choose_automatically();
        return;
    }
    m_common_controls = eForceMethod == 1;
    m_capture = eForceMethod == 2;
    m_method = eForceMethod;
}

void cMouseTrack::AttachMouseTracking(IDispatch*& objTo, LONG eForceMethod) {
    choose_method(eForceMethod);
    DetachMouseTracking();
    if (objTo == nullptr) {
        raise_standard(std_error::ObjectRequired, u"");
    }
    IDispatch* obj = objTo;
    attach(read_hwnd(obj), [obj] { return read_parent_hwnd(obj); });
}

void cMouseTrack::AttachMouseTrackingByHwnd(HWND& objHwnd, LONG eForceMethod) {
    choose_method(eForceMethod);
    DetachMouseTracking();
    HWND hwnd = objHwnd;
    attach(hwnd, [hwnd] { return pf::GetParent(hwnd); });
}

void cMouseTrack::attach(HWND hwnd, const std::function<HWND()>& parent_of) {
    if (hwnd == 0) {
        return;
    }
    m_hwnd = hwnd;
    m_hooked_capture = m_capture;
    ISubclass* self = this;
    if (m_capture) {
        for (int32_t msg : kCaptureMessages) {
            MSubclass::HookMessage(self, hwnd, msg);
        }
        m_parent = parent_of();
        MSubclass::HookMessage(self, m_parent, int32_t(pf::WM_ACTIVATE));
    } else {
        for (int32_t msg : kTrackMessages) {
            MSubclass::HookMessage(self, hwnd, msg);
        }
    }
}

void cMouseTrack::StartMouseTracking() {
    if (m_tracking) {
        return;
    }
    pf::TRACKMOUSEEVENT request;
    request.cbSize = sizeof(request);
    request.dwFlags = pf::TME_HOVER | pf::TME_LEAVE;
    request.hwndTrack = m_hwnd;
    request.dwHoverTime = pf::HOVER_DEFAULT;
    try {
        if (m_common_controls) {
            track_through_common_controls(&request);
        } else if (m_capture) {
            pf::SetCapture(m_hwnd);
        } else {
            pf::TrackMouseEvent(&request);
        }
    } catch (const RuntimeError& e) {
        throw RuntimeError(e.hr(), e.number(), std::u16string(kSource), e.description());
    }
    m_tracking = true;
}

void cMouseTrack::DetachMouseTracking() noexcept {
    if (m_hwnd != 0) {
        ISubclass* self = this;
        if (m_hooked_capture) {
            pf::ReleaseCapture();
            for (int32_t msg : kCaptureMessages) {
                MSubclass::UnhookMessage(self, m_hwnd, msg);
            }
            if (m_parent != 0) {
                MSubclass::UnhookMessage(self, m_parent, int32_t(pf::WM_ACTIVATE));
            }
        } else {
            for (int32_t msg : kTrackMessages) {
                MSubclass::UnhookMessage(self, m_hwnd, msg);
            }
        }
    }
    m_hwnd = 0;
}

void cMouseTrack::leave() {
    m_tracking = false;
    if (m_listener != nullptr) {
        m_listener->MouseLeave();
    }
}

void cMouseTrack::on_pointer_message(UINT iMsg, LPARAM lParam) {
    pf::RECT client;
    pf::GetClientRect(m_hwnd, &client);
    int32_t packed = int32_t(lParam);
    pf::POINT pt{packed & 0xFFFF, packed / 65536};
    pf::POINT screen = pt;
    pf::ClientToScreen(m_hwnd, &screen);
    bool inside = pf::PtInRect(&client, pt) && pf::WindowFromPoint(screen) == m_hwnd;
    if (!inside) {
        if (pf::GetAsyncKeyState(pf::VK_LBUTTON) == 0 &&
            pf::GetAsyncKeyState(pf::VK_MBUTTON) == 0 &&
            pf::GetAsyncKeyState(pf::VK_RBUTTON) == 0) {
            m_tracking = false;
            pf::ReleaseCapture();
            leave();
        }
        return;
    }
    if (iMsg != pf::WM_MOUSEMOVE) {
        m_tracking = false;
        StartMouseTracking();
    }
}

LRESULT cMouseTrack::WindowProc(HWND, UINT iMsg, WPARAM wParam, LPARAM lParam) {
    switch (iMsg) {
    case pf::WM_MOUSEHOVER: {
        m_tracking = false;
        LONG button = ((wParam & pf::MK_LBUTTON) ? 1 : 0) + ((wParam & pf::MK_RBUTTON) ? 2 : 0) +
                      ((wParam & pf::MK_MBUTTON) ? 4 : 0);
        LONG shift = ((wParam & pf::MK_CONTROL) ? 2 : 0) + ((wParam & pf::MK_SHIFT) ? 1 : 0);
        int32_t packed = int32_t(lParam);
        float x = float(packed & 0xFFFF);
        float y = float(packed / 65536);
        if (m_listener != nullptr) {
            m_listener->MouseHover(button, shift, x, y);
        }
        break;
    }
    case pf::WM_MOUSELEAVE:
        leave();
        break;
    case pf::WM_ACTIVATE:
        if (m_tracking) {
            m_tracking = false;
            pf::ReleaseCapture();
            leave();
        }
        break;
    case pf::WM_MOUSEMOVE:
    case pf::WM_LBUTTONUP:
    case pf::WM_RBUTTONUP:
    case pf::WM_MBUTTONUP:
        on_pointer_message(iMsg, lParam);
        break;
    default:
        break;
    }
    return 0;
}

} // namespace paginor
