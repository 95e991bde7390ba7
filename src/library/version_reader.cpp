// Finds the version record in a library file by walking its ELF section headers; the
// file is only read, never loaded.
#include "library/version.h"

#include <cerrno>
#include <cstring>
#include <elf.h>
#include <fstream>
#include <iterator>

namespace paginor::library {

namespace {

constexpr const char* kSectionName = ".paginor_version";

VersionReadResult fail(const std::string& path, const std::string& why) {
    return {false, path + ": " + why};
}

bool within(std::size_t size, uint64_t offset, uint64_t length) {
    return offset <= size && length <= size - offset;
}

} // namespace

VersionReadResult read_version_record(const std::string& path, VersionRecord& out) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        return fail(path, std::string("cannot open the file: ") + std::strerror(errno));
    }
    std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (in.bad()) {
        return fail(path, "cannot read the file");
    }
    const auto* data = reinterpret_cast<const uint8_t*>(bytes.data());
    std::size_t size = bytes.size();
    Elf64_Ehdr eh;
    if (size < sizeof eh || std::memcmp(bytes.data(), ELFMAG, SELFMAG) != 0) {
        return fail(path, "not an ELF file");
    }
    std::memcpy(&eh, data, sizeof eh);
    if (eh.e_ident[EI_CLASS] != ELFCLASS64 || eh.e_ident[EI_DATA] != ELFDATA2LSB) {
        return fail(path, "not a 64-bit little-endian ELF file");
    }
    if (eh.e_shentsize != sizeof(Elf64_Shdr) ||
        !within(size, eh.e_shoff, uint64_t(eh.e_shnum) * sizeof(Elf64_Shdr)) ||
        eh.e_shstrndx >= eh.e_shnum) {
        return fail(path, "the ELF section table is missing or damaged");
    }
    auto section = [&](std::size_t i) {
        Elf64_Shdr sh;
        std::memcpy(&sh, data + eh.e_shoff + i * sizeof sh, sizeof sh);
        return sh;
    };
    Elf64_Shdr names = section(eh.e_shstrndx);
    if (!within(size, names.sh_offset, names.sh_size)) {
        return fail(path, "the ELF section names are damaged");
    }
    const char* name_table = bytes.data() + names.sh_offset;
    std::size_t wanted = std::strlen(kSectionName) + 1;
    for (std::size_t i = 0; i < eh.e_shnum; ++i) {
        Elf64_Shdr sh = section(i);
        if (sh.sh_name >= names.sh_size || names.sh_size - sh.sh_name < wanted ||
            std::memcmp(name_table + sh.sh_name, kSectionName, wanted) != 0) {
            continue;
        }
        if (sh.sh_type == SHT_NOBITS || !within(size, sh.sh_offset, sh.sh_size)) {
            return fail(path, std::string("the section ") + kSectionName + " is damaged");
        }
        std::string why = parse_version_section(data + sh.sh_offset, sh.sh_size, out);
        return why.empty() ? VersionReadResult{true, {}} : fail(path, why);
    }
    return fail(path, std::string("no version record (no section ") + kSectionName + ")");
}

} // namespace paginor::library
