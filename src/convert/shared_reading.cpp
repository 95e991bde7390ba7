#include "convert/shared_reading.h"

#include "convert/readers/readers.h"
#include "platform/core/error.h"

#include <algorithm>
#include <optional>

namespace paginor::convert {

namespace {
thread_local SharedReading* t_current = nullptr;
}

const std::vector<Hit>& DocReading::hits(std::u16string_view hit_list,
                                         const std::function<std::vector<Hit>()>& find) {
    for (const auto& [list, hits] : m_hits) {
        if (list == hit_list) {
            return hits;
        }
    }
    return m_hits.emplace_back(std::u16string(hit_list), find()).second;
}

SharedReading::SharedReading() : m_outer(t_current) {
    t_current = this;
}

SharedReading::~SharedReading() {
    t_current = m_outer;
}

std::shared_ptr<DocReading> SharedReading::read(OpenedDocument& doc) {
    SharedReading* scope = t_current;
    // Taken before the read: a file written meanwhile shows another version next time.
    // A file that cannot tell its version is read as if no scope were open.
    std::optional<platform::FileVersion> known;
    if (scope != nullptr) {
        try {
            known = doc.file.version();
        } catch (const RuntimeError&) {
        }
    }
    if (!known) {
        return std::make_shared<DocReading>(read_document(doc));
    }
    const platform::FileVersion version = *known;
    std::vector<Kept>& kept = scope->m_kept;
    auto found =
        std::find_if(kept.begin(), kept.end(), [&](const Kept& k) { return k.path == doc.path; });
    if (found != kept.end() && found->version == version) {
        doc.file.close();
        return found->reading;
    }
    auto reading = std::make_shared<DocReading>(read_document(doc));
    if (found != kept.end()) {
        *found = {doc.path, version, reading};
    } else {
        kept.push_back({doc.path, version, reading});
    }
    return reading;
}

} // namespace paginor::convert
