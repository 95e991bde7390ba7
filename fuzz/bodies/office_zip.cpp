// Office packages from bytes: every input gives text or raises one of the converter's own
// errors, and the text never passes the rendition limit and its closing note.
#include "bodies.h"

#include "convert/convert_error.h"
#include "convert/readers/package_readers.h"
#include "convert/readers/readers.h"

namespace paginor::fuzz {

// The input as a word-processing body: what the walk straight from the bytes takes, the
// parser takes too, and both give the same text.
void docx_body(std::string_view xml) {
    convert::TextSink pulled;
    if (!convert::pull_docx(xml, pulled)) {
        return;
    }
    platform::XmlDocument doc;
    fuzz_check(bool(doc.load_bytes(xml, true)), "a body walked from its bytes parses");
    convert::TextSink walked;
    convert::walk_docx(doc, xml.size(), walked);
    fuzz_check(pulled.take() == walked.take(), "a body reads the same either way");
}

bool office_zip(const uint8_t* data, size_t size) {
    docx_body({reinterpret_cast<const char*>(data), size});
    convert::TextSink sink;
    try {
        convert::read_zip_package(u"fuzz.docx", {reinterpret_cast<const char*>(data), size}, sink);
    } catch (const RuntimeError& e) {
        fuzz_check(e.source() == convert::kDocSource && (e.number() & 0xFFFF0000) == 0x80040000,
                   "a package that does not read raises the converter's own error");
        return false;
    }
    std::u16string text = sink.take();
    fuzz_check(text.size() <= convert::kMaxRenditionText + 1 + convert::kRestNotShown.size(),
               "a document's text stays within the rendition limit");
    return true;
}

} // namespace paginor::fuzz
