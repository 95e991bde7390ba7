#include "convert/DocConverter.h"

#include "convert/convert_error.h"
#include "convert/doc_text.h"
#include "convert/readers/readers.h"
#include "convert/rendition.h"
#include "convert/shared_reading.h"
#include "platform/core/unicode.h"
#include "platform/files/file.h"
#include "platform/files/path.h"

#include <cstdio>
#include <functional>

namespace paginor::convert {

namespace {

std::unique_ptr<DocConverter> make_real() {
    return std::make_unique<DocConverter>();
}

DocConverterFactory g_factory = &make_real;

[[noreturn]] void write_failed(std::u16string_view target, std::u16string_view why) {
    raise_convert(ConvertCode::WriteFailed, kDocSource, target, std::u16string(why));
}

// Writes the rendition under a name beside target as write makes it, block by block,
// and renames it into place: a reader of the target sees either nothing or the whole
// page, and a failure leaves no target.
void write_beside(std::u16string_view target, const std::function<void(RenditionOut&)>& write) {
    std::u16string part = std::u16string(target) + u".part~";
    std::string part_path = platform::native_path(part);
    try {
        platform::File file =
            platform::File::open(part, platform::FileAccess::Write, platform::FileShare::None,
                                 platform::FileDisposition::CreateAlways);
        uint64_t written = 0;
        RenditionOut out;
        out.drain = [&](std::string_view block) {
            file.write_at(written, std::as_bytes(std::span(block.data(), block.size())));
            written += block.size();
        };
        write(out);
        file.close();
    } catch (const RuntimeError& e) {
        std::remove(part_path.c_str());
        // A document read as its page is written fails with its own error.
        if (e.source() == kDocSource) {
            throw;
        }
        write_failed(target, u"The rendition cannot be written (" + e.description() + u")");
    } catch (...) {
        std::remove(part_path.c_str());
        throw;
    }
    if (std::rename(part_path.c_str(), platform::native_path(target).c_str()) != 0) {
        std::remove(part_path.c_str());
        write_failed(target, u"The rendition cannot be put in place");
    }
}

} // namespace

void DocConverter::run() {
    m_result.clear();
    if (m_format != kFormatHtml && m_format != kFormatRtf) {
        raise_convert(ConvertCode::BadSetting, kDocSource, m_source,
                      u"The format code " + from_utf8(std::to_string(m_format)) +
                          u" is neither 226 (HTML) nor 212 (rich text)");
    }
    if (m_source.empty()) {
        raise_convert(ConvertCode::BadSetting, kDocSource, {}, u"No source file was given");
    }
    if (!m_as_text && m_target.empty()) {
        raise_convert(ConvertCode::BadSetting, kDocSource, m_source, u"No target file was given");
    }
    OpenedDocument doc = open_document(m_source);
    if (doc.kind == DocKind::Text && !m_as_text && m_format == kFormatHtml) {
        write_beside(m_target, [&](RenditionOut& out) { stream_html(doc, out); });
        return;
    }
    // Shared with an earlier run of the same task that read this very file.
    const std::shared_ptr<DocReading> reading = SharedReading::read(doc);
    const RenditionInput in = rendition_input(*reading);
    if (m_as_text && m_format == kFormatRtf) {
        m_result = write_rtf_text(in, m_preamble);
        return;
    }
    if (m_as_text) {
        RenditionOut out;
        write_html(in, out);
        // The page is code-page bytes, read back one to one.
        m_result = from_codepage(out.bytes);
        return;
    }
    write_beside(m_target, [&](RenditionOut& out) {
        if (m_format == kFormatHtml) {
            write_html(in, out);
        } else {
            write_rtf(in, m_preamble, out);
        }
    });
}

RenditionInput DocConverter::rendition_input(DocReading& reading) const {
    const std::u16string_view text = reading.text();
    // The note closing a cut document is ours, not the document's: no hits in it.
    std::u16string_view searched = text;
    if (searched.ends_with(kRestNotShown)) {
        searched.remove_suffix(kRestNotShown.size());
    }
    const std::vector<Hit>& hits =
        reading.hits(m_hits, [&] { return find_hits(searched, parse_hit_list(m_hits)); });
    RenditionInput in;
    in.text = text;
    in.hits = &hits;
    in.hit_start = m_hit_start;
    in.hit_end = m_hit_end;
    in.field_text = m_fields;
    in.title = platform::path_name(m_source);
    return in;
}

void DocConverter::stream_html(OpenedDocument& doc, RenditionOut& out) const {
    HitFinder finder(parse_hit_list(m_hits));
    RenditionInput in;
    in.hit_start = m_hit_start;
    in.hit_end = m_hit_end;
    in.field_text = m_fields;
    in.title = platform::path_name(m_source);
    out.reserve_for(size_t(std::min<uint64_t>(doc.file.length(), kMaxRenditionText)));
    HtmlPage page(in, out, HtmlPage::kUnknownCount);
    std::vector<Hit> hits;
    auto write = [&](auto piece, size_t searched) {
        hits.clear();
        finder.find(piece.substr(0, searched), hits);
        page.write(piece, hits);
    };
    stream_text(doc, {write, write});
    page.finish();
}

std::unique_ptr<DocConverter> create_doc_converter() {
    return g_factory();
}

DocConverterFactory set_doc_converter_factory(DocConverterFactory factory) {
    DocConverterFactory old = g_factory;
    g_factory = factory != nullptr ? factory : &make_real;
    return old;
}

} // namespace paginor::convert
