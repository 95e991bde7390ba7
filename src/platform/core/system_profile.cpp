#include "platform/core/system_profile.h"

#include <cstring>

namespace paginor::platform {

namespace {

SystemProfile g_profile;

} // namespace

const SystemProfile& GetSystemProfile() {
    return g_profile;
}

void SetSystemProfile(const SystemProfile& profile) {
    g_profile = profile;
}

int screen_twips_per_pixel() {
    return g_profile.twips_per_pixel;
}

void set_screen_twips_per_pixel(int twips) {
    if (twips >= 1)
        g_profile.twips_per_pixel = twips;
}

BOOL GetVersionExA(OSVERSIONINFOA* info) {
    if (info == nullptr || info->dwOSVersionInfoSize != sizeof(OSVERSIONINFOA) ||
        g_profile.version_call_fails) {
        return FALSE;
    }
    info->dwMajorVersion = g_profile.major;
    info->dwMinorVersion = g_profile.minor;
    info->dwBuildNumber = g_profile.build;
    info->dwPlatformId = g_profile.platform_id;
    std::memset(info->szCSDVersion, 0, sizeof(info->szCSDVersion));
    return TRUE;
}

} // namespace paginor::platform
