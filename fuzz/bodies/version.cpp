// The version record's bytes: refused with a reason or read into pairs.
#include "bodies.h"

#include "library/version.h"

namespace paginor::fuzz {

bool version(const uint8_t* data, size_t size) {
    library::VersionRecord record;
    const std::string why = library::parse_version_section(data, size, record);
    if (why.empty())
        for (const auto& [key, value] : record.strings)
            fuzz_check(record.text(key).size() <= size, "a version text lies inside the record");
    else
        fuzz_check(record.strings.empty(), "a refused version record leaves the output alone");
    return why.empty();
}

} // namespace paginor::fuzz
