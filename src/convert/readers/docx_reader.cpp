#include "convert/readers/package_readers.h"

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

void read_docx(ZipPackage& package, TextSink& out) {
    uint64_t before = package.inflated();
    platform::XmlDocument doc = package.read_xml("word/document.xml");
    // The text is never longer, in UTF-16 units, than the UTF-8 it was parsed from.
    out.reserve(size_t(std::min<uint64_t>(package.inflated() - before, kMaxRenditionText)));
    DocxWalker walker(out);
    walker.walk(doc.node());
}

} // namespace paginor::convert
