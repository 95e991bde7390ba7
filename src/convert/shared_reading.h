// One reading of a document shared by the converter runs of one task. The viewer renders
// the same document twice (an HTML page, then rich text), and reading it is most of
// either run; while a SharedReading lives on this thread, a run that finds the source
// file as an earlier successful read in the scope found it (same path, length and last
// write time to the nanosecond) takes the text read then. Outside any scope every run
// reads for itself. Failures are never kept: a read that failed is made again, and
// raises again, at the next run. The texts kept are let go when the scope ends.
#pragma once

#include "platform/files/file.h"

#include <memory>
#include <string>
#include <vector>

namespace paginor::convert {

struct OpenedDocument;

class SharedReading {
  public:
    // Opens a scope on this thread; an inner scope hides the outer one while it lives.
    SharedReading();
    ~SharedReading();
    SharedReading(const SharedReading&) = delete;
    SharedReading& operator=(const SharedReading&) = delete;

    // The whole text of doc as read_document gives it (closing doc's file), from the
    // scope open on this thread when it read this version of the file, else read now
    // (and kept when a scope is open). Raises as read_document does.
    static std::shared_ptr<const std::u16string> read(OpenedDocument& doc);

  private:
    struct Reading {
        std::u16string path;
        platform::FileVersion version;
        std::shared_ptr<const std::u16string> text;
    };

    std::vector<Reading> m_readings;
    SharedReading* m_outer{nullptr};
};

} // namespace paginor::convert
