// One reading of a document shared by the converter runs of one task. The viewer renders
// the same document twice (an HTML page, then rich text), and reading it is most of
// either run; while a SharedReading lives on this thread, a run that finds the source
// file as an earlier successful read in the scope found it (same path, length and last
// write time to the nanosecond) takes that reading: its text, and the hits already found
// in it for the same hit list. Outside any scope every run reads for itself. Failures
// are never kept: a read that failed is made again, and raises again, at the next run.
// The readings kept are let go when the scope ends.
#pragma once

#include "convert/hits.h"
#include "platform/files/file.h"

#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace paginor::convert {

struct OpenedDocument;

// A document's text as read_document gave it, and the hits found in it per hit list.
class DocReading {
  public:
    explicit DocReading(std::u16string text) : m_text(std::move(text)) {}
    const std::u16string& text() const { return m_text; }
    // The hits of hit_list in the text: those find gives, asked of it once per list.
    const std::vector<Hit>& hits(std::u16string_view hit_list,
                                 const std::function<std::vector<Hit>()>& find);

  private:
    std::u16string m_text;
    std::vector<std::pair<std::u16string, std::vector<Hit>>> m_hits;
};

class SharedReading {
  public:
    // Opens a scope on this thread; an inner scope hides the outer one while it lives.
    SharedReading();
    ~SharedReading();
    SharedReading(const SharedReading&) = delete;
    SharedReading& operator=(const SharedReading&) = delete;

    // The reading of doc (whose file it closes): the one the scope open on this thread
    // made of this version of the file, else one made now (and kept when a scope is
    // open). Raises as read_document does.
    static std::shared_ptr<DocReading> read(OpenedDocument& doc);

  private:
    struct Kept {
        std::u16string path;
        platform::FileVersion version;
        std::shared_ptr<DocReading> reading;
    };

    std::vector<Kept> m_kept;
    SharedReading* m_outer{nullptr};
};

} // namespace paginor::convert
