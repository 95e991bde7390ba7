#include "platform/xml/xml.h"

#include "platform/core/unicode.h"

#include <pugixml.hpp>

#include <algorithm>
#include <bit>
#include <string>
#include <type_traits>

namespace paginor::platform {

namespace {

// Comments and processing instructions are part of the DOM; the declaration is not kept
// and a document type declaration is parsed only so that it can be refused.
constexpr unsigned kParseOptions = pugi::parse_cdata | pugi::parse_escapes |
                                   pugi::parse_wconv_attribute | pugi::parse_eol |
                                   pugi::parse_comments | pugi::parse_pi | pugi::parse_doctype;

// pugixml's handles are one pointer each, but their constructors, tests and
// internal_object() live in the shared library: a step through the tree would cost three
// calls instead of one. The handles are trivially copyable, so they are made and unmade
// in place.
static_assert(std::is_trivially_copyable_v<pugi::xml_node> &&
              sizeof(pugi::xml_node) == sizeof(pugi::xml_node_struct*));
static_assert(std::is_trivially_copyable_v<pugi::xml_attribute> &&
              sizeof(pugi::xml_attribute) == sizeof(void*));

pugi::xml_node handle(pugi::xml_node_struct* node) {
    return std::bit_cast<pugi::xml_node>(node);
}

pugi::xml_node_struct* raw(pugi::xml_node node) {
    return std::bit_cast<pugi::xml_node_struct*>(node);
}

bool present(pugi::xml_node node) {
    return raw(node) != nullptr;
}

bool present(pugi::xml_attribute a) {
    return std::bit_cast<void*>(a) != nullptr;
}

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

// pugixml parses and frees a whole document without recursion (a document is freed
// page by page), but its remove_child frees a subtree recursively: the wrapper never
// removes nodes. Its own printing and copying are not used.
enum class Visit { Descend, Skip, Stop };

// Walks top's subtree in document order along the tree's own parent and sibling links,
// never recursing, so no depth of nesting can exhaust the stack. enter(node, depth)
// sees each node on the way down (top at depth 0) and says whether to go into it, or to
// stop the walk there; leave(node) sees each node enter saw, after its children.
template <class Enter, class Leave> void walk(pugi::xml_node top, Enter&& enter, Leave&& leave) {
    pugi::xml_node node = top;
    size_t depth = 0;
    for (;;) {
        Visit visit = enter(node, depth);
        if (visit == Visit::Stop) {
            return;
        }
        if (pugi::xml_node child = node.first_child(); visit == Visit::Descend && present(child)) {
            node = child;
            ++depth;
            continue;
        }
        for (;;) {
            leave(node);
            if (depth == 0) {
                return;
            }
            if (pugi::xml_node next = node.next_sibling(); present(next)) {
                node = next;
                break;
            }
            node = node.parent();
            --depth;
        }
    }
}

template <class Enter> void walk(pugi::xml_node top, Enter&& enter) {
    walk(top, enter, [](pugi::xml_node) {});
}

bool is_text(pugi::xml_node node) {
    return node.type() == pugi::node_pcdata || node.type() == pugi::node_cdata;
}

void append_text_of(std::u16string& out, pugi::xml_node top) {
    walk(top, [&](pugi::xml_node node, size_t depth) {
        if (depth > 0 && is_text(node)) {
            out += from_pugi(node.value());
        }
        return depth == 0 || node.type() == pugi::node_element ? Visit::Descend : Visit::Skip;
    });
}

void open_element(std::u16string& out, pugi::xml_node node) {
    out += u'<';
    out += from_pugi(node.name());
    for (pugi::xml_attribute a : node.attributes()) {
        out += u' ';
        out += from_pugi(a.name());
        out += u"=\"";
        append_escaped(out, from_pugi(a.value()), true);
        out += u'"';
    }
    out += node.first_child() ? u">" : u"/>";
}

// One node without its children: an element's start tag, a leaf whole.
void write_node(std::u16string& out, pugi::xml_node node) {
    switch (node.type()) {
    case pugi::node_element:
        open_element(out, node);
        break;
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

void write_tree(std::u16string& out, pugi::xml_node top) {
    walk(
        top,
        [&](pugi::xml_node node, size_t) {
            write_node(out, node);
            return Visit::Descend;
        },
        [&](pugi::xml_node node) {
            if (node.type() == pugi::node_element && node.first_child()) {
                out += u"</" + from_pugi(node.name()) + u">";
            }
        });
}

struct Problem {
    const char16_t* description{nullptr};
    ptrdiff_t offset{0};
};

bool has_duplicate_attribute(pugi::xml_node element) {
    for (pugi::xml_attribute a = element.first_attribute(); present(a); a = a.next_attribute()) {
        for (pugi::xml_attribute b = a.next_attribute(); present(b); b = b.next_attribute()) {
            if (std::string_view(a.name()) == b.name()) {
                return true;
            }
        }
    }
    return false;
}

// Repeated attributes, and nesting past the stated depth (see xml.h).
Problem element_fault(pugi::xml_node top) {
    Problem found;
    walk(top, [&](pugi::xml_node node, size_t depth) {
        if (node.type() != pugi::node_element) {
            return Visit::Skip;
        }
        if (depth >= kMaxXmlDepth) {
            found = {u"Elements are nested too deeply", node.offset_debug()};
            return Visit::Stop;
        }
        if (has_duplicate_attribute(node)) {
            found = {u"Duplicate attribute", node.offset_debug()};
            return Visit::Stop;
        }
        return Visit::Descend;
    });
    return found;
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
            if (Problem p = element_fault(child); p.description != nullptr) {
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
    switch (handle(m_node).type()) {
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

XmlNode XmlNode::first_child() const {
    return XmlNode(raw(handle(m_node).first_child()));
}

XmlNode XmlNode::next_sibling() const {
    return XmlNode(raw(handle(m_node).next_sibling()));
}

XmlNode XmlNode::parent() const {
    return XmlNode(raw(handle(m_node).parent()));
}

std::string_view XmlNode::raw_name() const {
    return type() == XmlNodeType::Element ? handle(m_node).name() : "";
}

std::string_view XmlNode::raw_value() const {
    XmlNodeType kind = type();
    bool text = kind == XmlNodeType::Text || kind == XmlNodeType::CData;
    return text ? handle(m_node).value() : "";
}

std::string_view XmlNode::raw_attribute(std::string_view name) const {
    for (pugi::xml_attribute a = handle(m_node).first_attribute(); present(a);
         a = a.next_attribute()) {
        if (name == a.name()) {
            return a.value();
        }
    }
    return {};
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
    for (pugi::xml_node child : handle(m_node).children()) {
        out.push_back(XmlNode(raw(child)));
    }
    return out;
}

namespace {

std::vector<std::string> path_steps(std::u16string_view path) {
    std::vector<std::string> steps;
    for (;;) {
        size_t slash = path.find(u'/');
        steps.push_back(to_utf8(path.substr(0, slash)));
        if (slash == std::u16string_view::npos) {
            return steps;
        }
        path.remove_prefix(slash + 1);
    }
}

// The first element in document order at the end of the steps, each step taken into the
// children of an element that matched the one before.
pugi::xml_node first_match(pugi::xml_node from, std::u16string_view path) {
    std::vector<std::string> steps = path_steps(path);
    if (std::any_of(steps.begin(), steps.end(), [](const std::string& s) { return s.empty(); })) {
        return {};
    }
    pugi::xml_node found;
    walk(from, [&](pugi::xml_node node, size_t depth) {
        if (depth == 0) {
            return Visit::Descend;
        }
        const std::string& step = steps[depth - 1];
        if (node.type() != pugi::node_element || (step != "*" && step != node.name())) {
            return Visit::Skip;
        }
        if (depth < steps.size()) {
            return Visit::Descend;
        }
        found = node;
        return Visit::Stop;
    });
    return found;
}

} // namespace

XmlNode XmlNode::select_single_node(std::u16string_view path) const {
    if (m_node == nullptr) {
        return {};
    }
    return XmlNode(raw(first_match(handle(m_node), path)));
}

std::optional<std::u16string> XmlNode::attribute(std::u16string_view name) const {
    pugi::xml_attribute a = handle(m_node).attribute(to_utf8(name).c_str());
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
    return XmlNode(raw(node.append_child(to_utf8(name).c_str())));
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
        write_tree(out, handle(m_node));
    }
    return out;
}

XmlDocument::XmlDocument() : m_doc(std::make_unique<pugi::xml_document>()) {}
XmlDocument::~XmlDocument() = default;
XmlDocument::XmlDocument(XmlDocument&&) noexcept = default;
XmlDocument& XmlDocument::operator=(XmlDocument&&) noexcept = default;

XmlLoadResult XmlDocument::load(std::u16string_view text) {
    m_doc->reset();
    if (text.size() > kMaxXmlText) {
        return {false, u"The document is too large", 0};
    }
    return load_parsed(to_utf8(text), kParseOptions, true);
}

XmlLoadResult XmlDocument::load_bytes(std::string_view bytes, bool keep_blank_text) {
    m_doc->reset();
    if (bytes.size() > kMaxXmlText) {
        return {false, u"The document is too large", 0};
    }
    unsigned options = kParseOptions | (keep_blank_text ? pugi::parse_ws_pcdata_single : 0);
    return load_parsed(bytes, options, false);
}

XmlLoadResult XmlDocument::load_parsed(std::string_view utf8, unsigned options, bool count_utf16) {
    pugi::xml_parse_result parsed = m_doc->load_buffer(
        utf8.data(), utf8.size(), options, count_utf16 ? pugi::encoding_utf8 : pugi::encoding_auto);
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
    // An offset inside a multi-byte sequence counts from the character it falls in: the
    // cut-off bytes would otherwise each read as a character of their own.
    while (count_utf16 && at > 0 && at < utf8.size() && (uint8_t(utf8[at]) & 0xC0) == 0x80) {
        --at;
    }
    result.offset = count_utf16 ? from_utf8(utf8.substr(0, at)).size() : at;
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
    return XmlNode(raw(m_doc->document_element()));
}

XmlNode XmlDocument::append_root(std::u16string_view name) {
    return node().append_element(name);
}

} // namespace paginor::platform
