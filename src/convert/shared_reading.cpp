#include "convert/shared_reading.h"

#include "convert/readers/readers.h"

#include <algorithm>

namespace paginor::convert {

namespace {
thread_local SharedReading* t_current = nullptr;
}

SharedReading::SharedReading() : m_outer(t_current) {
    t_current = this;
}

SharedReading::~SharedReading() {
    t_current = m_outer;
}

std::shared_ptr<const std::u16string> SharedReading::read(OpenedDocument& doc) {
    SharedReading* scope = t_current;
    if (scope == nullptr) {
        return std::make_shared<const std::u16string>(read_document(doc));
    }
    // Taken before the read: a file written meanwhile shows another version next time.
    const platform::FileVersion version = doc.file.version();
    std::vector<Reading>& kept = scope->m_readings;
    auto same_path = [&](const Reading& r) { return r.path == doc.path; };
    auto found = std::find_if(kept.begin(), kept.end(), same_path);
    if (found != kept.end() && found->version == version) {
        doc.file.close();
        return found->text;
    }
    auto text = std::make_shared<const std::u16string>(read_document(doc));
    if (found != kept.end()) {
        *found = {doc.path, version, text};
    } else {
        kept.push_back({doc.path, version, text});
    }
    return text;
}

} // namespace paginor::convert
