#include "convert/readers/package_readers.h"
#include "convert/readers/xml_pull.h"

#include <algorithm>

namespace paginor::convert {

namespace {

// Paragraphs, runs' text, tabs and breaks in reading order; a table's cells end with a
// tab and its rows with a paragraph break, so a row reads as one line.
class DocxWalker : public RunTextWalker {
  public:
    using RunTextWalker::RunTextWalker;

    bool open(std::string_view name, platform::XmlNode) override {
        if (name == "t") {
            m_in_text = true;
        } else if (name == "tab") {
            m_out.tab();
        } else if (name == "br" || name == "cr") {
            paragraph_end();
        } else if (name == "tr") {
            row_start();
        } else if (name == "tc") {
            cell_start();
        }
        // Properties hold tab stops and field codes hold no reading text.
        return name != "pPr" && name != "rPr" && name != "sectPr" && name != "tblPr" &&
               name != "delText" && name != "instrText";
    }
};

} // namespace

bool pull_docx(std::string_view xml, TextSink& out) {
    if (xml.empty() || xml.size() > platform::kMaxXmlText) {
        return false;
    }
    TextSink text;
    // The text is never longer, in UTF-16 units, than the UTF-8 it was read from.
    text.reserve(std::min(xml.size(), kMaxRenditionText));
    DocxWalker walker(text);
    if (!pull_walk(xml, walker)) {
        return false;
    }
    out = std::move(text);
    return true;
}

void walk_docx(const platform::XmlDocument& doc, size_t xml_size, TextSink& out) {
    out.reserve(std::min(xml_size, kMaxRenditionText));
    DocxWalker walker(out);
    walker.walk(doc.node());
}

void read_docx(ZipPackage& package, TextSink& out) {
    constexpr std::string_view kPart = "word/document.xml";
    std::string xml = package.read(kPart);
    // The body is walked from its bytes, with no tree built; a body outside what that
    // walk takes is parsed whole.
    if (!pull_docx(xml, out)) {
        walk_docx(package.parse_xml(kPart, xml), xml.size(), out);
    }
}

} // namespace paginor::convert
