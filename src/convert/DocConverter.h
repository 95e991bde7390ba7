// The document converter: one document and the host's hit list in, a hit-marked HTML
// page (format 226) or rich text (format 212) out. The viewer makes one per rendition
// through create_doc_converter(), sets what it needs in any order and runs it once.
//
// Every setting is stored as given. Run reads the source (readers.h picks the reader
// by the file's first bytes, then by its extension; within a SharedReading it takes what
// an earlier run read of the same file), finds the hits (hits.h) and
// either returns the rendition as ResultText or writes it to the target: through a
// temporary name beside it, renamed into place, so a failure leaves no target file.
// The index location is kept and not used. Failures raise the converter's own errors
// (convert_error.h); nothing is written to stderr.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <utility>

namespace paginor::convert {

struct RenditionInput;
struct RenditionOut;
struct OpenedDocument;
class DocReading;

inline constexpr int32_t kFormatHtml = 226;
inline constexpr int32_t kFormatRtf = 212;

class DocConverter {
  public:
    virtual ~DocConverter() = default;

    virtual void set_hit_start(std::u16string_view markup) { m_hit_start = markup; }
    virtual void set_hit_end(std::u16string_view markup) { m_hit_end = markup; }
    virtual void set_source_file(std::u16string_view path) { m_source = path; }
    virtual void set_field_text(std::u16string_view text) { m_fields = text; }
    virtual void set_hit_list(std::u16string_view hits) { m_hits = hits; }
    virtual void set_index_location(std::u16string_view path) { m_index = path; }
    virtual void set_return_as_text(bool as_text) { m_as_text = as_text; }
    virtual void set_target_file(std::u16string_view path) { m_target = path; }
    virtual void set_format_code(int32_t code) { m_format = code; }
    virtual void set_preamble(std::u16string_view rtf) { m_preamble = rtf; }

    // Produces the rendition. Raises BadSetting for a format other than 226 or 212, no
    // source, or no target when not returning text; the reader's errors otherwise.
    virtual void run();
    // The rendition after a run that returned text; empty otherwise.
    virtual std::u16string result_text() const { return m_result; }
    // The same, handed over without a copy; the converter is left with none.
    virtual std::u16string take_result_text() { return std::move(m_result); }

    const std::u16string& index_location() const { return m_index; }

  private:
    // What a rendition of reading is made of: its text, the hits of the hit list in it
    // (held by reading) and the settings.
    RenditionInput rendition_input(DocReading& reading) const;
    // Plain text to HTML as it is read, a block at a time.
    void stream_html(OpenedDocument& doc, RenditionOut& out) const;

    std::u16string m_hit_start;
    std::u16string m_hit_end;
    std::u16string m_source;
    std::u16string m_fields;
    std::u16string m_hits;
    std::u16string m_index;
    bool m_as_text{false};
    std::u16string m_target;
    int32_t m_format{0};
    std::u16string m_preamble;
    std::u16string m_result;
};

// Makes a converter through the installed factory (the real one unless a test put its
// own in place); a factory may raise, and that failure reaches the caller.
std::unique_ptr<DocConverter> create_doc_converter();

using DocConverterFactory = std::unique_ptr<DocConverter> (*)();
// The one hook the converter keeps for its users' tests: installs factory (null puts
// the real one back) and returns the one it replaces.
DocConverterFactory set_doc_converter_factory(DocConverterFactory factory);

} // namespace paginor::convert
