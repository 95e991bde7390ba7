// A small XML DOM: the one place in the library that parses or writes XML. A document
// owns its nodes; an XmlNode is a cheap, non-owning handle that stays valid while its
// document lives and the node is not removed. A null handle answers every query with
// an empty result and ignores every change, so chains of look-ups need no checks.
//
// Loading never reads a DTD or an external entity: a document with a document type
// declaration is refused. Text made only of white space between elements is dropped,
// as a desktop DOM does when it does not preserve white space.
//
// Loading, writing, text, path look-up and destruction walk the tree without recursion,
// so no depth of nesting can overflow the stack. Loading still refuses, with a clear
// description, text longer than kMaxXmlText UTF-16 units and elements nested deeper than
// kMaxXmlDepth, so that hostile input costs bounded memory and time.
#pragma once

#include <cstddef>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace pugi {
class xml_document;
struct xml_node_struct;
} // namespace pugi

namespace paginor::platform {

inline constexpr size_t kMaxXmlText = size_t(64) << 20; // UTF-16 units
inline constexpr size_t kMaxXmlDepth = size_t(1) << 21; // element levels, root included

// What a load did: ok, or why it stopped and where (in UTF-16 units from the start).
struct XmlLoadResult {
    bool ok{false};
    std::u16string description;
    size_t offset{0};
    explicit operator bool() const { return ok; }
};

enum class XmlNodeType { Null, Document, Element, Text, CData, Comment, ProcessingInstruction };

class XmlNode {
  public:
    XmlNode() = default;

    bool is_null() const { return m_node == nullptr; }
    // The same node of the same document.
    friend bool operator==(const XmlNode&, const XmlNode&) = default;
    explicit operator bool() const { return m_node != nullptr; }
    XmlNodeType type() const;

    // The DOM's node name: the tag of an element, the target of a processing
    // instruction, "#text", "#cdata-section", "#comment" or "#document"; empty for null.
    std::u16string name() const;

    // The DOM's text: for an element or the document, the text and CDATA of every
    // descendant joined in document order (comments and processing instructions left
    // out), white space trimmed at both ends; for a text node its text, trimmed; for
    // CDATA, a comment or a processing instruction its content exactly.
    std::u16string text() const;

    // Child nodes of every kind, in document order; empty for null and leaf nodes.
    std::vector<XmlNode> children() const;
    // Steps through the tree without building lists; null where there is no such node.
    XmlNode first_child() const;
    XmlNode next_sibling() const;
    XmlNode parent() const;

    // The node's stored UTF-8 as is, for readers that walk large documents: an element's
    // tag (with any prefix) or, for text and CDATA, the text untrimmed. Valid while the
    // node lives; empty for null and other kinds.
    std::string_view raw_name() const;
    std::string_view raw_value() const;
    // An attribute's value as stored, UTF-8; empty when missing.
    std::string_view raw_attribute(std::string_view name) const;

    // The first element, in document order, reached from this node by a relative path
    // of element names separated by "/" ("UserFields", "root/val"); "*" matches any
    // element. Names compare exactly. An empty path or an empty step gives null.
    XmlNode select_single_node(std::u16string_view path) const;

    // An attribute's value; nullopt when the element has no such attribute, so a
    // missing attribute is told apart from an empty one. Null and non-elements: nullopt.
    std::optional<std::u16string> attribute(std::u16string_view name) const;
    // Sets an attribute, appending it after the existing ones when new. Does nothing on
    // a non-element or for a name that is not a valid XML name.
    void set_attribute(std::u16string_view name, std::u16string_view value);

    // Appends a new child element and returns it. Gives null (and changes nothing) on a
    // node that cannot hold elements or for a name that is not a valid XML name.
    XmlNode append_element(std::u16string_view name);
    // Appends a text child to an element; does nothing elsewhere.
    void append_text(std::u16string_view text);

    // This node and its descendants as compact XML: no declaration, no indentation or
    // line breaks, attributes in their order, an element without children written as
    // "<name/>". In text "&", "<" and ">" are escaped; in attribute values "&", "<" and
    // '"'; control characters (in attributes also tab, line feed and carriage return)
    // as numeric references. Null gives the empty string.
    std::u16string xml() const;

  private:
    friend class XmlDocument;
    explicit XmlNode(pugi::xml_node_struct* node) : m_node(node) {}

    pugi::xml_node_struct* m_node{nullptr};
};

class XmlDocument {
  public:
    XmlDocument();
    ~XmlDocument();
    XmlDocument(XmlDocument&&) noexcept;
    XmlDocument& operator=(XmlDocument&&) noexcept;
    XmlDocument(const XmlDocument&) = delete;
    XmlDocument& operator=(const XmlDocument&) = delete;

    // Replaces the content with the parsed text. On failure (not well-formed, no root
    // element, a document type declaration) the document is left empty and the result
    // says why; nothing is thrown. Handles into the old content become invalid.
    XmlLoadResult load(std::u16string_view text);
    // The same from the bytes of a file: UTF-8 unless a byte-order mark says otherwise.
    // With keep_blank_text a text made only of white space that is the sole child of its
    // element stays (a run holding one blank in an office document); the offset of a
    // failure counts bytes. More than kMaxXmlText bytes are refused.
    XmlLoadResult load_bytes(std::string_view bytes, bool keep_blank_text = false);
    // Empties the document.
    void clear();

    // The document itself as a node (for children(), select_single_node(), xml()).
    XmlNode node() const;
    // The root element; null when the document is empty.
    XmlNode root() const;
    XmlNode select_single_node(std::u16string_view path) const {
        return node().select_single_node(path);
    }
    // Creates the root element. Gives null when there already is one or the name is not
    // a valid XML name.
    XmlNode append_root(std::u16string_view name);
    // The whole document as compact XML (see XmlNode::xml); empty for an empty document.
    std::u16string xml() const { return node().xml(); }

  private:
    XmlLoadResult load_parsed(std::string_view utf8, unsigned options, bool count_utf16);

    std::unique_ptr<pugi::xml_document> m_doc;
};

} // namespace paginor::platform
