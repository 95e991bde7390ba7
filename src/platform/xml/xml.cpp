#include "platform/xml/xml.h"

#include "platform/core/unicode.h"

#include <pugixml.hpp>

#include <algorithm>
#include <string>

namespace paginor::platform {

namespace {

// Comments and processing instructions are part of the DOM; the declaration is not kept
// and a document type declaration is parsed only so that it can be refused.
constexpr unsigned kParseOptions = pugi::parse_cdata | pugi::parse_escapes |
                                   pugi::parse_wconv_attribute | pugi::parse_eol |
                                   pugi::parse_comments | pugi::parse_pi | pugi::parse_doctype;

std::u16string from_pugi(const char* text) {
    return from_utf8(text == nullptr ? "" : text);
}

bool is_blank(char16_t c) {
    return c == u' ' || c == u'\t' || c == u'\n' || c == u'\r';
}

std::u16string trimmed(std::u16string text) {
    size_t begin = 0;
    while (begin < text.size() && is_blank(text[begin])) {
        ++begin;
    }
    size_t end = text.size();
    while (end > begin && is_blank(text[end - 1])) {
        --end;
    }
    return text.substr(begin, end - begin);
}

// Letters, digits and the name punctuation of XML; anything at or above U+00C0 passes,
// as XML admits nearly all of it.
bool valid_name(std::u16string_view name) {
    if (name.empty()) {
        return false;
    }
    for (size_t i = 0; i < name.size(); ++i) {
        char16_t c = name[i];
        bool letter = (c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z') || c == u'_' ||
                      c == u':' || c >= 0xC0;
        bool later = (c >= u'0' && c <= u'9') || c == u'-' || c == u'.' || c == 0xB7;
        if (!letter && !(i > 0 && later)) {
            return false;
        }
    }
    return true;
}

void append_escaped(std::u16string& out, std::u16string_view text, bool attribute) {
    for (char16_t c : text) {
        if (c == u'&') {
            out += u"&amp;";
        } else if (c == u'<') {
            out += u"&lt;";
        } else if (c == u'>' && !attribute) {
            out += u"&gt;";
        } else if (c == u'"' && attribute) {
            out += u"&quot;";
        } else if (c < 0x20 && (attribute || (c != u'\t' && c != u'\n'))) {
            out += u"&#";
            out += from_utf8(std::to_string(int(c)));
            out += u';';
        } else {
            out += c;
        }
    }
}

void append_text_of(std::u16string& out, pugi::xml_node node) {
    for (pugi::xml_node child : node.children()) {
        if (child.type() == pugi::node_pcdata || child.type() == pugi::node_cdata) {
            out += from_pugi(child.value());
        } else if (child.type() == pugi::node_element) {
            append_text_of(out, child);
        }
    }
}

void write_node(std::u16string& out, pugi::xml_node node) {
    switch (node.type()) {
    case pugi::node_document:
        for (pugi::xml_node child : node.children()) {
            write_node(out, child);
        }
        break;
    case pugi::node_element: {
        std::u16string name = from_pugi(node.name());
        out += u'<';
        out += name;
        for (pugi::xml_attribute a : node.attributes()) {
            out += u' ';
            out += from_pugi(a.name());
            out += u"=\"";
            append_escaped(out, from_pugi(a.value()), true);
            out += u'"';
        }
        if (!node.first_child()) {
            out += u"/>";
            break;
        }
        out += u'>';
        for (pugi::xml_node child : node.children()) {
            write_node(out, child);
        }
        out += u"</" + name + u">";
        break;
    }
    case pugi::node_pcdata:
        append_escaped(out, from_pugi(node.value()), false);
        break;
    case pugi::node_cdata:
        out += u"<![CDATA[" + from_pugi(node.value()) + u"]]>";
        break;
    case pugi::node_comment:
        out += u"<!--" + from_pugi(node.value()) + u"-->";
        break;
    case pugi::node_pi:
        out += u"<?" + from_pugi(node.name());
        if (*node.value() != 0) {
            out += u' ' + from_pugi(node.value());
        }
        out += u"?>";
        break;
    default:
        break;
    }
}

struct Problem {
    const char16_t* description{nullptr};
    ptrdiff_t offset{0};
};

Problem duplicate_attribute(pugi::xml_node element) {
    for (pugi::xml_attribute a : element.attributes()) {
        for (pugi::xml_attribute b = a.next_attribute(); b; b = b.next_attribute()) {
            if (std::string_view(a.name()) == b.name()) {
                return {u"Duplicate attribute", element.offset_debug()};
            }
        }
    }
    for (pugi::xml_node child : element.children()) {
        if (child.type() != pugi::node_element) {
            continue;
        }
        if (Problem p = duplicate_attribute(child); p.description != nullptr) {
            return p;
        }
    }
    return {};
}

// The parser is lenient where a DOM is not: it takes several root elements, text beside
// the root, a document type declaration and repeated attributes.
Problem not_well_formed(const pugi::xml_document& doc) {
    int roots = 0;
    for (pugi::xml_node child : doc.children()) {
        switch (child.type()) {
        case pugi::node_doctype:
            return {u"Document type declarations are not allowed", child.offset_debug()};
        case pugi::node_pcdata:
        case pugi::node_cdata:
            return {u"Text is not allowed outside the root element", child.offset_debug()};
        case pugi::node_element:
            if (++roots > 1) {
                return {u"Only one root element is allowed", child.offset_debug()};
            }
            if (Problem p = duplicate_attribute(child); p.description != nullptr) {
                return p;
            }
            break;
        default:
            break;
        }
    }
    return {};
}

} // namespace

XmlNodeType XmlNode::type() const {
    switch (pugi::xml_node(m_node).type()) {
    case pugi::node_document:
        return XmlNodeType::Document;
    case pugi::node_element:
        return XmlNodeType::Element;
    case pugi::node_pcdata:
        return XmlNodeType::Text;
    case pugi::node_cdata:
        return XmlNodeType::CData;
    case pugi::node_comment:
        return XmlNodeType::Comment;
    case pugi::node_pi:
        return XmlNodeType::ProcessingInstruction;
    default:
        return XmlNodeType::Null;
    }
}

std::u16string XmlNode::name() const {
    pugi::xml_node node(m_node);
    switch (type()) {
    case XmlNodeType::Document:
        return u"#document";
    case XmlNodeType::Element:
    case XmlNodeType::ProcessingInstruction:
        return from_pugi(node.name());
    case XmlNodeType::Text:
        return u"#text";
    case XmlNodeType::CData:
        return u"#cdata-section";
    case XmlNodeType::Comment:
        return u"#comment";
    default:
        return {};
    }
}

std::u16string XmlNode::text() const {
    pugi::xml_node node(m_node);
    switch (type()) {
    case XmlNodeType::Document:
    case XmlNodeType::Element: {
        std::u16string out;
        append_text_of(out, node);
        return trimmed(std::move(out));
    }
    case XmlNodeType::Text:
        return trimmed(from_pugi(node.value()));
    case XmlNodeType::CData:
    case XmlNodeType::Comment:
    case XmlNodeType::ProcessingInstruction:
        return from_pugi(node.value());
    default:
        return {};
    }
}

std::vector<XmlNode> XmlNode::children() const {
    std::vector<XmlNode> out;
    for (pugi::xml_node child : pugi::xml_node(m_node).children()) {
        out.push_back(XmlNode(child.internal_object()));
    }
    return out;
}

namespace {

pugi::xml_node first_match(pugi::xml_node from, std::u16string_view path) {
    size_t slash = path.find(u'/');
    std::u16string_view step = path.substr(0, slash);
    if (step.empty()) {
        return {};
    }
    std::string wanted = to_utf8(step);
    for (pugi::xml_node child : from.children()) {
        if (child.type() != pugi::node_element || (wanted != "*" && wanted != child.name())) {
            continue;
        }
        if (slash == std::u16string_view::npos) {
            return child;
        }
        if (pugi::xml_node found = first_match(child, path.substr(slash + 1))) {
            return found;
        }
    }
    return {};
}

} // namespace

XmlNode XmlNode::select_single_node(std::u16string_view path) const {
    if (m_node == nullptr) {
        return {};
    }
    return XmlNode(first_match(pugi::xml_node(m_node), path).internal_object());
}

std::optional<std::u16string> XmlNode::attribute(std::u16string_view name) const {
    pugi::xml_attribute a = pugi::xml_node(m_node).attribute(to_utf8(name).c_str());
    if (!a) {
        return std::nullopt;
    }
    return from_pugi(a.value());
}

void XmlNode::set_attribute(std::u16string_view name, std::u16string_view value) {
    pugi::xml_node node(m_node);
    if (node.type() != pugi::node_element || !valid_name(name)) {
        return;
    }
    std::string key = to_utf8(name);
    pugi::xml_attribute a = node.attribute(key.c_str());
    if (!a) {
        a = node.append_attribute(key.c_str());
    }
    a.set_value(to_utf8(value).c_str());
}

XmlNode XmlNode::append_element(std::u16string_view name) {
    pugi::xml_node node(m_node);
    bool holds = node.type() == pugi::node_element ||
                 (node.type() == pugi::node_document && !node.find_child([](pugi::xml_node n) {
                     return n.type() == pugi::node_element;
                 }));
    if (!holds || !valid_name(name)) {
        return {};
    }
    return XmlNode(node.append_child(to_utf8(name).c_str()).internal_object());
}

void XmlNode::append_text(std::u16string_view text) {
    pugi::xml_node node(m_node);
    if (node.type() == pugi::node_element) {
        node.append_child(pugi::node_pcdata).set_value(to_utf8(text).c_str());
    }
}

std::u16string XmlNode::xml() const {
    std::u16string out;
    if (m_node != nullptr) {
        write_node(out, pugi::xml_node(m_node));
    }
    return out;
}

XmlDocument::XmlDocument() : m_doc(std::make_unique<pugi::xml_document>()) {}
XmlDocument::~XmlDocument() = default;
XmlDocument::XmlDocument(XmlDocument&&) noexcept = default;
XmlDocument& XmlDocument::operator=(XmlDocument&&) noexcept = default;

XmlLoadResult XmlDocument::load(std::u16string_view text) {
    std::string utf8 = to_utf8(text);
    pugi::xml_parse_result parsed =
        m_doc->load_buffer(utf8.data(), utf8.size(), kParseOptions, pugi::encoding_utf8);
    Problem problem{nullptr, ptrdiff_t(parsed.offset)};
    if (!parsed) {
        problem.description = u"";
    } else {
        problem = not_well_formed(*m_doc);
    }
    XmlLoadResult result;
    if (problem.description == nullptr) {
        result.ok = true;
        return result;
    }
    result.description =
        *problem.description != 0 ? problem.description : from_utf8(parsed.description());
    size_t at = std::min(utf8.size(), size_t(std::max<ptrdiff_t>(problem.offset, 0)));
    result.offset = from_utf8(std::string_view(utf8).substr(0, at)).size();
    m_doc->reset();
    return result;
}

void XmlDocument::clear() {
    m_doc->reset();
}

XmlNode XmlDocument::node() const {
    return XmlNode(m_doc->internal_object());
}

XmlNode XmlDocument::root() const {
    return XmlNode(m_doc->document_element().internal_object());
}

XmlNode XmlDocument::append_root(std::u16string_view name) {
    return node().append_element(name);
}

} // namespace paginor::platform
