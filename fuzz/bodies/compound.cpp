// Compound documents (Word, PowerPoint, messages, workbooks) from bytes: every input
// gives text or raises one of the converter's own errors.
#include "bodies.h"

#include "convert/convert_error.h"
#include "convert/readers/readers.h"

namespace paginor::fuzz {

bool compound(const uint8_t* data, size_t size) {
    convert::TextSink sink;
    try {
        convert::read_compound(u"fuzz.doc", {reinterpret_cast<const char*>(data), size}, sink);
    } catch (const RuntimeError& e) {
        fuzz_check(e.source() == convert::kDocSource && (e.number() & 0xFFFF0000) == 0x80040000,
                   "a compound file that does not read raises the converter's own error");
        return false;
    }
    fuzz_check(sink.take().size() <= convert::kMaxRenditionText + 1 + convert::kRestNotShown.size(),
               "a document's text stays within the rendition limit");
    return true;
}

} // namespace paginor::fuzz
