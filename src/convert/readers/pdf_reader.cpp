#include "convert/convert_error.h"
#include "convert/readers/readers.h"
#include "platform/core/unicode.h"

#include <poppler-document.h>
#include <poppler-global.h>
#include <poppler-page.h>

#include <memory>

namespace paginor::convert {

namespace {

void quiet(const std::string&, void*) {}

} // namespace

void read_pdf(std::u16string_view path, std::string_view bytes, TextSink& out) {
    // poppler reports every oddity of a file on stderr unless given somewhere else.
    poppler::set_debug_error_function(&quiet, nullptr);
    if (bytes.size() > size_t(INT32_MAX)) {
        raise_convert(ConvertCode::TooLarge, kDocSource, path, u"The PDF is larger than 2 GiB");
    }
    std::unique_ptr<poppler::document> doc(
        poppler::document::load_from_raw_data(bytes.data(), int(bytes.size())));
    if (!doc) {
        raise_convert(ConvertCode::Damaged, kDocSource, path, u"The PDF is truncated or damaged");
    }
    if (doc->is_locked()) {
        raise_convert(ConvertCode::Encrypted, kDocSource, path,
                      u"The PDF is protected by a password");
    }
    for (int i = 0; i < doc->pages() && !out.full(); ++i) {
        std::unique_ptr<poppler::page> page(doc->create_page(i));
        if (!page) {
            continue;
        }
        poppler::byte_array utf8 =
            page->text(poppler::rectf(), poppler::page::physical_layout).to_utf8();
        read_text(std::string_view(utf8.data(), utf8.size()), out);
        out.paragraph();
    }
}

} // namespace paginor::convert
