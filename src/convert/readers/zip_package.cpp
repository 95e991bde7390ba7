#include "convert/readers/zip_package.h"

#include "convert/convert_error.h"
#include "convert/readers/readers.h"
#include "platform/core/unicode.h"

#include <zip.h>

#include <algorithm>

namespace paginor::convert {

ZipPackage::ZipPackage(std::u16string_view path, std::string_view bytes) : m_path(path) {
    zip_error_t error;
    zip_error_init(&error);
    zip_source_t* source = zip_source_buffer_create(bytes.data(), bytes.size(), 0, &error);
    if (source != nullptr) {
        m_zip = zip_open_from_source(source, ZIP_RDONLY, &error);
        if (m_zip == nullptr) {
            zip_source_free(source);
        }
    }
    zip_error_fini(&error);
    if (m_zip == nullptr) {
        raise_convert(ConvertCode::Damaged, kDocSource, path,
                      u"The package is truncated or damaged");
    }
    zip_int64_t count = zip_get_num_entries(m_zip, 0);
    for (zip_int64_t i = 0; i < count; ++i) {
        const char* name = zip_get_name(m_zip, zip_uint64_t(i), ZIP_FL_ENC_RAW);
        m_names.emplace_back(name != nullptr ? name : "");
    }
}

ZipPackage::~ZipPackage() {
    if (m_zip != nullptr) {
        zip_discard(m_zip);
    }
}

bool ZipPackage::has(std::string_view name) const {
    for (const std::string& n : m_names) {
        if (n == name) {
            return true;
        }
    }
    return false;
}

std::string ZipPackage::read(std::string_view name) {
    std::string key(name);
    zip_int64_t index = zip_name_locate(m_zip, key.c_str(), ZIP_FL_ENC_RAW);
    if (index < 0) {
        return {};
    }
    zip_stat_t st;
    zip_stat_init(&st);
    if (zip_stat_index(m_zip, zip_uint64_t(index), 0, &st) == 0 &&
        (st.valid & ZIP_STAT_ENCRYPTION_METHOD) != 0 && st.encryption_method != ZIP_EM_NONE) {
        raise_convert(ConvertCode::Encrypted, kDocSource, m_path,
                      u"The package is protected by a password");
    }
    zip_file_t* file = zip_fopen_index(m_zip, zip_uint64_t(index), 0);
    if (file == nullptr) {
        raise_convert(ConvertCode::Damaged, kDocSource, m_path,
                      u"The package's part " + from_utf8(name) + u" cannot be opened");
    }
    std::string out;
    // The stated size is a hint only (the cap is checked on what really inflates), and a
    // hint of at most 64 MiB, so a few bytes cannot make us reserve much.
    if ((st.valid & ZIP_STAT_SIZE) != 0) {
        out.reserve(size_t(std::min<uint64_t>(st.size, uint64_t(64) << 20)));
    }
    char buffer[65536];
    while (true) {
        zip_int64_t got = zip_fread(file, buffer, sizeof buffer);
        if (got < 0) {
            zip_fclose(file);
            raise_convert(ConvertCode::Damaged, kDocSource, m_path,
                          u"The package's part " + from_utf8(name) + u" is damaged");
        }
        if (got == 0) {
            break;
        }
        m_inflated += uint64_t(got);
        if (m_inflated > kMaxInflated) {
            zip_fclose(file);
            raise_convert(ConvertCode::TooLarge, kDocSource, m_path,
                          u"The package inflates past 512 MiB (a zip bomb)");
        }
        out.append(buffer, size_t(got));
    }
    zip_fclose(file);
    return out;
}

platform::XmlDocument ZipPackage::read_xml(std::string_view name) {
    return parse_xml(name, read(name));
}

platform::XmlDocument ZipPackage::parse_xml(std::string_view name, std::string_view bytes) {
    platform::XmlDocument doc;
    if (!bytes.empty() && !doc.load_bytes(bytes, true)) {
        raise_convert(ConvertCode::Damaged, kDocSource, m_path,
                      u"The package's part " + from_utf8(name) + u" is not well-formed XML");
    }
    return doc;
}

std::string_view local_name(std::string_view tag) {
    // Tags are short: a plain loop beats a call to the library's search.
    for (size_t i = 0; i < tag.size(); ++i) {
        if (tag[i] == ':') {
            return tag.substr(i + 1);
        }
    }
    return tag;
}

void XmlWalker::walk(platform::XmlNode top) {
    using platform::XmlNodeType;
    // The names of the elements walked into, for their close(): looked up once each.
    std::vector<std::string_view> open_names;
    platform::XmlNode node = top.first_child();
    while (!node.is_null() && !stop()) {
        // Only an element has a name here: asking for it first tells the kind too.
        std::string_view tag = node.raw_name();
        if (tag.empty()) {
            std::string_view value = node.raw_value();
            XmlNodeType kind = value.empty() ? node.type() : XmlNodeType::Text;
            if (kind == XmlNodeType::Text || kind == XmlNodeType::CData) {
                text(value);
            }
        } else {
            std::string_view name = local_name(tag);
            if (open(name, node)) {
                if (platform::XmlNode child = node.first_child(); !child.is_null()) {
                    open_names.push_back(name);
                    node = child;
                    continue;
                }
                close(name);
            }
        }
        // On to the next sibling, closing every element left on the way up.
        while (true) {
            platform::XmlNode next = node.next_sibling();
            if (!next.is_null()) {
                node = next;
                break;
            }
            if (open_names.empty()) {
                node = {};
                break;
            }
            node = node.parent();
            close(open_names.back());
            open_names.pop_back();
        }
    }
}

} // namespace paginor::convert
