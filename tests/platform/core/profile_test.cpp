#include "platform/core/system_profile.h"
#include "platform/window/module.h"
#include "platform/window/window_system.h"

#include <gtest/gtest.h>

using namespace paginor::platform;

namespace {

TEST(SystemProfileTest, VersionRecordFollowsTheProfile) {
    WindowSystemScope scope;
    OSVERSIONINFOA v;
    ASSERT_TRUE(GetVersionExA(&v));
    EXPECT_EQ(std::tie(v.dwPlatformId, v.dwMajorVersion, v.dwMinorVersion),
              std::make_tuple(DWORD(VER_PLATFORM_WIN32_NT), 5u, 1u));
    // The platform, major version and a failing call follow the profile as the mouse
    // tracker's choice shows (tests/tracking); the minor version is read by nobody else.
    SystemProfile p;
    p.minor = 10;
    SetSystemProfile(p);
    ASSERT_TRUE(GetVersionExA(&v));
    EXPECT_EQ(v.dwMinorVersion, 10u);
    OSVERSIONINFOA wrong;
    wrong.dwOSVersionInfoSize = 156;
    EXPECT_FALSE(GetVersionExA(&wrong));
    EXPECT_FALSE(GetVersionExA(nullptr));
}

struct LibraryCase {
    CommonControls state;
    bool loads;
    bool has_version;
    DWORD major;
    DWORD minor;
    bool has_track;
};

TEST(SystemProfileTest, CommonControlsLibraryThroughTheModuleFacade) {
    const LibraryCase cases[] = {
        {CommonControls::Absent, false, false, 0, 0, false},
        {CommonControls::NoVersionEntry, true, false, 0, 0, false},
        {CommonControls::V4_70, true, true, 4, 70, false},
        {CommonControls::V4_71, true, true, 4, 71, true},
        {CommonControls::V6_0, true, true, 6, 0, true},
    };
    for (const LibraryCase& c : cases) {
        SCOPED_TRACE(int(c.state));
        WindowSystemScope scope;
        SystemProfile p;
        p.common_controls = c.state;
        SetSystemProfile(p);
        HMODULE lib = LoadLibraryA("COMCTL32.DLL");
        EXPECT_EQ(lib != 0, c.loads);
        if (lib == 0) {
            EXPECT_EQ(LoadedModuleCount(), 0);
            continue;
        }
        auto version = reinterpret_cast<DLLGETVERSIONPROC>(GetProcAddress(lib, "DllGetVersion"));
        EXPECT_EQ(version != nullptr, c.has_version);
        if (version != nullptr) {
            DLLVERSIONINFO info;
            info.cbSize = 20;
            EXPECT_EQ(version(&info), S_OK);
            EXPECT_EQ(info.dwMajorVersion, c.major);
            EXPECT_EQ(info.dwMinorVersion, c.minor);
            info.cbSize = 24;
            EXPECT_EQ(version(&info), E_INVALIDARG);
            EXPECT_EQ(ModuleEntryCallCount("DllGetVersion"), 2);
        }
        // What the tracking entry does and counts: the mouse tracker's own requests.
        EXPECT_EQ(GetProcAddress(lib, "_TrackMouseEvent") != nullptr, c.has_track);
        EXPECT_EQ(GetProcAddress(lib, "NoSuchEntry"), nullptr);
        EXPECT_EQ(LoadedModuleCount(), 1);
        EXPECT_TRUE(FreeLibrary(lib));
        EXPECT_FALSE(FreeLibrary(lib));
        EXPECT_EQ(GetProcAddress(lib, "DllGetVersion"), nullptr); // unloaded
    }
    EXPECT_EQ(LoadLibraryA("user99.dll"), 0u);
}

} // namespace
