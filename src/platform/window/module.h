// Loading libraries by name and finding their entry points: a façade over the libraries
// the system profile says are present. Only the common-controls library ("comctl32.dll",
// name compared without case, ".dll" optional) is known; its entries follow the profile's
// CommonControls state.
#pragma once

#include "platform/core/types.h"
#include "platform/window/input.h"

#include <string_view>

namespace paginor::platform {

using FARPROC = void (*)();

struct DLLVERSIONINFO {
    DWORD cbSize{20};
    DWORD dwMajorVersion{0};
    DWORD dwMinorVersion{0};
    DWORD dwBuildNumber{0};
    DWORD dwPlatformID{0};
};
static_assert(sizeof(DLLVERSIONINFO) == 20);

// The signatures of the two common-controls entries.
using DLLGETVERSIONPROC = HRESULT (*)(DLLVERSIONINFO*); // E_INVALIDARG unless cbSize is 20
using TRACKMOUSEEVENTPROC = BOOL (*)(TRACKMOUSEEVENT*); // same contract as TrackMouseEvent

// A counted handle; 0 for an unknown or absent library.
HMODULE LoadLibraryA(std::string_view name);
// null for an unknown handle or an entry the library does not have.
FARPROC GetProcAddress(HMODULE module, std::string_view entry);
// FALSE for a handle that is not loaded.
BOOL FreeLibrary(HMODULE module);

// For tests: libraries still loaded, and calls made through an entry so far.
int LoadedModuleCount();
int ModuleEntryCallCount(std::string_view entry);
// Unloads everything and zeroes the counts (part of ResetWindowSystem).
void ResetModules();

} // namespace paginor::platform
