// Pictures by content: every input decodes or raises "Invalid picture"; a decoded
// picture holds exactly its pixels and stays within the pixel limit.
#include "bodies.h"

#include "platform/core/error.h"
#include "platform/image/image_codec.h"
#include "platform/raster/bitmap.h"

namespace paginor::fuzz {

bool image(const uint8_t* data, size_t size) {
    try {
        platform::Image img = platform::decode_image({data, size});
        fuzz_check(img.width > 0 && img.height > 0 &&
                       int64_t(img.width) * img.height <= platform::kMaxBitmapPixels,
                   "a decoded picture has a size within the limit");
        fuzz_check(img.pixels.size() == size_t(img.width) * size_t(img.height),
                   "a decoded picture holds one pixel per place");
        // Touch every pixel, so that memory left unset is caught by the sanitizers.
        uint32_t all = 0;
        for (uint32_t p : img.pixels)
            all |= p;
        fuzz_check(img.has_alpha || (all >> 24) == 0xFF, "an opaque picture has opaque pixels");
        return true;
    } catch (const RuntimeError& e) {
        fuzz_check(e.number() == 481, "a picture that does not decode is an invalid picture");
        return false;
    }
}

} // namespace paginor::fuzz
