// An office package held in memory: its entry names and, on request, an entry inflated.
// Every entry read counts towards kMaxInflated for the whole package, measured on the
// bytes really inflated (the sizes a header states are not trusted).
#pragma once

#include "platform/xml/xml.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

struct zip;

namespace paginor::convert {

class ZipPackage {
  public:
    // Raises Damaged when bytes are not a readable zip archive.
    ZipPackage(std::u16string_view path, std::string_view bytes);
    ~ZipPackage();
    ZipPackage(const ZipPackage&) = delete;
    ZipPackage& operator=(const ZipPackage&) = delete;

    const std::vector<std::string>& names() const { return m_names; }
    bool has(std::string_view name) const;

    // The entry's bytes; an absent entry gives nothing. Raises Encrypted, TooLarge or
    // Damaged (a CRC or inflate failure, a truncated archive).
    std::string read(std::string_view name);
    // The entry as XML; an absent entry gives an empty document. Raises Damaged when it
    // is not well-formed.
    platform::XmlDocument read_xml(std::string_view name);
    // The same for bytes already read from the entry.
    platform::XmlDocument parse_xml(std::string_view name, std::string_view bytes);

    std::u16string_view path() const { return m_path; }
    // Bytes inflated so far, by every read.
    uint64_t inflated() const { return m_inflated; }

  private:
    std::u16string m_path;
    zip* m_zip{nullptr};
    std::vector<std::string> m_names;
    uint64_t m_inflated{0};
};

// An element's name without its namespace prefix.
std::string_view local_name(std::string_view tag);

// Walks an XML tree in document order without recursion. open() answers whether to go
// into the element; close() follows its last child; text() gets text and CDATA.
class XmlWalker {
  public:
    virtual ~XmlWalker() = default;
    virtual bool open(std::string_view name, platform::XmlNode element) = 0;
    virtual void close(std::string_view name) { (void)name; }
    virtual void text(std::string_view utf8) { (void)utf8; }

    // Stops early when stop() turns true (a full sink).
    void walk(platform::XmlNode top);
    virtual bool stop() const { return false; }
};

} // namespace paginor::convert
