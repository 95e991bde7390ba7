// The file registry: the one place where in-process servers record which library file
// serves a class identifier or a ProgID, and which type library describes their classes.
// Several servers share one file; each adds and removes only its own sections.
//
// The file is UTF-8 text, one item a line, meant to be read (and if need be mended) by a
// person:
//
//   # a comment: a line whose first non-blank character is '#' or ';'
//   [kind key]        starts a section: kind is one word, key is the rest of the bracket
//   name = value      an entry of the section above; blanks around name and value trimmed
//
// Blank lines are ignored. A comment block that opens the file and ends in a blank line
// (or the file's end) is the file's heading, which the library writes anew; any other comment lines
// belong to the section header below them and are written back with it. Section kinds and entry
// names are compared exactly, section keys without regard to ASCII case (ProgIDs and GUIDs are
// case-insensitive on the desktop too). The kinds this library writes are listed in
// registry_server.h; sections of any other kind are kept as they are.
//
// Lines end in "\n" or "\r\n"; a carriage return anywhere else is refused (bad_value), since
// it could not be written back. Names and values are UTF-8 as they stand in the file (they are file
// paths and identifiers); conversion to the library's UTF-16 strings happens where a host asks.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace paginor::registry {

struct RegistryEntry {
    std::string name;
    std::string value;
    bool operator==(const RegistryEntry&) const = default;
};

struct RegistrySection {
    std::string kind;
    std::string key;
    std::vector<RegistryEntry> entries;
    // Comment lines just above the header, without their line breaks.
    std::vector<std::string> comments;

    // The value of the first entry called name, or null when there is none.
    const std::string* find(std::string_view name) const;
    // The value of name, or fallback when there is none.
    std::string value(std::string_view name, std::string_view fallback = {}) const;
    bool operator==(const RegistrySection&) const = default;
};

enum class RegistryStatus {
    ok,
    io_error,          // the file exists but cannot be read or written
    not_text,          // a NUL byte or malformed UTF-8
    syntax_error,      // a line that is neither comment, header nor entry
    duplicate_section, // the same kind and key twice
    duplicate_entry,   // the same entry name twice in one section
    bad_value,         // a name, key or value that cannot be written back on one line
};

// What a read or write of the registry came to: where and why it failed, as one value.
struct RegistryResult {
    RegistryStatus status = RegistryStatus::ok;
    std::string file;        // the registry file concerned
    std::size_t line = 0;    // 1-based line of the failure; 0 when no line is to blame
    std::string description; // why, in plain words; empty when ok

    explicit operator bool() const { return status == RegistryStatus::ok; }
    // "<file>:<line>: <description>" (or "<file>: <description>" when line is 0).
    std::string message() const;
};

inline constexpr std::size_t kMaxRegistryBytes = std::size_t(16) << 20;

// The sections of one registry file, in file order.
class Registry {
  public:
    // Replaces the contents with the sections parsed from text (at most kMaxRegistryBytes;
    // a larger text is refused as not_text). On failure the registry
    // is left as it was and the result names file_name, the line and the reason.
    RegistryResult parse(std::string_view text, std::string_view file_name);

    // The file text: a heading comment, then every section in order, each followed by a
    // blank line. Parsing the text gives back the same sections.
    std::string format() const;

    const std::vector<RegistrySection>& sections() const { return m_sections; }
    // The section of that kind and key, or null.
    const RegistrySection* find(std::string_view kind, std::string_view key) const;

    // Stores section in place of the one with the same kind and key (keeping its
    // position), or at the end when there is none. Throws RuntimeError (5, invalid
    // procedure call) when a kind, key, name or value holds a line break, a bracket
    // where the format forbids one, or a name is empty; the registry is then unchanged.
    void put(RegistrySection section);
    // Removes the section of that kind and key; false when there was none.
    bool remove(std::string_view kind, std::string_view key);

  private:
    std::vector<RegistrySection> m_sections;
    // Comments after the last section, kept so that a rewrite does not lose them.
    std::vector<std::string> m_trailing_comments;
};

} // namespace paginor::registry
