#include "viewer/index_fields.h"

#include "platform/core/error.h"
#include "platform/xml/xml.h"

namespace paginor::viewer {

std::u16string flatten_index_fields(std::u16string_view xml, std::u16string_view source) {
    platform::XmlDocument doc;
    doc.load(xml); // a text that does not parse leaves the document empty
    platform::XmlNode fields = doc.select_single_node(u"UserFields");
    if (fields.is_null()) {
        raise_standard(std_error::ObjectNotSet, std::u16string(source));
    }
    std::u16string flat;
    for (const platform::XmlNode& child : fields.children()) {
        if (!flat.empty()) {
            flat += u'\t';
        }
        flat += child.name();
        flat += u'\t';
        flat += child.text();
    }
    return flat;
}

} // namespace paginor::viewer
