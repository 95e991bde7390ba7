// A compound file (the container of old office documents and messages) held in memory,
// opened through libgsf after our own check of its sector chains: a chain that loops is
// refused as a cycle before libgsf walks it. GLib's logging is silenced on first use.
#pragma once

#include "convert/doc_text.h"

#include <cstdint>
#include <string>
#include <string_view>

struct _GsfInfile;
struct _GsfInput;

namespace paginor::convert {

class CompoundFile {
  public:
    // Raises Cycle for a looping chain, Damaged when the container does not open.
    CompoundFile(std::u16string_view path, std::string_view bytes);
    ~CompoundFile();
    CompoundFile(const CompoundFile&) = delete;
    CompoundFile& operator=(const CompoundFile&) = delete;

    bool has(const char* name) const;
    // A stream of the root storage whole (at most kMaxInflated bytes); empty when absent.
    // Raises Damaged when it cannot be read.
    std::string read(const char* name) const;

    std::u16string_view path() const { return m_path; }

  private:
    std::u16string m_path;
    _GsfInput* m_input{nullptr};
    _GsfInfile* m_root{nullptr};
};

// The record readers on top of it, one file each.
void read_word_97(CompoundFile& file, TextSink& out);
void read_powerpoint_97(CompoundFile& file, TextSink& out);
void read_message(CompoundFile& file, TextSink& out);
void read_excel_97(CompoundFile& file, TextSink& out);

} // namespace paginor::convert
