// What the running system reports about itself: the OS version record and the state of
// the common-controls library. Settable, so that every path that depends on them runs
// here; ResetWindowSystem puts the defaults back (NT family 5.1, common controls 6.0).
#pragma once

#include "platform/core/types.h"

namespace paginor::platform {

constexpr DWORD VER_PLATFORM_WIN32_WINDOWS = 1;
constexpr DWORD VER_PLATFORM_WIN32_NT = 2;

enum class CommonControls {
    Absent,         // the library does not load
    NoVersionEntry, // loads, but has no DllGetVersion
    V4_70,          // reports 4.70, no _TrackMouseEvent
    V4_71,          // reports 4.71, has _TrackMouseEvent
    V6_0,           // reports 6.0, has _TrackMouseEvent
};

struct SystemProfile {
    DWORD platform_id{VER_PLATFORM_WIN32_NT};
    DWORD major{5};
    DWORD minor{1};
    DWORD build{2600};
    bool version_call_fails{false}; // GetVersionExA answers FALSE
    CommonControls common_controls{CommonControls::V6_0};
    // The screen density across and down: 15 twips per pixel at the reference density
    // (96 dpi), 12 at 120.
    int twips_per_pixel_x{15};
    int twips_per_pixel_y{15};
};

const SystemProfile& GetSystemProfile();
void SetSystemProfile(const SystemProfile& profile);

struct OSVERSIONINFOA {
    DWORD dwOSVersionInfoSize{148};
    DWORD dwMajorVersion{0};
    DWORD dwMinorVersion{0};
    DWORD dwBuildNumber{0};
    DWORD dwPlatformId{0};
    char szCSDVersion[128]{};
};
static_assert(sizeof(OSVERSIONINFOA) == 148);

// Fills the record from the profile. FALSE (record untouched) for null, a size field
// other than 148, or a profile whose version call fails.
BOOL GetVersionExA(OSVERSIONINFOA* info);

// The profile's twips per pixel across (x) and down (y), read on every layout and font
// size, so a change takes effect at the next one. Fonts are sized by the vertical
// density, as the desktop sizes them by its vertical dots per inch. Setting one value
// sets both; a value below 1 is ignored (the other still applies).
int screen_twips_per_pixel_x();
int screen_twips_per_pixel_y();
void set_screen_twips_per_pixel(int twips);
void set_screen_twips_per_pixel(int x, int y);

} // namespace paginor::platform
