// The user's temporary folder: the value of TEMP, else TMPDIR, else "/tmp". A variable
// that is set but empty counts as unset. The value is returned unchanged (no separator
// added or removed); it is read at each call, so a change of the environment shows.
#pragma once

#include <string>

namespace paginor::platform {

std::u16string temp_folder();

// The value of an environment variable, empty when unset; never fails.
std::u16string environment_variable(const char* name);

} // namespace paginor::platform
