// Registry text: a file that parses is formatted and parsed again to the same sections,
// and formatting that is stable.
#include "bodies.h"

#include "platform/core/error.h"
#include "registry/registry.h"

namespace paginor::fuzz {

bool registry(const uint8_t* data, size_t size) {
    registry::Registry first;
    if (!first.parse(std::string_view(reinterpret_cast<const char*>(data), size), "fuzz"))
        return false;
    const std::string text = first.format();
    registry::Registry second;
    fuzz_check(bool(second.parse(text, "formatted")), "a formatted registry parses");
    fuzz_check(second.sections() == first.sections(),
               "a registry formatted and parsed again has the same sections");
    fuzz_check(second.format() == text, "formatting a registry is stable");
    // Every section read from a file can be stored again as it is.
    registry::Registry third;
    for (const registry::RegistrySection& s : first.sections()) {
        try {
            third.put(s);
        } catch (const RuntimeError&) {
            fuzz_check(false, "a parsed section can be stored");
        }
    }
    return true;
}

} // namespace paginor::fuzz
