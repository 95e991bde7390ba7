// Registering this library: the work behind DllRegisterServer and DllUnregisterServer, and
// the error report the registration entry points and the host helper give a caller.
#pragma once

#include <paginor/base.h>

#include <string>
#include <string_view>

namespace paginor::library {

// The absolute path of the shared object this code was loaded from, as it was loaded
// (symbolic links are not resolved), or an empty string when the code is linked into a
// program rather than loaded from a library file.
std::string own_library_path();

// Adds or replaces this library's classes, ProgIDs, interfaces and type library in the
// registry at registry_path(), served by library_path (absolute). Throws RuntimeError with
// SELFREG_E_CLASS, naming the registry file (and line), when the registry cannot be read,
// is malformed (it is then left exactly as it was) or cannot be written.
void register_library(const std::string& library_path);

// Removes exactly this library's sections from the registry at registry_path(). A
// registry that does not exist, or holds none of them, is left alone (not even created).
// Throws as register_library does.
void unregister_library();

// Records an error object (source, description) as the calling thread's last error and
// returns hr, so that a boundary can end in `return report_error(...)`.
HRESULT report_error(HRESULT hr, std::u16string_view source, std::u16string_view description);

} // namespace paginor::library
