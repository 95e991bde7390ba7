// idl, info, bitmap: what the library file carries besides its code.
#include "paginorctl.h"

#include "library/classes.h"
#include "library/resources.h"
#include "library/version.h"

#include <cerrno>
#include <charconv>
#include <cstdio>
#include <cstring>

namespace paginorctl {

namespace {

std::string dotted(const uint16_t (&v)[4]) {
    return std::to_string(v[0]) + "." + std::to_string(v[1]) + "." + std::to_string(v[2]) + "." +
           std::to_string(v[3]);
}

} // namespace

int idl_command(Args) {
    std::string idl = paginor::automation::dump_idl(paginor::library::type_library());
    std::fwrite(idl.data(), 1, idl.size(), stdout);
    return std::fflush(stdout) == 0 ? exit_ok : fail("cannot write the IDL to standard output");
}

int info_command(Args args) {
    std::string lib = args.empty() ? default_library() : args[0];
    paginor::library::VersionRecord record;
    if (auto r = paginor::library::read_version_record(lib, record); !r) {
        return fail(r.description);
    }
    std::printf("version record of %s\n", lib.c_str());
    std::printf("  %-18s %s\n", "file version", dotted(record.file_version).c_str());
    std::printf("  %-18s %s\n", "product version", dotted(record.product_version).c_str());
    std::printf("  %-18s %s\n", "self-registering", record.self_register ? "yes" : "no");
    for (const auto& [key, value] : record.strings) {
        std::printf("  %-18s %s\n", key.c_str(), value.empty() ? "(present)" : value.c_str());
    }
    return exit_ok;
}

int bitmap_command(Args args) {
    int id = 0;
    const std::string& text = args[0];
    auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), id);
    const auto* bitmap = paginor::library::find_toolbox_bitmap(id);
    if (ec != std::errc() || end != text.data() + text.size() || !bitmap) {
        std::fprintf(stderr, "paginorctl: no toolbox bitmap \"%s\": the ids are 30000 to 30006\n",
                     text.c_str());
        return exit_usage;
    }
    std::vector<uint8_t> bmp = paginor::library::toolbox_bitmap_bmp(*bitmap);
    const std::string& file = args[1];
    std::FILE* out = std::fopen(file.c_str(), "wb");
    if (!out) {
        return fail("cannot create " + file + ": " + std::strerror(errno));
    }
    bool written = std::fwrite(bmp.data(), 1, bmp.size(), out) == bmp.size();
    written = std::fclose(out) == 0 && written;
    if (!written) {
        return fail("cannot write " + file + ": " + std::strerror(errno));
    }
    std::printf("bitmap %d (%.*s, %dx%d, %d bpp) written to %s\n", id, int(bitmap->control.size()),
                bitmap->control.data(), paginor::library::toolbox_bitmap_width,
                paginor::library::toolbox_bitmap_height, bitmap->bits_per_pixel, file.c_str());
    return exit_ok;
}

} // namespace paginorctl
