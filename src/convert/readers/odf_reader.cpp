#include "convert/readers/package_readers.h"

#include <charconv>

namespace paginor::convert {

namespace {

// Text documents, spreadsheets and presentations alike: paragraphs and headings, spaces
// and tabs as their elements say, cells ending in a tab and rows in a break.
class OdfWalker : public SinkWalker {
  public:
    using SinkWalker::SinkWalker;

    bool open(std::string_view name, platform::XmlNode element) override {
        if (name == "s") {
            std::string_view count = element.raw_attribute("text:c");
            unsigned n = 1;
            std::from_chars(count.data(), count.data() + count.size(), n);
            for (unsigned i = 0; i < std::min(n, 1024u); ++i) {
                m_out.append(u' ');
            }
        } else if (name == "tab") {
            m_out.tab();
        } else if (name == "line-break") {
            m_out.paragraph();
        } else if (name == "table-row") {
            row_start();
        } else if (name == "table-cell" || name == "covered-table-cell") {
            cell_start();
        }
        return name != "annotation" && name != "automatic-styles" && name != "font-face-decls";
    }
    void close(std::string_view name) override {
        if (name == "p" || name == "h") {
            paragraph_end();
        } else if (name == "table-cell" || name == "covered-table-cell") {
            cell_end();
        } else if (name == "table-row" || name == "page") {
            m_out.paragraph();
        }
    }
    void text(std::string_view utf8) override { put(utf8); }
};

} // namespace

void read_odf(ZipPackage& package, TextSink& out) {
    platform::XmlDocument doc = package.read_xml("content.xml");
    OdfWalker walker(out);
    walker.walk(doc.node());
}

} // namespace paginor::convert
