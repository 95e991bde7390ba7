#include "convert/readers/compound_file.h"

#include "convert/convert_error.h"
#include "convert/readers/readers.h"

#include <gsf/gsf-infile-msole.h>
#include <gsf/gsf-infile.h>
#include <gsf/gsf-input-memory.h>
#include <gsf/gsf-utils.h>

#include <cstring>
#include <vector>

namespace paginor::convert {

namespace {

void quiet_log(const gchar*, GLogLevelFlags, const gchar*, gpointer) {}

void start_gsf() {
    static const bool started = [] {
        g_log_set_default_handler(&quiet_log, nullptr);
        gsf_init();
        return true;
    }();
    (void)started;
}

uint32_t u32(std::string_view b, size_t at) {
    if (at + 4 > b.size()) {
        return 0xFFFFFFFF;
    }
    uint32_t v;
    std::memcpy(&v, b.data() + at, 4);
    return v;
}

// The sector size the header states; 0 for one we do not know.
size_t sector_size(std::string_view b) {
    const uint16_t shift = b.size() > 0x20 ? uint16_t(uint8_t(b[0x1E]) | uint8_t(b[0x1F]) << 8) : 9;
    return shift == 9 || shift == 12 ? size_t(1) << shift : 0;
}

// Follows the directory's chain through the sector table named by the header's first
// 109 entries; a sector met twice is a cycle. Anything else odd is left to libgsf.
bool chain_loops(std::string_view b) {
    const size_t sector = sector_size(b);
    if (sector == 0) {
        return false;
    }
    auto sector_at = [&](uint32_t n) { return sector + size_t(n) * sector; };
    std::vector<uint32_t> fat;
    for (size_t i = 0; i < 109; ++i) {
        uint32_t s = u32(b, 0x4C + 4 * i);
        if (s >= 0xFFFFFFFA || sector_at(s) + sector > b.size()) {
            continue;
        }
        for (size_t k = 0; k < sector / 4; ++k) {
            fat.push_back(u32(b, sector_at(s) + 4 * k));
        }
    }
    for (uint32_t start : {u32(b, 0x30), u32(b, 0x3C)}) { // directory, mini table
        std::vector<bool> seen(fat.size());
        for (uint32_t s = start; s < fat.size(); s = fat[s]) {
            if (seen[s]) {
                return true;
            }
            seen[s] = true;
        }
    }
    return false;
}

// The root entry stands alone: siblings of its own mean a damaged directory, and libgsf
// would read them as further roots it never frees.
bool root_has_siblings(std::string_view b) {
    const size_t sector = sector_size(b);
    const uint32_t first = u32(b, 0x30);
    if (sector == 0 || first >= 0xFFFFFFFA) {
        return false;
    }
    const size_t root = sector + size_t(first) * sector;
    return root + 128 <= b.size() &&
           (u32(b, root + 0x44) != 0xFFFFFFFF || u32(b, root + 0x48) != 0xFFFFFFFF);
}

} // namespace

CompoundFile::CompoundFile(std::u16string_view path, std::string_view bytes) : m_path(path) {
    start_gsf();
    if (chain_loops(bytes)) {
        raise_convert(ConvertCode::Cycle, kDocSource, path,
                      u"The compound file's sector chains loop");
    }
    if (root_has_siblings(bytes)) {
        raise_convert(ConvertCode::Damaged, kDocSource, path,
                      u"The compound file is truncated or damaged");
    }
    m_input = gsf_input_memory_new(reinterpret_cast<const guint8*>(bytes.data()),
                                   gsf_off_t(bytes.size()), FALSE);
    GError* error = nullptr;
    m_root = m_input != nullptr ? gsf_infile_msole_new(m_input, &error) : nullptr;
    if (error != nullptr) {
        g_error_free(error);
    }
    if (m_root == nullptr) {
        if (m_input != nullptr) {
            g_object_unref(m_input);
        }
        raise_convert(ConvertCode::Damaged, kDocSource, path,
                      u"The compound file is truncated or damaged");
    }
}

CompoundFile::~CompoundFile() {
    g_object_unref(m_root);
    g_object_unref(m_input);
}

bool CompoundFile::has(const char* name) const {
    GsfInput* child = gsf_infile_child_by_name(m_root, name);
    if (child != nullptr) {
        g_object_unref(child);
    }
    return child != nullptr;
}

std::string CompoundFile::read(const char* name) const {
    GsfInput* child = gsf_infile_child_by_name(m_root, name);
    if (child == nullptr) {
        return {};
    }
    gsf_off_t size = gsf_input_size(child);
    if (size < 0 || uint64_t(size) > kMaxInflated) {
        g_object_unref(child);
        raise_convert(ConvertCode::TooLarge, kDocSource, m_path, u"A stream is too large");
    }
    std::string out(size_t(size), '\0');
    bool ok = size == 0 ||
              gsf_input_read(child, size_t(size), reinterpret_cast<guint8*>(out.data())) != nullptr;
    g_object_unref(child);
    if (!ok) {
        raise_convert(ConvertCode::Damaged, kDocSource, m_path,
                      u"The compound file's stream cannot be read");
    }
    return out;
}

void read_compound(std::u16string_view path, std::string_view bytes, TextSink& out) {
    CompoundFile file(path, bytes);
    if (file.has("EncryptedPackage") || file.has("EncryptedSummary")) {
        raise_convert(ConvertCode::Encrypted, kDocSource, path,
                      u"The document is protected by a password");
    }
    if (file.has("WordDocument")) {
        read_word_97(file, out);
    } else if (file.has("PowerPoint Document")) {
        read_powerpoint_97(file, out);
    } else if (file.has("__substg1.0_0037001F") || file.has("__substg1.0_0037001E") ||
               file.has("__substg1.0_1000001F") || file.has("__substg1.0_1000001E")) {
        read_message(file, out);
    } else if (file.has("Workbook") || file.has("Book")) {
        read_excel_97(file, out);
    } else {
        raise_convert(ConvertCode::UnknownFormat, kDocSource, path,
                      u"The compound file is no document this converter knows");
    }
}

} // namespace paginor::convert
