// The library's version record: file and product version, their text forms, the internal
// name and the self-registering flag that tells a host it may call DllRegisterServer.
//
// The record is carried in the shared object as data, in its own ELF section
// ".paginor_version", so that a tool can read it from a library file without loading it
// (and so without running any of its code). The section holds, little-endian:
//
//   uint32 signature  0xFEEF04BD
//   uint16 layout     1
//   uint16 strings    byte length of the string table that follows the fixed part
//   uint16 file version     major, minor, build, revision
//   uint16 product version  major, minor, build, revision
//   uint32 flags      bit 0: self-registering
//   string table      pairs "key\0value\0", in the order of VersionRecord::strings
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace paginor::library {

struct VersionRecord {
    uint16_t file_version[4] = {};
    uint16_t product_version[4] = {};
    bool self_register = false; // the OLESelfRegister mark
    // Named texts in record order: CompanyName, FileDescription, FileVersion,
    // InternalName, OriginalFilename, ProductName, ProductVersion, OLESelfRegister (an
    // empty value: the key's presence is the mark).
    std::vector<std::pair<std::string, std::string>> strings;

    // The text of key, or empty when the record has none.
    std::string text(const std::string& key) const;
};

// The record compiled into this library.
VersionRecord version_record();

// Reads a record from the bytes of a ".paginor_version" section. Returns an empty string
// on success, else why the bytes are not a record (wrong signature or layout, truncated,
// a string table that does not end in key/value pairs); out is then unchanged.
std::string parse_version_section(const uint8_t* data, std::size_t size, VersionRecord& out);

// What reading a library file's record came to; description names the file and says why
// it failed.
struct VersionReadResult {
    bool ok = false;
    std::string description;
    explicit operator bool() const { return ok; }
};

// Reads the version record from the ELF shared object at path. Fails (never throws) when
// the file cannot be read, is not a 64-bit little-endian ELF file, has no
// ".paginor_version" section, or the section is truncated or malformed; out is then
// unchanged.
VersionReadResult read_version_record(const std::string& path, VersionRecord& out);

} // namespace paginor::library
