#include "library/version.h"

#include <cstring>

namespace paginor::library {

namespace {

constexpr uint32_t kSignature = 0xFEEF04BD;
constexpr uint16_t kLayout = 1;
constexpr uint32_t kSelfRegister = 1;
constexpr std::size_t kFixedSize = 28;

// Each key and each value ends in a NUL; literals are split so that no value's first
// digit joins the NUL before it into an octal escape. The literal's own closing NUL ends
// the empty value of OLESelfRegister.
constexpr char kStrings[] = "CompanyName\0"
                            "Paginor\0"
                            "FileDescription\0"
                            "PaginorV2CTL search front-end controls\0"
                            "FileVersion\0"
                            "8.02.0007\0"
                            "InternalName\0"
                            "PaginorV2CTL\0"
                            "OriginalFilename\0"
                            "libPaginorV2CTL.so\0"
                            "ProductName\0"
                            "PaginorV2CTL\0"
                            "ProductVersion\0"
                            "8.02.0007\0"
                            "OLESelfRegister\0";

struct EmbeddedVersion {
    uint32_t signature;
    uint16_t layout;
    uint16_t strings;
    uint16_t file_version[4];
    uint16_t product_version[4];
    uint32_t flags;
    char table[sizeof kStrings];
};
static_assert(offsetof(EmbeddedVersion, table) == kFixedSize);

// Kept in the file even though no code refers to it: tools read it from the section.
[[gnu::section(".paginor_version"), gnu::used]] constexpr EmbeddedVersion kEmbedded = [] {
    EmbeddedVersion v{kSignature,    kLayout, sizeof kStrings, {8, 2, 0, 7}, {8, 2, 0, 7},
                      kSelfRegister, {}};
    for (std::size_t i = 0; i < sizeof kStrings; ++i) {
        v.table[i] = kStrings[i];
    }
    return v;
}();

uint16_t read16(const uint8_t* p) {
    return static_cast<uint16_t>(p[0] | p[1] << 8);
}

uint32_t read32(const uint8_t* p) {
    return uint32_t(p[0]) | uint32_t(p[1]) << 8 | uint32_t(p[2]) << 16 | uint32_t(p[3]) << 24;
}

} // namespace

std::string VersionRecord::text(const std::string& key) const {
    for (const auto& [k, v] : strings) {
        if (k == key) {
            return v;
        }
    }
    return {};
}

VersionRecord version_record() {
    VersionRecord out;
    parse_version_section(reinterpret_cast<const uint8_t*>(&kEmbedded), sizeof kEmbedded, out);
    return out;
}

std::string parse_version_section(const uint8_t* data, std::size_t size, VersionRecord& out) {
    if (size < kFixedSize) {
        return "the version record is truncated";
    }
    if (read32(data) != kSignature || read16(data + 4) != kLayout) {
        return "the version record has an unknown signature or layout";
    }
    std::size_t length = read16(data + 6);
    if (kFixedSize + length > size) {
        return "the version record's string table is truncated";
    }
    VersionRecord record;
    for (int i = 0; i < 4; ++i) {
        record.file_version[i] = read16(data + 8 + 2 * i);
        record.product_version[i] = read16(data + 16 + 2 * i);
    }
    record.self_register = (read32(data + 24) & kSelfRegister) != 0;
    const char* table = reinterpret_cast<const char*>(data + kFixedSize);
    std::vector<std::string> texts;
    for (std::size_t pos = 0; pos < length;) {
        const void* nul = std::memchr(table + pos, '\0', length - pos);
        if (!nul) {
            return "the version record's string table does not end in a NUL";
        }
        std::size_t end = static_cast<std::size_t>(static_cast<const char*>(nul) - table);
        texts.emplace_back(table + pos, end - pos);
        pos = end + 1;
    }
    if (texts.size() % 2 != 0) {
        return "the version record's string table holds a key without a value";
    }
    for (std::size_t i = 0; i < texts.size(); i += 2) {
        record.strings.emplace_back(texts[i], texts[i + 1]);
    }
    out = std::move(record);
    return {};
}

} // namespace paginor::library
