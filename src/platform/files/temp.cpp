#include "platform/files/temp.h"

#include "platform/core/unicode.h"

#include <cstdlib>

namespace paginor::platform {

std::u16string environment_variable(const char* name) {
    const char* value = std::getenv(name);
    return value == nullptr ? std::u16string{} : from_utf8(value);
}

std::u16string temp_folder() {
    for (const char* name : {"TEMP", "TMPDIR"}) {
        std::u16string value = environment_variable(name);
        if (!value.empty()) {
            return value;
        }
    }
    return u"/tmp";
}

} // namespace paginor::platform
