#include "registry/registry.h"

#include "platform/core/error.h"
#include "platform/core/unicode.h"

#include <algorithm>
#include <utility>

namespace paginor::registry {

namespace {

constexpr std::string_view kHeading =
    "# Paginor component registry: which library file serves which class identifier and\n"
    "# ProgID, and which type library describes it. Servers add and remove their own\n"
    "# sections when they register and unregister; the format is described in the README.\n";

constexpr std::string_view kBlanks = " \t";

std::string_view trim(std::string_view s) {
    std::size_t first = s.find_first_not_of(kBlanks);
    if (first == std::string_view::npos) {
        return {};
    }
    std::size_t last = s.find_last_not_of(kBlanks);
    return s.substr(first, last - first + 1);
}

bool same_key(std::string_view a, std::string_view b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; };
        return lower(x) == lower(y);
    });
}

bool is_word(std::string_view s) {
    return !s.empty() && std::all_of(s.begin(), s.end(), [](char c) {
        return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
               c == '-' || c == '_';
    });
}

bool is_comment(std::string_view line) {
    return !line.empty() && (line.front() == '#' || line.front() == ';');
}

// Length of the UTF-8 sequence starting at s[i], or 0 when it is malformed (including
// overlong forms, surrogates and code points past U+10FFFF).
std::size_t utf8_sequence(std::string_view s, std::size_t i) {
    auto byte = [&](std::size_t k) { return static_cast<unsigned char>(s[k]); };
    unsigned char c = byte(i);
    if (c < 0x80) {
        return 1;
    }
    std::size_t n = c >= 0xF0 ? 4 : c >= 0xE0 ? 3 : c >= 0xC2 ? 2 : 0;
    if (n == 0 || c > 0xF4 || i + n > s.size()) {
        return 0;
    }
    for (std::size_t k = 1; k < n; ++k) {
        if ((byte(i + k) & 0xC0) != 0x80) {
            return 0;
        }
    }
    unsigned char c1 = byte(i + 1);
    if ((c == 0xE0 && c1 < 0xA0) || (c == 0xED && c1 >= 0xA0) || (c == 0xF0 && c1 < 0x90) ||
        (c == 0xF4 && c1 >= 0x90)) {
        return 0;
    }
    return n;
}

// The line (1-based) of the first NUL byte or malformed UTF-8 sequence, or 0.
std::size_t first_bad_text_line(std::string_view text) {
    std::size_t line = 1;
    for (std::size_t i = 0; i < text.size();) {
        std::size_t n = text[i] == '\0' ? 0 : utf8_sequence(text, i);
        if (n == 0) {
            return line;
        }
        if (text[i] == '\n') {
            ++line;
        }
        i += n;
    }
    return 0;
}

RegistryResult failure(RegistryStatus status, std::string_view file, std::size_t line,
                       std::string description) {
    return {status, std::string(file), line, std::move(description)};
}

bool fits_one_line(std::string_view s) {
    return s.find_first_of("\r\n") == std::string_view::npos && trim(s) == s;
}

// Why a section cannot be written back so that it parses to the same thing, or empty.
std::string section_fault(const RegistrySection& s) {
    if (!is_word(s.kind)) {
        return "section kind \"" + s.kind + "\" is not one word";
    }
    if (s.key.empty() || !fits_one_line(s.key)) {
        return "section key \"" + s.key + "\" is empty or spans lines";
    }
    for (const auto& c : s.comments) {
        if (!is_comment(c) || c.find_first_of("\r\n") != std::string::npos) {
            return "comment \"" + c + "\" does not start with '#' or ';' or spans lines";
        }
    }
    for (std::size_t i = 0; i < s.entries.size(); ++i) {
        const auto& e = s.entries[i];
        if (e.name.empty() || !fits_one_line(e.name) || e.name.find('=') != std::string::npos ||
            e.name.front() == '[' || is_comment(e.name)) {
            return "entry name \"" + e.name + "\" cannot stand at the start of an entry line";
        }
        if (!fits_one_line(e.value)) {
            return "value of \"" + e.name + "\" spans lines or has blanks at its ends";
        }
        for (std::size_t k = 0; k < i; ++k) {
            if (s.entries[k].name == e.name) {
                return "entry \"" + e.name + "\" is given twice";
            }
        }
    }
    return {};
}

} // namespace

const std::string* RegistrySection::find(std::string_view name) const {
    for (const auto& e : entries) {
        if (e.name == name) {
            return &e.value;
        }
    }
    return nullptr;
}

std::string RegistrySection::value(std::string_view name, std::string_view fallback) const {
    const std::string* v = find(name);
    return v ? *v : std::string(fallback);
}

std::string RegistryResult::message() const {
    std::string where = file;
    if (line != 0) {
        where += ":" + std::to_string(line);
    }
    return where + ": " + description;
}

RegistryResult Registry::parse(std::string_view text, std::string_view file_name) {
    if (text.size() > kMaxRegistryBytes) {
        return failure(RegistryStatus::not_text, file_name, 0,
                       "larger than a registry file may be (16 MiB)");
    }
    if (std::size_t bad = first_bad_text_line(text)) {
        return failure(RegistryStatus::not_text, file_name, bad,
                       "not a text file: a NUL byte or malformed UTF-8");
    }
    if (text.starts_with("\xEF\xBB\xBF")) {
        text.remove_prefix(3);
    }
    std::vector<RegistrySection> sections;
    std::vector<std::string> pending;
    bool in_heading = true; // still in the comment block that opens the file
    std::size_t number = 0;
    for (std::size_t pos = 0; pos < text.size();) {
        std::size_t end = std::min(text.find('\n', pos), text.size());
        std::string_view raw = text.substr(pos, end - pos);
        pos = end + 1;
        ++number;
        if (raw.ends_with('\r')) {
            raw.remove_suffix(1);
        }
        // Any other carriage return could not be written back: format() ends lines in
        // "\n" and a reader drops one "\r" before it.
        if (raw.find('\r') != std::string_view::npos) {
            return failure(RegistryStatus::bad_value, file_name, number,
                           "a carriage return inside a line");
        }
        std::string_view line = trim(raw);
        if (line.empty()) {
            if (in_heading) {
                pending.clear(); // the file's heading, which format() writes anew
            }
            in_heading = false;
            continue;
        }
        if (is_comment(line)) {
            pending.emplace_back(line);
            continue;
        }
        in_heading = false;
        if (line.front() == '[') {
            if (line.back() != ']') {
                return failure(RegistryStatus::syntax_error, file_name, number,
                               "section header does not end with ']'");
            }
            std::string_view inner = trim(line.substr(1, line.size() - 2));
            std::size_t gap = inner.find_first_of(kBlanks);
            std::string_view kind = inner.substr(0, gap);
            std::string_view key = gap == std::string_view::npos ? "" : trim(inner.substr(gap));
            if (!is_word(kind) || key.empty()) {
                return failure(RegistryStatus::syntax_error, file_name, number,
                               "section header is not \"[kind key]\"");
            }
            for (const auto& s : sections) {
                if (s.kind == kind && same_key(s.key, key)) {
                    return failure(RegistryStatus::duplicate_section, file_name, number,
                                   "section [" + std::string(inner) + "] appears twice");
                }
            }
            sections.push_back({std::string(kind), std::string(key), {}, std::move(pending)});
            pending.clear();
            continue;
        }
        std::size_t eq = line.find('=');
        if (eq == std::string_view::npos || trim(line.substr(0, eq)).empty()) {
            return failure(RegistryStatus::syntax_error, file_name, number,
                           "expected \"name = value\", a \"[kind key]\" header or a comment");
        }
        if (sections.empty()) {
            return failure(RegistryStatus::syntax_error, file_name, number,
                           "entry before the first section header");
        }
        RegistryEntry entry{std::string(trim(line.substr(0, eq))),
                            std::string(trim(line.substr(eq + 1)))};
        RegistrySection& current = sections.back();
        if (current.find(entry.name)) {
            return failure(RegistryStatus::duplicate_entry, file_name, number,
                           "entry \"" + entry.name + "\" appears twice in [" + current.kind + " " +
                               current.key + "]");
        }
        current.entries.push_back(std::move(entry));
    }
    if (in_heading) {
        pending.clear(); // a file of comments alone: its heading, which format() writes anew
    }
    m_sections = std::move(sections);
    m_trailing_comments = std::move(pending);
    return {};
}

std::string Registry::format() const {
    std::string out(kHeading);
    for (const auto& s : m_sections) {
        out += "\n";
        for (const auto& c : s.comments) {
            out += c + "\n";
        }
        out += "[" + s.kind + " " + s.key + "]\n";
        for (const auto& e : s.entries) {
            out += e.name + " = " + e.value + "\n";
        }
    }
    if (!m_trailing_comments.empty()) {
        out += "\n";
        for (const auto& c : m_trailing_comments) {
            out += c + "\n";
        }
    }
    return out;
}

const RegistrySection* Registry::find(std::string_view kind, std::string_view key) const {
    for (const auto& s : m_sections) {
        if (s.kind == kind && same_key(s.key, key)) {
            return &s;
        }
    }
    return nullptr;
}

void Registry::put(RegistrySection section) {
    std::string fault = section_fault(section);
    if (!fault.empty()) {
        raise_standard(std_error::InvalidProcedureCall, u"PaginorV2CTL.Registry",
                       u"Cannot store registry section: " + from_utf8(fault));
    }
    for (auto& s : m_sections) {
        if (s.kind == section.kind && same_key(s.key, section.key)) {
            s = std::move(section);
            return;
        }
    }
    m_sections.push_back(std::move(section));
}

bool Registry::remove(std::string_view kind, std::string_view key) {
    auto it = std::find_if(m_sections.begin(), m_sections.end(), [&](const RegistrySection& s) {
        return s.kind == kind && same_key(s.key, key);
    });
    if (it == m_sections.end()) {
        return false;
    }
    m_sections.erase(it);
    return true;
}

} // namespace paginor::registry
