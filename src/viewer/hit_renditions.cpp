#include "viewer/hit_renditions.h"

#include "convert/DocConverter.h"
#include "platform/files/file.h"
#include "viewer/temp_files.h"

namespace paginor::viewer {

namespace {

constexpr std::u16string_view kHtmlHitStart =
    u"<a HREF=#Hit%%PrevHit%%>&lt;&lt;</a><a NAME=Hit%%ThisHit%%><Font Color=red><b>";
constexpr std::u16string_view kHtmlHitEnd = u"</b></Font></a><a HREF=#Hit%%NextHit%%>&gt;&gt;</a>";
constexpr std::u16string_view kRtfHitStart = u"{\\cf3 \\b ";
constexpr std::u16string_view kRtfHitEnd = u"}";
constexpr std::u16string_view kRtfPreamble =
    u"\\deff0{\\fonttbl{\\f0\\froman\\fcharset0\\fprq2 Times New Roman;}}"
    u"{\\colortbl;\\red0\\green0\\blue0;\\red0\\green0\\blue255;\\red192\\green0\\blue0;}";

// Runs step, and tells whether it raised; what it raised is dropped.
template <class F> bool failed(F&& step) noexcept {
    try {
        step();
        return false;
    } catch (...) {
        return true;
    }
}

} // namespace

void BuildHitHtml(std::u16string_view path, std::u16string_view stamp, const SearchInputs& in,
                  std::u16string& subject) {
    const std::unique_ptr<convert::DocConverter> doc = convert::create_doc_converter();
    subject.clear();
    doc->set_hit_start(kHtmlHitStart);
    doc->set_hit_end(kHtmlHitEnd);
    doc->set_source_file(path);
    doc->set_field_text(in.fields);
    doc->set_hit_list(in.hits);
    doc->set_index_location(in.index_path);
    doc->set_return_as_text(false);
    doc->set_target_file(temp_path(u"\\QMDoc" + std::u16string(stamp) + u".html"));
    doc->set_format_code(convert::kFormatHtml);
    doc->run();
}

std::u16string BuildHitRtf(std::u16string_view path, const SearchInputs& in) {
    const std::unique_ptr<convert::DocConverter> doc = convert::create_doc_converter();
    doc->set_hit_start(kRtfHitStart);
    doc->set_hit_end(kRtfHitEnd);

    // A text file beside the document (letter.doc.txt) is what the rich text shows.
    const std::u16string companion = std::u16string(path) + u".txt";
    bool has_companion = false;
    if (failed([&] { has_companion = platform::file_exists(companion); }))
        has_companion = false;
    if (has_companion) {
        (void)failed([&] { doc->set_source_file(companion); });
    } else {
        if (failed([&] { (void)platform::file_exists(path); }))
            return {};
        // A missing document is the converter's to report, at its run.
        (void)failed([&] { doc->set_source_file(path); });
    }

    // Every setting is tried even after one failed, as the run is; any failure empties
    // the rich text rather than leaving the former document's.
    bool failure = false;
    failure |= failed([&] { doc->set_field_text(in.fields); });
    failure |= failed([&] { doc->set_hit_list(in.hits); });
    failure |= failed([&] { doc->set_index_location(in.index_path); });
    failure |= failed([&] { doc->set_return_as_text(true); });
    failure |= failed([&] { doc->set_format_code(convert::kFormatRtf); });
    failure |= failed([&] { doc->set_preamble(kRtfPreamble); });
    failure |= failed([&] { doc->run(); });
    // The rich text runs to megabytes: it is handed over, never copied.
    std::u16string rtf;
    if (!failure)
        failure = failed([&] { rtf = doc->take_result_text(); });
    if (failure)
        return {};
    return rtf;
}

} // namespace paginor::viewer
