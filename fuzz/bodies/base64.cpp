// Base64: decoding never fails but by refusing, and what is encoded decodes to itself.
#include "bodies.h"

#include "platform/core/base64.h"

namespace paginor::fuzz {

bool base64(const uint8_t* data, size_t size) {
    std::string_view text(reinterpret_cast<const char*>(data), size);
    auto decoded = platform::base64_decode(text);
    if (auto& bytes = decoded)
        fuzz_check(platform::base64_decode(platform::base64_encode(*bytes)) == bytes,
                   "decoded base64 encodes and decodes to the same bytes");
    const std::string encoded = platform::base64_encode({data, size});
    auto back = platform::base64_decode(encoded);
    fuzz_check(back && std::equal(back->begin(), back->end(), data, data + size),
               "encoded bytes decode to themselves");
    return decoded.has_value();
}

} // namespace paginor::fuzz
