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

int screen_twips_per_pixel_x() {
    return g_profile.twips_per_pixel_x;
}

int screen_twips_per_pixel_y() {
    return g_profile.twips_per_pixel_y;
}

void set_screen_twips_per_pixel(int twips) {
    set_screen_twips_per_pixel(twips, twips);
}

void set_screen_twips_per_pixel(int x, int y) {
    if (x >= 1)
        g_profile.twips_per_pixel_x = x;
    if (y >= 1)
        g_profile.twips_per_pixel_y = y;
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
