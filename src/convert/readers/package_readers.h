// The readers of zip-based office packages, one file each, and the walker base they share.
#pragma once

#include "convert/doc_text.h"
#include "convert/readers/zip_package.h"

namespace paginor::convert {

void read_docx(ZipPackage& package, TextSink& out);
// The two ways read_docx reads a body, which give the same text: straight from its bytes
// (false, with out untouched, for a body outside what that walk takes; out must be
// empty), and over the parsed document.
bool pull_docx(std::string_view xml, TextSink& out);
void walk_docx(const platform::XmlDocument& doc, size_t xml_size, TextSink& out);
void read_xlsx(ZipPackage& package, TextSink& out);
void read_pptx(ZipPackage& package, TextSink& out);
void read_odf(ZipPackage& package, TextSink& out);

// A walker that writes into a sink and stops when it is full.
class SinkWalker : public XmlWalker {
  public:
    explicit SinkWalker(TextSink& out) : m_out(out) {}
    bool stop() const override { return m_out.full(); }

  protected:
    // Text, after the blank owed by a paragraph that ended inside a table cell.
    void put(std::string_view utf8);
    // A row starts; a cell starts (a tab before every cell but the row's first); a cell
    // ends; a paragraph ends, inside a cell only a blank before any further text.
    void row_start() { m_cell_index = 0; }
    void cell_start();
    void cell_end();
    void paragraph_end();

    TextSink& m_out;

  private:
    int m_cells{0};
    int m_cell_index{0};
    bool m_blank_owed{false};
};

// The word-processing and presentation markups share their text elements: text inside
// "t", paragraphs "p", table rows "tr" and cells "tc". A walker of either opens what is
// its own and leaves their ends and the text to this one.
class RunTextWalker : public SinkWalker {
  public:
    using SinkWalker::SinkWalker;

    void close(std::string_view name) override {
        if (name == "t") {
            m_in_text = false;
        } else if (name == "p") {
            paragraph_end();
        } else if (name == "tc") {
            cell_end();
        } else if (name == "tr") {
            m_out.paragraph();
        }
    }

    void text(std::string_view utf8) override {
        if (m_in_text) {
            put(utf8);
        }
    }

  protected:
    bool m_in_text{false}; // inside a "t": its text is read
};

} // namespace paginor::convert
