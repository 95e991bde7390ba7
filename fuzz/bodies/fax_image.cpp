// Fax pictures: the first byte chooses TIFF (even) or raw G3 (odd) for the rest. Every
// input becomes a PNG or raises one of the image converter's own errors and leaves no
// target behind.
#include "bodies.h"

#include "convert/ImageConverter.h"
#include "convert/convert_error.h"
#include "platform/core/unicode.h"
#include "platform/files/temp.h"

#include <filesystem>
#include <fstream>
#include <unistd.h>

namespace paginor::fuzz {

bool fax_image(const uint8_t* data, size_t size) {
    if (size == 0) {
        return false;
    }
    static const std::filesystem::path dir = [] {
        std::filesystem::path d =
            to_utf8(platform::temp_folder()) + "/paginor_fuzz_fax_" + std::to_string(::getpid());
        std::filesystem::create_directories(d);
        return d;
    }();
    std::filesystem::path source = dir / ((data[0] & 1) != 0 ? "in.g3n" : "in.tif");
    std::filesystem::path target = dir / "out.png";
    std::ofstream(source, std::ios::binary | std::ios::trunc)
        .write(reinterpret_cast<const char*>(data + 1), std::streamsize(size - 1));
    std::filesystem::remove(target);
    try {
        convert::ImageConverter().convert(from_utf8(source.string()), from_utf8(target.string()));
    } catch (const RuntimeError& e) {
        fuzz_check(e.source() == convert::kImageSource && (e.number() & 0xFFFF0000) == 0x80040000,
                   "a picture that does not convert raises the converter's own error");
        fuzz_check(!std::filesystem::exists(target), "a failed conversion leaves no target");
        return false;
    }
    fuzz_check(std::filesystem::file_size(target) > 0, "a converted picture is written");
    return true;
}

} // namespace paginor::fuzz
