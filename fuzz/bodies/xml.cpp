// XML text: the load never fails silently, its error offset lies inside the text, and a
// loaded document written out loads again to the same text.
#include "bodies.h"

#include "platform/core/unicode.h"
#include "platform/xml/xml.h"

namespace paginor::fuzz {

bool xml(const uint8_t* data, size_t size) {
    std::u16string text = from_utf8(std::string_view(reinterpret_cast<const char*>(data), size));
    platform::XmlDocument doc;
    platform::XmlLoadResult loaded = doc.load(text);
    if (!loaded) {
        fuzz_check(loaded.offset <= text.size(), "an XML error offset lies inside the text");
        fuzz_check(!loaded.description.empty(), "an XML error says why");
        return false;
    }
    std::u16string written = doc.xml();
    (void)doc.root().text();
    (void)doc.select_single_node(u"*/*");
    platform::XmlDocument again;
    fuzz_check(bool(again.load(written)), "written XML loads again");
    fuzz_check(again.xml() == written, "written XML reads back to the same text");
    return true;
}

} // namespace paginor::fuzz
