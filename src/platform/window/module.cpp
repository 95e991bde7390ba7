#include "platform/window/module.h"

#include "platform/core/system_profile.h"

#include <algorithm>
#include <map>
#include <string>

namespace paginor::platform {

namespace {

constexpr HMODULE kCommonControls = 0x6E000001;

struct ModuleState {
    int common_controls_loads{0};
    std::map<std::string, int, std::less<>> entry_calls;
};

ModuleState g_modules;

std::string lower(std::string_view s) {
    std::string out(s);
    std::transform(out.begin(), out.end(), out.begin(),
                   [](unsigned char c) { return char(c >= 'A' && c <= 'Z' ? c + 32 : c); });
    return out;
}

void count_call(std::string_view entry) {
    ++g_modules.entry_calls[std::string(entry)];
}

struct VersionOf {
    CommonControls state;
    DWORD major;
    DWORD minor;
};

constexpr VersionOf kVersions[] = {
    {CommonControls::V4_70, 4, 70},
    {CommonControls::V4_71, 4, 71},
    {CommonControls::V6_0, 6, 0},
};

HRESULT comctl_DllGetVersion(DLLVERSIONINFO* info) {
    count_call("DllGetVersion");
    if (info == nullptr || info->cbSize != sizeof(DLLVERSIONINFO)) {
        return E_INVALIDARG;
    }
    for (const VersionOf& v : kVersions) {
        if (v.state == GetSystemProfile().common_controls) {
            info->dwMajorVersion = v.major;
            info->dwMinorVersion = v.minor;
            info->dwBuildNumber = 0;
            info->dwPlatformID = GetSystemProfile().platform_id;
            return S_OK;
        }
    }
    return E_FAIL;
}

BOOL comctl_TrackMouseEvent(TRACKMOUSEEVENT* request) {
    count_call("_TrackMouseEvent");
    return TrackMouseEvent(request);
}

bool has_track_entry() {
    CommonControls c = GetSystemProfile().common_controls;
    return c == CommonControls::V4_71 || c == CommonControls::V6_0;
}

} // namespace

HMODULE LoadLibraryA(std::string_view name) {
    std::string n = lower(name);
    if (n != "comctl32.dll" && n != "comctl32") {
        return 0;
    }
    if (GetSystemProfile().common_controls == CommonControls::Absent) {
        return 0;
    }
    ++g_modules.common_controls_loads;
    return kCommonControls;
}

FARPROC GetProcAddress(HMODULE module, std::string_view entry) {
    if (module != kCommonControls || g_modules.common_controls_loads == 0) {
        return nullptr;
    }
    CommonControls c = GetSystemProfile().common_controls;
    if (entry == "DllGetVersion" && c != CommonControls::NoVersionEntry) {
        return reinterpret_cast<FARPROC>(&comctl_DllGetVersion);
    }
    if (entry == "_TrackMouseEvent" && has_track_entry()) {
        return reinterpret_cast<FARPROC>(&comctl_TrackMouseEvent);
    }
    return nullptr;
}

BOOL FreeLibrary(HMODULE module) {
    if (module != kCommonControls || g_modules.common_controls_loads == 0) {
        return FALSE;
    }
    --g_modules.common_controls_loads;
    return TRUE;
}

int LoadedModuleCount() {
    return g_modules.common_controls_loads;
}

int ModuleEntryCallCount(std::string_view entry) {
    auto it = g_modules.entry_calls.find(entry);
    return it != g_modules.entry_calls.end() ? it->second : 0;
}

void ResetModules() {
    g_modules = ModuleState{};
}

} // namespace paginor::platform
