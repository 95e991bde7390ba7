// A long page's body cut into pieces: the cuts stand in order at tag starts inside the
// body, and the pieces, each parsed after the page's head, give the body the parse of the
// whole page gives, element for element and character for character.
#include "bodies.h"

#include "controls/html_pieces.h"

#include <gumbo.h>

#include <string>

namespace paginor::fuzz {

namespace {

void write_node(const GumboNode& node, std::string& out) {
    if (node.type != GUMBO_NODE_ELEMENT && node.type != GUMBO_NODE_TEMPLATE) {
        out += node.type == GUMBO_NODE_COMMENT ? "<!--" : "";
        out += node.v.text.text;
        out += node.type == GUMBO_NODE_COMMENT ? "-->" : "";
        return;
    }
    const GumboElement& e = node.v.element;
    const std::string name = e.tag == GUMBO_TAG_UNKNOWN
                                 ? std::string(e.original_tag.data, e.original_tag.length)
                                 : gumbo_normalized_tagname(e.tag);
    out += "<" + name;
    for (unsigned i = 0; i < e.attributes.length; ++i) {
        const auto* a = static_cast<const GumboAttribute*>(e.attributes.data[i]);
        out += std::string(" ") + a->name + "=\"" + a->value + "\"";
    }
    out += ">";
    for (unsigned i = 0; i < e.children.length; ++i)
        write_node(*static_cast<const GumboNode*>(e.children.data[i]), out);
    out += "</" + name + ">";
}

// The body's children as markup.
std::string body_of(std::string_view page) {
    GumboOutput* parsed = gumbo_parse_with_options(&kGumboDefaultOptions, page.data(), page.size());
    std::string out;
    const GumboVector& top = parsed->root->v.element.children;
    for (unsigned i = 0; i < top.length; ++i) {
        const auto* node = static_cast<const GumboNode*>(top.data[i]);
        if (node->type != GUMBO_NODE_ELEMENT || node->v.element.tag != GUMBO_TAG_BODY)
            continue;
        const GumboVector& children = node->v.element.children;
        for (unsigned c = 0; c < children.length; ++c)
            write_node(*static_cast<const GumboNode*>(children.data[c]), out);
    }
    gumbo_destroy_output(&kGumboDefaultOptions, parsed);
    return out;
}

} // namespace

bool html_pieces(const uint8_t* data, size_t size) {
    const std::string_view page(reinterpret_cast<const char*>(data), size);
    const std::optional<controls::HtmlPieces> pieces = controls::cut_html_body(page, 16);
    if (!pieces)
        return false;
    fuzz_check(pieces->body_start <= pieces->body_end && pieces->body_end <= size,
               "the body lies inside the page");
    std::string parts;
    for (size_t i = 0; i < pieces->count(); ++i) {
        fuzz_check(pieces->start(i) < pieces->end(i) || pieces->count() == 1,
                   "pieces follow one another");
        fuzz_check(i == 0 || page[pieces->start(i)] == '<', "a piece starts at a tag");
        const std::string alone =
            std::string(page.substr(0, pieces->body_start)) +
            std::string(page.substr(pieces->start(i), pieces->end(i) - pieces->start(i)));
        parts += body_of(alone);
    }
    fuzz_check(parts == body_of(page), "the pieces parse into the whole page's body");
    return true;
}

} // namespace paginor::fuzz
